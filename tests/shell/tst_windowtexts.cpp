#include "output/report/ReportLayout.h"
#include "shell/WindowTexts.h"
#include "support/translation/TResourceTranslator.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A window with one control of each kind the language file reaches.
struct Window {
    QDialog dialog;
    QLabel* label = new QLabel(QStringLiteral("Data:"));
    QPushButton* save = new QPushButton(QStringLiteral("&Zapisz"));
    QCheckBox* vat = new QCheckBox(QStringLiteral("Czy księgować VAT?"));
    QRadioButton* radio = new QRadioButton(QStringLiteral("Wszystkie"));
    QToolButton* tool = new QToolButton;
    QComboBox* fuel = new QComboBox;
    QComboBox* typed = new QComboBox;
    QGroupBox* box = new QGroupBox(QStringLiteral("Okres"));
    QTabWidget* tabs = new QTabWidget;
    QTableWidget* grid = new QTableWidget(0, 2);
    QLabel* unnamed = new QLabel(QStringLiteral("Uwagi:"));
    QAction* action = new QAction(QStringLiteral("Drukuj"), &dialog);

    Window() {
        dialog.setObjectName(QStringLiteral("fTest"));
        dialog.setWindowTitle(QStringLiteral("Koszt"));
        label->setObjectName(QStringLiteral("Label1"));
        save->setObjectName(QStringLiteral("BZapisz"));
        save->setToolTip(QStringLiteral("Zapisz zmiany"));
        vat->setObjectName(QStringLiteral("fCZYVAT"));
        radio->setObjectName(QStringLiteral("RadioButton1"));
        tool->setObjectName(QStringLiteral("SpeedButton1"));
        tool->setText(QStringLiteral(" Dodaj "));
        fuel->setObjectName(QStringLiteral("rPaliwa"));
        fuel->addItems({QStringLiteral("Paliwo płynne"), QStringLiteral("Gaz LPG")});
        typed->setObjectName(QStringLiteral("symbolVAT"));
        typed->setEditable(true);
        typed->addItems({QStringLiteral("Tak"), QStringLiteral("2026")});
        box->setObjectName(QStringLiteral("GroupBox1"));
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet1"));
        tabs->setObjectName(QStringLiteral("PageControl1"));
        tabs->addTab(page, QStringLiteral("Ogólne"));
        grid->setObjectName(QStringLiteral("Grid"));
        grid->setHorizontalHeaderLabels({QStringLiteral("Nr rej."), QStringLiteral("Kwota")});
        action->setObjectName(QStringLiteral("Drukuj1"));
        auto* layout = new QVBoxLayout(&dialog);
        for (QWidget* w :
             {static_cast<QWidget*>(label), static_cast<QWidget*>(save), static_cast<QWidget*>(vat),
              static_cast<QWidget*>(radio), static_cast<QWidget*>(tool),
              static_cast<QWidget*>(fuel), static_cast<QWidget*>(typed), static_cast<QWidget*>(box),
              static_cast<QWidget*>(tabs), static_cast<QWidget*>(grid),
              static_cast<QWidget*>(unnamed)})
            layout->addWidget(w);
    }
};

}  // namespace

class TestWindowTexts : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Generating a window's section and reading back a translated copy of it sets every
    // text it wrote, and only those.
    void generateThenTranslate() {
        Window designed;
        const QString file = m_dir.filePath(QStringLiteral("english.ini"));
        QVERIFY(WindowTexts::generate(designed.dialog, file));
        QCOMPARE(WindowTexts::unnamed(designed.dialog), QStringList{"QLabel \"Uwagi:\""});

        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString generated = QString::fromUtf8(f.readAll());
        f.close();
        QVERIFY(generated.startsWith(QStringLiteral("[QDialog]\r\n")));
        QVERIFY(generated.contains(QStringLiteral("SpeedButton1.caption=~Dodaj~\r\n")));
        QVERIFY(!generated.contains(QStringLiteral("symbolVAT.0.item")));

        QString english = generated;
        const QList<QPair<QString, QString>> replacements = {
            {"fTest.caption=Koszt", "fTest.caption=Cost"},
            {"Label1.caption=Data:", "Label1.caption=Date:"},
            {"BZapisz.text=&Zapisz", "BZapisz.text=&Save"},
            {"BZapisz.hint=Zapisz zmiany", "BZapisz.hint=Save changes"},
            {"fCZYVAT.text=Czy księgować VAT?", "fCZYVAT.text=Book VAT?"},
            {"RadioButton1.caption=Wszystkie", "RadioButton1.caption=All"},
            {"SpeedButton1.caption=~Dodaj~", "SpeedButton1.caption=~Add~"},
            {"rPaliwa.0.item=Paliwo płynne", "rPaliwa.0.item=Liquid fuel"},
            {"GroupBox1.caption=Okres", "GroupBox1.caption=Period"},
            {"TabSheet1.caption=Ogólne", "TabSheet1.caption=General"},
            {"Grid.0.caption=Nr rej.", "Grid.0.caption=Reg. no."},
            {"Drukuj1.caption=Drukuj", "Drukuj1.caption=Print"},
        };
        for (const auto& [from, to] : replacements) {
            QVERIFY2(english.contains(from), qPrintable(from));
            english.replace(from, to);
        }
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(english.toUtf8());
        f.close();

        Window shown;
        WindowTexts::translate(shown.dialog, TResourceTranslator(file));
        QCOMPARE(shown.dialog.windowTitle(), "Cost");
        QCOMPARE(shown.label->text(), "Date:");
        QCOMPARE(shown.save->text(), "&Save");
        QCOMPARE(shown.save->toolTip(), "Save changes");
        QCOMPARE(shown.vat->text(), "Book VAT?");
        QCOMPARE(shown.radio->text(), "All");
        QCOMPARE(shown.tool->text(), " Add ");
        QCOMPARE(shown.fuel->itemText(0), "Liquid fuel");
        QCOMPARE(shown.fuel->itemText(1), "Gaz LPG");
        QCOMPARE(shown.typed->itemText(0), "Tak");  // typed values stay as stored
        QCOMPARE(shown.box->title(), "Period");
        QCOMPARE(shown.tabs->tabText(0), "General");
        QCOMPARE(shown.grid->horizontalHeaderItem(0)->text(), "Reg. no.");
        QCOMPARE(shown.grid->horizontalHeaderItem(1)->text(), "Kwota");
        QCOMPARE(shown.action->text(), "Print");
        QCOMPARE(shown.unnamed->text(), "Uwagi:");
    }

    // An empty tool button caption keeps the designed one; an empty value of another
    // control empties its text, as the file says.
    void emptyValues() {
        Window w;
        WindowTexts::translate(w.dialog, QHash<QString, QString>{
                                             {QStringLiteral("speedbutton1.caption"), QString()},
                                             {QStringLiteral("label1.caption"), QString()},
                                         });
        QCOMPARE(w.tool->text(), " Dodaj ");
        QCOMPARE(w.label->text(), QString());
    }

    // A report object's whole text, placeholders as written, is what the "Reports" keys
    // match; the translation may move the placeholders.
    void reportLayout() {
        const QString file = m_dir.filePath(QStringLiteral("reports.ini"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            "[Reports]\r\n"
            "1Wystawił<br>=Issued by<br>\r\n"
            "2Strona [STRONA] z [@PAGES]<br>=[STRONA]/[@PAGES] pages<br>\r\n"
            "3Razem=Total\r\n");
        f.close();
        const TResourceTranslator translator(file);
        ReportLayout layout;
        Band band;
        auto text = [](QList<TextPart> parts) {
            LayoutObject o;
            o.parts = std::move(parts);
            return o;
        };
        band.objects << text({{QStringLiteral("Wystawił"), false}})
                     << text({{QStringLiteral("Strona "), false},
                              {QStringLiteral("STRONA"), true},
                              {QStringLiteral(" z "), false},
                              {QStringLiteral("@PAGES"), true}})
                     << text({{QStringLiteral("Razem"), false}});
        layout.bands << band;
        layout.translateTexts(
            [&translator](const QString& t) { return translator.translateReport(t); });
        const QList<LayoutObject>& objects = layout.bands[0].objects;
        QCOMPARE(objects[0].parts, (QList<TextPart>{{QStringLiteral("Issued by"), false}}));
        QCOMPARE(objects[1].parts, (QList<TextPart>{{QStringLiteral("STRONA"), true},
                                                    {QStringLiteral("/"), false},
                                                    {QStringLiteral("@PAGES"), true},
                                                    {QStringLiteral(" pages"), false}}));
        // Without the final line end the key is another text.
        QCOMPARE(objects[2].parts, (QList<TextPart>{{QStringLiteral("Razem"), false}}));
    }
};

QTEST_MAIN(TestWindowTexts)
#include "tst_windowtexts.moc"
