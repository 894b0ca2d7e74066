// Line templates: parsing the compact form, parameters, the record statements, and the
// register descriptors that the lists, filters, sorting and search are built from.
#include "data/RecordTemplates.h"
#include "data/engine/SqlTemplate.h"
#include "data/registers/RegisterDescriptor.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

// Every record statement by name, as RecordTemplates holds them.
const char* const kRecordTemplates[] = {
    "DBFUpdateSlowniki",    "DBFInsertSlowniki",    "DBFDeleteSlowniki",    "DBFDeleteStawki",
    "DBFInsertStawki",      "DBFUpdateStawki",      "DBFUpdatePojazdy",     "DBFInsertPojazdy",
    "DBFDeletePojazdy",     "DBFUpdatePrzejazdy",   "DBFInsertPrzejazdy",   "DBFDeletePrzejazdy",
    "DBFUpdateOsobowa",     "DBFInsertOsobowa",     "DBFDeleteOsobowa",     "DBFUpdateKoszty",
    "DBFInsertKoszty",      "DBFDeleteKoszty",      "DBFUpdateNaprawy",     "DBFInsertNaprawy",
    "DBFDeleteNaprawy",     "DBFUpdateFirma",       "DBFUpdateDokumenty",   "DBFInsertDokumenty",
    "DBFDeleteDokumenty",   "DBFUpdateKPaliwowe",   "DBFInsertKPaliwowe",   "DBFDeleteKPaliwowe",
    "DBFUpdateWyposazenie", "DBFInsertWyposazenie", "DBFDeleteWyposazenie", "DBFUpdateZuzycie",
    "DBFInsertZuzycie",     "DBFDeleteZuzycie",     "DBFUpdateUserzy",      "DBFInsertUserzy",
    "DBFDeleteUserzy",      "DBFDeleteAllRights",   "DBFDeleteRights",      "DBFInsertRights",
    "DBFUpdateTerminarz",   "DBFInsertTerminarz",   "DBFDeleteTerminarz",   "DBFUpdateOpony",
    "DBFInsertOpony",       "DBFDeleteOpony",       "DBFUpdateRozliczenia", "DBFInsertRozliczenia",
    "DBFDeleteRozliczenia", "DBFUpdateZlecenia",    "DBFInsertZlecenia",    "DBFDeleteZlecenia",
    "DBFUpdateZuzycieKm",   "DBFInsertZuzycieKm",   "DBFDeleteZuzycieKm",   "DBFUpdateZuzycieMth",
    "DBFInsertZuzycieMth",  "DBFDeleteZuzycieMth",  "DBFUpdatePrzebiegi",   "DBFInsertPrzebiegi",
    "DBFDeletePrzebiegi",   "DBFUpdateSzkody",      "DBFInsertSzkody",      "DBFDeleteSzkody",
    "DBFUpdateKDrogowe",    "DBFInsertKDrogowe",    "DBFDeleteKDrogowe",    "DBFUpdateCenyPaliw",
    "DBFInsertCenyPaliw",   "DBFDeleteCenyPaliw",   "DBFUpdateMagazyn",     "DBFInsertMagazyn",
    "DBFDeleteMagazyn",
};

// The slot numbers a compact template marks, in order.
QList<int> markers(const QString& compact) {
    static const QRegularExpression marker(QStringLiteral("\\{(\\d+)\\}"));
    QList<int> result;
    auto it = marker.globalMatch(compact);
    while (it.hasNext())
        result << it.next().captured(1).toInt();
    return result;
}

// The names a SELECT statement's rows have: "a.X" is X, "... AS X" is X; empty for
// "SELECT *", which names every column of its table.
QSet<QString> selectedNames(const QString& statement, bool* all) {
    QSet<QString> names;
    *all = false;
    const qsizetype start = statement.indexOf(QLatin1String("SELECT ")) + 7;
    int depth = 0;
    qsizetype itemStart = start;
    static const QRegularExpression alias(QStringLiteral("\\bAS\\s+([A-Za-z0-9_]+)\\s*$"));
    static const QRegularExpression column(QStringLiteral("^(?:[A-Za-z]+\\.)?([A-Za-z0-9_]+)$"));
    auto take = [&](qsizetype end) {
        const QString item = statement.mid(itemStart, end - itemStart).trimmed();
        if (item == QLatin1String("*"))
            *all = true;
        else if (const auto m = alias.match(item); m.hasMatch())
            names << m.captured(1).toUpper();
        else if (const auto c = column.match(item); c.hasMatch())
            names << c.captured(1).toUpper();
    };
    for (qsizetype i = start; i < statement.size(); ++i) {
        const QChar ch = statement.at(i);
        if (ch == QLatin1Char('('))
            ++depth;
        else if (ch == QLatin1Char(')'))
            --depth;
        else if (depth == 0 && ch == QLatin1Char(',')) {
            take(i);
            itemStart = i + 1;
        } else if (depth == 0 && statement.mid(i, 6) == QLatin1String(" FROM ")) {
            take(i);
            break;
        }
    }
    return names;
}

QString listText(const RegisterDescriptor& d) {
    return d.isConsumption() ? d.listTemplate.arg(d.name) : d.listTemplate;
}

}  // namespace

class TstSqlTemplate : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void slotRuns_data();
    void slotRuns();
    void parameters();
    void statementJoinsLines();

    void recordTemplates_data();
    void recordTemplates();
    void unknownRecordTemplate();

    void registerDescriptors_data();
    void registerDescriptors();
    void registerByName_data();
    void registerByName();
};

void TstSqlTemplate::parse_data() {
    QTest::addColumn<QString>("compact");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("valid");
    QTest::newRow("alternating") << "UPDATE t SET A= {1} ,B= {3} WHERE K= {5}"
                                 << QStringList{"UPDATE t SET A=", "", ",B=", "", "WHERE K=", ""}
                                 << true;
    QTest::newRow("run of slots")
        << "INSERT INTO t(A,B) VALUES ( {2} {3} {4} , {6})"
        << QStringList{"INSERT INTO t(A,B) VALUES (", "", "", "", "", ",", "", ")"} << true;
    QTest::newRow("gap padded") << "DELETE FROM t WHERE K = {4}"
                                << QStringList{"DELETE FROM t WHERE K =", "", "", "", ""} << true;
    QTest::newRow("leading slot") << "{0} SELECT 1" << QStringList{"", "SELECT 1"} << true;
    QTest::newRow("slot alone") << "{1}" << QStringList{"", ""} << true;
    QTest::newRow("text on one line")
        << "SELECT A , B FROM t WHERE 1 = 1 {1} AND C = 2 ORDER BY {3}"
        << QStringList{"SELECT A , B FROM t WHERE 1 = 1", "", "AND C = 2 ORDER BY", ""} << true;
    QTest::newRow("no markers") << "DELETE FROM t" << QStringList{"DELETE FROM t"} << true;
    QTest::newRow("empty") << "" << QStringList{} << true;
    QTest::newRow("blanks between markers")
        << "A {1}   {2} B" << QStringList{"A", "", "", "B"} << true;
    QTest::newRow("text trimmed") << "  A  {2}  B  " << QStringList{"A", "", "", "B"} << true;

    // Slot n can no longer be line n.
    QTest::newRow("backwards") << "A {3} B {2}" << QStringList() << false;
    QTest::newRow("repeated") << "A {1} {1}" << QStringList() << false;
    QTest::newRow("on the text's line") << "A {0}" << QStringList() << false;
    QTest::newRow("text needs the slot's line") << "A {1} B {2}" << QStringList() << false;
}

void TstSqlTemplate::parse() {
    QFETCH(QString, compact);
    QFETCH(QStringList, lines);
    QFETCH(bool, valid);
    const SqlTemplate t = SqlTemplate::parse(compact);
    QCOMPARE(t.isValid(), valid);
    if (!valid)
        return;
    QCOMPARE(t.lines(), lines);
    QCOMPARE(t.lineCount(), int(lines.size()));
    for (int slot : markers(compact))
        QCOMPARE(t.line(slot), QString());
}

void TstSqlTemplate::slotRuns_data() {
    QTest::addColumn<QString>("compact");
    QTest::addColumn<QList<int>>("runs");
    QTest::newRow("none") << "SELECT 1" << QList<int>{};
    QTest::newRow("one") << "A {1}" << QList<int>{1};
    QTest::newRow("one run") << "A {2} {3} {4} B" << QList<int>{2};
    QTest::newRow("runs and singles") << "A {2} {3} {4} B {6} C {8} {9}" << QList<int>{2, 6, 8};
    QTest::newRow("padding between") << "A {1} {4}" << QList<int>{1, 4};
}

void TstSqlTemplate::slotRuns() {
    QFETCH(QString, compact);
    QFETCH(QList<int>, runs);
    const SqlTemplate t = SqlTemplate::parse(compact);
    QVERIFY(t.isValid());
    QCOMPARE(t.slotRuns(), runs);
}

void TstSqlTemplate::parameters() {
    SqlTemplate t =
        SqlTemplate::parse(QStringLiteral("UPDATE t SET A=:PARAM0, B=:PARAM1 WHERE K= {2}"));
    t.setParam(0, QStringLiteral("O'Brien \"x\""));
    t.setParam(1, QString());
    t.setParam(2, QStringLiteral("12"));
    const SqlStatement s = t.statement();
    QCOMPARE(s.bindings.size(), 3);
    const QVariant first = s.boundValue(QStringLiteral(":PARAM0"));
    QCOMPARE(first.typeId(), int(QMetaType::QString));
    QCOMPARE(first.toString(), QStringLiteral("O'Brien \"x\""));
    // No text typed: the empty text, never NULL.
    const QVariant second = s.boundValue(QStringLiteral(":PARAM1"));
    QCOMPARE(second.typeId(), int(QMetaType::QString));
    QVERIFY(!second.isNull());
    QCOMPARE(second.toString(), QString(""));
    QCOMPARE(s.boundValue(QStringLiteral(":PARAM2")).toString(), QStringLiteral("12"));
    // Text values never enter the statement's text.
    QVERIFY(!s.text.contains(QLatin1String("O'Brien")));

    // Setting a parameter again replaces it.
    t.setParam(0, QStringLiteral("second"));
    QCOMPARE(t.statement().boundValue(QStringLiteral(":PARAM0")).toString(),
             QStringLiteral("second"));
    QCOMPARE(t.statement().bindings.size(), 3);
    t.clearBindings();
    QVERIFY(t.statement().bindings.isEmpty());
}

void TstSqlTemplate::statementJoinsLines() {
    SqlTemplate t = SqlTemplate::parse(QStringLiteral("DELETE FROM t WHERE K = {1} {2}"));
    t.setLine(1, QStringLiteral("17"));
    t.setLine(2, QStringLiteral("AND X = 1"));
    QCOMPARE(t.statement().text, QStringLiteral("DELETE FROM t WHERE K =\n17\nAND X = 1"));
    QCOMPARE(t.text(), t.statement().text);
    t.clearSlots({2});
    QCOMPARE(t.statement().text, QStringLiteral("DELETE FROM t WHERE K =\n17\n"));
    // A line past the end pads with empty lines.
    t.setLine(5, QStringLiteral("-- end"));
    QCOMPARE(t.lineCount(), 6);
    QCOMPARE(t.statement().text, QStringLiteral("DELETE FROM t WHERE K =\n17\n\n\n\n-- end"));
}

void TstSqlTemplate::recordTemplates_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : kRecordTemplates)
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TstSqlTemplate::recordTemplates() {
    QFETCH(QString, name);
    QVERIFY(RecordTemplates::contains(name));
    // The consumption statements name the table of the fuel kind on screen.
    const bool perFuelKind = name.contains(QLatin1String("Zuzycie"));
    const SqlTemplate t = perFuelKind ? RecordTemplates::get(name, QStringLiteral("zuzycielpg"))
                                      : RecordTemplates::get(name);
    QVERIFY(t.isValid());
    QVERIFY(t.lineCount() > 0);
    for (int run : t.slotRuns())
        QVERIFY2(t.line(run).isEmpty(), qPrintable(QStringLiteral("slot %1").arg(run)));
    static const QRegularExpression param(QStringLiteral(":PARAM(\\d+)"));
    QSet<int> params;
    for (const QString& line : t.lines()) {
        QVERIFY2(!line.contains(QLatin1Char('{')) && !line.contains(QLatin1Char('}')),
                 qPrintable(line));
        QVERIFY2(!line.contains(QLatin1String("%1")), qPrintable(line));
        auto it = param.globalMatch(line);
        while (it.hasNext())
            params << it.next().captured(1).toInt();
    }
    if (perFuelKind)
        QVERIFY(t.text().contains(QLatin1String("zuzycielpg")));
    // The texts are bound as :PARAM0, :PARAM1, ... in order, so none may be skipped.
    for (int n = 0; n < params.size(); ++n)
        QVERIFY2(params.contains(n), qPrintable(QStringLiteral(":PARAM%1 missing").arg(n)));
}

void TstSqlTemplate::unknownRecordTemplate() {
    QVERIFY(!RecordTemplates::contains(QStringLiteral("DBFInsertNothing")));
    QVERIFY(!RecordTemplates::contains(QString()));
    // Names are exact.
    QVERIFY(!RecordTemplates::contains(QStringLiteral("dbfinsertkoszty")));
}

void TstSqlTemplate::registerDescriptors_data() {
    QTest::addColumn<int>("index");
    QCOMPARE(Registers::all().size(), kRegisterCount);
    for (int i = 0; i < Registers::all().size(); ++i)
        QTest::newRow(qPrintable(Registers::all().at(i).name)) << i;
}

void TstSqlTemplate::registerDescriptors() {
    QFETCH(int, index);
    const RegisterDescriptor& d = Registers::all().at(index);
    QCOMPARE(int(d.id), index);
    QCOMPARE(&Registers::get(d.id), &d);

    const QString text = listText(d);
    const SqlTemplate t = SqlTemplate::parse(text);
    QVERIFY(t.isValid());
    const QList<int> slotLines = markers(text);
    for (int slot : slotLines)
        QCOMPARE(t.line(slot), QString());

    // Each filter and sort line is one of the statement's slots, and no two share one.
    const std::pair<const char*, int> lines[] = {{"vehicle", d.vehicleLine},
                                                 {"period", d.periodLine},
                                                 {"report", d.reportLine},
                                                 {"fuel only", d.fuelOnlyLine},
                                                 {"cost centre", d.costCentreLine},
                                                 {"road card", d.roadCardLine},
                                                 {"sort", d.sortLine},
                                                 {"direction", d.directionLine}};
    QSet<int> used;
    for (const auto& [what, line] : lines) {
        if (line < 0)
            continue;
        QVERIFY2(slotLines.contains(line), what);
        QVERIFY2(t.line(line).isEmpty(), what);
        QVERIFY2(!used.contains(line), what);
        used << line;
    }
    QCOMPARE(d.sortLine >= 0, !d.fixedSort);
    QCOMPARE(d.directionLine >= 0, !d.fixedSort);
    if (d.sortLine >= 0)
        QCOMPARE(d.directionLine, d.sortLine + 1);
    // A register that filters by period or vehicle has a line for it.
    if (d.period != PeriodKind::None)
        QVERIFY(d.periodLine >= 0);
    if (d.vehicleFilter != VehicleFilterKind::None)
        QVERIFY(d.vehicleLine >= 0);
    const bool costs = d.id == RegisterId::Koszty;
    QCOMPARE(d.fuelOnlyLine >= 0, costs);
    QCOMPARE(d.costCentreLine >= 0, costs);
    QCOMPARE(d.roadCardLine >= 0, costs);

    const SqlTemplate deletion =
        SqlTemplate::parse(d.isConsumption() ? d.deleteTemplate.arg(d.name) : d.deleteTemplate);
    QVERIFY(deletion.isValid());
    QVERIFY(!deletion.slotRuns().isEmpty());

    bool all = false;
    const QSet<QString> selected = selectedNames(text, &all);
    QVERIFY2(all || !selected.isEmpty(), qPrintable(text));
    auto isSelected = [&](const QString& field) {
        return all || selected.contains(field.toUpper());
    };
    for (const GridColumn& column : d.columns)
        QVERIFY2(isSelected(column.field), qPrintable(QStringLiteral("column ") + column.field));
    for (const auto& [field, conversion] : d.conversions)
        QVERIFY2(isSelected(field), qPrintable(QStringLiteral("conversion ") + field));
    for (const SearchField& search : d.searchFields)
        QVERIFY2(isSelected(search.field), qPrintable(QStringLiteral("search ") + search.field));
    QVERIFY(!d.keyFields.isEmpty());
    for (const QString& key : d.keyFields)
        QVERIFY2(isSelected(key), qPrintable(QStringLiteral("key ") + key));
    QVERIFY(!d.defaultSort.isEmpty());
    QVERIFY2(isSelected(d.defaultSort), qPrintable(d.defaultSort));

    if (d.fixedSort) {
        for (const GridColumn& column : d.columns)
            QVERIFY2(d.sortableField(column.field).isEmpty(), qPrintable(column.field));
        QVERIFY(d.sortableField(d.defaultSort).isEmpty());
    } else {
        QCOMPARE(d.sortableField(d.defaultSort.toLower()), d.defaultSort);
        for (const GridColumn& column : d.columns)
            QCOMPARE(d.sortableField(column.field).isEmpty(), !column.sortable);
    }
    QVERIFY(d.sortableField(QStringLiteral("NOSUCHFIELD")).isEmpty());

    QVERIFY(!d.caption.isEmpty());
    QVERIFY(!d.statementName.isEmpty());
    QVERIFY(!d.gridName.isEmpty());
    QVERIFY(!d.columns.isEmpty());
}

void TstSqlTemplate::registerByName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");  // -1: no register
    for (const RegisterDescriptor& d : Registers::all()) {
        const int i = int(d.id);
        QTest::addRow("%s", qPrintable(d.name)) << d.name << i;
        QTest::addRow("%s upper", qPrintable(d.name)) << d.name.toUpper() << i;
        if (d.isConsumption()) {
            QTest::addRow("%s", qPrintable(d.lpgTable)) << d.lpgTable << i;
            QTest::addRow("%s upper", qPrintable(d.lpgTable)) << d.lpgTable.toUpper() << i;
        }
    }
    QTest::newRow("mixed case") << "ZuzycieKmLpg" << int(RegisterId::ZuzycieKm);
    QTest::newRow("hours LPG") << "zuzyciemthlpg" << int(RegisterId::ZuzycieMth);
    QTest::newRow("unknown") << "samochody" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("part of a name") << "zuzycie " << -1;
}

void TstSqlTemplate::registerByName() {
    QFETCH(QString, name);
    QFETCH(int, index);
    const RegisterDescriptor* d = Registers::byName(name);
    if (index < 0) {
        QVERIFY(d == nullptr);
        return;
    }
    QVERIFY(d != nullptr);
    QCOMPARE(int(d->id), index);
}

QTEST_GUILESS_MAIN(TstSqlTemplate)
#include "tst_sqltemplate.moc"
