#pragma once

#include "data/registers/RegisterId.h"

#include <functional>

class ListModel;
class QWidget;
class TmyDataBase;

// The record dialogs of the registers, reached by "Dodaj", "Kopiuj", "Edytuj" and the
// read-only preview. Each register's dialog installs itself here; a register without one
// says so.
namespace RecordEditors {

enum class Mode { Add, Copy, Edit, Preview };

struct Request {
    QWidget* parent;
    TmyDataBase& database;
    ListModel& model;
    int row;  // the current row, -1 when the list is empty
    Mode mode;
};

// True when a record was saved (the page then relists and the dialog has located it).
using Editor = std::function<bool(const Request&)>;

void install(RegisterId id, Editor editor);
bool has(RegisterId id);
// Runs the register's dialog; false when it was cancelled or the register has none.
bool run(RegisterId id, const Request& request);

}  // namespace RecordEditors
