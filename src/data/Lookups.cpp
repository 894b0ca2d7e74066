#include "data/Lookups.h"

#include "data/ErrorReport.h"
#include "data/engine/DbConnection.h"
#include "data/engine/PolishCollation.h"
#include "data/registers/ListSql.h"

#include <QHash>

qint64 Lookups::errorCode(const QString& code) {
    static const QHash<QString, qint64> codes = {
        {QStringLiteral("RDPOJ"), 46},
        {QStringLiteral("RDWYD"), 181800},
        {QStringLiteral("STVAT"), 70},
        {QStringLiteral("RDPLA"), 80},
        {QStringLiteral("RTERM"), 55046},
        {QStringLiteral("RODOP"), 55101},
        {QStringLiteral("ROZOP"), 55100},
        {QStringLiteral("RPRAC"), 56101},
        {QStringLiteral("FLOTA"), 111901},
        {QStringLiteral("CKKOD"), 122111},
        {QStringLiteral("RDPAL"), 121910},
        // Lists that had no code of their own.
        {QStringLiteral("KONTR"), 181801},
        {QStringLiteral("TYPZA"), 181802},
        {QStringLiteral("PMIEJ"), 181803},
        {QStringLiteral("CZESC"), 181804},
    };
    return codes.value(code, 181805);
}

QList<LookupEntry> Lookups::run(const QString& sql,
                                const QList<std::pair<QString, QVariant>>& binds, qint64 code,
                                bool report) {
    SqlStatement statement(sql);
    for (const auto& [name, value] : binds)
        statement.bind(name, value);
    DbQuery result;
    QList<LookupEntry> entries;
    if (DbError error = m_company.select(statement, &result)) {
        if (report)
            m_report.report(error, code);
        return entries;
    }
    while (result.next()) {
        LookupEntry entry;
        entry.key = result.value(0);
        entry.text = result.value(1).toString();
        if (result.fieldCount() > 2)
            entry.extra = result.value(2);
        entries.append(entry);
    }
    return entries;
}

QList<LookupEntry> Lookups::dictionary(const QString& code) {
    QString order = QStringLiteral("KOD");
    if (code == QLatin1String("RDPLA"))
        order = QStringLiteral("OPIS") + PolishCollation::clause();
    else if (code == QLatin1String("STVAT"))
        order = QStringLiteral("OPIS") + PolishCollation::clause() + QStringLiteral(" DESC");
    return run(
        QStringLiteral("SELECT KOD, OPIS, UZUP1 FROM slowniki WHERE IDSLOWNIK = :CODE ORDER BY ") +
            order + QStringLiteral(", KOD"),
        {{QStringLiteral(":CODE"), code}}, errorCode(code), true);
}

QList<LookupEntry> Lookups::persons() {
    return run(QStringLiteral("SELECT o.NREW, ") + ListSql::personName(QStringLiteral("o")) +
                   QStringLiteral(" AS NAZWISKO FROM osobowa o ORDER BY NAZWISKO, o.NREW"),
               {}, 47, true);
}

QList<LookupEntry> Lookups::vehicles() {
    QList<LookupEntry> entries;
    DbQuery result;
    const SqlStatement statement(
        QStringLiteral("SELECT IDPOJAZD, NRREJ, IDKIEROWCY, STAWKA FROM pojazdy ORDER BY NRREJ") +
        PolishCollation::clause());
    if (DbError error = m_company.select(statement, &result)) {
        m_report.report(error, 45);
        return entries;
    }
    while (result.next()) {
        // The driver and the hourly rate ride along for the dialogs that pre-fill them.
        entries.append({result.value(0), result.text(u"NRREJ"),
                        QVariantList{result.value(2), result.value(3)}});
    }
    return entries;
}

QList<LookupEntry> Lookups::fuelCards() {
    return run(
        QStringLiteral("SELECT IDKARTY, IDKARTY || ' ' || COALESCE(NAZWA, '') FROM kpaliwowe "
                       "ORDER BY IDKARTY"),
        {}, 81, true);
}

QList<LookupEntry> Lookups::roadCards() {
    return run(QStringLiteral("SELECT IDDROGOWA, NRKARTY FROM kartydrogowe ORDER BY NRKARTY") +
                   PolishCollation::clause() + QStringLiteral(", IDDROGOWA"),
               {}, 141202, true);
}

QStringList Lookups::registrations() {
    QStringList list;
    for (const LookupEntry& entry :
         run(QStringLiteral("SELECT NRREJ, NRREJ FROM pojazdy ORDER BY NRREJ") +
                 PolishCollation::clause(),
             {}, 0, false))
        list << entry.text;
    return list;
}

QStringList Lookups::suggestions(const QString& code) {
    QStringList list;
    for (const LookupEntry& entry :
         run(QStringLiteral(
                 "SELECT OPIS, OPIS FROM slowniki WHERE IDSLOWNIK = :CODE ORDER BY OPIS") +
                 PolishCollation::clause(),
             {{QStringLiteral(":CODE"), code}}, 0, false))
        list << entry.text;
    // A text entered twice is offered once.
    list.removeDuplicates();
    return list;
}

QStringList Lookups::contractorSuggestions() {
    return suggestions(QStringLiteral("KONTR"));
}
