#pragma once

#include "admin/ConfigPP.h"
#include "data/FilterSelection.h"
#include "data/engine/DbLocation.h"
#include "support/CodePage.h"

#include <QDate>
#include <QString>
#include <optional>

class CliArguments;
class TmyDataBase;

// What every command of flotanor-cli shares: the exit statuses, the output, the messages
// on standard error and the opening of a company.
namespace CliSupport {

constexpr int kUsage = 1;      // wrong command line or a refused precondition
constexpr int kFailed = 2;     // the database or a file failed
constexpr int kAttention = 3;  // done, but something needs attention

void out(const QByteArray& bytes);
void say(const QString& text);
// Writes "flotanor-cli: text" to standard error and gives back the status.
int fail(int status, const QString& text);
// A password typed on the terminal without echo; empty when standard input is no terminal.
QString askHidden(const QString& prompt);
// The password of a database about to be made: --password, else typed after the prompt
// (empty: none). nullopt with the status set (reported) when it is too short.
std::optional<QString> newPassword(const CliArguments& args, const QString& prompt, int* status);

std::optional<DbLocation> location(const QString& text, int* status);
// 0 when the database opens with the --password given (or has none), else the status.
int checkPassword(const CliArguments& args, const DbLocation& where);
// Opens the company of a location in the data module and brings a company of an earlier
// release up to date: 0, or the status (reported).
int openCompany(const CliArguments& args, const DbLocation& where, const QString& dir,
                TmyDataBase& database);
// --encoding, Windows-1250 without it; nullopt (reported in status) for an unknown name.
std::optional<TextEncoding> encoding(const CliArguments& args, int* status);
// A date option DD.MM.YYYY (any separator); a null date when the option is absent,
// nullopt (reported in status) when it is no real date.
std::optional<QDate> dateOption(const CliArguments& args, const QString& name, int* status);
// The filter options of the list command (--year, --month, --from, --to, --vehicle,
// --fuel-only, --ck, --road-card), as the main window's filter bar would set them.
bool readSelection(const CliArguments& args, FilterSelection* selection, QString* error);
// The program options of the data directory's settings file, as the windows use them; a
// missing file means the defaults and is not created by a command that only reads.
TconfigPP programOptions();

}  // namespace CliSupport
