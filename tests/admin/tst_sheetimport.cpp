// Imports of costs and refuellings from sheets, on each engine: the verdict of every row,
// what is stored, repeated imports, the existing-day rule, and a killed import.
#include "TestCompany.h"
#include "admin/import/ImportValues.h"
#include "admin/import/SheetImport.h"
#include "data/engine/DbQuery.h"
#include "data/engine/RowInsert.h"
#include "support/CsvReader.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

using F = ImportLayout::DateFormat;

QList<QStringList> verdictCells(const SheetImport& import) {
    QList<QStringList> cells;
    for (const RowVerdict& verdict : import.verdicts())
        cells << QStringList{verdict.imported, verdict.remark};
    return cells;
}

}  // namespace

class TstSheetImport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cellRules_data();
    void cellRules();
    void costs_data();
    void costs();
    void unassignedRequiredFieldFailsEveryRow();
    void refuellings_data();
    void refuellings();
    void killedImportLeavesNothing();

private:
    qint64 count(const QString& sql);
    QVariant value(const QString& sql);
    CsvTable sheet(const QByteArray& bytes, QChar separator);

    std::unique_ptr<TestCompany> m_company;
    QTemporaryDir m_files;
    qint64 m_roadCard = 0;
    qint64 m_costCentre = 0;
};

void TstSheetImport::initTestCase() {
    m_company = std::make_unique<TestCompany>();
    REQUIRE_LOCATION(m_company->place());
    QVERIFY2(m_company->create(DatabaseCreator::Contents::Empty), qPrintable(m_company->error()));
    DbConnection& db = m_company->db().DatabaseFirma();
    for (const char* registration : {"WX 1234", "ŁÓDŹ 77"})
        QVERIFY(insertRow(db, QStringLiteral("pojazdy"),
                          {{QStringLiteral("NRREJ"), QString::fromUtf8(registration)},
                           {QStringLiteral("STATUS"), 0}})
                    .ok());
    QVERIFY(insertRow(db, QStringLiteral("kpaliwowe"),
                      {{QStringLiteral("IDKARTY"), QStringLiteral("K-1")}})
                .ok());
    QVERIFY(insertRow(db, QStringLiteral("slowniki"),
                      {{QStringLiteral("IDSLOWNIK"), QStringLiteral("CKKOD")},
                       {QStringLiteral("OPIS"), QStringLiteral("Żwirownia")}},
                      &m_costCentre)
                .ok());
    QVERIFY(insertRow(db, QStringLiteral("kartydrogowe"),
                      {{QStringLiteral("NRKARTY"), QStringLiteral("KD/1")}}, &m_roadCard)
                .ok());
}

void TstSheetImport::cleanup() {
    for (const char* table : {"koszty", "zuzycie", "zuzycielpg"})
        m_company->db().DatabaseFirma().execute(
            SqlStatement(QStringLiteral("DELETE FROM ") + table));
}

qint64 TstSheetImport::count(const QString& sql) {
    return value(sql).toLongLong();
}

QVariant TstSheetImport::value(const QString& sql) {
    DbQuery rows;
    if (m_company->db().DatabaseFirma().select(SqlStatement(sql), &rows) || !rows.next())
        return {};
    return rows.value(0);
}

CsvTable TstSheetImport::sheet(const QByteArray& bytes, QChar separator) {
    const QString path = m_files.filePath(QStringLiteral("arkusz.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    file.close();
    return CsvReader::readFile(path, separator, std::nullopt).value_or(CsvTable());
}

void TstSheetImport::cellRules_data() {
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("expected");  // "-" when refused
    QTest::newRow("day first") << "DD-MM-RRRR"
                               << "05-03-2006"
                               << "20060305";
    QTest::newRow("dots between") << "DD-MM-RRRR"
                                  << "05.03.2006 12:00"
                                  << "20060305";
    QTest::newRow("short day") << "DD-MM-RRRR"
                               << "5-3-2006"
                               << "-";
    QTest::newRow("month 13") << "DD-MM-RRRR"
                              << "31-13-2006"
                              << "-";
    QTest::newRow("no 31 February") << "DD-MM-RRRR"
                                    << "31-02-2006"
                                    << "-";
    QTest::newRow("before 1900") << "RRRR-MM-DD"
                                 << "1899-12-31"
                                 << "-";
    QTest::newRow("year first") << "RRRR-MM-DD"
                                << "2026-12-09"
                                << "20261209";
    QTest::newRow("compact") << "RRRRMMDD"
                             << "20261209"
                             << "20261209";
    QTest::newRow("letters") << "RRRRMMDD"
                             << "2026O209"
                             << "-";
    QTest::newRow("point") << "number"
                           << "12.50"
                           << "1250";
    QTest::newRow("comma") << "number"
                           << "12,50"
                           << "1250";
    QTest::newRow("grouped") << "number"
                             << "1 234,56"
                             << "123456";
    QTest::newRow("no-break grouped") << "number" << QString::fromUtf8("1\u00a0234,5") << "123450";
    QTest::newRow("empty") << "number"
                           << "  "
                           << "0";
    QTest::newRow("not a number") << "number"
                                  << "12,3a"
                                  << "-";
    QTest::newRow("blank not between digits") << "number"
                                              << "12, 5"
                                              << "-";
    QTest::newRow("flag any case") << "flag TAK"
                                   << "tak"
                                   << "T";
    QTest::newRow("flag blank kept") << "flag TAK"
                                     << " tak"
                                     << "N";
    QTest::newRow("key folds Polish") << "key"
                                      << " \"żwirownia\" " << QString::fromUtf8("ŻWIROWNIA");
}

void TstSheetImport::cellRules() {
    QFETCH(QString, rule);
    QFETCH(QString, cell);
    QFETCH(QString, expected);
    QString got = QStringLiteral("-");
    if (const auto format = ImportDates::formatFromText(rule)) {
        if (const auto date = ImportValues::date(cell, *format))
            got = QString::number(*date);
    } else if (rule == QLatin1String("number")) {
        if (const auto number = ImportValues::hundredths(cell))
            got = QString::number(*number);
    } else if (rule.startsWith(QLatin1String("flag "))) {
        got = ImportValues::flag(cell, rule.mid(5)) ? QStringLiteral("T") : QStringLiteral("N");
    } else {
        got = ImportValues::key(cell);
    }
    QCOMPARE(got, expected);
}

void TstSheetImport::costs_data() {
    // One sheet, written as a spreadsheet saves it in each encoding: a title row, quoted
    // cells holding the separator, doubled quotes and a line break, empty lines at the end.
    const QStringList lines = {
        "Data;Nr rej;Rodzaj;Dokument;Netto;VAT;Brutto;VAT?;Paliwo?;Litry;CK;Karta drogowa;"
        "Płatność;Karta;Uwagi",
        "05-03-2026;wx 1234;Paliwo;FV/1;100,00;23,00;123,00;tak;TAK;40,5;żwirownia;kd/1;"
        "przelew;K-1;\"Stacja \"\"Orzeł\"\"; nocą\"",
        "06-03-2026;\"łódź 77\";Myjnia;FV/2;1 234,50;0;1 234,50; tak;;12;;;karta płatnicza;;"
        "\"linia 1\nlinia 2\"",
        "31-02-2026;WX 1234;Paliwo;FV/3;1;0;1;;;;;;;;",
        "07-03-2026;x\" OR 1=1 --;Paliwo;FV/4;1;0;1;;;;;;;;",
        "07-03-2026;WX 1234;Paliwo;FV/5;1;0;1;;;;;;;K-9;",
        "07-03-2026;WX 1234;Paliwo;FV/6;1;0;1;;;;Kopalnia;;;;",
        "07-03-2026;WX 1234;Paliwo;FV/7;12,3a;0;1;;;;;;;;",
        "05-03-2026;WX 1234;Paliwo;FV/1;100;23;123;;;;;;;;",
        "",
        "",
    };
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QChar>("separator");
    const QString crlf = lines.join(QStringLiteral("\r\n"));
    QTest::newRow("windows-1250, CR LF")
        << CodePage::encode(crlf, TextEncoding::Windows1250) << QChar(u';');
    QString tabbed = lines.join(QLatin1Char('\n'));
    tabbed.replace(QLatin1Char(';'), QLatin1Char('\t'));
    tabbed.replace(QStringLiteral("\t nocą"), QStringLiteral("; nocą"));
    QTest::newRow("utf-8 with a mark, tabs, LF")
        << QByteArray("\xEF\xBB\xBF") + tabbed.toUtf8() << QChar(u'\t');
}

void TstSheetImport::costs() {
    QFETCH(QByteArray, bytes);
    QFETCH(QChar, separator);
    const CsvTable table = sheet(bytes, separator);
    QCOMPARE(table.rows.size(), 9);
    ImportLayout layout = ImportLayout::defaults(ImportKind::Costs);
    layout.skipFirst = true;
    QString error;
    QVERIFY(layout.assignColumns(ImportKind::Costs,
                                 "DATA=1,NRREJ=2,RODZWYD=3,NRDOKUMENT=4,WARTNETTO=5,WARTVAT=6,"
                                 "WARTBRUTTO=7,CZYVAT=8,ISFUEL=9,FUEL=10,CK=11,IDDROGOWA=12,"
                                 "RODZAJPLAT=13,IDKARTY=14,UWAGI=15",
                                 &error));
    SheetImport import(m_company->db(), ImportKind::Costs);
    import.setSheet(table);
    const QString ok = ImportVerdicts::ok();
    const QString failed = ImportVerdicts::failed();
    const QList<QStringList> fresh = {
        {{}, {}},
        {ok, {}},
        {ok, {}},
        {failed, "Niepoprawny format daty powstania kosztu"},
        {failed, "Nie znaleziono podanego pojazdu"},
        {failed, "Nie znaleziono karty paliwowej o podanym ID"},
        {failed, "Podane CK nie istnieje w słowniku"},
        {failed, "Niepoprawny format kwoty netto"},
        {ok, {}},  // the same document twice in one sheet is two costs
    };

    const ImportCounts dry = import.run(layout, {.dryRun = true, .progress = {}});
    QCOMPARE(verdictCells(import), fresh);
    QCOMPARE(dry.line(), QStringLiteral("added 3; merged 0; skipped 0; failed 5"));
    QCOMPARE(count("SELECT COUNT(*) FROM koszty"), 0);

    QCOMPARE(import.run(layout, {}).line(),
             QStringLiteral("added 3; merged 0; skipped 0; failed 5"));
    QCOMPARE(verdictCells(import), fresh);
    QCOMPARE(count("SELECT COUNT(*) FROM koszty"), 3);
    const QString first = "FROM koszty WHERE NRDOKUMENT = 'FV/1' AND ISFUEL = 'T' ";
    QCOMPARE(value("SELECT UWAGI " + first).toString(),
             QString::fromUtf8("Stacja \"Orzeł\"; nocą"));
    QCOMPARE(value("SELECT CK " + first).toLongLong(), m_costCentre);
    QCOMPARE(value("SELECT IDDROGOWA " + first).toLongLong(), m_roadCard);
    QCOMPARE(value("SELECT FUEL " + first).toDouble(), 40.5);
    QCOMPARE(value("SELECT CZYVAT " + first).toString(), QStringLiteral("T"));
    QCOMPARE(value("SELECT IDKARTY " + first).toString(), QStringLiteral("K-1"));
    QCOMPARE(value("SELECT RODZAJPLAT " + first),
             value("SELECT KOD FROM slowniki WHERE IDSLOWNIK = 'RDPLA' AND OPIS = 'Przelew'"));
    const QString second = "FROM koszty WHERE NRDOKUMENT = 'FV/2' ";
    QCOMPARE(value("SELECT WARTBRUTTO " + second).toDouble(), 1234.5);
    QCOMPARE(value("SELECT CZYVAT " + second).toString(), QStringLiteral("N"));
    QCOMPARE(value("SELECT FUEL " + second).toDouble(), 0.0);  // not a fuel purchase
    QCOMPARE(value("SELECT CK " + second).toInt(), -1);
    QCOMPARE(value("SELECT UWAGI " + second).toString(), QStringLiteral("linia 1\nlinia 2"));
    QCOMPARE(value("SELECT RODZAJPLAT " + second),
             value(QString::fromUtf8("SELECT KOD FROM slowniki WHERE IDSLOWNIK = 'RDPLA' AND "
                                     "OPIS = 'Karta płatnicza'")));

    // Pressing "Rozpocznij" again, or importing the statement again, adds nothing.
    QCOMPARE(import.run(layout, {}).line(),
             QStringLiteral("added 0; merged 0; skipped 3; failed 5"));
    QCOMPARE(import.verdicts().at(1).remark, QStringLiteral("Wiersz jest już w rejestrze"));
    QCOMPARE(count("SELECT COUNT(*) FROM koszty"), 3);

    // A cancelled import keeps the rows done before it stopped.
    QVERIFY(m_company->db().DatabaseFirma().execute(SqlStatement("DELETE FROM koszty")).ok());
    const ImportCounts cancelled =
        import.run(layout, {.progress = [](int done, int) { return done < 1; }});
    QVERIFY(import.cancelled());
    QCOMPARE(cancelled.added, 1);
    QCOMPARE(count("SELECT COUNT(*) FROM koszty"), 1);
}

void TstSheetImport::unassignedRequiredFieldFailsEveryRow() {
    SheetImport import(m_company->db(), ImportKind::Costs);
    import.setSheet(sheet("05-03-2026;WX 1234\n06-03-2026;\n", QLatin1Char(';')));
    ImportLayout layout = ImportLayout::defaults(ImportKind::Costs);
    QString error;
    QVERIFY(layout.assignColumns(ImportKind::Costs, "NRREJ=2", &error));
    QVERIFY(!import.verify(layout));
    QCOMPARE(import.verdicts().at(0).remark, QStringLiteral("Brak daty powstania kosztu"));
    QVERIFY(layout.assignColumns(ImportKind::Costs, "DATA=1,NRREJ=2", &error));
    QVERIFY(!import.verify(layout));
    QCOMPARE(verdictCells(import),
             (QList<QStringList>{{ImportVerdicts::ok(), {}},
                                 {ImportVerdicts::failed(), "Brak numeru rejestracyjnego"}}));
    QVERIFY(!layout.assignColumns(ImportKind::Costs, "DATA=1,KOLOR=2", &error));
    QVERIFY(error.contains(QStringLiteral("KOLOR")));
}

void TstSheetImport::refuellings_data() {
    QTest::addColumn<bool>("merge");
    QTest::addColumn<QStringList>("firstRun");
    QTest::addColumn<QStringList>("secondRun");
    const QString summed = "Ok: Zsumowano z istniejącym tankowaniem";
    const QString refused = "Błędy: Na dany dzień istnieje już tankowanie";
    const QString present = "Pominięto: Wiersz jest już w rejestrze";
    const QString noFuel = "Błędy: Brak ilości zatankowanego paliwa";
    QTest::newRow("Sumuj") << true << QStringList{"Ok: ", "Ok: ", summed, noFuel}
                           << QStringList{present, present, present, noFuel};
    QTest::newRow("Pomiń") << false << QStringList{"Ok: ", "Ok: ", refused, noFuel}
                           << QStringList{present, present, refused, noFuel};
}

void TstSheetImport::refuellings() {
    QFETCH(bool, merge);
    QFETCH(QStringList, firstRun);
    QFETCH(QStringList, secondRun);
    // LPG by the marker (blanks and case aside, "Gaz LPG" is not it), then two petrol
    // refuellings of one day, then a row without the fuel refuelled.
    SheetImport import(m_company->db(), ImportKind::Refuellings);
    import.setSheet(
        sheet("01-04-2026;WX 1234; lpg ;1000;5;30\n"
              "01-04-2026;WX 1234;Gaz LPG;1100;10;20\n"
              "01-04-2026;wx 1234;;1200;2;15\n"
              "02-04-2026;WX 1234;;1300;1;\n",
              QLatin1Char(';')));
    ImportLayout layout = ImportLayout::defaults(ImportKind::Refuellings);
    QString error;
    QVERIFY(layout.assignColumns(ImportKind::Refuellings,
                                 "DATA=1,NRREJ=2,PALIWO=3,LICZNIK=4,BAK=5,TANKOWANIE=6", &error));
    layout.fuelSource = ImportLayout::FuelSource::Column;
    layout.lpgText = QStringLiteral("LPG");
    layout.mergeExistingDay = merge;
    auto texts = [&import] {
        QStringList list;
        for (const RowVerdict& verdict : import.verdicts())
            list << verdict.imported + ": " + verdict.remark;
        return list;
    };
    m_company->db().setLpg(RegisterId::Zuzycie, true);
    import.run(layout, {});
    QCOMPARE(texts(), firstRun);
    QVERIFY(m_company->db().lpg(RegisterId::Zuzycie));  // the register's choice is kept
    QCOMPARE(count("SELECT COUNT(*) FROM zuzycielpg"), 1);
    QCOMPARE(count("SELECT COUNT(*) FROM zuzycie"), 1);
    QCOMPARE(value("SELECT TANKOWANIE FROM zuzycie").toDouble(), merge ? 35.0 : 20.0);
    QCOMPARE(value("SELECT LICZNIK FROM zuzycie").toDouble(), merge ? 1200.0 : 1100.0);

    import.run(layout, {});
    QCOMPARE(texts(), secondRun);
    QCOMPARE(value("SELECT TANKOWANIE FROM zuzycie").toDouble(), merge ? 35.0 : 20.0);
}

void TstSheetImport::killedImportLeavesNothing() {
    QByteArray bytes;
    for (int i = 0; i < 20000; ++i)
        bytes +=
            QStringLiteral("05-03-2026;WX 1234;Paliwo;FV/%1;%2;0;%2\n").arg(i).arg(i + 1).toUtf8();
    const QString path = m_files.filePath(QStringLiteral("duzy.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    const QStringList arguments = {
        "import-costs", m_company->location().text(),
        "proba",        path,
        "--columns",    "DATA=1,NRREJ=2,RODZWYD=3,NRDOKUMENT=4,WARTNETTO=5,WARTBRUTTO=7",
        "--progress"};
    QProcess process;
    process.setReadChannel(QProcess::StandardError);
    process.start(QStringLiteral(FLOTANOR_CLI), arguments);
    QVERIFY(process.waitForStarted());
    // A line per row: once this test stops reading, the full pipe holds the import
    // mid-way, far from its end, until it is killed.
    QByteArray progress;
    while (!progress.contains("wiersz 1000 z") && process.waitForReadyRead(30000))
        progress += process.readAllStandardError();
    QVERIFY2(progress.contains("wiersz 1000 z"), progress.constData());
    QThread::msleep(200);
    process.kill();
    QVERIFY(process.waitForFinished());
    QCOMPARE(count("SELECT COUNT(*) FROM koszty"), 0);

    // The interrupted import blocks nothing: run whole, it adds every row.
    process.setReadChannel(QProcess::StandardOutput);
    process.start(QStringLiteral(FLOTANOR_CLI), arguments.mid(0, 6));
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(
        process.readAllStandardOutput().endsWith("added 20000; merged 0; skipped 0; failed 0\n"));
    QCOMPARE(count("SELECT COUNT(*) FROM koszty"), 20000);
}

QTEST_GUILESS_MAIN(TstSheetImport)
#include "tst_sheetimport.moc"
