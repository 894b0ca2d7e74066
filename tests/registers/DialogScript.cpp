#include "DialogScript.h"

#include "registers/RecordDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

Script::Script(QList<Step> steps) : m_steps(std::move(steps)) {
    qApp->installEventFilter(this);
    QTimer::singleShot(20000, this, [this] {
        m_timedOut = true;
        if (m_dialog)
            m_dialog->reject();
    });
}

Script::~Script() {
    qApp->removeEventFilter(this);
}

bool Script::eventFilter(QObject* watched, QEvent* event) {
    auto* dialog = event->type() == QEvent::Show ? qobject_cast<RecordDialog*>(watched) : nullptr;
    if (dialog && (!m_bound || m_dialog == dialog)) {
        m_bound = true;
        m_dialog = dialog;
        QTimer::singleShot(0, this, [this] { play(); });
    }
    return QObject::eventFilter(watched, event);
}

void Script::play() {
    if (!m_dialog || !m_dialog->isVisible())
        return;
    if (m_steps.isEmpty()) {
        m_extra = true;
        m_dialog->reject();
        return;
    }
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog));
    m_steps.takeFirst()(m_dialog);
}

void enter(QWidget* dialog, const QString& pair) {
    if (pair.startsWith(QLatin1Char('!'))) {
        auto* button = dialog->findChild<QToolButton*>(pair.mid(1));
        QVERIFY2(button, qPrintable(pair));
        button->click();
        return;
    }
    const bool pick = pair.startsWith(QLatin1Char('@'));
    const qsizetype eq = pair.indexOf(QLatin1Char('='));
    const QString name = pair.left(eq).mid(pick ? 1 : 0);
    const QString value = pair.mid(eq + 1);
    QWidget* control = dialog->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        box->setChecked(value == QLatin1String("1"));
        return;
    }
    auto* combo = qobject_cast<QComboBox*>(control);
    if (combo && (pick || !combo->isEditable())) {
        const int index = value.isEmpty() ? -1 : combo->findText(value, Qt::MatchStartsWith);
        QVERIFY2(value.isEmpty() || index >= 0, qPrintable(pair));
        combo->setFocus();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        return;
    }
    auto* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(control);
    QVERIFY2(edit, qPrintable(name));
    edit->setFocus();
    if (!edit->inputMask().isEmpty()) {
        edit->setText(value);
        return;
    }
    edit->selectAll();
    const bool ascii =
        std::all_of(value.begin(), value.end(), [](QChar c) { return c.unicode() < 128; });
    if (value.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else if (ascii)
        QTest::keyClicks(edit, value);
    else
        edit->insert(value);  // the key simulation knows only ASCII
}

void enter(QWidget* dialog, const QString& name, const QString& value) {
    enter(dialog, name + QLatin1Char('=') + value);
}

void enterAll(QWidget* dialog, const QStringList& pairs) {
    for (const QString& pair : pairs)
        enter(dialog, pair);
}

QString text(QWidget* dialog, const QString& name) {
    QWidget* control = dialog->findChild<QWidget*>(name);
    if (auto* box = qobject_cast<QCheckBox*>(control))
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    return QStringLiteral("<no %1>").arg(name);
}

void save(RecordDialog* dialog) {
    dialog->findChild<QPushButton*>(QStringLiteral("BZapisz"))->click();
}

void cancel(RecordDialog* dialog) {
    dialog->findChild<QPushButton*>(QStringLiteral("BAnuluj"))->click();
}
