// The costs page of the large company as its user meets it: the time from asking for the
// page until its grid has painted the first screen (the real page, model and view, the
// window offscreen), the time to re-sort it by a column title, and the process's peak
// memory. Usage: flotanor-bench-grid [--location DIR-or-URL] [--fresh]
#include "BenchCompany.h"
#include "data/TmyDataBase.h"
#include "shell/RegisterGrid.h"
#include "shell/RegisterPage.h"
#include "support/MessageService.h"

#include <sys/resource.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <cstdio>

namespace {

// Notes the first paint of a widget after it was armed.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
    void arm() { m_painted = false; }
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    bool m_painted = false;
};

void waitForPaint(const PaintWatch& watch) {
    while (!watch.painted())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

double megabytes(long kilobytes) {
    return kilobytes / 1024.0;
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const auto location = BenchCompany::prepare(app.arguments());
    if (!location)
        return 1;
    SilentMessageService messages;
    TmyDataBase database(&messages);
    if (!BenchCompany::open(database, *location))
        return 1;
    const long before = peakKilobytes();

    QElapsedTimer timer;
    timer.start();
    RegisterPage page(RegisterId::Koszty);
    page.resize(1280, 800);
    PaintWatch watch(page.grid()->viewport());
    page.relist(database);
    page.show();
    waitForPaint(watch);
    const double firstScreen = timer.nsecsElapsed() / 1e6;
    std::printf("%-40s %7d rows  first screen shown in %8.1f ms\n", "costs page",
                page.model().rowCount(), firstScreen);

    struct Sort {
        const char* name;
        int column;  // the grid column whose title is clicked
    };
    const RegisterDescriptor& d = Registers::get(RegisterId::Koszty);
    auto columnOf = [&d](const char* field) {
        for (int c = 0; c < d.columns.size(); ++c) {
            if (d.columns[c].field == QLatin1String(field))
                return c;
        }
        return -1;
    };
    const Sort sorts[] = {{"re-sorted by registration (Polish order)", columnOf("NRREJ")},
                          {"re-sorted by registration, descending", columnOf("NRREJ")},
                          {"re-sorted by date", columnOf("DATA")}};
    for (const Sort& sort : sorts) {
        timer.restart();
        watch.arm();
        database.sortByColumn(RegisterId::Koszty, d.columns[sort.column].field);
        page.relist(database);
        waitForPaint(watch);
        std::printf("%-40s %7d rows  shown in %8.1f ms\n", sort.name, page.model().rowCount(),
                    timer.nsecsElapsed() / 1e6);
    }
    std::printf("%-40s peak memory %.1f MB (%.1f MB before the page)\n", "costs page",
                megabytes(peakKilobytes()), megabytes(before));
    return 0;
}
