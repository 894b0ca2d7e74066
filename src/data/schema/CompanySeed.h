#pragma once

#include "data/engine/DbConnection.h"

#include <QStringList>

// The contents every new company starts with: the company row, the supervisor account,
// the dictionaries (with the fixed vehicle-kind structure the kilometre rates rely on),
// the kilometre rates and the thirty empty notes.
namespace CompanySeed {

// The supervisor account and its first password.
QString supervisorName();      // "ADMIN"
QString supervisorPassword();  // "lotra"

// The entries a new company's dictionary starts with (e.g. "STVAT": the VAT rates).
QStringList dictionaryTexts(const QString& dictionary);

// Fills the empty tables of a new company; runs in the caller's transaction. The
// supervisor's first password is supervisorPassword() unless another is given.
DbError fill(DbConnection& company, const QString& firstPassword = {});

}  // namespace CompanySeed
