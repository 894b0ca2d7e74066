#pragma once

#include "data/engine/DbError.h"

#include <QString>

class DbConnection;

// A person's evidence number and a fuel card's identifier are keys that users type and
// other tables refer to. Changing one changes every reference with it, in the caller's
// transaction, so that no record is left pointing at a key that is gone.
namespace KeyCascade {

DbError renamePerson(DbConnection& company, const QString& from, const QString& to);
DbError renameFuelCard(DbConnection& company, const QString& from, const QString& to);

}  // namespace KeyCascade
