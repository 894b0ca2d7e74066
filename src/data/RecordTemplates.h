#pragma once

#include "data/engine/SqlTemplate.h"

// The insert, update and delete statements of the registers, the dictionaries and the
// users, by name (DBFInsertKoszty, ...), as numbered line templates: the register code
// writes numbers, dates and codes into their slot lines and binds the texts as
// :PARAM0, :PARAM1, ... in order. In the consumption statements %1 is the table of the
// fuel kind on screen.
namespace RecordTemplates {

bool contains(const QString& name);
SqlTemplate get(const QString& name);
SqlTemplate get(const QString& name, const QString& table);

}  // namespace RecordTemplates
