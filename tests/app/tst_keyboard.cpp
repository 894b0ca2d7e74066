// The program without a mouse: every item of the main window's menus has its letter, every
// button, field and list of every window is reached with Tab, and every dialog with
// buttons has one that Enter presses and Esc closes it.
#include "ScriptedMessageService.h"
#include "TestCompany.h"
#include "app/EveryWindow.h"
#include "shell/WindowTexts.h"
#include "shell/uMain.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>

namespace {

QChar accelerator(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toLower();
        if (text.at(i) == QLatin1Char('&'))
            ++i;
    }
    return {};
}

// Controls a person works with; Qt's own inner parts and the tool bar (its actions are
// in the menus) are not among them.
bool isControl(const QWidget* w) {
    if (w->objectName().startsWith(QLatin1String("qt_")) ||
        qobject_cast<const QToolBar*>(w->parentWidget()) || qobject_cast<const QTabBar*>(w) ||
        qobject_cast<const QTabBar*>(w->parentWidget()) || qobject_cast<const QHeaderView*>(w))
        return false;
    for (const QWidget* up = w->parentWidget(); up; up = up->parentWidget()) {
        if (qobject_cast<const QAbstractItemView*>(up))
            return false;  // a list's own header, corner and editors
    }
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QAbstractItemView*>(w);
}

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

    ScriptedMessageService m_messages;
    std::unique_ptr<TestCompany> m_company;

private slots:
    void initTestCase() {
        m_company = std::make_unique<TestCompany>();
        REQUIRE_LOCATION(m_company->place());
        QVERIFY2(m_company->create(DatabaseCreator::Contents::Sample, &m_messages),
                 qPrintable(m_company->error()));
    }

    void everyMenuItemHasItsLetter() {
        TconfigPP config;
        config.pokazujPoradeDnia = false;
        TfMain window(m_company->db(), m_messages, config);
        QStringList missing;
        QSet<QChar> titles;
        const std::function<void(QMenu*, const QString&)> check = [&](QMenu* menu,
                                                                      const QString& path) {
            emit menu->aboutToShow();  // as when it opens: texts set later get letters too
            QHash<QChar, QString> letters;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator() || action->text().trimmed().isEmpty())
                    continue;
                const QString where = path + QStringLiteral(" → ") + action->text();
                const QChar letter = accelerator(action->text());
                if (letter.isNull() && menu->actions().size() <= 26)
                    missing << where + QStringLiteral(": no letter");
                else if (!letter.isNull() && letters.contains(letter))
                    missing << where + QStringLiteral(": the letter of ") + letters[letter];
                letters.insert(letter, action->text());
                if (action->menu())
                    check(action->menu(), where);
            }
        };
        for (QAction* title : window.menuBar()->actions()) {
            const QChar letter = accelerator(title->text());
            if (letter.isNull() || titles.contains(letter))
                missing << title->text() + QStringLiteral(": no letter of its own");
            titles.insert(letter);
            if (title->menu())
                check(title->menu(), title->text());
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    }

    void everyWindowWorksWithoutAMouse() {
        TconfigPP config;
        config.pokazujPoradeDnia = false;
        TfMain window(m_company->db(), m_messages, config);
        QStringList problems;
        forEveryWindow(window, m_company->db(), m_messages, [&problems](QWidget& w) {
            const QString section = WindowTexts::sectionOf(w);
            for (const QWidget* child : w.findChildren<QWidget*>()) {
                if (isControl(child) && !(child->focusPolicy() & Qt::TabFocus))
                    problems << section + QStringLiteral(": Tab does not reach ") +
                                    QLatin1String(child->metaObject()->className()) + u' ' +
                                    child->objectName() + u' ' +
                                    child->parentWidget()->objectName();
            }
            const auto* dialog = qobject_cast<const QDialog*>(&w);
            const QList<QPushButton*> buttons = w.findChildren<QPushButton*>();
            if (dialog && !buttons.isEmpty() &&
                std::none_of(buttons.begin(), buttons.end(), [](const QPushButton* b) {
                    return b->isDefault() || b->autoDefault();
                }))
                problems << section + QStringLiteral(": no button for Enter");
        });
        for (const QString& problem : std::as_const(problems))
            qWarning("%s", qPrintable(problem));
        QVERIFY2(problems.isEmpty(), "see the warnings above");
    }

    // Esc pressed where the focus stands when a dialog opens closes it without a question,
    // as nothing was changed yet.
    void escClosesEveryDialog() {
        TconfigPP config;
        config.pokazujPoradeDnia = false;
        TfMain window(m_company->db(), m_messages, config);
        QStringList problems;
        int dialogs = 0;
        forEveryWindow(window, m_company->db(), m_messages, [&](QWidget& w) {
            auto* dialog = qobject_cast<QDialog*>(&w);
            if (!dialog)
                return;
            ++dialogs;
            m_messages.clear();
            dialog->show();
            QApplication::setActiveWindow(dialog);
            QWidget* focus = dialog->focusWidget() ? dialog->focusWidget() : dialog;
            QTest::keyClick(focus, Qt::Key_Escape);
            if (dialog->isVisible())
                problems << WindowTexts::sectionOf(w) + QStringLiteral(": Esc in ") +
                                QLatin1String(focus->metaObject()->className()) + u' ' +
                                focus->objectName() + QStringLiteral(" leaves it open");
            if (!m_messages.shown().isEmpty())
                problems << WindowTexts::sectionOf(w) + QStringLiteral(": Esc asked ") +
                                m_messages.texts().join(u'|');
            dialog->hide();
        });
        for (const QString& problem : std::as_const(problems))
            qWarning("%s", qPrintable(problem));
        QVERIFY2(problems.isEmpty(), "see the warnings above");
        QVERIFY(dialogs > 40);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
