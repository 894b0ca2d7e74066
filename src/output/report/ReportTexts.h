#pragma once

#include <QString>
#include <QStringList>

// The report engine's own texts (the preview's title, buttons and messages). Each has a
// fixed number, its place in polishTexts(); the language file's "FreeReport" entry of
// that number replaces it.
namespace ReportTexts {

const QStringList& polishTexts();
QString text(const QString& polish);

}  // namespace ReportTexts
