#include "data/records/KeyCascade.h"

#include "data/engine/DbConnection.h"

namespace KeyCascade {

namespace {

DbError rename(DbConnection& company, const QList<std::pair<const char*, const char*>>& references,
               const QString& from, const QString& to) {
    if (from == to)
        return {};
    for (const auto& [table, field] : references) {
        SqlStatement statement(QStringLiteral("UPDATE %1 SET %2 = :NEW WHERE %2 = :OLD")
                                   .arg(QLatin1String(table), QLatin1String(field)));
        statement.bindText(QStringLiteral(":NEW"), to);
        statement.bindText(QStringLiteral(":OLD"), from);
        if (DbError error = company.execute(statement))
            return error;
    }
    return {};
}

}  // namespace

DbError renamePerson(DbConnection& company, const QString& from, const QString& to) {
    return rename(company,
                  {{"pojazdy", "IDKIEROWCY"},
                   {"przejazdy", "IDKIEROWCY"},
                   {"koszty", "IDKIEROWCY"},
                   {"naprawy", "IDKIEROWCY"},
                   {"kpaliwowe", "IDKIEROWCY"},
                   {"kartydrogowe", "IDKIEROWCY"},
                   {"szkody", "IDKIEROWCY"},
                   {"terminy", "NREW"},
                   {"rozliczenia", "NREW"},
                   {"zlecenia", "NREW"}},
                  from, to);
}

DbError renameFuelCard(DbConnection& company, const QString& from, const QString& to) {
    return rename(company, {{"koszty", "IDKARTY"}}, from, to);
}

}  // namespace KeyCascade
