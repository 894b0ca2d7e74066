#include "shell/ProgressBox.h"

#include "support/translation/TResourceTranslator.h"

#include <QCoreApplication>

namespace {

constexpr qint64 kShowAfterMs = 500;
constexpr qint64 kEventsEveryMs = 50;

}  // namespace

ProgressBox::ProgressBox(QWidget* parent, const QString& title, bool cancellable)
    : m_dialog(parent), m_scope(this) {
    m_dialog.setObjectName(QStringLiteral("ProgressBox"));
    m_dialog.setWindowTitle(tx(title));
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setAutoClose(false);
    m_dialog.setAutoReset(false);
    m_dialog.setMinimumDuration(kShowAfterMs);
    m_dialog.setMinimumWidth(380);
    if (cancellable)
        m_dialog.setCancelButtonText(tx(QStringLiteral("Przerwij")));
    else
        m_dialog.setCancelButton(nullptr);
    m_dialog.setRange(0, 0);
    m_dialog.setLabelText(tx(title));
    m_dialog.hide();  // until the operation has taken half a second
    m_started.start();
    m_lastEvents.start();
}

ProgressBox::~ProgressBox() = default;

bool ProgressBox::update(const QString& stage, qint64 done, qint64 total) {
    if (!stage.isEmpty() && m_dialog.labelText() != tx(stage))
        m_dialog.setLabelText(tx(stage));
    // QProgressDialog counts in int; large totals are scaled.
    const qint64 scale = total > 1000000 ? total / 1000000 + 1 : 1;
    if (total > 0) {
        if (m_dialog.maximum() != int(total / scale))
            m_dialog.setRange(0, int(total / scale));
        m_dialog.setValue(int(std::min(done, total) / scale));
    } else if (m_dialog.maximum() != 0) {
        m_dialog.setRange(0, 0);
    }
    if (!m_dialog.isVisible() && m_started.elapsed() >= kShowAfterMs)
        m_dialog.show();
    if (m_lastEvents.elapsed() >= kEventsEveryMs) {
        // The windows stay painted; while the box is shown it takes the clicks (it is
        // modal over the window), before that nobody does.
        QCoreApplication::processEvents(m_dialog.isVisible() ? QEventLoop::AllEvents
                                                             : QEventLoop::ExcludeUserInputEvents);
        m_lastEvents.restart();
    }
    return !m_dialog.wasCanceled();
}
