// The report engine on the offscreen platform: pagination with headers and footers on
// every page, values asked once per row, a stretched cell crossing a page end, layout
// errors with their place, finding a text and the text of the PDF.
#include "ScriptedMessageService.h"
#include "output/report/LayoutLoader.h"
#include "output/report/ReportPainter.h"
#include "output/report/ReportPreparer.h"
#include "output/report/ReportPreview.h"

#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Rows "Wiersz 1" … "Wiersz n"; the row "DLUGI" answers many lines.
class Rows : public ReportDataSource, public ReportValues {
public:
    explicit Rows(QStringList rows) : m_rows(std::move(rows)) {}
    void first() override { m_at = 0; }
    void next() override { ++m_at; }
    bool atEnd() const override { return m_at >= m_rows.size(); }
    QString value(const QString& name) override {
        ++asked[name];
        if (name == QLatin1String("STRONA"))
            return QString::number(m_page);
        if (name == QLatin1String("NAZWA"))
            return m_rows.value(m_at);
        return {};
    }
    void pageStarted(int page) override {
        m_page = page;
        pages << page;
    }
    QHash<QString, int> asked;
    QList<int> pages;

private:
    QStringList m_rows;
    qsizetype m_at = 0;
    int m_page = 0;
};

const char* kLayout = R"(<report title="Próba" margins="15">
  <band kind="pageheader" height="8"><text x="0" y="0" width="180" height="6">Nagłówek strony</text></band>
  <band kind="title" height="10"><text x="0" y="0" width="180" height="8" size="14">Tytuł raportu</text></band>
  <band kind="columnheader" height="6"><text x="0" y="0" width="180" height="6" frame="all">Kolumna</text></band>
  <band kind="data" height="6">
    <text x="0" y="0" width="90" height="6" frame="all" stretch="yes">[NAZWA]</text>
    <text x="90" y="0" width="90" height="6" frame="all">[NAZWA] [[kopia]</text>
  </band>
  <band kind="summary" height="6"><text x="0" y="0" width="180" height="6">Koniec</text></band>
  <include file="stopka.xml"/>
</report>)";

const char* kFooter = R"(<fragment><band kind="pagefooter" height="10">
  <text x="0" y="2" width="180" height="6" align="right">Strona [STRONA] z [@PAGES] ([@PAGE])</text>
</band></fragment>)";

QString resolveIn(const QTemporaryDir& dir, const QString& name) {
    return QFile::exists(dir.filePath(name)) ? dir.filePath(name) : QString();
}

ReportLayout layout(const QTemporaryDir& dir, const char* xml = kLayout) {
    QFile footer(dir.filePath(u"stopka.xml"_qs));
    footer.open(QIODevice::WriteOnly);
    footer.write(kFooter);
    footer.close();
    const auto loaded = LayoutLoader::parse(
        xml, u"proba.xml"_qs, [&dir](const QString& name) { return resolveIn(dir, name); });
    if (const auto* error = std::get_if<LayoutError>(&loaded))
        qFatal("%s", qPrintable(error->text()));
    return std::get<ReportLayout>(loaded);
}

}  // namespace

class TstReportEngine : public QObject {
    Q_OBJECT

private slots:
    void pagesRepeatHeadersAndNumberThemselves_data();
    void pagesRepeatHeadersAndNumberThemselves();
    void brokenLayoutsSayWhere_data();
    void brokenLayoutsSayWhere();
    void findAndPdf();
};

void TstReportEngine::pagesRepeatHeadersAndNumberThemselves_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("longLines");  // lines of one row in the middle; 0: none
    QTest::newRow("no rows") << 0 << 0;
    QTest::newRow("one page") << 5 << 0;
    QTest::newRow("many pages") << 120 << 0;
    QTest::newRow("a cell longer than a page") << 30 << 150;
}

void TstReportEngine::pagesRepeatHeadersAndNumberThemselves() {
    QFETCH(int, rows);
    QFETCH(int, longLines);
    QTemporaryDir dir;
    const ReportLayout tested = layout(dir);
    QStringList names;
    QStringList left, right;  // the text lines each column prints, in order
    for (int i = 1; i <= rows; ++i) {
        QString name = u"Wiersz %1"_qs.arg(i);
        if (longLines && i == rows / 2) {
            QStringList lines;
            for (int l = 1; l <= longLines; ++l)
                lines << u"linia %1"_qs.arg(l);
            name = lines.join(u'\r');
            left << lines;
            // The second cell reaches the band's bottom: it grows with the row.
            lines.last() += u" [kopia]"_qs;
            right << lines;
        } else {
            left << name;
            right << name + u" [kopia]"_qs;
        }
        names << name;
    }
    Rows source(names);
    const PreparedReport report = ReportPreparer(tested).prepare(&source, source);
    const int pages = int(report.pages.size());
    QVERIFY(pages >= 1);
    QCOMPARE(source.pages.size(), pages);
    QStringList printedLeft, printedRight;
    for (int p = 0; p < pages; ++p) {
        QCOMPARE(source.pages[p], p + 1);
        const QStringList texts = report.pageTexts(p);
        QCOMPARE(texts.first(), u"Nagłówek strony"_qs);
        QCOMPARE(texts.contains(u"Tytuł raportu"_qs), p == 0);
        QVERIFY(texts.contains(u"Kolumna"_qs));
        QCOMPARE(texts.last(), u"Strona %1 z %2 (%1)"_qs.arg(p + 1).arg(pages));
        const double footerTop = 297 - 15 - 10;
        for (const PreparedText& text : report.pages[p].texts) {
            if (text.text.startsWith(u"Wiersz"_qs) || text.text.startsWith(u"linia"_qs))
                (text.rect.x() < 15 + 90 ? printedLeft : printedRight) << text.text;
            if (!text.text.startsWith(u"Strona"_qs))
                QVERIFY2(text.rect.bottom() <= footerTop + 0.01, qPrintable(text.text));
        }
        for (const PreparedLine& line : report.pages[p].lines)
            QVERIFY(std::max(line.line.y1(), line.line.y2()) <= footerTop + 0.01);
    }
    // Every row once, in order, whatever page ends crossed it.
    QCOMPARE(printedLeft, left);
    QCOMPARE(printedRight, right);
    QVERIFY(report.pageTexts(pages - 1).contains(u"Koniec"_qs));
    QCOMPARE(source.asked.value(u"NAZWA"_qs), rows);  // once per row, used twice
    QCOMPARE(source.asked.value(u"STRONA"_qs), pages);
    if (rows > 100 || longLines)
        QVERIFY(pages > 1);
}

void TstReportEngine::brokenLayoutsSayWhere_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");
    const QByteArray head = "<report>\n<band kind=\"data\" height=\"5\">\n";
    QTest::newRow("unclosed bracket") << head + "<text x=\"0\">[NAZWA</text></band></report>"
                                      << u"proba.xml"_qs << 3 << u"niedomknięty nawias"_qs;
    QTest::newRow("unknown attribute") << head + "<text colour=\"red\">x</text></band></report>"
                                       << u"proba.xml"_qs << 3 << u"nieznany atrybut colour"_qs;
    QTest::newRow("bad number") << head + "<text x=\"abc\">x</text></band></report>"
                                << u"proba.xml"_qs << 3 << u"x: liczba"_qs;
    QTest::newRow("missing fragment") << head + "<include file=\"brak.xml\"/></band></report>"
                                      << u"proba.xml"_qs << 3 << u"nie znaleziono fragmentu"_qs;
    QTest::newRow("fault inside a fragment") << head + "<include file=\"zly.xml\"/></band></report>"
                                             << u"zly.xml"_qs << 2 << u"oczekiwano <text>"_qs;
    QTest::newRow("two data bands") << head + "</band>\n<band kind=\"data\"/></report>"
                                    << u"proba.xml"_qs << 4 << u"dwa razy"_qs;
    QTest::newRow("not XML") << QByteArray("<report>\n<band kind=\"data\">\n</report>")
                             << u"proba.xml"_qs << 3 << u""_qs;
    QTest::newRow("includes itself") << head + "<include file=\"petla.xml\"/></band></report>"
                                     << u"petla.xml"_qs << 1 << u"zagnieżdżone"_qs;
}

void TstReportEngine::brokenLayoutsSayWhere() {
    QFETCH(QByteArray, xml);
    QFETCH(QString, file);
    QFETCH(int, line);
    QFETCH(QString, message);
    QTemporaryDir dir;
    auto write = [&dir](const char* name, const QByteArray& text) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
    write("zly.xml", "<fragment>\n<band kind=\"data\"/></fragment>");
    write("petla.xml", "<fragment><include file=\"petla.xml\"/></fragment>");
    const auto loaded = LayoutLoader::parse(
        xml, u"proba.xml"_qs, [&dir](const QString& name) { return resolveIn(dir, name); });
    const auto* error = std::get_if<LayoutError>(&loaded);
    QVERIFY(error);
    QCOMPARE(error->file, file);
    QCOMPARE(error->line, line);
    QVERIFY2(error->message.contains(message), qPrintable(error->text()));
    QVERIFY(error->text().startsWith(file + u", wiersz "_qs));
}

void TstReportEngine::findAndPdf() {
    QTemporaryDir dir;
    const ReportLayout tested = layout(dir);
    QStringList names;
    for (int i = 1; i <= 80; ++i)
        names << u"Pozycja nr %1 zażółć"_qs.arg(i);
    Rows source(names);
    const PreparedReport report = ReportPreparer(tested).prepare(&source, source);
    QVERIFY(report.pages.size() >= 2);

    // Finding goes on from the last hit and comes round to the first page.
    ScriptedMessageService messages;
    ReportPreview preview(report, messages);
    preview.findChild<QLineEdit*>(u"szukaj"_qs)->setText(u"nr 79 "_qs);
    preview.findNext();
    QVERIFY(preview.hit().found());
    QCOMPARE(preview.currentPage(), preview.hit().page + 1);
    QCOMPARE(preview.currentPage(), int(report.pages.size()));
    const ReportHit first = preview.hit();
    preview.findNext();  // the same row's second cell
    QCOMPARE(preview.hit().page, first.page);
    QVERIFY(preview.hit().text > first.text);
    preview.findNext();
    QCOMPARE(preview.hit(), first);
    preview.findChild<QLineEdit*>(u"szukaj"_qs)->setText(u"nie ma"_qs);
    preview.findNext();
    QVERIFY(!preview.hit().found());
    QCOMPARE(messages.shown().size(), 1);

    // The PDF holds the words of every row, Polish letters included.
    if (QStandardPaths::findExecutable(u"pdftotext"_qs).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString pdf = dir.filePath(u"raport.pdf"_qs);
    messages.answerFile(pdf);
    preview.savePdf();
    QProcess text;
    text.start(u"pdftotext"_qs, {u"-layout"_qs, pdf, u"-"_qs});
    QVERIFY(text.waitForFinished());
    const QString extracted = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString& name : names)
        QCOMPARE(extracted.count(name), 2);
    QCOMPARE(extracted.count(u"Kolumna"_qs), int(report.pages.size()));
    QVERIFY(messages.shown().last().text.contains(pdf));
    QVERIFY(!ReportPainter::writePdf(report, dir.filePath(u"brak/raport.pdf"_qs)));
}

QTEST_MAIN(TstReportEngine)
#include "tst_reportengine.moc"
