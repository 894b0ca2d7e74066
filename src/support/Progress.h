#pragma once

#include <QString>

// How far a long operation has come, told to whoever watches it (a window's progress box,
// or nobody on the command line). The operation calls Progress::report() from its loop;
// the window installs its sink around the call with Progress::Scope. Logic never knows
// what shows it.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    // total 0: the size is not known. False when the person asked to stop.
    virtual bool update(const QString& stage, qint64 done, qint64 total) = 0;
};

namespace Progress {

// Installs a sink for the calling thread while it lives; scopes nest, the innermost wins.
class Scope {
public:
    explicit Scope(ProgressSink* sink);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

private:
    ProgressSink* m_previous;
};

// What is being done now ("Tabela koszty"), shown with the following reports.
void stage(const QString& text);
// False when the person asked to stop; an operation that may stop there then ends
// without harm, one that may not goes on.
bool report(qint64 done, qint64 total);

}  // namespace Progress
