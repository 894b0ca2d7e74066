#include "admin/LegacyImportPage.h"

#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QLabel* caption(const QString& text, const QString& name) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

}  // namespace

LegacyImportPage::LegacyImportPage(QFileSystemModel* directories, QWidget* parent)
    : QWidget(parent), m_directories(directories) {
    setObjectName(QStringLiteral("PPrzenies"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption(QStringLiteral("Wskaż katalog bazy danych wcześniejszego wydania "
                                             "programu (katalog z plikiem firmy.DB):"),
                              QStringLiteral("LPrzeniesSkad")));
    m_tree = new QTreeView;
    m_tree->setObjectName(QStringLiteral("TVPrzenies"));
    m_tree->setModel(m_directories);
    for (int column = 1; column < m_directories->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->setHeaderHidden(true);
    layout->addWidget(m_tree, 1);
    m_source = new QLineEdit;
    m_source->setObjectName(QStringLiteral("EPrzeniesSkad"));
    layout->addWidget(m_source);
    layout->addWidget(caption(QStringLiteral("Lokalizacja nowej bazy danych (nowy, pusty katalog "
                                             "albo adres bazy PostgreSQL):"),
                              QStringLiteral("EPrzeniesDokadLabel")));
    m_target = new QLineEdit;
    m_target->setObjectName(QStringLiteral("EPrzeniesDokad"));
    layout->addWidget(m_target);
    m_report = new QPlainTextEdit;
    m_report->setObjectName(QStringLiteral("MRaportPrzeniesienia"));
    m_report->setReadOnly(true);
    m_report->setProperty("composedText", true);
    m_report->setMaximumHeight(120);
    layout->addWidget(m_report);
    connect(m_tree, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        m_source->setText(QDir::toNativeSeparators(m_directories->filePath(index)));
    });
    connect(m_source, &QLineEdit::textChanged, this, &LegacyImportPage::changed);
    connect(m_target, &QLineEdit::textChanged, this, &LegacyImportPage::changed);
}

void LegacyImportPage::start(const QString& directory) {
    m_report->clear();
    const QModelIndex index = m_directories->index(directory);
    if (index.isValid()) {
        m_tree->setCurrentIndex(index);
        m_tree->scrollTo(index);
    }
}

void LegacyImportPage::showReport(const QString& text) {
    m_report->setPlainText(text);
}
