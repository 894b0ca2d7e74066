#pragma once

#include "support/CodePage.h"

class ListModel;
class MessageService;

// "do CSV": the list on screen written to a sheet the user names, with the same sheet
// writer as flotanor-cli list, so both give the same file for the same filters.
namespace CsvExport {

// Proposes caption + ".csv", asks for the file, writes the sheet and tells how it went.
// False when cancelled or failed.
bool run(const ListModel& model, const QString& caption, MessageService& messages,
         TextEncoding encoding = TextEncoding::Windows1250);

QString dialogTitle();
QStringList filters();

}  // namespace CsvExport
