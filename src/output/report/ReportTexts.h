#pragma once

#include <QHash>
#include <QString>

// The report engine's own texts (the preview's buttons and messages), in Polish unless
// the language file gives a translation; one table for all of them.
namespace ReportTexts {

QString text(const QString& polish);
void setTranslations(const QHash<QString, QString>& translations);

}  // namespace ReportTexts
