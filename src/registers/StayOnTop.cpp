#include "registers/StayOnTop.h"

#include <QWidget>

void setStayOnTop(QWidget* window, bool onTop) {
    const bool shown = window->isVisible();
    const QPoint where = window->pos();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    window->move(where);
    if (shown)
        window->show();
}
