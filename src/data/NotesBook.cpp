#include "data/NotesBook.h"

#include "data/ErrorReport.h"
#include "data/engine/DbConnection.h"
#include "support/OVUtilities.h"

#include <QSqlDatabase>

NotesBook::Note NotesBook::stored(const Note& note) {
    return {note.date.left(kDateLength), note.text.left(kTextLength),
            note.reserved.left(kReservedLength)};
}

QString NotesBook::sourceOf(DbConnection& company) {
    return company.database().databaseName() + QLatin1Char('|') + company.schema();
}

bool NotesBook::isChanged(int index) const {
    return stored(note(index)) != m_read.at(size_t(index));
}

bool NotesBook::isDue(int index, qint64 today) const {
    const Note& n = note(index);
    if (n.text.trimmed().isEmpty())
        return false;
    return TOVUtilities().dateTextToNumber(n.date) <= today;  // 0 when not a valid date
}

bool NotesBook::load(DbConnection& company, ErrorReport& report) {
    return read(company, report, false);
}

bool NotesBook::refresh(DbConnection& company, ErrorReport& report) {
    return read(company, report, m_source == sourceOf(company));
}

bool NotesBook::read(DbConnection& company, ErrorReport& report, bool keepChanged) {
    DbQuery rows;
    if (DbError error = company.select(
            SqlStatement(QStringLiteral("SELECT * FROM notatki ORDER BY IDNOTATKI")), &rows)) {
        report.report(error, 23);
        return false;
    }
    // Every save writes a note into the row of its number, so the number says the slot.
    std::array<Note, kCount> found;
    while (rows.next()) {
        const qint64 number = rows.integer(u"IDNOTATKI");
        if (number >= 1 && number <= kCount)
            found[size_t(number - 1)] =
                stored({rows.text(u"DATA"), rows.text(u"OPIS"), rows.text(u"RESERVED")});
    }
    for (int i = 0; i < kCount; ++i) {
        if (!(keepChanged && isChanged(i)))
            m_notes[size_t(i)] = found[size_t(i)];
        m_read[size_t(i)] = found[size_t(i)];
    }
    m_source = sourceOf(company);
    return true;
}

bool NotesBook::save(DbConnection& company, ErrorReport& report) {
    QList<int> changed;
    for (int i = 0; i < kCount; ++i)
        if (isChanged(i))
            changed << i;
    if (changed.isEmpty())
        return true;

    Transaction transaction(company);
    DbError error = transaction.beginError();
    for (int i : changed) {
        if (error)
            break;
        const Note note = stored(m_notes[size_t(i)]);
        const auto bound = [&note](const QString& sql) {
            SqlStatement statement(sql);
            statement.bindText(QStringLiteral(":PARAM0"), note.date);
            statement.bindText(QStringLiteral(":PARAM1"), note.text);
            statement.bindText(QStringLiteral(":PARAM2"), note.reserved);
            return statement;
        };
        int rows = 0;
        error = company.execute(bound(QStringLiteral("UPDATE notatki SET DATA = :PARAM0, "
                                                     "OPIS = :PARAM1, RESERVED = :PARAM2 "
                                                     "WHERE IDNOTATKI = %1")
                                          .arg(i + 1)),
                                &rows);
        // A database that lost the row gets it back.
        if (!error && rows == 0)
            error = company.execute(bound(QStringLiteral("INSERT INTO notatki "
                                                         "(IDNOTATKI,DATA,OPIS,RESERVED) "
                                                         "VALUES(%1,:PARAM0,:PARAM1,:PARAM2)")
                                              .arg(i + 1)));
    }
    if (!error)
        error = transaction.commit();
    if (error) {
        report.report(error, 22);
        return false;
    }
    for (int i : changed) {
        m_notes[size_t(i)] = stored(m_notes[size_t(i)]);
        m_read[size_t(i)] = m_notes[size_t(i)];
    }
    m_source = sourceOf(company);
    return true;
}
