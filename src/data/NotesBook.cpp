#include "data/NotesBook.h"

#include "data/ErrorReport.h"
#include "data/engine/DbConnection.h"

bool NotesBook::load(DbConnection& company, ErrorReport& report) {
    DbQuery rows;
    if (DbError error = company.select(
            SqlStatement(QStringLiteral("SELECT * FROM notatki ORDER BY IDNOTATKI")), &rows)) {
        report.report(error, 23);
        return false;
    }
    int i = 0;
    while (i < kCount && rows.next()) {
        m_notes[size_t(i)] = {rows.text(u"DATA").left(10), rows.text(u"OPIS").left(255),
                              rows.text(u"RESERVED").left(10)};
        ++i;
    }
    for (; i < kCount; ++i)
        m_notes[size_t(i)] = {};
    return true;
}

bool NotesBook::save(DbConnection& company, ErrorReport& report) {
    Transaction transaction(company);
    DbError error = transaction.beginError();
    if (!error)
        error = company.execute(SqlStatement(QStringLiteral("DELETE FROM notatki")));
    for (int i = 0; i < kCount && !error; ++i) {
        SqlStatement insert(QStringLiteral("INSERT INTO notatki (IDNOTATKI,DATA,OPIS,RESERVED) "
                                           "VALUES(%1,:PARAM0,:PARAM1,:PARAM2)")
                                .arg(i + 1));
        const Note& note = m_notes[size_t(i)];
        insert.bindText(QStringLiteral(":PARAM0"), note.date.left(10));
        insert.bindText(QStringLiteral(":PARAM1"), note.text.left(255));
        insert.bindText(QStringLiteral(":PARAM2"), note.reserved.left(10));
        error = company.execute(insert);
    }
    if (!error)
        error = transaction.commit();
    if (error) {
        report.report(error, 22);
        return false;
    }
    return true;
}
