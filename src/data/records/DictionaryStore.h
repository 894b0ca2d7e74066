#pragma once

#include "data/engine/SqlStatement.h"
#include "data/records/Record.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

class TmyDataBase;

// One entry of a coded dictionary (table slowniki).
struct DictionaryEntry {
    qint64 key = 0;  // KOD
    QString text;    // OPIS
    QString extra;   // UZUP1: "Tak"/"Nie" for expense kinds, the length of a route
    QString extra2;  // UZUP2
};

// The statements of the dictionary library and of the company data. Every failure is
// reported through the database's error report with the operation's code and comes back
// as nullopt or false; nothing is retried.
class DictionaryStore {
public:
    enum ErrorCode : qint64 {
        ListFailed = 36,
        InsertFailed = 50,
        DeleteFailed = 51,
        UpdateFailed = 52,
        KindsReadFailed = 3100,
        KindsWriteFailed = 3101,
        CompanyReadFailed = 2,
        CompanyCreateFailed = 500,
        CompanyWriteFailed = 3,
    };

    explicit DictionaryStore(TmyDataBase& database) : m_db(database) {}

    // The listing of a dictionary: by text, the VAT rates by text descending.
    static SqlStatement listStatement(const QString& dictionaryCode);
    std::optional<QList<DictionaryEntry>> list(const QString& dictionaryCode);
    // The new entry's KOD, as the insert itself assigned it.
    std::optional<qint64> insert(const QString& dictionaryCode, const QString& text,
                                 const QString& extra);
    // Writes text, extra and extra2 of the entry with entry.key.
    bool update(const QString& dictionaryCode, const DictionaryEntry& entry);
    bool remove(qint64 key);

    // The vehicle kinds a company may name: KOD 3 and 4 (motorcycle, moped) and the
    // sixteen free kinds, found by their number 5..20 in UZUP1. Keyed by kind number;
    // a kind the company lacks is absent.
    static constexpr int kFirstNamedKind = 3;
    static constexpr int kFirstFreeKind = 5;
    static constexpr int kLastFreeKind = 20;
    std::optional<QMap<int, QString>> vehicleKinds();
    // Writes every text of the map in one transaction: all of them or none.
    bool writeVehicleKinds(const QMap<int, QString>& texts);

    // The 21 text fields of the company data in the order the update binds them.
    static const QStringList& companyFields();
    // The row IDFIRMA 1, created empty when the company has none.
    std::optional<Record> companyData();
    bool writeCompanyData(const Record& data);

private:
    TmyDataBase& m_db;
};
