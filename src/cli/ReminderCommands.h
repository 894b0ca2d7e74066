#pragma once

#include <QString>

class CliArguments;

// The reminder commands of flotanor-cli: the three lists of the reminder window, and the
// dated terms as an iCalendar file.
namespace ReminderCommands {

// check LOCATION DIR [--dates] [--odometer] [--store] [--today DATE] [--encoding E]
// [--out FILE]: 0 when nothing is due, 3 when something is, 2 when a section failed.
int check(const CliArguments& args);
// calendar LOCATION DIR --out FILE.ics [--from DATE] [--to DATE]
int calendar(const CliArguments& args);

QStringList checkFlags();
QStringList checkValues();
QStringList calendarValues();
QString helpText();

}  // namespace ReminderCommands
