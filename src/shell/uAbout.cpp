#include "shell/uAbout.h"

#include "support/news/SupportMail.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* linkLabel(const QString& objectName, const QString& html) {
    auto* label = new QLabel(html);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    label->setOpenExternalLinks(true);
    return label;
}

}  // namespace

QString TfAbout::link(const QString& href, const QString& text) {
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(href.toHtmlEscaped(), text.toHtmlEscaped());
}

TfAbout::TfAbout(const TconfigPP& config, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fAbout"));
    setWindowTitle(QStringLiteral("O programie"));
    setModal(true);

    auto* name = new QLabel(QStringLiteral("Flotanor"));
    name->setObjectName(QStringLiteral("nazwa"));
    QFont font = name->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 2);
    name->setFont(font);

    m_version = new QLabel(QStringLiteral("wersja ") + config.version);
    m_version->setObjectName(QStringLiteral("wersja"));

    const QUrl mail = SupportMail::address(config.Email);
    m_email =
        linkLabel(QStringLiteral("email"), link(mail.toString(QUrl::FullyEncoded), config.Email));
    auto* invite = new QLabel(QStringLiteral("Zapraszamy na:"));
    invite->setObjectName(QStringLiteral("zapraszamy"));
    m_www = linkLabel(QStringLiteral("www"), link(config.URLMain, config.URLMain));

    m_ok = new QPushButton(QStringLiteral("    &OK       "));
    m_ok->setObjectName(QStringLiteral("ok1"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* www = new QHBoxLayout;
    www->addWidget(invite);
    www->addWidget(m_www, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(m_version, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(m_email, 0, Qt::AlignHCenter);
    layout->addLayout(www);
    layout->addLayout(buttons);
}
