#pragma once

#include <QString>

// Version texts of add-ons. "Already installed" compares the texts exactly; the update
// check orders dotted numbers.
namespace Versions {

// The texts are equal, character for character.
bool same(const QString& a, const QString& b);

// Negative, zero or positive as a is older than, as old as, or newer than b. Both split at
// '.', and a missing piece counts as "0"; two numeric pieces compare as numbers of any
// length, any other pair as text.
int compare(const QString& a, const QString& b);

// a is newer than b: "2.0.10" is newer than "2.0.9", "2.1" than "2.0.9".
bool newer(const QString& a, const QString& b);

}  // namespace Versions
