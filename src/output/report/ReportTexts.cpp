#include "output/report/ReportTexts.h"

namespace ReportTexts {
namespace {

QHash<QString, QString>& table() {
    static QHash<QString, QString> translations;
    return translations;
}

}  // namespace

QString text(const QString& polish) {
    return table().value(polish, polish);
}

void setTranslations(const QHash<QString, QString>& translations) {
    table() = translations;
}

}  // namespace ReportTexts
