#include "shell/MenuAccelerators.h"

#include <QAction>
#include <QMenu>
#include <QSet>

namespace MenuAccelerators {

namespace {

// The accelerator letter of a text ("&Dane" gives 'd'), or a null character.
QChar acceleratorOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toLower();
        ++i;  // "&&" is a written ampersand
    }
    return {};
}

bool usable(QChar c) {
    return c.isLetterOrNumber() && c.unicode() < 128;  // on every keyboard layout
}

}  // namespace

void assign(QMenu* menu) {
    QSet<QChar> used;
    for (const QAction* action : menu->actions()) {
        if (const QChar letter = acceleratorOf(action->text()); !letter.isNull())
            used.insert(letter);
    }
    for (QAction* action : menu->actions()) {
        const QString text = action->text();
        if (action->isSeparator() || text.trimmed().isEmpty() || !acceleratorOf(text).isNull())
            continue;
        qsizetype at = -1;
        // Word starts first, then any letter.
        for (int pass = 0; pass < 2 && at < 0; ++pass) {
            for (qsizetype i = 0; i < text.size(); ++i) {
                const bool wordStart = i == 0 || text.at(i - 1).isSpace();
                if ((pass == 0 && !wordStart) || !usable(text.at(i)) ||
                    used.contains(text.at(i).toLower()))
                    continue;
                at = i;
                break;
            }
        }
        if (at < 0)
            continue;  // every letter taken: the item is reached with the arrows
        used.insert(text.at(at).toLower());
        QString marked = text;
        marked.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const qsizetype shift = text.left(at).count(QLatin1Char('&'));
        marked.insert(at + shift, QLatin1Char('&'));
        action->setText(marked);
    }
}

void keep(QMenu* menu) {
    assign(menu);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { assign(menu); });
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu())
            keep(sub);
    }
}

}  // namespace MenuAccelerators
