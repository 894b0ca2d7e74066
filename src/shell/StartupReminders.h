#pragma once

#include "admin/ConfigPP.h"

#include <QDate>
#include <bitset>

class MessageService;
class QWidget;
class TfSprawdzenieDat;
class TmyDataBase;

// What the main window runs after the tip of the day, at the first showing and after every
// new login: a quiet reminder run for a user with the checks right, with the checks the
// options name, then each due note, one modal note window after another, for a user with
// the notebook right when the options ask for the notes.
namespace StartupReminders {

constexpr size_t kChecksRight = 31;    // "Sprawdzanie terminów i magazynu"
constexpr size_t kNotebookRight = 27;  // "Notatnik"

void run(TfSprawdzenieDat& checks, QWidget* parent, TmyDataBase& database, MessageService& messages,
         const TconfigPP& config, const std::bitset<101>& rights,
         const QDate& today = QDate::currentDate());

}  // namespace StartupReminders
