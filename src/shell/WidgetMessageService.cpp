#include "shell/WidgetMessageService.h"

#include "shell/uInfoForm.h"
#include "shell/uPromptForm.h"
#include "shell/uQuestionForm.h"
#include "support/translation/TResourceTranslator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// "CSV (*.csv)" gives "csv"; a filter of every file ("*" or "*.*") gives nothing.
QString suffixOfFilter(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^\\s;)*?]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QStringList translated(QStringList filters) {
    for (QString& filter : filters)
        filter = tx(filter);
    return filters;
}

}  // namespace

WidgetMessageService::WidgetMessageService(QWidget* parent) : m_parent(parent) {}

void WidgetMessageService::information(const QString& title, const QString& text) {
    TinfoForm::show(m_parent, tx(title), tx(text));
}

bool WidgetMessageService::question(const QString& title, const QString& text) {
    return TquestionForm::ask(m_parent, tx(title), tx(text));
}

std::optional<QString> WidgetMessageService::prompt(const QString& title, const QString& text,
                                                    const QString& defaultValue, bool password) {
    return TpromptForm::prompt(m_parent, tx(title), tx(text), defaultValue, password);
}

QString WidgetMessageService::saveFileName(const QString& title, const QString& proposedName,
                                           const QStringList& filters) {
    if (QCoreApplication::closingDown())
        return {};
    QFileDialog dialog(m_parent, tx(title));
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The question below is the program's own box, asked through this service.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(translated(filters));
        dialog.setDefaultSuffix(suffixOfFilter(filters.first()));
    }
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(suffixOfFilter(filter)); });
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);

    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return {};
        const QString file = dialog.selectedFiles().value(0);
        if (file.isEmpty())
            return {};
        if (!QFileInfo::exists(file))
            return file;
        const QString question = QStringLiteral("Plik „%1” już istnieje.\nCzy zastąpić go nowym?")
                                     .arg(QDir::toNativeSeparators(file));
        if (TquestionForm::ask(m_parent, tx(QStringLiteral("Pytanie")), tx(question)))
            return file;
        // "Nie": back to the dialog with the same name, to pick another one.
        dialog.selectFile(file);
    }
}

QString WidgetMessageService::openFileName(const QString& title, const QStringList& filters) {
    if (QCoreApplication::closingDown())
        return {};
    QFileDialog dialog(m_parent, tx(title));
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!filters.isEmpty())
        dialog.setNameFilters(translated(filters));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}
