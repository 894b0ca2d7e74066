// The import windows on the offscreen platform, on SQLite and on PostgreSQL: a costs sheet
// loaded, verified without writing, imported twice and saved with its verdicts; what a new
// load keeps of the column lists; refuellings sent to the LPG table, a cancelled import and
// the saved layouts.
#include "ScriptedMessageService.h"
#include "TestCompany.h"
#include "admin/import/uImportKoszty.h"
#include "admin/import/uImportZuzycie.h"
#include "data/engine/RowInsert.h"
#include "output/CsvSheet.h"
#include "support/WholeFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TstImportWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void costsVerifyImportSaveAndKeepState();
    void loadKeepsOrClearsTheLists_data();
    void loadKeepsOrClearsTheLists();
    void lpgRefuellingsCancelAndLayouts();

private:
    QString writeSheet(const QString& name, const QStringList& lines);
    QString layoutsPath() const { return m_company->dataDirectory() + u"/importy.ini"_qs; }
    QStringList stored(const QString& sql);
    QString lastMessage() const;

    std::unique_ptr<TestCompany> m_company;
    ScriptedMessageService m_messages;
    QTemporaryDir m_files;
};

namespace {

QComboBox* list(const QWidget& window, const QString& name) {
    auto* found = window.findChild<QComboBox*>(name);
    if (!found)
        qFatal("no list %s", qPrintable(name));
    return found;
}

QPushButton* button(const QWidget& window, const QString& name) {
    auto* found = window.findChild<QPushButton*>(name);
    if (!found)
        qFatal("no button %s", qPrintable(name));
    return found;
}

// Which of the three action buttons can be clicked.
QStringList actions(const QWidget& window) {
    QStringList enabled;
    for (const QString& name : {u"zweryfikuj"_qs, u"rozpocznij"_qs, u"zapisz"_qs}) {
        if (button(window, name)->isEnabled())
            enabled << name;
    }
    return enabled;
}

QStringList column(const ImportWindow& window, int c) {
    const QAbstractItemModel* model = window.sheetModel();
    QStringList cells;
    for (int r = 0; r < model->rowCount(); ++r)
        cells << model->index(r, c).data().toString();
    return cells;
}

// Assigns sheet columns to lists: {list number, entry}.
void assign(const QWidget& window, const QList<std::pair<int, int>>& entries) {
    for (const auto& [number, entry] : entries)
        list(window, u"cb%1"_qs.arg(number))->setCurrentIndex(entry);
}

}  // namespace

void TstImportWindow::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QVERIFY(m_files.isValid());
    m_company = std::make_unique<TestCompany>();
    REQUIRE_LOCATION(m_company->place());
    QVERIFY2(m_company->create(DatabaseCreator::Contents::Empty, &m_messages),
             qPrintable(m_company->error()));
    for (const QString& plate : {u"WZ 100"_qs, u"WZ 200"_qs})
        QVERIFY(!insertRow(m_company->db().DatabaseFirma(), u"pojazdy"_qs,
                           {{"NRREJ", plate}, {"STATUS", 0.0}}));
}

void TstImportWindow::init() {
    QVERIFY(m_company);
    for (const char* table : {"koszty", "zuzycie", "zuzycielpg"})
        QVERIFY(m_company->db()
                    .DatabaseFirma()
                    .execute(SqlStatement(u"DELETE FROM "_qs + QString::fromLatin1(table)))
                    .ok());
    QFile::remove(layoutsPath());
    m_messages.clear();
}

QString TstImportWindow::writeSheet(const QString& name, const QStringList& lines) {
    const QString path = m_files.filePath(name);
    if (!WholeFile::write(path, lines.join(u"\r\n"_qs).toUtf8()))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QStringList TstImportWindow::stored(const QString& sql) {
    DbQuery rows;
    if (DbError error = m_company->db().DatabaseFirma().select(SqlStatement(sql), &rows))
        qFatal("%s", qPrintable(error.message()));
    QStringList found;
    while (rows.next()) {
        QStringList cells;
        for (int c = 0; c < rows.fieldCount(); ++c) {
            const QVariant value = rows.value(c);
            cells << (value.typeId() == QMetaType::QString
                          ? value.toString()
                          : QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest));
        }
        found << cells.join(u'|');
    }
    return found;
}

QString TstImportWindow::lastMessage() const {
    if (m_messages.shown().isEmpty())
        return {};
    const ScriptedMessageService::Shown& last = m_messages.shown().last();
    return last.title + u'|' + last.text;
}

void TstImportWindow::costsVerifyImportSaveAndKeepState() {
    const QString sheet =
        writeSheet(u"koszty.csv"_qs, {u"Data;Pojazd;Rodzaj;Netto;VAT;Brutto;Dokument"_qs,
                                      u"01-03-2024;WZ 100;Paliwo;100,00;23,00;123,00;FV 1"_qs,
                                      u"02-03-2024;XX 999;Paliwo;10,00;2,30;12,30;FV 2"_qs,
                                      u"03-03-2024;wz 200;Myjnia;20,00;4,60;24,60;FV 3"_qs});
    const QString costs =
        u"SELECT DATA, NRDOKUMENT, WARTBRUTTO, RODZWYD, NAZWATOWAR FROM koszty ORDER BY DATA"_qs;
    TfImportKoszty window(m_company->db(), m_messages, layoutsPath());
    window.show();
    QCOMPARE(window.windowTitle(), u"Import kosztów"_qs);
    QCOMPARE(actions(window), QStringList());
    QCOMPARE(list(window, u"cb19"_qs)->count(), 1);

    m_messages.answerFile(sheet);
    button(window, u"SpeedButton1"_qs)->click();
    QCOMPARE(m_messages.shown().last().title, u"Otwórz arkusz .CSV"_qs);
    QCOMPARE(window.sheetModel()->rowCount(), 4);
    QCOMPARE(window.sheetModel()->columnCount(), 9);
    QCOMPARE(window.sheetModel()->headerData(7, Qt::Horizontal).toString(), u"Zaimportowano?"_qs);
    QCOMPARE(column(window, 6), (QStringList{u"Dokument"_qs, u"FV 1"_qs, u"FV 2"_qs, u"FV 3"_qs}));
    QCOMPARE(list(window, u"cb1"_qs)->itemText(7), u"Kolumna #7"_qs);
    QCOMPARE(actions(window), QStringList{u"zweryfikuj"_qs});

    window.findChild<QCheckBox*>(u"pominPierwszy"_qs)->click();
    assign(window, {{1, 1}, {2, 2}, {3, 3}, {10, 7}, {12, 4}, {13, 5}, {14, 6}});
    const QStringList verified{QString(), u"Ok"_qs, u"Błędy"_qs, u"Ok"_qs};
    for (int pass = 0; pass < 2; ++pass) {
        button(window, u"zweryfikuj"_qs)->click();
        QCOMPARE(lastMessage(),
                 u"Uwaga|Wykryto błędy weryfikacji danych. Sprawdź komentarz w "
                 u"kolumnie po prawo w tabeli .CSV"_qs);
        QCOMPARE(column(window, 7), verified);
        QCOMPARE(column(window, 8),
                 (QStringList{{}, {}, u"Nie znaleziono podanego pojazdu"_qs, {}}));
        QCOMPARE(stored(costs), QStringList());
        QCOMPARE(actions(window), (QStringList{u"rozpocznij"_qs, u"zapisz"_qs}));
        // Any change of what the rows mean asks for a new verification.
        if (pass == 0) {
            assign(window, {{4, 3}});
            QCOMPARE(actions(window), QStringList{u"zweryfikuj"_qs});
        }
    }

    // The first import adds the good rows; the second finds them in the register.
    const QString question =
        u"Zalecamy wykonanie archiwizacji bazy danych przed dokonaniem "
        u"importu. W zweryfikowanym arkuszu wykryto błędy. Czy kontynuować "
        u"import danych z pominięciem usterek?"_qs;
    const QString withErrors =
        u"Informacja|Operacja zakończona Podczas importu pojawiły się "
        u"błędy. Prosze sprawdzić ich opis w tabeli .CSV. "_qs;
    const QStringList imported{u"20240301|FV 1|123|Paliwo|Paliwo"_qs,
                               u"20240303|FV 3|24.6|Myjnia|Myjnia"_qs};
    const QStringList expected[] = {verified, {{}, u"Pominięto"_qs, u"Błędy"_qs, u"Pominięto"_qs}};
    const QString summaries[] = {withErrors + u"Dodano wierszy: 2."_qs,
                                 withErrors + u"Dodano wierszy: 0. Pominięto wierszy: 2."_qs};
    for (int pass = 0; pass < 2; ++pass) {
        m_messages.clear();
        m_messages.answerQuestion(true);
        button(window, u"rozpocznij"_qs)->click();
        QCOMPARE(m_messages.texts().value(0), question);
        QCOMPARE(lastMessage(), summaries[pass]);
        QCOMPARE(column(window, 7), expected[pass]);
        QCOMPARE(stored(costs), imported);
    }
    QCOMPARE(column(window, 8).value(1), u"Wiersz jest już w rejestrze"_qs);
    QCOMPARE(ImportLayouts(layoutsPath(), ImportKind::Costs).last()->columnsText(ImportKind::Costs),
             u"DATA=1,NRREJ=2,RODZWYD=3,NAZWATOWAR=3,NRDOKUMENT=7,WARTNETTO=4,WARTVAT=5,"
             u"WARTBRUTTO=6"_qs);

    // The saved sheet is the grid under its header, in Windows-1250.
    const QString result = m_files.filePath(u"wynik.csv"_qs);
    m_messages.answerFile(result);
    button(window, u"zapisz"_qs)->click();
    QCOMPARE(lastMessage(), u"Informacja|Arkusz wynikowy zapisano."_qs);
    QFile saved(result);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QStringList> rows = CsvSheet::decode(saved.readAll(), TextEncoding::Windows1250);
    QCOMPARE(rows.size(), 5);
    QCOMPARE(rows[0].mid(6), (QStringList{u"Kolumna #7"_qs, u"Zaimportowano?"_qs, u"Uwagi"_qs}));
    for (int c = 0; c < 9; ++c) {
        QStringList saved;
        for (int r = 1; r < rows.size(); ++r)
            saved << rows[r].value(c);
        QCOMPARE(saved, column(window, c));
    }

    // Esc hides the window; shown again it has the same sheet, lists and state.
    QTest::keyClick(list(window, u"cb1"_qs), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    window.show();
    QCOMPARE(column(window, 7), expected[1]);
    QCOMPARE(list(window, u"cb10"_qs)->currentText(), u"Kolumna #7"_qs);
    QVERIFY(window.findChild<QCheckBox*>(u"pominPierwszy"_qs)->isChecked());
    QCOMPARE(actions(window), (QStringList{u"rozpocznij"_qs, u"zapisz"_qs}));
    QVERIFY(!m_messages.unusedAnswers());
}

void TstImportWindow::loadKeepsOrClearsTheLists_data() {
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("second");  // empty: a file that is not there
    QTest::addColumn<QString>("cb2");         // its entry after the second load
    QTest::addColumn<int>("entries");
    QTest::addColumn<QStringList>("firstColumn");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("message");
    const QStringList zweryfikuj{u"zweryfikuj"_qs};
    const QStringList loaded{u"c;d;e"_qs, u"f;g;h"_qs, u"i;j;k"_qs};
    const QStringList first{u"a"_qs, u"x"_qs};
    QTest::newRow("same columns, kept")
        << true << u";"_qs << loaded << u"Kolumna #2"_qs << 4
        << QStringList{u"c"_qs, u"f"_qs, u"i"_qs} << zweryfikuj << QString();
    QTest::newRow("tab separator, kept")
        << true << u"Tab"_qs << QStringList{u"c\td\te"_qs} << u"Kolumna #2"_qs << 4
        << QStringList{u"c"_qs} << zweryfikuj << QString();
    QTest::newRow("other column count, cleared")
        << true << u";"_qs << QStringList{u"c;d;e;f"_qs} << u"Brak danych"_qs << 5
        << QStringList{u"c"_qs} << zweryfikuj << QString();
    QTest::newRow("not kept, cleared")
        << false << u";"_qs << loaded << u"Brak danych"_qs << 4
        << QStringList{u"c"_qs, u"f"_qs, u"i"_qs} << zweryfikuj << QString();
    QTest::newRow("unreadable file")
        << true << u";"_qs << QStringList() << u"Kolumna #2"_qs << 4 << first << QStringList()
        << u"Błąd bazy danych|Błąd podczas otwierania pliku. Jeśli plik otwarty jest w innym "
           u"programie (Np. MS Excel), zamknij go i spróbuj załadować go ponownie. "_qs;
    QTest::newRow("no separator") << true << QString() << loaded << u"Kolumna #2"_qs << 4 << first
                                  << QStringList() << u"Błąd|Niepoprawny separator kolumn!"_qs;
}

void TstImportWindow::loadKeepsOrClearsTheLists() {
    QFETCH(bool, keep);
    QFETCH(QString, separator);
    QFETCH(QStringList, second);
    QFETCH(QString, cb2);
    QFETCH(int, entries);
    QFETCH(QStringList, firstColumn);
    QFETCH(QStringList, actions);
    QFETCH(QString, message);
    TfImportKoszty window(m_company->db(), m_messages, layoutsPath());
    window.show();
    QVERIFY(window.loadFile(writeSheet(u"first.csv"_qs, {u"a;b;c"_qs, u"x;y;z"_qs})));
    assign(window, {{2, 2}});
    button(window, u"zweryfikuj"_qs)->click();
    QCOMPARE(::actions(window), (QStringList{u"rozpocznij"_qs, u"zapisz"_qs}));

    window.findChild<QCheckBox*>(u"nieCzysc"_qs)->setChecked(keep);
    list(window, u"separator"_qs)->setEditText(separator);
    m_messages.clear();
    m_messages.answerFile(second.isEmpty() ? m_files.filePath(u"missing.csv"_qs)
                                           : writeSheet(u"second.csv"_qs, second));
    button(window, u"SpeedButton1"_qs)->click();
    QCOMPARE(list(window, u"cb2"_qs)->currentText(), cb2);
    QCOMPARE(list(window, u"cb2"_qs)->count(), entries);
    QCOMPARE(column(window, 0), firstColumn);
    QCOMPARE(::actions(window), actions);
    QVERIFY(lastMessage().startsWith(message));
    QCOMPARE(m_messages.shown().size(), message.isEmpty() ? 1 : 2);
}

void TstImportWindow::lpgRefuellingsCancelAndLayouts() {
    const QString sheet = writeSheet(
        u"lpg.csv"_qs, {u"05-03-2024;WZ 100;40,5;12000"_qs, u"06-03-2024;WZ 100;30;12500"_qs});
    const QString lpg = u"SELECT DATA, TANKOWANIE, LICZNIK FROM zuzycielpg ORDER BY DATA"_qs;
    auto window = std::make_unique<TfImportZuzycie>(m_company->db(), m_messages, layoutsPath());
    window->show();
    QCOMPARE(list(*window, u"cb3"_qs)->count(), 2);
    QVERIFY(window->loadFile(sheet));
    QCOMPARE(list(*window, u"cb3"_qs)->itemText(2), u"Kolumna #1"_qs);
    assign(*window, {{1, 1}, {2, 2}, {3, 1}, {4, 4}, {6, 3}});
    button(*window, u"zweryfikuj"_qs)->click();
    QCOMPARE(lastMessage(),
             u"Informacja|Nie wykryto problemów. Arkusz .CSV wydaje się być poprawny."_qs);

    // Cancelled before the first row, the import adds nothing; a new one adds every row.
    auto* stop = button(*window, u"przerwij"_qs);
    QVERIFY(!stop->isEnabled());
    QTimer::singleShot(0, stop, &QPushButton::click);
    m_messages.answerQuestion(true);
    button(*window, u"rozpocznij"_qs)->click();
    QCOMPARE(lastMessage(),
             u"Informacja|Operacja zakończona. Dodano wierszy: 0. Pominięto "
             u"wierszy: 2."_qs);
    QCOMPARE(column(*window, 5), (QStringList{u"Import przerwany"_qs, u"Import przerwany"_qs}));
    QCOMPARE(stored(lpg), QStringList());
    QVERIFY(!stop->isEnabled());
    m_messages.answerQuestion(true);
    button(*window, u"rozpocznij"_qs)->click();
    QCOMPARE(lastMessage(), u"Informacja|Operacja zakończona. Dodano wierszy: 2."_qs);
    QCOMPARE(stored(lpg), (QStringList{u"20240305|40.5|12000"_qs, u"20240306|30|12500"_qs}));
    QCOMPARE(stored(u"SELECT DATA FROM zuzycie"_qs), QStringList());
    QCOMPARE(window->findChild<QProgressBar*>(u"postep"_qs)->text(), u"2 z 2"_qs);

    // A layout saved under a name comes back when chosen.
    QComboBox* layouts = list(*window, u"uklad"_qs);
    layouts->setEditText(u"Karta LPG"_qs);
    button(*window, u"zapiszUklad"_qs)->click();
    QCOMPARE(layouts->count(), 1);
    assign(*window, {{3, 0}, {6, 0}});
    emit layouts->activated(0);
    QCOMPARE(list(*window, u"cb3"_qs)->currentText(), u"Gaz LPG"_qs);
    QCOMPARE(list(*window, u"cb6"_qs)->currentText(), u"Kolumna #3"_qs);

    // A new window starts from the last import's options, with no columns to offer.
    window = std::make_unique<TfImportZuzycie>(m_company->db(), m_messages, layoutsPath());
    window->show();
    QCOMPARE(list(*window, u"cb3"_qs)->currentText(), u"Gaz LPG"_qs);
    QCOMPARE(list(*window, u"cb6"_qs)->count(), 1);
    layouts = list(*window, u"uklad"_qs);
    QCOMPARE(layouts->itemText(0), u"Karta LPG"_qs);
    layouts->setEditText(u"Karta LPG"_qs);
    button(*window, u"usunUklad"_qs)->click();
    QCOMPARE(layouts->count(), 0);
    QCOMPARE(ImportLayouts(layoutsPath(), ImportKind::Refuellings).names(), QStringList());
    QVERIFY(!m_messages.unusedAnswers());
}

QTEST_MAIN(TstImportWindow)
#include "tst_importwindow.moc"
