#pragma once

// What the record-dialog tests share: a script that plays a user's steps on the modal
// dialog the code under test shows, and working the dialog's controls as a user does.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class QWidget;
class RecordDialog;

using Step = std::function<void(RecordDialog*)>;

// Plays one step at each showing of the first record dialog shown after it starts: a step
// fills the dialog and presses one of its buttons. A dialog still up after the safety
// time is cancelled and the script counts as failed, so no test waits on a modal dialog.
class Script : public QObject {
public:
    explicit Script(QList<Step> steps);
    ~Script() override;
    // Every step played, no showing left without one, no dialog abandoned.
    bool played() const { return m_steps.isEmpty() && !m_extra && !m_timedOut; }
    bool shown() const { return m_bound; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void play();

    QList<Step> m_steps;
    QPointer<RecordDialog> m_dialog;  // null again once it is gone
    bool m_bound = false;
    bool m_extra = false;
    bool m_timedOut = false;
};

// "name=value" focuses the control and types value, chooses the entry of a list that
// begins with value ("" for none) or ticks a box ("1"); "@name=value" chooses from the
// suggestions of an editable list; "!name" presses a tool button. Dates go in whole, as
// the mask places their separators.
void enter(QWidget* dialog, const QString& pair);
void enter(QWidget* dialog, const QString& name, const QString& value);
void enterAll(QWidget* dialog, const QStringList& pairs);
// A control as it reads: a box "1"/"0", a list its current text, an edit or a label its
// text.
QString text(QWidget* dialog, const QString& name);
void save(RecordDialog* dialog);
void cancel(RecordDialog* dialog);
