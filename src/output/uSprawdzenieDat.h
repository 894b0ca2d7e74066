#pragma once

#include "admin/ConfigPP.h"
#include "output/Reminders.h"

#include <QWidget>
#include <array>

class MessageService;
class QCheckBox;
class QPlainTextEdit;
class QTabWidget;
class QToolButton;
class TmyDataBase;

// The four switches of a reminder run.
struct ReminderRun {
    bool dates = false;
    bool odometer = false;
    bool quiet = false;  // nothing found: the window stays hidden
    bool store = false;
};

// "Sprawdzenie terminów": the terms that fall due soon or are overdue, by date, by odometer
// reading and in the store, one page each. A tool window beside the main window, created
// once and shown again by every run that has something to show.
class TfSprawdzenieDat : public QWidget {
    Q_OBJECT

public:
    enum Page { Dates = 0, Odometer = 1, Store = 2 };

    TfSprawdzenieDat(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);
    ~TfSprawdzenieDat() override;

    // Runs the checks the switches ask for, each filling its own page, and shows the window
    // on the page of the last check run (dates, else odometer, else store); a quiet run
    // shows it only when some check found something. Tabs of checks that did not run are
    // hidden. Gives whether the window was shown.
    bool run(const ReminderRun& run, const TconfigPP& options,
             const QDate& today = QDate::currentDate());

    // What a page lists, exactly as it is saved.
    const ReminderList& list(Page page) const { return m_lists[page]; }
    QTabWidget* pages() const { return m_pages; }

public slots:
    // Saves the list of the visible page as a text file.
    void SBcsvClick();
    // Writes every dated term of the company as an iCalendar file.
    void SBKalendarzClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool showList(Page page, const ReminderList& list);  // gives whether it found
    void saved(bool ok, const QString& fileName);

    TmyDataBase& m_db;
    MessageService& m_messages;
    std::array<ReminderList, 3> m_lists;
    std::array<QPlainTextEdit*, 3> m_outputs{};
    QTabWidget* m_pages = nullptr;
    QCheckBox* m_top = nullptr;
};
