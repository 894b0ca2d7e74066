#pragma once

#include <QApplication>

class ErrorReport;

// The application object: an exception that no one handled reaches the error report with
// the code 0, and the program goes on.
class FlotanorApplication : public QApplication {
    Q_OBJECT

public:
    FlotanorApplication(int& argc, char** argv);
    void setErrorReport(ErrorReport* report) { m_report = report; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    ErrorReport* m_report = nullptr;
};
