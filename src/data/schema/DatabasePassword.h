#pragma once

#include "data/engine/DbConnection.h"

// Where a database keeps the hash of its password: the one row (IDHASLO 1) of the small
// table haslo of the main database, made when the first hash is written.
namespace DatabasePassword {

// Replaces the stored hash by one of password, in the caller's transaction if any.
DbError store(DbConnection& main, const QString& password);

}  // namespace DatabasePassword
