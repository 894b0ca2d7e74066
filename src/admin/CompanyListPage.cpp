#include "admin/CompanyListPage.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

CompanyListPage::CompanyListPage(Kind kind, QWidget* parent) : QWidget(parent) {
    const bool rename = kind == Kind::Rename;
    const int i = rename ? 0 : 1;
    setObjectName(rename ? QStringLiteral("PZmienNazwe") : QStringLiteral("PUsunFirme"));
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget;
    m_list->setObjectName(rename ? QStringLiteral("LBFirmyZmien") : QStringLiteral("LBFirmyUsun"));
    layout->addWidget(m_list, 1);
    auto* form = new QFormLayout;
    m_name = new QLabel;
    m_dir = new QLabel;
    m_name->setObjectName(QStringLiteral("LNazwa%1").arg(i));
    m_dir->setObjectName(QStringLiteral("LKatalog%1").arg(i));
    // Each caption named after its field, so that the language file reaches it.
    const auto row = [form](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption);
        label->setObjectName(field->objectName() + QStringLiteral("Label"));
        form->addRow(label, field);
    };
    row(QStringLiteral("Nazwa firmy:"), m_name);
    row(QStringLiteral("Katalog firmy:"), m_dir);
    if (rename) {
        m_newName = new QLineEdit;
        m_newName->setObjectName(QStringLiteral("ENowaNazwa"));
        m_newName->setMaxLength(50);
        row(QStringLiteral("Nowa nazwa firmy:"), m_newName);
    }
    layout->addLayout(form);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] {
        const std::optional<CompanyEntry> company = chosen();
        m_name->setText(company ? company->name : QString());
        m_dir->setText(company ? company->dir : QString());
        if (m_newName && company)
            m_newName->setText(company->name);
        emit choiceChanged();
    });
}

void CompanyListPage::setCompanies(const QList<CompanyEntry>& companies) {
    m_list->clear();
    m_name->clear();
    m_dir->clear();
    if (m_newName)
        m_newName->clear();
    for (const CompanyEntry& company : companies) {
        auto* item = new QListWidgetItem(company.name, m_list);
        item->setData(Qt::UserRole, company.dir);
    }
    m_list->setCurrentRow(-1);
}

std::optional<CompanyEntry> CompanyListPage::chosen() const {
    const QListWidgetItem* item = m_list->currentItem();
    if (!item)
        return std::nullopt;
    return CompanyEntry{item->text(), item->data(Qt::UserRole).toString()};
}

QString CompanyListPage::newName() const {
    return m_newName ? m_newName->text().trimmed() : QString();
}
