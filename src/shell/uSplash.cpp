#include "shell/uSplash.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace {

QPixmap picture() {
    QPixmap pixmap(460, 240);
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, 0, 240);
    gradient.setColorAt(0, QColor(0x2f, 0x56, 0x99));
    gradient.setColorAt(1, QColor(0x16, 0x2c, 0x55));
    painter.fillRect(pixmap.rect(), gradient);
    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setPointSize(30);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(0, 60, 460, 60), Qt::AlignCenter, QStringLiteral("Flotanor"));
    QFont line = painter.font();
    line.setPointSize(11);
    line.setBold(false);
    painter.setFont(line);
    painter.drawText(QRect(0, 125, 460, 30), Qt::AlignCenter,
                     QStringLiteral("Ewidencja floty pojazdów"));
    painter.drawText(QRect(0, 195, 450, 30), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Uruchamianie programu..."));
    return pixmap;
}

}  // namespace

TfSplash::TfSplash() : QSplashScreen(picture(), Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TfSplash"));
}
