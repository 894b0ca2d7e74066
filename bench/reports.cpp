// Prepares the vehicle costs report over 1,000 and 10,000 generated cost rows with the
// shipped layout and writes it as PDF; prints the times of both steps. The rows come from
// a fixed seed, without a database, so only the engine is measured.
// Usage: flotanor-bench-reports [--keep DIR]
#include "output/report/ReportEngine.h"
#include "output/report/ReportPainter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class CostRows : public ReportDataSource, public ReportValues {
public:
    explicit CostRows(int count) : m_count(count) {}
    void first() override {
        m_row = 0;
        m_random.seed(42);
        m_totalGrosze = 0;
        pick();
    }
    void next() override {
        ++m_row;
        pick();
    }
    bool atEnd() const override { return m_row >= m_count; }
    QString value(const QString& name) override {
        if (name == QLatin1String("DATA"))
            return QStringLiteral("%1-%2-2026")
                .arg(m_row % 28 + 1, 2, 10, QLatin1Char('0'))
                .arg(m_row % 12 + 1, 2, 10, QLatin1Char('0'));
        if (name == QLatin1String("RODZAJ"))
            return m_kind;
        if (name == QLatin1String("NAZWA"))
            return m_name;
        if (name == QLatin1String("NR"))
            return QStringLiteral("FV/%1/2026").arg(m_row + 1);
        if (name == QLatin1String("BRUTTO")) {
            m_totalGrosze += m_grosze;
            return money(m_grosze);
        }
        if (name == QLatin1String("SBRUTTO"))
            return money(m_totalGrosze);
        if (name == QLatin1String("FIRMA"))
            return QStringLiteral("Przedsiębiorstwo Transportowe Sp. z o.o.");
        if (name == QLatin1String("NRREJ"))
            return QStringLiteral("WA 12345, Tarvik Axo 1.4");
        if (name == QLatin1String("STRONA"))
            return QString::number(m_page);
        return {};
    }
    void pageStarted(int page) override { m_page = page; }

private:
    static QString money(qint64 grosze) {
        return QStringLiteral("%1,%2").arg(grosze / 100).arg(grosze % 100, 2, 10, QLatin1Char('0'));
    }
    void pick() {
        static const QStringList kinds{QStringLiteral("Paliwo"), QStringLiteral("Serwis"),
                                       QStringLiteral("Ubezpieczenie"), QStringLiteral("Myjnia")};
        static const QStringList names{
            QStringLiteral("Olej napędowy"), QStringLiteral("Wymiana klocków hamulcowych i tarcz"),
            QStringLiteral("Polisa OC/AC na rok z assistance i ubezpieczeniem szyb"),
            QStringLiteral("Mycie")};
        m_kind = kinds[int(m_random.bounded(kinds.size()))];
        m_name = names[int(m_random.bounded(names.size()))];
        m_grosze = m_random.bounded(100, 500000);
    }

    int m_count;
    int m_row = 0;
    int m_page = 0;
    QRandomGenerator m_random;
    QString m_kind, m_name;
    qint64 m_grosze = 0;
    qint64 m_totalGrosze = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QTemporaryDir temporary;
    // --keep DIR: the PDFs stay there, to be looked at.
    const int keep = int(app.arguments().indexOf(QStringLiteral("--keep")));
    const QString folder = keep > 0 && keep + 1 < app.arguments().size()
                               ? app.arguments().at(keep + 1)
                               : temporary.path();
    std::printf("%-34s %8s %8s %12s %10s %12s\n", "report", "rows", "pages", "prepare ms", "PDF ms",
                "total ms");
    for (int rows : {1000, 10000}) {
        CostRows source(rows);
        QElapsedTimer timer;
        timer.start();
        const ReportEngine::Result result =
            ReportEngine::prepare(QStringLiteral("koszty_p.xml"), &source, source);
        const double prepared = timer.nsecsElapsed() / 1e6;
        if (const auto* error = std::get_if<LayoutError>(&result)) {
            std::fprintf(stderr, "%s\n", qPrintable(error->text()));
            return 2;
        }
        const PreparedReport& report = std::get<PreparedReport>(result);
        timer.restart();
        if (!ReportPainter::writePdf(report, folder + QStringLiteral("/koszty-%1.pdf").arg(rows))) {
            std::fprintf(stderr, "Cannot write the PDF\n");
            return 2;
        }
        const double written = timer.nsecsElapsed() / 1e6;
        std::printf("%-34s %8d %8lld %12.1f %10.1f %12.1f\n", "vehicle costs to PDF", rows,
                    qlonglong(report.pages.size()), prepared, written, prepared + written);
    }
    return 0;
}
