#pragma once

#include <QString>

// Expressions the list statements share, in SQL that both engines accept.
namespace ListSql {

// A person as lists show them: "NAZWISKO IMIE (ID NREW)", empty when there is none.
QString personName(const QString& alias);
// A vehicle as lists show it: "NRREJ MARKA", empty when there is none.
QString vehicleName(const QString& alias);

}  // namespace ListSql
