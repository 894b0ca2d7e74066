#pragma once

#include "output/report/ReportCatalogue.h"
#include "output/report/ReportRunner.h"

#include <QObject>
#include <array>

class DateField;
class LookupField;
class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QWidget;
class TmyDataBase;
struct TconfigPP;

// What the reports page lets the user choose before a report runs: the fuel kind of the
// consumption reports, the driver, the road card and cost centre, the fuel card, the order
// number and text, the fuel kind of the price list and the date of issue. Each sub-page
// shows its own panel of them; the choices stay as the user left them.
class ReportSelectors : public QObject {
    Q_OBJECT

public:
    ReportSelectors(TmyDataBase& database, const TconfigPP& options, QObject* parent = nullptr);

    // The selectors of a sub-page (nullptr when it has none), and the date of issue that
    // serves every sub-page. The page that shows them owns them.
    QWidget* panel(ReportPage page) const { return m_panels.at(size_t(page)); }
    QWidget* issueDateRow() const { return m_issueRow; }

    // The drivers, road cards, cost centres, fuel cards and fuel kinds read again; what
    // was chosen stays chosen while it exists.
    void refreshLists();
    // The order numbers under the orders' current vehicle and period; the typed text stays.
    void refreshOrderNumbers();

    // Everything but the filter bar's selection, the company and the translation.
    ReportChoices choices() const;
    // False when "Data wystawienia:" is checked and its field holds no valid date.
    bool issueDateValid() const;
    QWidget* issueDateEdit() const;

    QPlainTextEdit* orderText() const { return m_orderText; }
    // A consumption register's fuel kind, mirrored here without switching anything.
    void setLpg(bool lpg);
    // "Data wystawienia:" as the options set it.
    void setIssueDateShown(bool shown);

signals:
    // The user chose the consumption reports' fuel kind (the data module already follows).
    void lpgChosen(bool lpg);

private:
    QWidget* vehiclesPanel();
    QWidget* driversPanel();
    QWidget* roadCardsPanel();
    QWidget* other1Panel();
    QWidget* other2Panel();
    QWidget* issueRow(const TconfigPP& options);

    TmyDataBase& m_db;
    std::array<QWidget*, 6> m_panels{};
    QWidget* m_issueRow = nullptr;
    QComboBox* m_consumptionKind = nullptr;  // rodzajPaliwaRaport
    LookupField* m_driver = nullptr;         // fIDKIEROWCY
    LookupField* m_roadCard = nullptr;       // filtrRaportDrogowa
    QCheckBox* m_useCostCentre = nullptr;    // filtrRaportIsCk
    LookupField* m_costCentre = nullptr;     // filtrRaportCk
    LookupField* m_fuelCard = nullptr;       // fIDKARTY
    QComboBox* m_orderNumber = nullptr;      // RapNrZlecenia
    QPlainTextEdit* m_orderText = nullptr;   // rapZlecTresc
    QCheckBox* m_useFuelKind = nullptr;      // filtrRaportPaliwo
    LookupField* m_fuelKind = nullptr;       // filtrPaliwoTyp
    QCheckBox* m_withIssueDate = nullptr;    // dataNaRaporcie
    DateField* m_issueDate = nullptr;        // dataRap
};
