// flotanor-cli end to end: the real program run on a real database of each engine.
#include "TestDataDir.h"
#include "TestLocation.h"
#include "admin/ConfigPP.h"
#include "admin/UserStore.h"
#include "data/TmyDataBase.h"
#include "data/engine/DbQuery.h"
#include "data/engine/RowInsert.h"
#include "data/schema/DatabaseCreator.h"
#include "output/CsvSheet.h"
#include "output/Reminders.h"
#include "output/Sums.h"
#include "output/TermCalendar.h"
#include "support/CodePage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <fcntl.h>
#include <libical/ical.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QString err;
};

Run cli(const QStringList& arguments, const QString& lang = QStringLiteral("pl_PL.UTF-8")) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), lang);
    env.remove(QStringLiteral("LC_ALL"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(FLOTANOR_CLI), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

}  // namespace

class TstCli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void listsTheGridAsASheet();
    void fileEqualsStandardOutput();
    void followsTheLocale();
    void filtersLikeTheWindow();
    void sumsLikeTheWindow();
    void refusesWhatIsWrong_data();
    void refusesWhatIsWrong();
    void createAndCompanies();
    void passwordsGuardTheDatabase();
    void replacingIsWholeOrNothing();
    void checkAndCalendarOfTheSampleCompany();
    void printAndReportWritePdf();
    void upgradesACompanyOfAnEarlierRelease();

private:
    QString where() const { return m_location->location().text(); }
    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
};

void TstCli::initTestCase() {
    m_dataDir = std::make_unique<TestDataDir>();
    m_location = std::make_unique<TestLocation>();
    REQUIRE_LOCATION(*m_location);
    const Run created = cli({QStringLiteral("create-database"), where()});
    QVERIFY2(created.status == 0, qPrintable(created.err));
    const Run added = cli({QStringLiteral("add-company"), where(), QStringLiteral("Firma próbna"),
                           QStringLiteral("proba")});
    QVERIFY2(added.status == 0, qPrintable(added.err));

    DbConnection company(QStringLiteral("cli-test"));
    QVERIFY(company.openCompany(m_location->location(), QStringLiteral("proba")).ok());
    qint64 plain = 0;
    qint64 quoted = 0;
    QVERIFY(insertRow(company, QStringLiteral("pojazdy"),
                      {{QStringLiteral("NRREJ"), QStringLiteral("WZ 1234")},
                       {QStringLiteral("MARKA"), QStringLiteral("Łada \"Nowa\"")}},
                      &plain)
                .ok());
    QVERIFY(insertRow(company, QStringLiteral("pojazdy"),
                      {{QStringLiteral("NRREJ"), QStringLiteral("O'R 1")},
                       {QStringLiteral("MARKA"), QStringLiteral("Inna")}},
                      &quoted)
                .ok());
    for (const auto& [vehicle, date, net] :
         {std::tuple{plain, 20240305, 1234.5}, std::tuple{quoted, 20241231, 10.0},
          std::tuple{plain, 20250101, 7.0}})
        QVERIFY(insertRow(company, QStringLiteral("koszty"),
                          {{QStringLiteral("IDPOJAZD"), vehicle},
                           {QStringLiteral("DATA"), date},
                           {QStringLiteral("RODZWYD"), QStringLiteral("Paliwo; ON")},
                           {QStringLiteral("WARTNETTO"), net},
                           {QStringLiteral("CZYVAT"), QStringLiteral("T")},
                           {QStringLiteral("ISFUEL"), QStringLiteral("T")},
                           {QStringLiteral("FUEL"), 40.0}})
                    .ok());
}

void TstCli::listsTheGridAsASheet() {
    const Run run =
        cli({QStringLiteral("list"), where(), QStringLiteral("proba"), QStringLiteral("koszty"),
             QStringLiteral("--year"), QStringLiteral("2024")});
    QCOMPARE(run.status, 0);
    // Windows-1250 by default: "Ilość" has ś as 0x9C and ć as 0xE6.
    QVERIFY(run.out.contains("\"Ilo\x9c\xe6"));
    const QList<QStringList> sheet = CsvSheet::decode(run.out);
    QCOMPARE(sheet.size(), 3);
    QCOMPARE(sheet.at(0).first(), QStringLiteral("Data"));
    QCOMPARE(sheet.at(0).size(), 17);
    QCOMPARE(sheet.at(0).at(14), QStringLiteral("Ilość paliwa"));
    QCOMPARE(sheet.at(1).mid(0, 7), (QStringList{"05.03.2024", "WZ 1234", "Łada \"Nowa\"",
                                                 "Paliwo; ON", "", "", "1234,50"}));
    QCOMPARE(sheet.at(1).at(9), QStringLiteral("Tak"));
    QCOMPARE(sheet.at(1).at(13), QStringLiteral("+"));
    QCOMPARE(sheet.at(2).at(0), QStringLiteral("31.12.2024"));
    // Every line ends with CR LF; the quote inside a cell is doubled.
    QVERIFY(run.out.endsWith("\r\n"));
    QVERIFY(
        run.out.contains("\"\xa3"
                         "ada \"\"Nowa\"\"\""));
}

void TstCli::fileEqualsStandardOutput() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("koszty.csv"));
    const QStringList args{QStringLiteral("list"),   where(),
                           QStringLiteral("proba"),  QStringLiteral("koszty"),
                           QStringLiteral("--sort"), QStringLiteral("WARTNETTO"),
                           QStringLiteral("--desc"), QStringLiteral("--encoding"),
                           QStringLiteral("utf-8")};
    const Run toStdout = cli(args);
    QCOMPARE(toStdout.status, 0);
    QCOMPARE(cli(args + QStringList{QStringLiteral("--out"), file}).status, 0);
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), toStdout.out);
    const QList<QStringList> sheet = CsvSheet::decode(toStdout.out);
    QCOMPARE(sheet.at(1).at(6), QStringLiteral("1234,50"));
    QCOMPARE(sheet.at(3).at(6), QStringLiteral("7,00"));

    // A named pipe is written into and stays a pipe: a script reading it gets the sheet.
    const QString pipe = dir.filePath(QStringLiteral("potok"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const int reader = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    QCOMPARE(cli(args + QStringList{QStringLiteral("--out"), pipe}).status, 0);
    QByteArray piped(toStdout.out.size() + 1, '\0');
    const ssize_t read = ::read(reader, piped.data(), size_t(piped.size()));
    ::close(reader);
    struct stat after {};
    QCOMPARE(::stat(QFile::encodeName(pipe).constData(), &after), 0);
    QVERIFY(S_ISFIFO(after.st_mode));
    QCOMPARE(piped.left(qMax<qsizetype>(read, 0)), toStdout.out);
}

void TstCli::followsTheLocale() {
    const Run run =
        cli({QStringLiteral("list"), where(), QStringLiteral("proba"), QStringLiteral("koszty"),
             QStringLiteral("--from"), QStringLiteral("05-03-2024"), QStringLiteral("--to"),
             QStringLiteral("05.03.2024"), QStringLiteral("--encoding"), QStringLiteral("utf-8")},
            QStringLiteral("C"));
    QCOMPARE(run.status, 0);
    const QList<QStringList> sheet = CsvSheet::decode(run.out);
    QCOMPARE(sheet.size(), 2);
    QCOMPARE(sheet.at(1).at(0), QStringLiteral("05-03-2024"));
    QCOMPARE(sheet.at(1).at(6), QStringLiteral("1234.50"));
}

void TstCli::filtersLikeTheWindow() {
    auto rows = [this](const QStringList& extra) {
        const Run run = cli(QStringList{QStringLiteral("list"), where(), QStringLiteral("proba"),
                                        QStringLiteral("koszty"), QStringLiteral("--encoding"),
                                        QStringLiteral("utf-8")} +
                            extra);
        return run.status == 0 ? int(CsvSheet::decode(run.out).size()) - 1 : -1;
    };
    QCOMPARE(rows({}), 3);
    QCOMPARE(rows({QStringLiteral("--vehicle"), QStringLiteral("O'R 1")}), 1);
    QCOMPARE(rows({QStringLiteral("--year"), QStringLiteral("2024"), QStringLiteral("--month"),
                   QStringLiteral("12")}),
             1);
    QCOMPARE(rows({QStringLiteral("--from"), QStringLiteral("01.01.2025")}), 1);
    QCOMPARE(rows({QStringLiteral("--fuel-only")}), 3);
    QCOMPARE(rows({QStringLiteral("--ck"), QStringLiteral("1")}), 0);
}

void TstCli::sumsLikeTheWindow() {
    TmyDataBase database;
    QVERIFY(database.openCompany(m_location->location(), QStringLiteral("proba")));
    for (const QStringList& extra :
         {QStringList{}, QStringList{QStringLiteral("--vehicle"), QStringLiteral("O'R 1")},
          QStringList{QStringLiteral("--year"), QStringLiteral("2024")}}) {
        const Run run = cli(QStringList{QStringLiteral("sums"), where(), QStringLiteral("proba"),
                                        QStringLiteral("koszty")} +
                            extra);
        QCOMPARE(run.status, 0);
        FilterSelection selection;
        if (extra.value(0) == QLatin1String("--vehicle"))
            selection.vehicle = extra.value(1);
        if (extra.value(0) == QLatin1String("--year")) {
            selection.period = FilterSelection::Period::Year;
            selection.year = 2024;
        }
        database.applySelection(selection);
        const SumsSheet sheet =
            Sums::compute(database, RegisterId::Koszty, database.filter(RegisterId::Koszty),
                          QLocale(QLocale::Polish, QLocale::Poland));
        QString expected;
        for (int i = 0; i < sheet.headings.size(); ++i)
            expected += sheet.headings.at(i) + u';' + sheet.values.at(i) + u'\n';
        QCOMPARE(QString::fromUtf8(run.out), expected);
    }
    const Run first =
        cli({QStringLiteral("sums"), where(), QStringLiteral("proba"), QStringLiteral("koszty")});
    QVERIFY(first.out.startsWith("Ilość kosztów;3\n"));
}

void TstCli::refusesWhatIsWrong_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QString w = m_location ? where() : QString();
    const QStringList list{QStringLiteral("list"), w, QStringLiteral("proba")};
    QTest::newRow("unknown register") << list + QStringList{"samochody"} << 1 << "Nieznany rejestr";
    QTest::newRow("sums of an unknown register")
        << QStringList{"sums", w, "proba", "samochody"} << 1 << "Nieznany rejestr";
    QTest::newRow("sums without register") << QStringList{"sums", w, "proba"} << 1 << "Użycie";
    QTest::newRow("unknown company")
        << QStringList{"list", w, "brak", "koszty"} << 1 << "nie ma firmy";
    QTest::newRow("bad date") << list + QStringList{"koszty", "--from", "31.13.2024"} << 1
                              << "Niepoprawna data";
    QTest::newRow("short date") << list + QStringList{"koszty", "--to", "1.1.2024"} << 1
                                << "Niepoprawna data";
    QTest::newRow("month without year")
        << list + QStringList{"koszty", "--month", "3"} << 1 << "--year";
    QTest::newRow("year and range")
        << list + QStringList{"koszty", "--year", "2024", "--from", "01.01.2024"} << 1
        << "nie można łączyć";
    QTest::newRow("unknown vehicle")
        << list + QStringList{"koszty", "--vehicle", "XX 1"} << 1 << "Nie znaleziono pojazdu";
    QTest::newRow("bad sort") << list + QStringList{"koszty", "--sort", "DATA;"} << 1 << "sortować";
    QTest::newRow("lpg elsewhere") << list + QStringList{"koszty", "--lpg"} << 1 << "--lpg";
    QTest::newRow("bad option") << list + QStringList{"koszty", "--colour"} << 1
                                << "Nieznana opcja";
    QTest::newRow("bad encoding") << list + QStringList{"koszty", "--encoding", "latin2"} << 1
                                  << "kodowanie";
    QTest::newRow("unknown command") << QStringList{"drop"} << 1 << "Nieznane polecenie";
    QTest::newRow("no database") << QStringList{"list", "/nonexistent/flotanor", "proba", "koszty"}
                                 << 2 << "Nie udało się otworzyć";
    QTest::newRow("existing database")
        << QStringList{"create-database", w} << 2 << "znajduje się już baza";
    QTest::newRow("existing company")
        << QStringList{"add-company", w, "Inna", "PROBA"} << 2 << "Istnieje już firma";
    QTest::newRow("bad directory")
        << QStringList{"add-company", w, "Inna", "../x"} << 2 << "Niepoprawna nazwa katalogu";
}

void TstCli::refusesWhatIsWrong() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Run run = cli(arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void TstCli::createAndCompanies() {
    const Run companies = cli({QStringLiteral("companies"), where()});
    QCOMPARE(companies.status, 0);
    QCOMPARE(QString::fromUtf8(companies.out), QStringLiteral("proba\tFirma próbna\n"));
    // A person list of a fresh company is empty but has its titles.
    const Run persons =
        cli({QStringLiteral("list"), where(), QStringLiteral("proba"), QStringLiteral("osobowa"),
             QStringLiteral("--encoding"), QStringLiteral("utf-8")});
    QCOMPARE(persons.status, 0);
    QCOMPARE(persons.out,
             QByteArray(
                 "\"Nr ewid.\";\"Nazwisko\";\"Adres\";\"Kod poczt.\";\"Miasto\";\"Telefon\"\r\n"));
}

// A replaced database is kept as a backup; a creation killed half-way leaves the location
// holding a whole database, the old one or the new one, and the next attempt goes through.
void TstCli::replacingIsWholeOrNothing() {
    TestLocation place;
    REQUIRE_LOCATION(place);
    const QString at = place.location().text();
    auto create = [&at](const QString& password) {
        return QStringList{QStringLiteral("create-database"), at,
                           QStringLiteral("--demo"),          QStringLiteral("--replace"),
                           QStringLiteral("--password"),      password};
    };
    auto listsDemo = [&at](const QString& password) {
        const Run listed =
            cli({QStringLiteral("companies"), at, QStringLiteral("--password"), password});
        return listed.status == 0 && listed.out == "demo\tFirma przykładowa\n";
    };
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(cli(create(QStringLiteral("stare1"))).status, 0);
    const qint64 whole = timer.elapsed();
    const Run replaced = cli(create(QStringLiteral("nowe22")));
    QVERIFY2(replaced.status == 0, qPrintable(replaced.err));
    QVERIFY(QString::fromUtf8(replaced.out).contains(QStringLiteral("zachowana")));
    QVERIFY(listsDemo(QStringLiteral("nowe22")));

    QProcess killed;
    killed.start(QStringLiteral(FLOTANOR_CLI), create(QStringLiteral("trzecie3")));
    QVERIFY(killed.waitForStarted());
    QThread::msleep(quint64(whole / 2));
    killed.kill();
    killed.waitForFinished();
    QVERIFY(listsDemo(QStringLiteral("nowe22")) || listsDemo(QStringLiteral("trzecie3")));
    QCOMPARE(cli(create(QStringLiteral("czwarte4"))).status, 0);
    QVERIFY(listsDemo(QStringLiteral("czwarte4")));

    if (!place.location().isPostgres()) {
        const QFileInfo location(place.location().directory());
        for (const QString& backup :
             QDir(location.absolutePath())
                 .entryList({location.fileName() + QStringLiteral(".backup-*")}, QDir::Dirs))
            QDir(location.absolutePath() + QLatin1Char('/') + backup).removeRecursively();
    }
}

void TstCli::passwordsGuardTheDatabase() {
    TestLocation guarded;
    REQUIRE_LOCATION(guarded);
    const QString at = guarded.location().text();
    QCOMPARE(cli({QStringLiteral("create-database"), at, QStringLiteral("--demo"),
                  QStringLiteral("--password"), QStringLiteral("ab")})
                 .status,
             1);  // too short, nothing created
    const Run created = cli({QStringLiteral("create-database"), at, QStringLiteral("--demo"),
                             QStringLiteral("--password"), QStringLiteral("tajne1"),
                             QStringLiteral("--admin-password"), QStringLiteral("Szef123")});
    QCOMPARE(created.status, 0);
    QVERIFY(!created.out.contains("lotra"));

    const QStringList sums{QStringLiteral("sums"), at, QStringLiteral("demo"),
                           QStringLiteral("pojazdy")};
    const Run without = cli(sums);
    QCOMPARE(without.status, 1);
    QVERIFY2(without.err.contains(QStringLiteral("--password")), qPrintable(without.err));
    const Run wrong = cli(sums + QStringList{QStringLiteral("--password"), QStringLiteral("zle")});
    QCOMPARE(wrong.status, 1);
    QVERIFY(wrong.err.contains(QStringLiteral("Niepoprawne hasło")));
    const Run right =
        cli(sums + QStringList{QStringLiteral("--password"), QStringLiteral("tajne1")});
    QCOMPARE(right.status, 0);
    QVERIFY(right.out.startsWith("Ilość pojazdów;"));
    QCOMPARE(cli({QStringLiteral("companies"), at}).status, 1);

    // The supervisor of the sample company has the password given, not the first one.
    TmyDataBase database;
    QVERIFY(database.openCompany(guarded.location(), QStringLiteral("demo")));
    UserStore users(database);
    QCOMPARE(users.login(QStringLiteral("admin"), QStringLiteral("Szef123")).status,
             UserStore::LoginStatus::LoggedIn);
    QCOMPARE(users.login(QStringLiteral("ADMIN"), QStringLiteral("lotra")).status,
             UserStore::LoginStatus::Refused);
}

// check prints the lists of the reminder window byte for byte under the options of the
// settings file; calendar writes one event per dated term, whose UID stays when it moves.
void TstCli::checkAndCalendarOfTheSampleCompany() {
    TestLocation place;
    REQUIRE_LOCATION(place);
    const QString at = place.location().text();
    QCOMPARE(cli({QStringLiteral("create-database"), at, QStringLiteral("--demo")}).status, 0);
    const QString settingsPath = SettingsFile::defaultPath();
    QFile ini(settingsPath);
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[OPTIONS]\r\ndataWsteczna=40\r\ncbOC=0\r\nkmOd=3000\r\n");
    ini.close();
    const TconfigPP options = SettingsFile(settingsPath).load();
    QCOMPARE(options.dataWsteczna, 40);

    TmyDataBase database;
    QVERIFY(database.openCompany(place.location(), QStringLiteral("demo")));
    const QDate today = QDate::currentDate();
    Reminders reminders(database, options, today, QLocale(QLocale::Polish, QLocale::Poland));
    const ReminderList dates = reminders.dateCheck();
    const ReminderList readings = reminders.odometerCheck();
    const ReminderList store = reminders.storeCheck();
    QVERIFY(dates.found && readings.found && store.found);
    const QStringList check{QStringLiteral("check"), at, QStringLiteral("demo"),
                            QStringLiteral("--today"), today.toString(u"dd.MM.yyyy")};
    const Run all = cli(check);
    QCOMPARE(all.status, 3);
    QCOMPARE(all.out, dates.bytes() + readings.bytes() + store.bytes());
    // The lists come in their own order whatever the order of the switches.
    const Run two = cli(check + QStringList{"--odometer", "--dates", "--encoding", "utf-8"});
    QCOMPARE(two.status, 3);
    QCOMPARE(two.out, dates.bytes(TextEncoding::Utf8) + readings.bytes(TextEncoding::Utf8));
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("magazyn.txt"));
    QCOMPARE(cli(check + QStringList{"--store", "--out", saved}).status, 3);
    QFile savedFile(saved);
    QVERIFY(savedFile.open(QIODevice::ReadOnly));
    QCOMPARE(savedFile.readAll(), store.bytes());
    const Run nothing =
        cli({QStringLiteral("check"), at, QStringLiteral("demo"), QStringLiteral("--dates"),
             QStringLiteral("--today"), QStringLiteral("01.01.1990")});
    QCOMPARE(nothing.status, 0);
    QCOMPARE(nothing.out, QByteArray("Niczego nie znaleziono\r\n"));
    QVERIFY(QFile::remove(settingsPath));

    // The all-day events with a DTSTAMP of a calendar exported over a span, by UID.
    const QString ics = dir.filePath(QStringLiteral("terminy.ics"));
    auto exported = [&at, &ics](const QStringList& span) {
        QMap<QString, qint64> days;
        const QStringList args{QStringLiteral("calendar"), at, QStringLiteral("demo"),
                               QStringLiteral("--out"), ics};
        QFile file(ics);
        if (cli(args + span).status != 0 || !file.open(QIODevice::ReadOnly))
            return days;
        icalcomponent* calendar = icalparser_parse_string(file.readAll().constData());
        for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             e; e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            const icaltimetype start = icalcomponent_get_dtstart(e);
            if (start.is_date && icalcomponent_get_first_property(e, ICAL_DTSTAMP_PROPERTY))
                days.insert(QString::fromUtf8(icalcomponent_get_uid(e)),
                            start.year * 10000 + start.month * 100 + start.day);
        }
        icalcomponent_free(calendar);
        return days;
    };
    const QList<ReminderTerm> terms = reminders.datedTerms(DateSpan()).terms;
    const QMap<QString, qint64> before = exported({});
    QVERIFY(terms.size() > 10);
    QCOMPARE(before.size(), terms.size());  // one event per term, every UID its own
    for (const ReminderTerm& term : terms)
        QCOMPARE(before.value(TermCalendar::uid(term, QStringLiteral("demo"))), term.date);

    // A term that moves keeps its event; a span takes the days at both ends.
    const ReminderTerm moved = terms.first();
    QCOMPARE(moved.kind, TermKind::InsuranceOC);
    QVERIFY(database.DatabaseFirma()
                .execute(SqlStatement(
                    QStringLiteral("UPDATE pojazdy SET DATAOC = 20301231 WHERE IDPOJAZD = %1")
                        .arg(moved.key.toLongLong())))
                .ok());
    const QMap<QString, qint64> after = exported({});
    QCOMPARE(after.keys(), before.keys());
    QCOMPARE(after.value(TermCalendar::uid(moved, QStringLiteral("demo"))), qint64(20301231));
    const QMap<QString, qint64> lastDay =
        exported({QStringLiteral("--from"), QStringLiteral("31.12.2030"), QStringLiteral("--to"),
                  QStringLiteral("31.12.2030")});
    QCOMPARE(lastDay.keys(), QStringList{TermCalendar::uid(moved, QStringLiteral("demo"))});

    // Wrong calls are refused.
    const QStringList calendar{QStringLiteral("calendar"), at, QStringLiteral("demo")};
    QCOMPARE(cli(calendar).status, 1);
    QCOMPARE(cli(calendar + QStringList{"--out", ics, "--from", "02.01.2025", "--to", "01.01.2025"})
                 .status,
             1);
    const Run badDay = cli(check.mid(0, 3) + QStringList{"--today", "31.02.2025"});
    QCOMPARE(badDay.status, 1);
    QVERIFY(badDay.err.contains(QStringLiteral("Niepoprawna data")));
}

// print writes the sheet of one record and report a report of the reports page as PDF, and
// nothing when the key, the register, the precondition or the layout is wrong; a company's
// own layout in the data directory wins.
void TstCli::printAndReportWritePdf() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    TestLocation place;
    REQUIRE_LOCATION(place);
    const QString at = place.location().text();
    QCOMPARE(cli({QStringLiteral("create-database"), at, QStringLiteral("--demo")}).status, 0);
    TmyDataBase database;
    QVERIFY(database.openCompany(place.location(), QStringLiteral("demo")));
    DbQuery fuel;
    QVERIFY(
        database.DatabaseFirma()
            .select(SqlStatement(u"SELECT MIN(IDKOSZT) FROM koszty WHERE ISFUEL = 'T'"_qs), &fuel)
            .ok());
    QVERIFY(fuel.next());
    const QString fuelCost = fuel.value(0).toString();
    const QString company = database.companyDataName();
    QVERIFY(!company.isEmpty());

    QTemporaryDir dir;
    const QString layouts = m_dataDir->path() + u"/raporty"_qs;
    struct Case {
        QStringList args;
        QByteArray ownLayout;  // written into the data directory's raporty
        int status;
        QString found;  // in the PDF's text, or on standard error
    };
    const QList<Case> cases{
        {{u"print"_qs, at, u"demo"_qs, u"koszty"_qs, fuelCost},
         {},
         0,
         u"Dotyczy zakupu paliwa: TAK"_qs},
        {{u"print"_qs, at, u"demo"_qs, u"koszty"_qs, fuelCost},
         "<report><band kind=\"summary\" height=\"9\"><text x=\"0\" width=\"180\" "
         "height=\"9\">Własny [TEMAT]</text></band></report>",
         0,
         u"Własny Dane szczegółowe wskazanego kosztu"_qs},
        {{u"print"_qs, at, u"demo"_qs, u"koszty"_qs, fuelCost},
         "<report>\n<band kind=\"kolumna\"/></report>",
         2,
         u"drukuj_pozycje.xml, wiersz 2"_qs},
        {{u"print"_qs, at, u"demo"_qs, u"koszty"_qs, u"999999"_qs}, {}, 1, u"Nie znaleziono"_qs},
        {{u"print"_qs, at, u"demo"_qs, u"nieznany"_qs, u"1"_qs},
         {},
         1,
         u"Nie ma takiego rejestru"_qs},
        {{u"report"_qs, at, u"demo"_qs, u"koszty_p"_qs, u"--vehicle"_qs, u"WA 12345"_qs,
          u"--year"_qs, u"2025"_qs},
         {},
         0,
         u"Dane z roku: 2025"_qs},
        {{u"report"_qs, at, u"demo"_qs, u"kier_koszty"_qs},
         {},
         1,
         u"Nie wskazano kierowcy, dla którego wygenerować zestawienie."_qs},
        {{u"report"_qs, at, u"demo"_qs, u"zest_m"_qs, u"--vehicle"_qs, u"WA 12345"_qs},
         {},
         1,
         u"Nie wskazano roku"_qs},
        {{u"report"_qs, at, u"demo"_qs, u"zest_m"_qs, u"--vehicle"_qs, u"WA 12345"_qs, u"--year"_qs,
          u"2025"_qs},
         {},
         0,
         u"Zestawienie roczne"_qs},
    };
    for (const Case& c : cases) {
        QDir(layouts).removeRecursively();
        if (!c.ownLayout.isEmpty()) {
            QVERIFY(QDir().mkpath(layouts));
            QFile own(layouts + u"/drukuj_pozycje.xml"_qs);
            QVERIFY(own.open(QIODevice::WriteOnly));
            own.write(c.ownLayout);
        }
        const QString pdf = dir.filePath(u"pozycja.pdf"_qs);
        QFile::remove(pdf);
        const Run run = cli(c.args + QStringList{u"--out"_qs, pdf});
        QCOMPARE(run.status, c.status);
        QCOMPARE(QFile::exists(pdf), c.status == 0);
        if (c.status != 0) {
            QVERIFY2(run.err.contains(c.found), qPrintable(run.err));
            continue;
        }
        QProcess text;
        text.start(u"pdftotext"_qs, {pdf, u"-"_qs});
        QVERIFY(text.waitForFinished());
        const QString extracted = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(extracted.contains(c.found), qPrintable(extracted));
        if (c.ownLayout.isEmpty())
            QVERIFY2(extracted.contains(company), qPrintable(c.args.join(u' ')));
    }
    QDir(layouts).removeRecursively();
}

// A company of an earlier release is brought up to date by the first command that opens
// it, as by a login in the window, and only once.
void TstCli::upgradesACompanyOfAnEarlierRelease() {
    {
        DbConnection company(QStringLiteral("cli-old"));
        QVERIFY(company.openCompany(m_location->location(), QStringLiteral("proba")).ok());
        QVERIFY(!company.execute(SqlStatement(u"DROP TABLE zuzycielpg"_qs)));
        QVERIFY(
            !company.execute(SqlStatement(u"DELETE FROM aktualizacje WHERE WERSJA = '1.0.10'"_qs)));
    }
    const QStringList list{QStringLiteral("list"), where(), QStringLiteral("proba"),
                           QStringLiteral("koszty")};
    const Run first = cli(list);
    QCOMPARE(first.status, 0);
    QVERIFY2(first.err.contains(u"Dodano nową tabelę tankowań Gazu LPG"_qs), qPrintable(first.err));
    QVERIFY2(first.err.contains(u"Baza danych zaktualizowana do wersji 1.0.10."_qs),
             qPrintable(first.err));
    const Run second = cli(list);
    QCOMPARE(second.status, 0);
    QCOMPARE(second.err, QString());
    QCOMPARE(second.out, first.out);
    const Run lpg = cli(
        {QStringLiteral("list"), where(), QStringLiteral("proba"), QStringLiteral("zuzycielpg")});
    QVERIFY2(lpg.status == 0, qPrintable(lpg.err));
}

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
