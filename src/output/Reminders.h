#pragma once

#include "admin/ConfigPP.h"
#include "support/CodePage.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>

class TmyDataBase;

// What a reminder is about. The same kinds serve the date check, the odometer check
// (inspections, repairs, equipment, documents, scheduler, tyres) and the store check.
enum class TermKind {
    InsuranceOC,         // pojazdy.DATAOC
    InsuranceAC,         // pojazdy.DATAAC
    Inspection,          // pojazdy.DATAPRZE, or LICZPRZEG by odometer
    WarrantyInspection,  // pojazdy.DATAPRZEGW, or LICZGWAR by odometer
    Repair,              // naprawy not done
    Equipment,           // wyposazenie
    Document,            // dokumenty
    FuelCard,            // kpaliwowe
    Scheduler,           // terminy, on the date its SPRODDO watches
    Tyres,               // opony
    LowStock,            // magazyn
};

// One term a check found, as values, so that the window, the command line and the
// calendar share one computation.
struct ReminderTerm {
    TermKind kind = TermKind::InsuranceOC;
    bool byOdometer = false;  // found by the odometer check
    qint64 date = 0;          // YYYYMMDD: the due date; odometer terms the record's own
                              // date where the list shows one; 0 for none
    double reading = 0;       // odometer terms: the reading at which the term falls due
    double odometer = 0;      // odometer terms: the vehicle's highest reading
    double quantity = 0;      // low stock: ILOSC
    double level = 0;         // low stock: PRZYPOMNIJ
    QString table;            // the record's table, e.g. "naprawy"
    QVariant key;             // the record's key (a fuel card's is its text IDKARTY)
    qint64 vehicle = 0;       // the vehicle the record names; 0 for none
    QString vehicleLabel;     // NRREJ, " ", MARKA of that vehicle; empty when none
    // The term as the list words it: date terms the line after its date and blank,
    // odometer terms the indented line without its two blanks, low stock its line.
    QString text;
};

// One check's list.
struct ReminderList {
    QStringList lines;          // exactly the lines the window shows and saves
    QList<ReminderTerm> terms;  // what the lines list, in their order
    bool found = false;         // a term was listed (else lines is "Niczego nie znaleziono")
    QList<qint64> failedCodes;  // the sections that failed, each already reported

    bool failed() const { return !failedCodes.isEmpty(); }
    // The text the window saves: every line ended by CR LF, in the given encoding.
    QByteArray bytes(TextEncoding encoding = TextEncoding::Windows1250) const;
};

// A date term is listed when lower < date <= upper (both YYYYMMDD); a date of 0 never.
struct DateSpan {
    qint64 lower = 0;
    qint64 upper = 99999999;

    // From B days before a term until A days after it (for ever when A is 0).
    static DateSpan window(const QDate& today, int daysBefore, int daysAfter);
    // Both days included; a null date leaves that end open.
    static DateSpan between(const QDate& from, const QDate& to);
};

// A vehicle in use with odometer readings, and its highest reading.
struct VehicleReading {
    qint64 vehicle = 0;
    QString label;  // NRREJ, " ", MARKA
    double odometer = 0;
    double inspectionAt = 0;  // LICZPRZEG
    double warrantyAt = 0;    // LICZGWAR
};

// The reminder checks of the whole company database, whatever the main window's
// filters: by date, by odometer reading and of the store. No widget: the reminder window
// shows the lists, flotanor-cli prints them, the calendar export takes their terms.
// A section that fails is reported through the data module's error report with its
// code and the other sections still run.
class Reminders {
public:
    // options: the windows of days and kilometres and the switches of the sections.
    Reminders(TmyDataBase& database, const TconfigPP& options,
              const QDate& today = QDate::currentDate(), const QLocale& locale = QLocale());

    // The section labels pass through the translation of the form texts.
    void setTranslator(std::function<QString(const QString&)> translate);

    // The three lists, with the sections their options switch on.
    ReminderList dateCheck();
    ReminderList odometerCheck();
    ReminderList storeCheck();  // the store list with its current clauses and order

    // Every dated term over a span, from every section whatever the options (the
    // calendar); no "Niczego nie znaleziono" line.
    ReminderList datedTerms(const DateSpan& span);

    // The date sections. Each appends the terms in span, in its order, to the list and
    // gives false when it failed (reported with its code).
    bool insuranceOC(const DateSpan& span, ReminderList& list);         // 190
    bool insuranceAC(const DateSpan& span, ReminderList& list);         // 191
    bool inspection(const DateSpan& span, ReminderList& list);          // 193
    bool warrantyInspection(const DateSpan& span, ReminderList& list);  // 194
    bool repairs(const DateSpan& span, ReminderList& list);             // 195
    bool equipment(const DateSpan& span, ReminderList& list);           // 196
    bool documents(const DateSpan& span, ReminderList& list);           // 197
    bool fuelCards(const DateSpan& span, ReminderList& list);           // 198
    bool scheduler(const DateSpan& span, ReminderList& list);           // 58198
    bool tyres(const DateSpan& span, ReminderList& list);               // 58199

    // The vehicles in use with readings, in ascending key; readings of a vehicle that is
    // missing or not in use are passed over. nullopt when it failed (331934).
    std::optional<QList<VehicleReading>> vehicleReadings();
    // The odometer sections: the terms inside the kilometre window of each vehicle, per
    // vehicle in descending reading, appended to terms. False when the section failed,
    // reported with its code: repairs 185303, equipment 185304, documents 185306,
    // scheduler 185307, tyres 185308 (the vehicle's own inspections read no table).
    using Terms = QList<ReminderTerm>;
    bool inspectionReadings(const QList<VehicleReading>& vehicles, Terms& terms);
    bool warrantyReadings(const QList<VehicleReading>& vehicles, Terms& terms);
    bool repairReadings(const QList<VehicleReading>& vehicles, Terms& terms);
    bool equipmentReadings(const QList<VehicleReading>& vehicles, Terms& terms);
    bool documentReadings(const QList<VehicleReading>& vehicles, Terms& terms);
    bool schedulerReadings(const QList<VehicleReading>& vehicles, Terms& terms);
    bool tyreReadings(const QList<VehicleReading>& vehicles, Terms& terms);

    // A term at reading term is listed from kmBefore km before it until kmAfter km after
    // it (for ever when kmAfter is 0); a term at 0 never.
    static bool inOdometerWindow(double term, double odometer, int kmBefore, int kmAfter);

    static QString nothingFound() { return QStringLiteral("Niczego nie znaleziono"); }
    static QString lowStockHeading() {
        return QStringLiteral("Niski stan magazynowy następujących części:");
    }

private:
    bool runDateSection(TermKind kind, const DateSpan& span, ReminderList& list);
    bool runReadingSection(TermKind kind, const QList<VehicleReading>& vehicles,
                           QList<ReminderTerm>& terms);
    bool ownReadings(TermKind kind, const QList<VehicleReading>& vehicles,
                     QList<ReminderTerm>& terms);
    QString tr(const char* label) const;
    QString date(qint64 yyyymmdd) const;
    QString number(double value) const;

    TmyDataBase& m_db;
    TconfigPP m_options;
    QDate m_today;
    QLocale m_locale;
    std::function<QString(const QString&)> m_translate;
};
