#include "support/Progress.h"

namespace {

thread_local ProgressSink* t_sink = nullptr;
thread_local QString t_stage;

}  // namespace

namespace Progress {

Scope::Scope(ProgressSink* sink) : m_previous(t_sink) {
    t_sink = sink;
    t_stage.clear();
}

Scope::~Scope() {
    t_sink = m_previous;
}

void stage(const QString& text) {
    t_stage = text;
    if (t_sink)
        t_sink->update(t_stage, 0, 0);
}

bool report(qint64 done, qint64 total) {
    return !t_sink || t_sink->update(t_stage, done, total);
}

}  // namespace Progress
