#include "data/records/DictionaryStore.h"

#include "data/RecordTemplates.h"
#include "data/TmyDataBase.h"
#include "data/engine/PolishCollation.h"

namespace {

const QString kVehicleKinds = QStringLiteral("RDPOJ");

}  // namespace

SqlStatement DictionaryStore::listStatement(const QString& code) {
    // The VAT rates are texts like "23.00"; they list from the highest text down.
    SqlStatement statement(
        QStringLiteral("SELECT KOD, OPIS, UZUP1, UZUP2 FROM slowniki WHERE IDSLOWNIK = :CODE ") +
        QStringLiteral("ORDER BY OPIS") + PolishCollation::clause() +
        (code == QLatin1String("STVAT") ? QStringLiteral(" DESC") : QStringLiteral(", KOD")));
    statement.bindText(QStringLiteral(":CODE"), code);
    return statement;
}

std::optional<QList<DictionaryEntry>> DictionaryStore::list(const QString& code) {
    DbQuery rows;
    if (DbError error = m_db.DatabaseFirma().select(listStatement(code), &rows)) {
        m_db.errorReport().report(error, ListFailed);
        return std::nullopt;
    }
    QList<DictionaryEntry> entries;
    while (rows.next())
        entries.append(
            {rows.integer(u"KOD"), rows.text(u"OPIS"), rows.text(u"UZUP1"), rows.text(u"UZUP2")});
    return entries;
}

std::optional<qint64> DictionaryStore::insert(const QString& code, const QString& text,
                                              const QString& extra) {
    SqlTemplate statement = RecordTemplates::get(QStringLiteral("DBFInsertSlowniki"));
    statement.setParam(0, code);
    statement.setParam(1, text);
    statement.setParam(2, extra);
    statement.setParam(3, QString());
    qint64 key = -1;
    if (DbError error =
            m_db.DatabaseFirma().insert(statement.statement(), QStringLiteral("KOD"), &key)) {
        m_db.errorReport().report(error, InsertFailed);
        return std::nullopt;
    }
    return key;
}

bool DictionaryStore::update(const QString& code, const DictionaryEntry& entry) {
    SqlTemplate statement = RecordTemplates::get(QStringLiteral("DBFUpdateSlowniki"));
    statement.setParam(0, code);
    statement.setParam(1, entry.text);
    statement.setParam(2, entry.extra);
    statement.setParam(3, entry.extra2);
    statement.setLine(6, QString::number(entry.key));
    if (DbError error = m_db.DatabaseFirma().execute(statement.statement())) {
        m_db.errorReport().report(error, UpdateFailed);
        return false;
    }
    return true;
}

bool DictionaryStore::remove(qint64 key) {
    SqlTemplate statement = RecordTemplates::get(QStringLiteral("DBFDeleteSlowniki"));
    statement.setLine(1, QString::number(key));
    if (DbError error = m_db.DatabaseFirma().execute(statement.statement())) {
        m_db.errorReport().report(error, DeleteFailed);
        return false;
    }
    return true;
}

std::optional<QMap<int, QString>> DictionaryStore::vehicleKinds() {
    SqlStatement statement(QStringLiteral(
        "SELECT KOD, OPIS, UZUP1 FROM slowniki WHERE IDSLOWNIK = :CODE ORDER BY KOD"));
    statement.bindText(QStringLiteral(":CODE"), kVehicleKinds);
    DbQuery rows;
    if (DbError error = m_db.DatabaseFirma().select(statement, &rows)) {
        m_db.errorReport().report(error, KindsReadFailed);
        return std::nullopt;
    }
    QMap<int, QString> texts;
    while (rows.next()) {
        const qint64 key = rows.integer(u"KOD");
        if (key >= kFirstNamedKind && key < kFirstFreeKind) {
            texts.insert(int(key), rows.text(u"OPIS"));
            continue;
        }
        // The kilometre rates address the free kinds by this number, not by KOD.
        bool ok = false;
        const int number = rows.text(u"UZUP1").trimmed().toInt(&ok);
        if (ok && number >= kFirstFreeKind && number <= kLastFreeKind && !texts.contains(number))
            texts.insert(number, rows.text(u"OPIS"));
    }
    return texts;
}

bool DictionaryStore::writeVehicleKinds(const QMap<int, QString>& texts) {
    DbConnection& company = m_db.DatabaseFirma();
    Transaction transaction(company);
    DbError error = transaction.beginError();
    for (auto it = texts.cbegin(); !error && it != texts.cend(); ++it) {
        const int kind = it.key();
        if (kind < kFirstNamedKind || kind > kLastFreeKind)
            continue;
        const bool named = kind < kFirstFreeKind;
        SqlStatement statement(
            named ? QStringLiteral("UPDATE slowniki SET OPIS = :OPIS WHERE IDSLOWNIK = :CODE "
                                   "AND KOD = :KOD")
                  : QStringLiteral("UPDATE slowniki SET OPIS = :OPIS WHERE IDSLOWNIK = :CODE "
                                   "AND UZUP1 = :NUMBER"));
        statement.bindText(QStringLiteral(":OPIS"), it.value());
        statement.bindText(QStringLiteral(":CODE"), kVehicleKinds);
        if (named)
            statement.bind(QStringLiteral(":KOD"), qint64(kind));
        else
            statement.bindText(QStringLiteral(":NUMBER"), QString::number(kind));
        error = company.execute(statement);
    }
    if (!error)
        error = transaction.commit();
    if (error) {
        m_db.errorReport().report(error, KindsWriteFailed);
        return false;
    }
    return true;
}

const QStringList& DictionaryStore::companyFields() {
    static const QStringList fields = {
        QStringLiteral("NAZWA"),   QStringLiteral("KOD"),    QStringLiteral("MIASTO"),
        QStringLiteral("ULICA"),   QStringLiteral("NUMER"),  QStringLiteral("NIP"),
        QStringLiteral("REGON"),   QStringLiteral("BANK"),   QStringLiteral("ROR"),
        QStringLiteral("TELEFON"), QStringLiteral("FAX"),    QStringLiteral("EMAIL"),
        QStringLiteral("WWW"),     QStringLiteral("KKOD"),   QStringLiteral("KMIASTO"),
        QStringLiteral("KULICA"),  QStringLiteral("KNUMER"), QStringLiteral("KTELEFON"),
        QStringLiteral("KFAX"),    QStringLiteral("KEMAIL"), QStringLiteral("INNE"),
    };
    return fields;
}

std::optional<Record> DictionaryStore::companyData() {
    DbConnection& company = m_db.DatabaseFirma();
    DbQuery rows;
    if (DbError error = company.select(
            SqlStatement(QStringLiteral("SELECT * FROM firma WHERE IDFIRMA = 1")), &rows)) {
        m_db.errorReport().report(error, CompanyReadFailed);
        return std::nullopt;
    }
    Record data;
    data.set(QStringLiteral("IDFIRMA"), 1);
    if (rows.next()) {
        for (const QString& field : companyFields())
            data.set(field, rows.text(field));
        return data;
    }
    // A company whose row was lost gets an empty one, so that saving has a row to update.
    if (DbError error = company.execute(
            SqlStatement(QStringLiteral("INSERT INTO firma (IDFIRMA) VALUES (1)")))) {
        m_db.errorReport().report(error, CompanyCreateFailed);
        return std::nullopt;
    }
    for (const QString& field : companyFields())
        data.set(field, QString());
    return data;
}

bool DictionaryStore::writeCompanyData(const Record& data) {
    SqlTemplate statement = RecordTemplates::get(QStringLiteral("DBFUpdateFirma"));
    const QStringList& fields = companyFields();
    for (int i = 0; i < fields.size(); ++i)
        statement.setParam(i, data.text(fields[i]));
    statement.setLine(23, QStringLiteral("1"));
    if (DbError error = m_db.DatabaseFirma().execute(statement.statement())) {
        m_db.errorReport().report(error, CompanyWriteFailed);
        return false;
    }
    return true;
}
