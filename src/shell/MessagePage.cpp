#include "shell/MessagePage.h"

#include <QLabel>
#include <QVBoxLayout>

MessagePage::MessagePage(const QString& objectName, const QString& text, QWidget* parent)
    : QWidget(parent) {
    setObjectName(objectName);
    m_column = new QVBoxLayout(this);
    auto* label = new QLabel(text);
    label->setObjectName(objectName + QStringLiteral("Label"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    label->setFont(font);
    m_column->addWidget(label);
}
