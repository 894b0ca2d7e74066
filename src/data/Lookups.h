#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class DbConnection;
class ErrorReport;

// One entry of a drop-down list: its key (a KOD, a vehicle key, a person's NREW, a card
// identifier), the text shown, and a second value where the list has one.
struct LookupEntry {
    QVariant key;
    QString text;
    QVariant extra;
};

// The drop-down lists of the dialogs and filters, read from the company database.
// Failures go to the error report with each list's code; the list is then empty.
class Lookups {
public:
    Lookups(DbConnection& company, ErrorReport& report) : m_company(company), m_report(report) {}

    // A coded dictionary (RDPOJ, RDWYD, STVAT, ...): KOD and OPIS, with UZUP1 as extra;
    // by KOD, except the payment kinds (by text) and VAT rates (by text, descending).
    QList<LookupEntry> dictionary(const QString& dictionaryCode);
    // Persons: NREW and the shown name, by name.
    QList<LookupEntry> persons();
    // Vehicles: IDPOJAZD and NRREJ, by NRREJ; extra holds {IDKIEROWCY, STAWKA}.
    QList<LookupEntry> vehicles();
    // Fuel cards: IDKARTY and "IDKARTY NAZWA".
    QList<LookupEntry> fuelCards();
    // Road cards: IDDROGOWA and NRKARTY, by NRKARTY.
    QList<LookupEntry> roadCards();
    // The registration numbers for the vehicle filter; errors are ignored.
    QStringList registrations();
    // The contractor suggestions (KONTR texts by text); errors are ignored.
    QStringList contractorSuggestions();
    // The texts of a dictionary that only suggests texts (CELWY, TRASY, ...), by text.
    QStringList suggestions(const QString& dictionaryCode);

    static qint64 errorCode(const QString& dictionaryCode);

private:
    QList<LookupEntry> run(const QString& sql, const QList<std::pair<QString, QVariant>>& binds,
                           qint64 errorCode, bool report);

    DbConnection& m_company;
    ErrorReport& m_report;
};
