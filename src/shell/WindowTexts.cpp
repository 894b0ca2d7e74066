#include "shell/WindowTexts.h"

#include "support/IniFile.h"
#include "support/translation/TResourceTranslator.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>

namespace {

// One text of a control: its key, its current value and how to set it.
struct Text {
    QString key;
    QString value;
    std::function<void(const QString&)> set;
    bool toolCaption = false;  // empty keeps the caption; "~" stands for a blank
};

using Visit = std::function<void(Text)>;

bool named(const QObject& object) {
    const QString name = object.objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// Combo boxes whose items are records or typed values, not texts of the program.
bool hasDataItems(const QComboBox& combo) {
    return combo.isEditable() || combo.property("dataItems").toBool();
}

void hint(QWidget* w, const QString& name, const Visit& visit) {
    visit({name + QStringLiteral(".hint"), w->toolTip(),
           [w](const QString& v) { w->setToolTip(v); }});
}

void lines(const QString& name, const QString& text, const std::function<void(const QString&)>& set,
           const Visit& visit) {
    if (text.isEmpty())
        return;
    const QStringList all = text.split(u'\n');
    for (qsizetype i = 0; i < all.size(); ++i) {
        visit({name + u'.' + QString::number(i) + QStringLiteral(".lines"), all[i],
               [set, all, i](const QString& v) {
                   QStringList changed = all;
                   changed[i] = v;
                   set(changed.join(u'\n'));
               }});
    }
}

void visitWidget(QWidget* w, const QString& name, const Visit& visit) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        visit({name + QStringLiteral(".caption"), label->text(),
               [label](const QString& v) { label->setText(v); }});
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        visit({name + QStringLiteral(".caption"), box->title(),
               [box](const QString& v) { box->setTitle(v); }});
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        hint(w, name, visit);
        visit({name + QStringLiteral(".caption"), radio->text(),
               [radio](const QString& v) { radio->setText(v); }});
    } else if (auto* tool = qobject_cast<QToolButton*>(w)) {
        hint(w, name, visit);
        if (!tool->defaultAction()) {
            visit({name + QStringLiteral(".caption"), tool->text(),
                   [tool](const QString& v) { tool->setText(v); }, true});
        }
    } else if (qobject_cast<QPushButton*>(w) || qobject_cast<QCheckBox*>(w)) {
        auto* button = static_cast<QAbstractButton*>(w);
        visit({name + QStringLiteral(".text"), button->text(),
               [button](const QString& v) { button->setText(v); }});
        hint(w, name, visit);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        hint(w, name, visit);
        if (!hasDataItems(*combo)) {
            for (int i = 0; i < combo->count(); ++i) {
                visit({name + u'.' + QString::number(i) + QStringLiteral(".item"),
                       combo->itemText(i),
                       [combo, i](const QString& v) { combo->setItemText(i, v); }});
            }
        }
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        hint(w, name, visit);
        if (plain->isReadOnly())
            lines(
                name, plain->toPlainText(), [plain](const QString& v) { plain->setPlainText(v); },
                visit);
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        hint(w, name, visit);
        if (rich->isReadOnly())
            lines(
                name, rich->toPlainText(), [rich](const QString& v) { rich->setPlainText(v); },
                visit);
    } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
        hint(w, name, visit);
        QAbstractItemModel* model = view->model();
        const bool grid = qobject_cast<QTableView*>(w) || qobject_cast<QTreeWidget*>(w);
        if (grid && model && !qobject_cast<QFileSystemModel*>(model)) {
            for (int i = 0; i < model->columnCount(); ++i) {
                visit(
                    {name + u'.' + QString::number(i) + QStringLiteral(".caption"),
                     model->headerData(i, Qt::Horizontal).toString(),
                     [model, i](const QString& v) { model->setHeaderData(i, Qt::Horizontal, v); }});
            }
        }
    } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w)) {
        hint(w, name, visit);
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            QWidget* page = tabs->widget(i);
            if (!named(*page))
                continue;
            visit({page->objectName() + QStringLiteral(".caption"), tabs->tabText(i),
                   [tabs, page](const QString& v) { tabs->setTabText(tabs->indexOf(page), v); }});
        }
    }
}

// Texts the code puts together at run time (a message, a title with a version) go through
// the single-text table instead; a window section must not replace them.
bool composed(const QObject& object) {
    return object.property("composedText").toBool();
}

void visitObject(QObject* object, const Visit& visit) {
    if (named(*object) && !composed(*object)) {
        const QString name = object->objectName();
        if (auto* menu = qobject_cast<QMenu*>(object)) {
            visit({name + QStringLiteral(".caption"), menu->title(),
                   [menu](const QString& v) { menu->setTitle(v); }});
        } else if (auto* action = qobject_cast<QAction*>(object)) {
            if (!action->isSeparator()) {
                visit({name + QStringLiteral(".caption"), action->text(),
                       [action](const QString& v) { action->setText(v); }});
            }
        } else if (object->isWidgetType()) {
            visitWidget(static_cast<QWidget*>(object), name, visit);
        }
    }
    for (QObject* child : object->children()) {
        // A window inside a window has a section of its own.
        if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow() &&
            !qobject_cast<QMenu*>(child))
            continue;
        visitObject(child, visit);
    }
}

void visitWindow(QWidget& window, const Visit& visit) {
    if (named(window) && !composed(window)) {
        visit({window.objectName() + QStringLiteral(".caption"), window.windowTitle(),
               [&window](const QString& v) { window.setWindowTitle(v); }});
    }
    for (QObject* child : window.children()) {
        if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow() &&
            !qobject_cast<QMenu*>(child))
            continue;
        visitObject(child, visit);
    }
}

bool skipped(const QString& value) {
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    const QString trimmed = value.trimmed();
    // Numbers and signs ("2026", "...") are no words to translate.
    return !trimmed.contains(letter) || trimmed == QLatin1String("[...]") ||
           trimmed == QLatin1String("*)") || trimmed == QLatin1String("&<<") ||
           trimmed == QLatin1String("&>>*)") || trimmed == QLatin1String("-") ||
           value.contains(u'\n') || value.contains(u'\r');
}

// Blanks at either end of a tool button's caption survive the INI reader as "~".
QString withTildes(const QString& value) {
    qsizetype first = 0;
    while (first < value.size() && value[first] == u' ')
        ++first;
    qsizetype last = value.size();
    while (last > first && value[last - 1] == u' ')
        --last;
    return QString(first, u'~') + value.mid(first, last - first) +
           QString(value.size() - last, u'~');
}

}  // namespace

namespace WindowTexts {

QString sectionOf(const QWidget& window) {
    return QString::fromLatin1(window.metaObject()->className());
}

void translate(QWidget& window, const QHash<QString, QString>& section) {
    if (section.isEmpty())
        return;
    visitWindow(window, [&section](const Text& text) {
        const auto hit = section.constFind(text.key.toCaseFolded());
        if (hit == section.constEnd())
            return;
        if (!text.toolCaption) {
            text.set(*hit);
        } else if (!hit->isEmpty()) {
            text.set(QString(*hit).replace(u'~', u' '));
        }
    });
}

void translate(QWidget& window, const TResourceTranslator& translator) {
    translate(window, translator.windowSection(sectionOf(window)));
}

QList<QPair<QString, QString>> texts(const QWidget& window) {
    QList<QPair<QString, QString>> result;
    QSet<QString> seen;
    visitWindow(const_cast<QWidget&>(window), [&](const Text& text) {
        if (skipped(text.value) || seen.contains(text.key.toCaseFolded()))
            return;
        seen.insert(text.key.toCaseFolded());
        result.append({text.key, text.toolCaption ? withTildes(text.value) : text.value});
    });
    return result;
}

QStringList unnamed(const QWidget& window) {
    QStringList found;
    const std::function<void(const QObject&)> walk = [&](const QObject& object) {
        for (const QObject* child : object.children()) {
            if (!child->isWidgetType())
                continue;
            const auto* w = static_cast<const QWidget*>(child);
            // Qt's own parts of a control (a calendar's buttons) are not the program's.
            if ((w->isWindow() && !qobject_cast<const QMenu*>(w)) ||
                w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QString text;
            if (const auto* label = qobject_cast<const QLabel*>(w))
                text = label->text();
            else if (const auto* tool = qobject_cast<const QToolButton*>(w);
                     tool && tool->defaultAction())
                continue;  // the action carries the text
            else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
                text = button->text();
            else if (const auto* box = qobject_cast<const QGroupBox*>(w))
                text = box->title();
            else if (const auto* menu = qobject_cast<const QMenu*>(w))
                text = menu->title();
            if (!named(*w) && !skipped(text) && !composed(*w))
                found << QStringLiteral("%1 \"%2\"")
                             .arg(QString::fromLatin1(w->metaObject()->className()), text);
            walk(*w);
        }
    };
    walk(window);
    return found;
}

bool generate(const QWidget& window, const QString& languageFile) {
    IniFile file(languageFile);
    return file.writeStrings(sectionOf(window), texts(window));
}

}  // namespace WindowTexts
