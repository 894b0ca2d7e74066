#include "shell/ReportSelectors.h"

#include "admin/ConfigPP.h"
#include "data/TmyDataBase.h"
#include "output/report/ReportStatements.h"
#include "registers/DateField.h"
#include "registers/LookupField.h"
#include "support/OVUtilities.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

void hint(QWidget* widget, const QString& text) {
    widget->setToolTip(text);
    widget->setStatusTip(text);
}

QLabel* note(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// A caption before a field, named after the field so that the language file reaches it.
QLabel* caption(const QString& text, const QString& field) {
    auto* label = new QLabel(text);
    label->setObjectName(field + QStringLiteral("Label"));
    return label;
}

// A sub-page's panel: label and field rows, pushed to the top.
QGridLayout* rows(QWidget* panel) {
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(8);
    return grid;
}

void finish(QGridLayout* grid) {
    grid->setRowStretch(grid->rowCount(), 1);
}

}  // namespace

ReportSelectors::ReportSelectors(TmyDataBase& database, const TconfigPP& options, QObject* parent)
    : QObject(parent), m_db(database) {
    m_panels.at(size_t(ReportPage::Vehicles)) = vehiclesPanel();
    m_panels.at(size_t(ReportPage::Drivers)) = driversPanel();
    m_panels.at(size_t(ReportPage::RoadCards)) = roadCardsPanel();
    m_panels.at(size_t(ReportPage::Other1)) = other1Panel();
    m_panels.at(size_t(ReportPage::Other2)) = other2Panel();
    m_issueRow = issueRow(options);
}

QWidget* ReportSelectors::vehiclesPanel() {
    auto* panel = new QWidget;
    QGridLayout* grid = rows(panel);
    grid->addWidget(note(QStringLiteral("InfoPojazd"),
                         QStringLiteral("Aby wygenerować raport / zestawienie dla pojazdu wskaż "
                                        "w filtrze u dołu odpowiedni pojazd.")),
                    0, 0, 1, 2);
    m_consumptionKind = new QComboBox;
    m_consumptionKind->setObjectName(QStringLiteral("rodzajPaliwaRaport"));
    m_consumptionKind->addItems({QStringLiteral("Paliwo płynne"), QStringLiteral("Gaz LPG")});
    hint(m_consumptionKind,
         QStringLiteral("Wybierz rodzaj paliwa, dla którego wygenerować raport"));
    grid->addWidget(caption(QStringLiteral("Rodzaj paliwa:"), QStringLiteral("rodzajPaliwaRaport")),
                    1, 0);
    grid->addWidget(m_consumptionKind, 1, 1);
    connect(m_consumptionKind, &QComboBox::activated, this, [this](int index) {
        m_db.setLpg(index == 1);
        emit lpgChosen(index == 1);
    });
    finish(grid);
    return panel;
}

QWidget* ReportSelectors::driversPanel() {
    auto* panel = new QWidget;
    QGridLayout* grid = rows(panel);
    m_driver = new LookupField(QStringLiteral("fIDKIEROWCY"));
    hint(m_driver->combo(),
         QStringLiteral("Wybierz z listy kierowcę dla którego zostanie wygenerowane zestawienie"));
    grid->addWidget(caption(QStringLiteral("Raporty dla kierowcy:"), QStringLiteral("fIDKIEROWCY")),
                    0, 0);
    grid->addWidget(m_driver, 0, 1);
    finish(grid);
    return panel;
}

QWidget* ReportSelectors::roadCardsPanel() {
    auto* panel = new QWidget;
    QGridLayout* grid = rows(panel);
    m_roadCard = new LookupField(QStringLiteral("filtrRaportDrogowa"));
    grid->addWidget(caption(QStringLiteral("Karta Drogowa:"), QStringLiteral("filtrRaportDrogowa")),
                    0, 0);
    grid->addWidget(m_roadCard, 0, 1);
    m_useCostCentre = new QCheckBox(QStringLiteral("Dla CK:"));
    m_useCostCentre->setObjectName(QStringLiteral("filtrRaportIsCk"));
    m_costCentre = new LookupField(QStringLiteral("filtrRaportCk"));
    const QString costCentreHint = QStringLiteral("Centrum Kosztów (Miejsce powstawania kosztów)");
    hint(m_costCentre->combo(), costCentreHint);
    hint(m_useCostCentre, costCentreHint);
    grid->addWidget(m_useCostCentre, 1, 0);
    grid->addWidget(m_costCentre, 1, 1);
    grid->addWidget(note(QStringLiteral("InfoDlaCK"),
                         QStringLiteral("\"Dla CK\" dotyczy zestawienia kosztów zakupu paliwa.")),
                    2, 0, 1, 2);
    // Choosing a cost centre means the user wants it applied.
    connect(m_costCentre, &LookupField::chosen, this, [this] {
        if (m_costCentre->hasChoice())
            m_useCostCentre->setChecked(true);
    });
    finish(grid);
    return panel;
}

QWidget* ReportSelectors::other1Panel() {
    auto* panel = new QWidget;
    QGridLayout* grid = rows(panel);
    m_fuelCard = new LookupField(QStringLiteral("fIDKARTY"));
    hint(m_fuelCard->combo(), QStringLiteral("Wskaż kartę paliwową dla której wygenerowane "
                                             "zostanie zestawienie"));
    grid->addWidget(caption(QStringLiteral("Karta paliwowa:"), QStringLiteral("fIDKARTY")), 0, 0);
    grid->addWidget(m_fuelCard, 0, 1);
    m_orderNumber = new QComboBox;
    m_orderNumber->setObjectName(QStringLiteral("RapNrZlecenia"));
    m_orderNumber->setEditable(true);
    m_orderNumber->setInsertPolicy(QComboBox::NoInsert);
    m_orderNumber->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_orderNumber->setMinimumContentsLength(18);
    hint(m_orderNumber, QStringLiteral("Wybierz zlecenie, dla którego przygotować raport (na "
                                       "podstawie numeru zlecenia)"));
    grid->addWidget(caption(QStringLiteral("Nr zlecenia"), QStringLiteral("RapNrZlecenia")), 1, 0);
    grid->addWidget(m_orderNumber, 1, 1);
    m_orderText = new QPlainTextEdit;
    m_orderText->setObjectName(QStringLiteral("rapZlecTresc"));
    m_orderText->setTabChangesFocus(true);
    m_orderText->setMinimumHeight(120);
    m_orderText->setMaximumHeight(220);
    grid->addWidget(caption(QStringLiteral("Treść zlecenia"), QStringLiteral("rapZlecTresc")), 2, 0,
                    Qt::AlignTop);
    grid->addWidget(m_orderText, 2, 1);
    finish(grid);
    return panel;
}

QWidget* ReportSelectors::other2Panel() {
    auto* panel = new QWidget;
    QGridLayout* grid = rows(panel);
    m_useFuelKind = new QCheckBox(QStringLiteral("Wskazane paliwo"));
    m_useFuelKind->setObjectName(QStringLiteral("filtrRaportPaliwo"));
    m_fuelKind = new LookupField(QStringLiteral("filtrPaliwoTyp"));
    grid->addWidget(m_useFuelKind, 0, 0);
    grid->addWidget(m_fuelKind, 0, 1);
    grid->addWidget(note(QStringLiteral("InfoWskazanePaliwo"),
                         QStringLiteral("\"Wskazane paliwo\" dotyczy rejestru cen paliw.")),
                    1, 0, 1, 2);
    connect(m_fuelKind, &LookupField::chosen, this, [this] {
        if (m_fuelKind->hasChoice())
            m_useFuelKind->setChecked(true);
    });
    finish(grid);
    return panel;
}

QWidget* ReportSelectors::issueRow(const TconfigPP& options) {
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("dataWystawienia"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_withIssueDate = new QCheckBox(QStringLiteral("Data wystawienia:"));
    m_withIssueDate->setObjectName(QStringLiteral("dataNaRaporcie"));
    m_withIssueDate->setChecked(options.cbRapData);
    m_issueDate = new DateField(QStringLiteral("dataRap"));
    m_issueDate->calendarButton()->setObjectName(QStringLiteral("DTPDataRap"));
    const QDate today = QDate::currentDate();
    m_issueDate->setDateNumber(today.year() * 10000LL + today.month() * 100 + today.day());
    m_issueDate->setEnabled(m_withIssueDate->isChecked());
    connect(m_withIssueDate, &QCheckBox::toggled, m_issueDate, &QWidget::setEnabled);
    layout->addWidget(m_withIssueDate);
    layout->addWidget(m_issueDate);
    layout->addStretch(1);
    return row;
}

void ReportSelectors::refreshLists() {
    Lookups& lookups = m_db.lookups();
    m_driver->setEntries(lookups.persons());
    m_roadCard->setEntries(lookups.roadCards());
    m_costCentre->setEntries(lookups.dictionary(QStringLiteral("CKKOD")));
    m_fuelCard->setEntries(lookups.fuelCards());
    m_fuelKind->setEntries(lookups.dictionary(QStringLiteral("RDPAL")));
}

void ReportSelectors::refreshOrderNumbers() {
    const QString typed = m_orderNumber->currentText();
    const QStringList numbers =
        ReportStatements::orderNumbers(m_db, m_db.filter(RegisterId::Zlecenia));
    m_orderNumber->clear();
    m_orderNumber->addItems(numbers);
    m_orderNumber->setCurrentIndex(-1);
    m_orderNumber->setEditText(typed);
}

ReportChoices ReportSelectors::choices() const {
    ReportChoices c;
    if (m_driver->hasChoice()) {
        c.driver = m_driver->key().toString();
        c.driverText = m_driver->text();
    }
    if (m_fuelCard->hasChoice())
        c.fuelCard = m_fuelCard->key().toString();
    if (m_roadCard->hasChoice())
        c.roadCard = m_roadCard->key().toLongLong();
    if (m_useCostCentre->isChecked() && m_costCentre->hasChoice()) {
        c.costCentre = m_costCentre->key().toLongLong();
        c.costCentreText = m_costCentre->text();
    }
    // As typed: the number is bound, so quotes and blanks are its own.
    c.orderNumber = m_orderNumber->currentText();
    c.orderText = m_orderText->toPlainText();
    if (m_useFuelKind->isChecked() && m_fuelKind->hasChoice())
        c.fuelKind = m_fuelKind->key().toLongLong();
    c.fuelKindText = m_consumptionKind->currentText();
    if (m_withIssueDate->isChecked() && m_issueDate->isValid())
        c.issueDate = TOVUtilities().dateNumberToText(m_issueDate->dateNumber());
    return c;
}

bool ReportSelectors::issueDateValid() const {
    return !m_withIssueDate->isChecked() || m_issueDate->isValid();
}

QWidget* ReportSelectors::issueDateEdit() const {
    return m_issueDate->edit();
}

void ReportSelectors::setIssueDateShown(bool shown) {
    m_withIssueDate->setChecked(shown);
}

void ReportSelectors::setLpg(bool lpg) {
    m_consumptionKind->setCurrentIndex(lpg ? 1 : 0);
}
