#pragma once

#include "data/engine/DbConnection.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <utility>

using FieldValues = QList<std::pair<QString, QVariant>>;

// Inserts one row whose values the program itself produced (new-company defaults, the
// sample company, benchmark data); every value is bound. Gives back the new key when the
// table has one.
DbError insertRow(DbConnection& connection, const QString& table, const FieldValues& values,
                  qint64* newKey = nullptr);
