#include "shell/ReportsPage.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

ReportsPage::ReportsPage(QWidget* parent)
    : MessagePage(QStringLiteral("ReportsPage"),
                  QStringLiteral("Raporty\n\nStrona raportów jest w przygotowaniu."), parent) {
    m_orderText = new QPlainTextEdit;
    m_orderText->setObjectName(QStringLiteral("trescZlecenia"));
    m_orderText->setMaximumHeight(160);
    column()->addWidget(new QLabel(QStringLiteral("Treść zlecenia:")));
    column()->addWidget(m_orderText);
}
