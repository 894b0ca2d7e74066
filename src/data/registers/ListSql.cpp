#include "data/registers/ListSql.h"

#include "data/engine/PolishCollation.h"

namespace ListSql {

QString personName(const QString& a) {
    return QStringLiteral("(CASE WHEN %1.NREW IS NULL THEN NULL ELSE COALESCE(%1.NAZWISKO, '') || ' ' || "
                          "COALESCE(%1.IMIE, '') || ' (ID ' || %1.NREW || ')' END)")
               .arg(a) +
           PolishCollation::clause();
}

QString vehicleName(const QString& a) {
    return QStringLiteral("(CASE WHEN %1.IDPOJAZD IS NULL THEN NULL ELSE COALESCE(%1.NRREJ, '') || ' ' || "
                          "COALESCE(%1.MARKA, '') END)")
               .arg(a) +
           PolishCollation::clause();
}

}  // namespace ListSql
