#include "output/CsvExport.h"

#include "data/ListModel.h"
#include "output/CsvSheet.h"
#include "support/MessageService.h"

#include <QFileInfo>

namespace CsvExport {

QString dialogTitle() {
    return QStringLiteral("Eksportuj dane do arkusza .CSV");
}

QStringList filters() {
    return {QStringLiteral("Arkusz .CSV (*.csv)"), QStringLiteral("Wszystkie pliki (*.*)")};
}

bool run(const ListModel& model, const QString& caption, MessageService& messages,
         TextEncoding encoding) {
    QString file =
        messages.saveFileName(dialogTitle(), caption.trimmed() + QStringLiteral(".csv"), filters());
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".csv");
    // The whole sheet is built before the file is opened; a failed write leaves no part.
    const bool written = CsvSheet::write(model.sheet(), file, encoding);
    messages.information(QStringLiteral("Informacja"),
                         written ? QStringLiteral("Eksport zakończony poprawnie")
                                 : QStringLiteral("Nie udało się wyeksportować danych"));
    return written;
}

}  // namespace CsvExport
