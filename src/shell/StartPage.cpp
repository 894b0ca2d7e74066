#include "shell/StartPage.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

StartPage::StartPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StartPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 12);
    auto* title = new QLabel(QStringLiteral("Flotanor"));
    title->setObjectName(QStringLiteral("LTytul"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    title->setFont(big);
    title->setStyleSheet(QStringLiteral("color: #1f3f7a;"));
    layout->addWidget(title);
    auto* subtitle = new QLabel(
        QStringLiteral("Ewidencja floty pojazdów: koszty, paliwo, przejazdy, terminy i rejestry"));
    subtitle->setObjectName(QStringLiteral("LPodtytul"));
    layout->addWidget(subtitle);
    layout->addSpacing(12);
    m_company = new QLabel;
    m_company->setObjectName(QStringLiteral("LFirma"));
    m_company->setProperty("composedText", true);
    QFont bold = m_company->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_company->setFont(bold);
    layout->addWidget(m_company);
    m_user = new QLabel;
    m_user->setObjectName(QStringLiteral("LUser"));
    layout->addWidget(m_user);
    m_link = new QLabel;
    m_link->setObjectName(QStringLiteral("LURLMain"));
    m_link->setOpenExternalLinks(true);
    layout->addWidget(m_link);
    layout->addSpacing(12);
    auto* notepadLabel = new QLabel(QStringLiteral("Podręczny notatnik:"));
    notepadLabel->setObjectName(QStringLiteral("podrecznyNotatnikLabel"));
    layout->addWidget(notepadLabel);
    m_notepad = new QPlainTextEdit;
    m_notepad->setObjectName(QStringLiteral("podrecznyNotatnik"));
    layout->addWidget(m_notepad, 1);
}

void StartPage::setCompany(const QString& name) {
    m_company->setText(name);
}

QString StartPage::company() const {
    return m_company->text();
}

void StartPage::setUser(const QString& text) {
    m_user->setText(QStringLiteral("Zalogowany użytkownik: ") + text);
}

void StartPage::setLink(const QString& url) {
    m_link->setText(url.isEmpty()
                        ? QString()
                        : QStringLiteral("<a href=\"%1\">%1</a>").arg(url.toHtmlEscaped()));
}
