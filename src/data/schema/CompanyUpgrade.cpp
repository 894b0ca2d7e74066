#include "data/schema/CompanyUpgrade.h"

#include "support/Progress.h"

#include "data/ErrorLog.h"
#include "data/engine/DbConnection.h"
#include "data/schema/Schema.h"
#include "data/schema/SchemaDdl.h"
#include "support/MessageService.h"
#include "support/translation/TResourceTranslator.h"

#include <QDateTime>

namespace {

const QString kVersionTable = QStringLiteral("aktualizacje");
const QString kInformation = QStringLiteral("Informacja");
const QString kError = QStringLiteral("Błąd");

}  // namespace

CompanyUpgrade::CompanyUpgrade(DbConnection& company, MessageService& messages, QString where)
    : m_db(company), m_messages(messages), m_where(std::move(where)) {}

const QStringList& CompanyUpgrade::versions() {
    static const QStringList list = {
        QStringLiteral("1.0.5"), QStringLiteral("1.0.6"), QStringLiteral("1.0.7"),
        QStringLiteral("1.0.8"), QStringLiteral("1.0.9"), QStringLiteral("1.0.10"),
    };
    return list;
}

namespace {

DbError createVersionTable(DbConnection& db) {
    return db.execute(SqlStatement(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 "
                                                  "(WERSJA TEXT NOT NULL PRIMARY KEY, DATA TEXT)")
                                       .arg(kVersionTable)));
}

DbError recordVersion(DbConnection& db, const QString& version) {
    if (DbError error = createVersionTable(db))
        return error;
    return db.execute(
        SqlStatement(
            QStringLiteral("INSERT INTO %1 (WERSJA, DATA) VALUES (:w, :d)").arg(kVersionTable))
            .bindText(QStringLiteral(":w"), version)
            .bindText(QStringLiteral(":d"), QDateTime::currentDateTime().toString(Qt::ISODate)));
}

}  // namespace

QStringList CompanyUpgrade::recordAllStatements() {
    QStringList statements{QStringLiteral("CREATE TABLE IF NOT EXISTS %1 "
                                          "(WERSJA TEXT NOT NULL PRIMARY KEY, DATA TEXT)")
                               .arg(kVersionTable)};
    const QString now = QDateTime::currentDateTime().toString(Qt::ISODate);
    for (const QString& version : versions()) {
        statements << QStringLiteral(
                          "INSERT INTO %1 (WERSJA, DATA) SELECT '%2', '%3' WHERE NOT "
                          "EXISTS (SELECT 1 FROM %1 WHERE WERSJA = '%2')")
                          .arg(kVersionTable, version, now);
    }
    return statements;
}

DbError CompanyUpgrade::recordAll(DbConnection& company) {
    for (const QString& sql : recordAllStatements()) {
        if (DbError error = company.execute(SqlStatement(sql)))
            return error;
    }
    return {};
}

QStringList CompanyUpgrade::reached() {
    QStringList done;
    if (!tableExists(kVersionTable))
        return done;
    DbQuery rows;
    if (m_db.select(SqlStatement(QStringLiteral("SELECT WERSJA FROM %1").arg(kVersionTable)),
                    &rows))
        return done;
    QStringList stored;
    while (rows.next())
        stored << rows.value(0).toString();
    for (const QString& version : versions()) {
        if (stored.contains(version))
            done << version;
    }
    return done;
}

// A failing statement spoils a PostgreSQL transaction: tests run under a savepoint.
bool CompanyUpgrade::tableExists(const QString& table) {
    return fieldExists(table, QStringLiteral("*"));
}

bool CompanyUpgrade::fieldExists(const QString& table, const QString& field) {
    const QString name = QStringLiteral("test_pola");
    const bool inside = m_db.inTransaction();
    if (inside && m_db.savepoint(name))
        return false;
    DbQuery rows;
    const DbError error = m_db.select(
        SqlStatement(QStringLiteral("SELECT %1 FROM %2 WHERE 1 = 0").arg(field, table)), &rows);
    if (inside) {
        if (error)
            m_db.rollbackToSavepoint(name);
        else
            m_db.releaseSavepoint(name);
    }
    return !error;
}

void CompanyUpgrade::failed(qint64 code, const QString& text, const DbError& error) {
    ErrorLog::append(code, error ? text + QStringLiteral(": ") + error.message() : text);
}

bool CompanyUpgrade::execute(const QString& sql, qint64 failCode) {
    if (DbError error = m_db.execute(SqlStatement(sql))) {
        failed(failCode, sql, error);
        return false;
    }
    return true;
}

bool CompanyUpgrade::backup(const QString& table, const QString& suffix, qint64 okCode,
                            qint64 failCode) {
    const QString copy = table + u'_' + suffix;
    if (tableExists(copy))
        return true;  // the table as it was before the first attempt
    if (DbError error = m_db.execute(
            SqlStatement(QStringLiteral("CREATE TABLE %1 AS SELECT * FROM %2").arg(copy, table)))) {
        const QString text = QStringLiteral("Nie udało się stworzyć kopii zbioru %1").arg(copy);
        failed(failCode, text, error);
        m_pending << Message{kError, text + u'.'};
        return false;
    }
    ErrorLog::append(okCode, QStringLiteral("plik %1 utworzony").arg(copy));
    return true;
}

bool CompanyUpgrade::addFields(const QString& table, const QStringList& fields, const QString& text,
                               qint64 okCode, qint64 failCode) {
    const TableDef* def = Schema::companyTable(table);
    bool added = false;
    for (const QString& name : fields) {
        const FieldDef* field = def ? def->field(name) : nullptr;
        if (!field) {
            failed(failCode, QStringLiteral("brak opisu pola %1.%2").arg(table, name));
            return false;
        }
        if (fieldExists(table, name))
            continue;
        if (!execute(SchemaDdl::addColumn(*def, *field, m_db.engine()), failCode))
            return false;
        added = true;
    }
    if (added)
        ErrorLog::append(okCode, text);
    return true;
}

bool CompanyUpgrade::addTables(const QStringList& tables, const QString& text, qint64 okCode,
                               qint64 failCode) {
    for (const QString& table : tables) {
        if (tableExists(table))
            continue;
        const TableDef* def = Schema::companyTable(table);
        DbError error = def ? DbError() : DbError(DbError::Kind::Other, table);
        for (const QString& sql :
             def ? SchemaDdl::createTable(*def, m_db.engine()) : QStringList()) {
            if ((error = m_db.execute(SqlStatement(sql))))
                break;
        }
        if (error) {
            const QString message = QStringLiteral("Nie udało się stworzyć tabeli %1").arg(table);
            failed(failCode, message, error);
            m_pending << Message{kError, message};
            return false;
        }
        ErrorLog::append(okCode, text + u' ' + table);
    }
    return true;
}

bool CompanyUpgrade::step(const QString& version, qint64 failureCode,
                          bool (CompanyUpgrade::*actions)()) {
    if (m_reached.contains(version))
        return true;
    const QStringList all = versions();
    Progress::stage(QStringLiteral("Aktualizacja bazy danych do wersji %1").arg(version));
    Progress::report(all.indexOf(version), all.size());
    bool ok = !m_db.begin();
    ok = ok && (this->*actions)();
    ok = ok && !recordVersion(m_db, version);
    ok = ok && !m_db.commit();
    if (!ok && m_db.inTransaction())
        m_db.rollback();
    // Shown after the transaction: a box waiting for a click must not hold the database.
    const QList<Message> pending = std::exchange(m_pending, {});
    for (const Message& message : pending)
        m_messages.information(message.title, message.text);
    if (ok) {
        m_reached << version;
        ErrorLog::append(kCompleted,
                         QStringLiteral("baza danych zaktualizowana do wersji ") + version);
        m_messages.information(
            kInformation, QStringLiteral("Baza danych zaktualizowana do wersji %1.").arg(version));
    } else {
        ErrorLog::append(failureCode,
                         QStringLiteral("Nieudana próba aktualizacji do wersji ") + version);
        m_messages.information(
            kError, QStringLiteral("Podczas próby aktualizacji wystąpił błąd. Aktualizacja "
                                   "zakończyła się niepowodzeniem. Zgłoś problem u producenta."));
    }
    return ok;
}

void CompanyUpgrade::run() {
    m_reached = reached();
    lpgTable();
    step(QStringLiteral("1.0.5"), 100001, &CompanyUpgrade::step105);
    step(QStringLiteral("1.0.6"), 1200027, &CompanyUpgrade::step106);
    step(QStringLiteral("1.0.7"), 1300027, &CompanyUpgrade::step107);
    step(QStringLiteral("1.0.8"), 1400005, &CompanyUpgrade::step108);
    step(QStringLiteral("1.0.9"), 1400005, &CompanyUpgrade::noActions);
    step(QStringLiteral("1.0.10"), 1400005, &CompanyUpgrade::noActions);
}

// The LPG refuellings: no version of its own, it runs whenever the table is missing.
bool CompanyUpgrade::lpgTable() {
    const QString table = QStringLiteral("zuzycielpg");
    if (tableExists(table))
        return true;
    const TableDef* def = Schema::companyTable(table);
    DbError error = m_db.begin();
    for (const QString& sql : SchemaDdl::createTable(*def, m_db.engine())) {
        if (error)
            break;
        error = m_db.execute(SqlStatement(sql));
    }
    if (!error)
        error = m_db.commit();
    if (error) {
        if (m_db.inTransaction())
            m_db.rollback();
        failed(0, QStringLiteral("Nie udało się stworzyć tabeli tankowań Gazu LPG"), error);
        m_messages.information(kError,
                               QStringLiteral("Nie udało się stworzyć tabeli tankowań Gazu LPG"));
        return false;
    }
    m_messages.information(kInformation,
                           QStringLiteral("Zaktualizowano bazę danych dla wskazanej firmy. Dodano "
                                          "nową tabelę tankowań Gazu LPG. Funkcjonalność programu "
                                          "została rozszerzona."));
    ErrorLog::append(kCompleted, QStringLiteral("Dodano tabelę zuzycielpg DIR=") + m_where);
    return true;
}

bool CompanyUpgrade::step105() {
    const QString suffix = QStringLiteral("bak");
    if (!backup(QStringLiteral("pojazdy"), suffix, 100003, 100002) ||
        !backup(QStringLiteral("stawki"), suffix, 100005, 100004) ||
        !backup(QStringLiteral("slowniki"), suffix, 100012, 100011))
        return false;
    if (!addTables({QStringLiteral("terminy"), QStringLiteral("opony"),
                    QStringLiteral("rozliczenia"), QStringLiteral("zlecenia")},
                   QStringLiteral("tabela stworzona"), 100007, 100006))
        return false;

    // The sixteen further vehicle kinds pair with the rate fields RDPOJ5 … RDPOJ20 by
    // UZUP1. Only missing ones are added: vehicles and rates keep the codes they use.
    DbQuery present;
    if (DbError error = m_db.select(
            SqlStatement("SELECT UZUP1 FROM slowniki WHERE IDSLOWNIK = 'RDPOJ'"), &present)) {
        failed(100008, QStringLiteral("rodzaje pojazdów"), error);
        return false;
    }
    QStringList have;
    while (present.next())
        have << present.value(0).toString().trimmed();
    bool insertedKinds = false;
    for (int n = 5; n <= 20; ++n) {
        if (have.contains(QString::number(n)))
            continue;
        if (DbError error = m_db.execute(
                SqlStatement("INSERT INTO slowniki (IDSLOWNIK, OPIS, UZUP1, UZUP2) "
                             "VALUES ('RDPOJ', :opis, :uzup1, '')")
                    .bindText(QStringLiteral(":opis"),
                              tx(QStringLiteral("Inne")) + u' ' + QString::number(n - 4))
                    .bindText(QStringLiteral(":uzup1"), QString::number(n)))) {
            failed(100010, QStringLiteral("rodzaje pojazdów"), error);
            return false;
        }
        insertedKinds = true;
    }
    if (insertedKinds)
        ErrorLog::append(100009, QStringLiteral("rodzaje pojazdów zaktualizowane w słowniku"));

    DbQuery card;
    if (DbError error =
            m_db.select(SqlStatement("SELECT COUNT(*) FROM slowniki WHERE "
                                     "IDSLOWNIK = 'RDPLA' AND OPIS = 'Karta płatnicza'"),
                        &card)) {
        failed(100015, QStringLiteral("rodzaje płatności"), error);
        return false;
    }
    if (card.next() && card.value(0).toLongLong() == 0) {
        if (DbError error = m_db.execute(
                SqlStatement("INSERT INTO slowniki (IDSLOWNIK, OPIS, UZUP1, UZUP2) "
                             "VALUES ('RDPLA', :opis, '', '')")
                    .bindText(QStringLiteral(":opis"), tx(QStringLiteral("Karta płatnicza"))))) {
            failed(100015, QStringLiteral("rodzaje płatności"), error);
            return false;
        }
        ErrorLog::append(100014, QStringLiteral("dodano rodzaj płatności: karta"));
    }

    QStringList rates;
    for (int n = 5; n <= 20; ++n)
        rates << QStringLiteral("RDPOJ%1").arg(n);
    return addFields(QStringLiteral("pojazdy"), {QStringLiteral("STAWKA")},
                     QStringLiteral("dodano nowe pole w zbiorze pojazdy.DB"), 100016, 100012) &&
           addFields(QStringLiteral("stawki"), rates,
                     QStringLiteral("dodano nowe pola w zbiorze stawki.DB"), 100017, 100013);
}

bool CompanyUpgrade::step106() {
    const QString suffix = QStringLiteral("bk2");
    const std::pair<const char*, std::pair<qint64, qint64>> backups[] = {
        {"pojazdy", {1200002, 1200001}}, {"dokumenty", {1200004, 1200003}},
        {"naprawy", {1200006, 1200005}}, {"opony", {1200008, 1200007}},
        {"terminy", {1200010, 1200009}}, {"wyposazenie", {1200012, 1200011}},
    };
    for (const auto& [table, codes] : backups) {
        const QString name = QString::fromLatin1(table);
        // The tyres and the scheduler came with 1.0.5; a database without them skips them.
        if ((name == u"opony" || name == u"terminy") && !tableExists(name))
            continue;
        if (!backup(name, suffix, codes.first, codes.second))
            return false;
    }
    if (!addFields(
            QStringLiteral("pojazdy"),
            {QStringLiteral("NORMAOD"), QStringLiteral("NORMADO"), QStringLiteral("DATATACHO"),
             QStringLiteral("LICZPRZEG"), QStringLiteral("LICZGWAR")},
            QStringLiteral("dodano nowe pola w zbiorze pojazdy.DB"), 1200013, 1200014))
        return false;
    const std::pair<const char*, std::pair<qint64, qint64>> counted[] = {
        {"dokumenty", {1200015, 1200016}},   {"naprawy", {1200017, 1200018}},
        {"opony", {1200019, 1200020}},       {"terminy", {1200021, 1200022}},
        {"wyposazenie", {1200023, 1200024}},
    };
    for (const auto& [table, codes] : counted) {
        const QString name = QString::fromLatin1(table);
        if (!addFields(name, {QStringLiteral("LICZTERM")},
                       QStringLiteral("dodano nowe pole w zbiorze %1.DB").arg(name), codes.first,
                       codes.second))
            return false;
    }
    return addTables(
        {QStringLiteral("zuzyciekm"), QStringLiteral("zuzyciekmlpg"), QStringLiteral("zuzyciemth"),
         QStringLiteral("zuzyciemthlpg"), QStringLiteral("przebiegi"), QStringLiteral("szkody")},
        QStringLiteral("dodano tabele"), 1200026, 1200025);
}

bool CompanyUpgrade::step107() {
    const QString suffix = QStringLiteral("bk3");
    if (!backup(QStringLiteral("pojazdy"), suffix, 1300002, 1300001) ||
        !backup(QStringLiteral("koszty"), suffix, 1300004, 1300003) ||
        !backup(QStringLiteral("naprawy"), suffix, 1300006, 1300005))
        return false;
    // A vehicle without a status would drop out of the reminders: the status comes with
    // the field, in the same transaction.
    const bool hadStatus = fieldExists(QStringLiteral("pojazdy"), QStringLiteral("STATUS"));
    if (!addFields(QStringLiteral("pojazdy"),
                   {QStringLiteral("LP"), QStringLiteral("NRFLOTY"), QStringLiteral("STATUS"),
                    QStringLiteral("NREWID")},
                   QStringLiteral("dodano nowe pola w zbiorze pojazdy.DB"), 1300007, 1300008))
        return false;
    if (!hadStatus) {
        if (!execute(QStringLiteral("UPDATE pojazdy SET STATUS = 0"), 1300008))
            return false;
        ErrorLog::append(1300009, QStringLiteral("ustawiono domyślny status pojazdu"));
    }
    return addFields(QStringLiteral("naprawy"), {QStringLiteral("DONE")},
                     QStringLiteral("dodano nowe pola w zbiorze naprawy.DB"), 1300010, 1300011) &&
           addFields(QStringLiteral("koszty"),
                     {QStringLiteral("ISFUEL"), QStringLiteral("FUEL"), QStringLiteral("CK"),
                      QStringLiteral("IDDROGOWA")},
                     QStringLiteral("dodano nowe pola w zbiorze koszty.DB"), 1300012, 1300013) &&
           addTables({QStringLiteral("kartydrogowe")}, QStringLiteral("dodano tabelę"), 1300015,
                     1300014);
}

bool CompanyUpgrade::step108() {
    return addTables({QStringLiteral("cenypaliw")}, QStringLiteral("dodano tabelę"), 1400002,
                     1400001) &&
           addTables({QStringLiteral("magazyn")}, QStringLiteral("dodano tabelę"), 1400004,
                     1400003);
}
