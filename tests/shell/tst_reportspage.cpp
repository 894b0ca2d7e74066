#include "ScriptedMessageService.h"
#include "TestCompany.h"
#include "admin/ConfigPP.h"
#include "data/engine/DbQuery.h"
#include "data/engine/RowInsert.h"
#include "output/report/IndividualReports.h"
#include "output/report/ReportPreview.h"
#include "registers/LookupField.h"
#include "shell/ReportsPage.h"
#include "support/OVUtilities.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString kVehicleMessage =
    u"Nie wskazano pojazdu, dla którego wygenerować zestawienie. Wybierz pojazd z filtra "
    u"poniżej: \"Dane dla pojazdu\"."_s;

// Prints one line "ROW|<number>" for every row walked, whatever the report's set.
const QByteArray kRowsLayout = R"(<?xml version="1.0" encoding="UTF-8"?>
<report title="rows">
  <band kind="data" height="5">
    <text x="0" y="0" width="180" height="5">ROW|[NR][NRDOKUMENTU]</text>
  </band>
</report>
)";

// Copies its standard input and the number of its arguments beside itself; the argument
// file appears last, once the input has ended.
const QByteArray kReportScript = R"(#!/bin/sh
dir=$(dirname "$0")
cat > "$dir/stdin.txt"
printf '%s' "$#" > "$dir/args.tmp"
mv "$dir/args.tmp" "$dir/args.txt"
)";

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

}  // namespace

class TstReportsPage : public QObject {
    Q_OBJECT

public slots:
    void openedUrl(const QUrl& url) { m_urls << url; }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void buttonsFollowCatalogue();
    void preconditions_data();
    void preconditions();
    void selectorsFeedChoices();
    void narrowedReports_data();
    void narrowedReports();
    void orderNumberKeepsQuotes();
    void individualList_data();
    void individualList();
    void launchesProgram_data();
    void launchesProgram();
    void webPages();

private:
    QString dataDir() const { return m_company->dataDirectory(); }
    void select(const FilterSelection& selection);
    QStringList keys(const QString& sql, const QVariant& key = {});
    LookupField* lookup(const char* name) const;
    QPushButton* button(const QString& handler) const;
    // Clicks a report's button; the rows its preview printed, or nullopt without one.
    std::optional<QStringList> printedRows(const QString& report);

    ScriptedMessageService m_messages;
    std::unique_ptr<TestCompany> m_company;
    TmyDataBase* m_db = nullptr;
    TconfigPP m_options;
    FilterSelection m_selection;
    std::unique_ptr<ReportsPage> m_page;
    QList<QUrl> m_urls;
};

void TstReportsPage::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    m_company = std::make_unique<TestCompany>();
    REQUIRE_LOCATION(m_company->place());
    QVERIFY2(m_company->create(DatabaseCreator::Contents::Sample, &m_messages),
             qPrintable(m_company->error()));
    m_db = &m_company->db();
    // The data directory's layouts win over the shipped ones: each report prints its rows.
    for (const char* name : {"kier_koszty", "koszty_k", "zlecenie"})
        writeFile(dataDir() + u"/raporty/"_s + QLatin1String(name) + u".xml"_s, kRowsLayout);
}

void TstReportsPage::init() {
    select(FilterSelection());
    m_messages.clear();
    ReportsPage::Sources sources;
    sources.selection = [this] { return m_selection; };
    sources.company = [] { return u"Próba"_s; };
    sources.credentials = [] {
        return IndividualReports::Credentials{u"JAN"_s, u"tajne hasło"_s, {}};
    };
    m_page = std::make_unique<ReportsPage>(*m_db, m_messages, m_options, sources);
    m_page->resize(1100, 650);
    m_page->refresh();
}

void TstReportsPage::cleanup() {
    m_page.reset();
    QFile::remove(dataDir() + u"/raporty.cfg"_s);
    QDir(dataDir() + u"/include"_s).removeRecursively();
}

void TstReportsPage::select(const FilterSelection& selection) {
    m_selection = selection;
    m_db->applySelection(selection);
}

QStringList TstReportsPage::keys(const QString& sql, const QVariant& key) {
    SqlStatement statement(sql);
    if (key.isValid())
        statement.bind(u":KEY"_s, key);
    DbQuery rows;
    const DbError error = m_db->DatabaseFirma().select(statement, &rows);
    if (error)
        qWarning() << error.message();
    QStringList result;
    while (rows.next())
        result << rows.value(0).toString();
    return result;
}

LookupField* TstReportsPage::lookup(const char* name) const {
    return m_page->findChild<LookupField*>(QLatin1String(name) + u"Panel"_s);
}

QPushButton* TstReportsPage::button(const QString& handler) const {
    return m_page->findChild<QPushButton*>(handler);
}

std::optional<QStringList> TstReportsPage::printedRows(const QString& report) {
    std::optional<QStringList> rows;
    QTimer watch;
    watch.setInterval(10);
    connect(&watch, &QTimer::timeout, this, [&rows] {
        auto* preview = qobject_cast<ReportPreview*>(QApplication::activeModalWidget());
        if (!preview)
            return;
        rows.emplace();
        const PreparedReport& prepared = preview->report();
        for (int page = 0; page < prepared.pages.size(); ++page) {
            for (const QString& line : prepared.pageTexts(page)) {
                if (line.startsWith(u"ROW|"_s))
                    rows->append(line.mid(4));
            }
        }
        preview->reject();
    });
    watch.start();
    button(ReportCatalogue::byName(report)->handler)->click();
    return rows;
}

void TstReportsPage::buttonsFollowCatalogue() {
    auto* tabs = m_page->findChild<QTabWidget*>(u"Raporty"_s);
    QVERIFY(tabs);
    const QStringList names{u"Tab1"_s, u"Tab2"_s, u"Tab5"_s, u"Tab3"_s, u"Tab6"_s, u"Tab4"_s};
    QCOMPARE(tabs->count(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(tabs->widget(i)->objectName(), names[i]);
        QCOMPARE(tabs->tabText(i), ReportCatalogue::pageCaption(ReportPage(i)));
    }
    for (const CatalogueReport& entry : ReportCatalogue::all()) {
        auto* found = tabs->widget(int(entry.page))->findChild<QPushButton*>(entry.handler);
        QVERIFY2(found, qPrintable(entry.handler));
        QVERIFY(found->text().startsWith(entry.caption + u' '));
        QCOMPARE(found->text().trimmed(), entry.caption);
    }
    m_page->showSubPage(ReportPage::Other2);
    QCOMPARE(tabs->currentWidget()->objectName(), u"Tab6"_s);
}

void TstReportsPage::preconditions_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("vehicle");
    QTest::addColumn<int>("period");  // FilterSelection::Period
    QTest::addColumn<QString>("message");
    const int all = int(FilterSelection::Period::All);
    const int year = int(FilterSelection::Period::Year);
    const int range = int(FilterSelection::Period::Range);
    QTest::newRow("vehicle: none") << u"koszty_p"_s << false << year << kVehicleMessage;
    QTest::newRow("vehicle and year: vehicle first")
        << u"zest_m"_s << false << range << kVehicleMessage;
    QTest::newRow("vehicle and year: range filter")
        << u"zest_m"_s << true << range
        << u"Filtr \"Dane dla <ROK>\" u dołu ekranu nieaktywny. Aktywuj filtr i wskaż w nim "
           u"rok, dla którego wygenerować zestawienie."_s;
    QTest::newRow("vehicle and year: (Wszystkie)")
        << u"zest_m"_s << true << all
        << u"Nie wskazano roku, dla którego wygenerować zestawienie. Wybierz rok z filtru "
           u"\"Dane dla <ROK>\" u dołu ekranu."_s;
    QTest::newRow("vehicle and year: passes") << u"zest_m"_s << true << year << QString();
    QTest::newRow("driver") << u"kier_koszty"_s << true << year
                            << u"Nie wskazano kierowcy, dla którego wygenerować zestawienie. "
                               u"Wybierz kierowcę z rozwijanej listy powyżej."_s;
    QTest::newRow("road card")
        << u"kartadrogowa"_s << true << year
        << u"Nie wskazano karty drogowej. Wybierz kartę z rozwijanej listy obok."_s;
    QTest::newRow("fuel card") << u"koszty_k"_s << true << year
                               << u"Nie wskazano karty paliwowej, dla której wygenerować "
                                  u"zestawienie. Wybierz kartę z rozwijanej listy powyżej."_s;
}

void TstReportsPage::preconditions() {
    QFETCH(QString, report);
    QFETCH(bool, vehicle);
    QFETCH(int, period);
    QFETCH(QString, message);
    FilterSelection selection;
    selection.period = FilterSelection::Period(period);
    if (selection.period == FilterSelection::Period::Year)
        selection.year = 2024;
    if (selection.period == FilterSelection::Period::Range)
        selection.from = 20240101;
    if (vehicle)
        selection.vehicle = m_db->lookups().registrations().value(0);
    select(selection);
    QVERIFY(!vehicle || m_db->chosenVehicle().key >= 0);
    const FilterState costs = m_db->filter(RegisterId::Koszty);
    QSignalSpy summary(m_page.get(), &ReportsPage::yearlySummaryRequested);

    button(ReportCatalogue::byName(report)->handler)->click();

    if (message.isEmpty()) {
        QVERIFY(m_messages.shown().isEmpty());
        QCOMPARE(summary.size(), 1);
        QCOMPARE(summary.at(0).at(0).toLongLong(), m_db->chosenVehicle().key);
        QCOMPARE(summary.at(0).at(1).toInt(), 2024);
    } else {
        QCOMPARE(m_messages.shown().size(), 1);
        QCOMPARE(m_messages.shown().at(0).title, u"Informacja"_s);
        QCOMPARE(m_messages.shown().at(0).text, message);
        QCOMPARE(summary.size(), 0);
    }
    QCOMPARE(m_db->filter(RegisterId::Koszty), costs);
}

void TstReportsPage::selectorsFeedChoices() {
    // The date of issue follows the option, enabled with its check box.
    auto* withDate = m_page->findChild<QCheckBox*>(u"dataNaRaporcie"_s);
    auto* date = m_page->findChild<QLineEdit*>(u"dataRap"_s);
    QVERIFY(withDate && date);
    QCOMPARE(withDate->isChecked(), m_options.cbRapData);
    QVERIFY(date->isEnabledTo(m_page.get()));
    QCOMPARE(
        m_page->choices().issueDate.value_or(QString()),
        TOVUtilities().dateNumberToText(QDate::currentDate().toString(u"yyyyMMdd"_s).toLongLong()));
    withDate->setChecked(false);
    QVERIFY(!date->isEnabledTo(m_page.get()));
    QVERIFY(!m_page->choices().issueDate);

    // Choosing a cost centre or a fuel kind checks the box that applies it.
    const std::pair<const char*, const char*> pairs[] = {{"filtrRaportCk", "filtrRaportIsCk"},
                                                         {"filtrPaliwoTyp", "filtrRaportPaliwo"}};
    for (const auto& [field, box] : pairs) {
        LookupField* list = lookup(field);
        auto* check = m_page->findChild<QCheckBox*>(QLatin1String(box));
        QVERIFY2(list && check && list->combo()->count() > 0, field);
        QVERIFY(!check->isChecked());
        list->combo()->setCurrentIndex(list->combo()->count() - 1);
        emit list->combo()->activated(list->combo()->currentIndex());
        QVERIFY2(check->isChecked(), box);
    }
    const ReportChoices c = m_page->choices();
    QCOMPARE(c.costCentre, lookup("filtrRaportCk")->key().toLongLong());
    QCOMPARE(c.fuelKind, lookup("filtrPaliwoTyp")->key().toLongLong());
    QCOMPARE(c.company, u"Próba"_s);

    // The consumption reports' fuel kind switches every consumption register.
    QSignalSpy lpg(m_page.get(), &ReportsPage::lpgChosen);
    auto* kind = m_page->findChild<QComboBox*>(u"rodzajPaliwaRaport"_s);
    kind->setCurrentIndex(1);
    emit kind->activated(1);
    QCOMPARE(lpg.size(), 1);
    for (RegisterId id : {RegisterId::Zuzycie, RegisterId::ZuzycieKm, RegisterId::ZuzycieMth})
        QVERIFY(m_db->lpg(id));
    QCOMPARE(m_page->choices().fuelKindText, u"Gaz LPG"_s);
    m_page->setLpg(false);
    QCOMPARE(kind->currentIndex(), 0);
    QCOMPARE(lpg.size(), 1);  // mirroring a register's choice is no new choice
    m_db->setLpg(false);
}

void TstReportsPage::narrowedReports_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("list");   // the page's selector
    QTest::addColumn<QString>("field");  // the costs' column it narrows
    QTest::newRow("driver") << u"kier_koszty"_s << u"fIDKIEROWCY"_s << u"IDKIEROWCY"_s;
    QTest::newRow("fuel card") << u"koszty_k"_s << u"fIDKARTY"_s << u"IDKARTY"_s;
}

void TstReportsPage::narrowedReports() {
    QFETCH(QString, report);
    QFETCH(QString, list);
    QFETCH(QString, field);
    // The key with the most costs, yet not all of them: the narrowing shows.
    const QStringList busiest = keys(
        u"SELECT %1 FROM koszty WHERE %1 <> '' GROUP BY %1 "
        u"ORDER BY COUNT(*) DESC, %1"_s.arg(field));
    QVERIFY(!busiest.isEmpty());
    const QString key = busiest.first();
    QStringList expected =
        keys(u"SELECT COALESCE(NRDOKUMENT, '') FROM koszty WHERE %1 = :KEY"_s.arg(field), key);
    QVERIFY(!expected.isEmpty());
    QVERIFY(expected.size() < keys(u"SELECT IDKOSZT FROM koszty"_s).size());

    LookupField* chooser = lookup(list.toLatin1().constData());
    QVERIFY(chooser);
    chooser->setKey(key);
    QVERIFY(chooser->hasChoice());
    const FilterState costs = m_db->filter(RegisterId::Koszty);
    std::optional<QStringList> rows = printedRows(report);
    QVERIFY2(rows, qPrintable(m_messages.texts().join(u'\n')));
    rows->sort();
    expected.sort();
    QCOMPARE(*rows, expected);
    QCOMPARE(m_db->filter(RegisterId::Koszty), costs);
}

void TstReportsPage::orderNumberKeepsQuotes() {
    const QString quoted = u"ZL \"7\"/2024"_s;
    for (const QString& number : {quoted, u"ZL 7/2024"_s}) {
        const DbError error = insertRow(m_db->DatabaseFirma(), u"zlecenia"_s,
                                        {{u"NRDOKUMENTU"_s, number}, {u"DATAOD"_s, 20240301}});
        QVERIFY2(!error, qPrintable(error.message()));
    }
    auto* numbers = m_page->findChild<QComboBox*>(u"RapNrZlecenia"_s);
    m_page->refreshOrderNumbers();
    QVERIFY(numbers->findText(quoted) >= 0);
    QCOMPARE(numbers->currentText(), QString());
    numbers->setEditText(quoted);
    m_page->refresh();  // the typed number survives the refill
    QCOMPARE(numbers->currentText(), quoted);

    const std::optional<QStringList> rows = printedRows(u"zlecenie"_s);
    QVERIFY2(rows, qPrintable(m_messages.texts().join(u'\n')));
    QCOMPARE(*rows, QStringList{quoted});
    QCOMPARE(numbers->currentText(), quoted);
}

void TstReportsPage::individualList_data() {
    QTest::addColumn<QByteArray>("cfg");  // null: no file of the user's
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("count");
    QByteArray many;
    for (int i = 1; i <= 120; ++i)
        many += QByteArray::number(i) + ".sh,R" + QByteArray::number(i) + "\r\n";
    QTest::newRow("split at the first comma, trimmed")
        << QByteArray("  a.sh ,  Raport A, z przecinkiem  \r\nb.sh,B\n")
        << QStringList{u"Raport A, z przecinkiem"_s, u"B"_s} << 2;
    QTest::newRow("at most 100") << many << QStringList{u"R1"_s, u"R2"_s} << 100;
    QTest::newRow("empty file") << QByteArray("") << QStringList() << 0;
    QTest::newRow("no file: the installation's") << QByteArray() << QStringList() << 0;
}

void TstReportsPage::individualList() {
    QFETCH(QByteArray, cfg);
    QFETCH(QStringList, names);
    QFETCH(int, count);
    if (!cfg.isNull())
        writeFile(dataDir() + u"/raporty.cfg"_s, cfg);
    QCOMPARE(IndividualReports::configPath(),
             cfg.isNull() ? ReportList::defaultPath() : dataDir() + u"/raporty.cfg"_s);
    m_page->refresh();
    auto* list = m_page->findChild<QComboBox*>(u"CBraportyPrywatne"_s);
    QCOMPARE(list->count(), count);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(list->itemText(i), names[i]);
    QCOMPARE(list->currentIndex(), count ? 0 : -1);
    if (count == 100)
        QCOMPARE(list->itemText(99), u"R100"_s);
    if (count == 0) {
        button(u"SpeedButton18"_s)->click();
        QCOMPARE(m_messages.texts(), QStringList{IndividualReports::noReportMessage()});
        QCOMPARE(m_messages.shown().at(0).title, u"Informacja"_s);
        QCOMPARE(IndividualReports::noReportMessage(),
                 u"Brak raportu. Wskaż żądany raport bądź zamów raport u producenta."_s);
    }
}

void TstReportsPage::launchesProgram_data() {
    QTest::addColumn<QString>("listed");  // the program the list names
    QTest::addColumn<bool>("starts");
    QTest::newRow("in include") << u"raport.sh"_s << true;
    QTest::newRow("missing") << u"brak.sh"_s << false;
    QTest::newRow("outside include") << u"../include/raport.sh"_s << false;
}

void TstReportsPage::launchesProgram() {
    QFETCH(QString, listed);
    QFETCH(bool, starts);
    const QString folder = dataDir() + u"/include"_s;
    const QString script = folder + u"/raport.sh"_s;
    writeFile(script, kReportScript);
    QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    writeFile(dataDir() + u"/raporty.cfg"_s, (listed + u" , Mój raport\r\n"_s).toUtf8());
    m_page->refresh();

    button(u"SpeedButton18"_s)->click();

    if (!starts) {
        QCOMPARE(m_messages.shown().size(), 1);
        QVERIFY(m_messages.shown().at(0).text.startsWith(u"Nie znaleziono programu raportu"_s));
        return;
    }
    QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'\n')));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder + u"/args.txt"_s), 10000);
    // The page keeps the program's process until it ends.
    QTRY_VERIFY_WITH_TIMEOUT(m_page->findChildren<QProcess*>().isEmpty(), 10000);
    QFile args(folder + u"/args.txt"_s);
    QVERIFY(args.open(QIODevice::ReadOnly));
    QCOMPARE(args.readAll(), QByteArray("0"));
    QFile input(folder + u"/stdin.txt"_s);
    QVERIFY(input.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(input.readAll()).split(u'\n');
    QCOMPARE(lines.size(), 4);  // three lines, each ended
    QCOMPARE(lines.mid(0, 2), (QStringList{u"JAN"_s, u"tajne hasło"_s}));
    if (m_db->location().isPostgres()) {
        QVERIFY(lines[2].startsWith(u"postgresql://"_s));
        QVERIFY(lines[2].endsWith(u"search_path%3D"_s + m_db->companyDir()));
    } else {
        QVERIFY(QFileInfo(lines[2] + u'/' + DbLocation::sqliteFileName()).isFile());
    }
}

void TstReportsPage::webPages() {
    m_options.URLRaporty = u"https://example.test/zaproponuj"_s;
    m_options.URLOfertaRaporty = u"https://example.test/oferta"_s;
    QDesktopServices::setUrlHandler(u"https"_s, this, "openedUrl");
    button(u"SpeedButton16"_s)->click();
    button(u"SpeedButton48"_s)->click();
    QDesktopServices::unsetUrlHandler(u"https"_s);
    QCOMPARE(m_urls, (QList<QUrl>{QUrl(m_options.URLRaporty), QUrl(m_options.URLOfertaRaporty)}));
}

QTEST_MAIN(TstReportsPage)
#include "tst_reportspage.moc"
