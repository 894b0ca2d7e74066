#pragma once

#include "support/Progress.h"

#include <QElapsedTimer>
#include <QProgressDialog>

class QWidget;

// The progress box of one long operation of a window, watching it while it lives: shown
// only when the operation takes longer than half a second, it follows each report and
// keeps the program's windows painted; with "Przerwij" the person may stop an operation
// that can stop without harm.
class ProgressBox : public ProgressSink {
public:
    ProgressBox(QWidget* parent, const QString& title, bool cancellable);
    ~ProgressBox() override;

    bool update(const QString& stage, qint64 done, qint64 total) override;
    bool cancelled() const { return m_dialog.wasCanceled(); }

private:
    QProgressDialog m_dialog;
    QElapsedTimer m_started;
    QElapsedTimer m_lastEvents;
    Progress::Scope m_scope;
};
