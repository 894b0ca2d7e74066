#include "data/records/ConsumptionStores.h"

#include "data/RecordTemplates.h"
#include "data/TmyDataBase.h"

namespace ConsumptionStores {

using K = FieldSlot::Kind;

namespace {

// The three templates of a register share their slot lines: the insert takes DATA,
// IDPOJAZD, the first value, TANKOWANIE and LICZNIK in lines 1 to 9; the update sets
// DATA and the three numbers in lines 3 to 9 and names the row by the vehicle in line 11
// and its stored date in line 13 (the update's key line).
RecordStore refuellingStore(RegisterId id, const char* insert, const char* update) {
    return RecordStore(id, QString::fromLatin1(insert), QString::fromLatin1(update),
                       {{QStringLiteral("DATA"), K::Date, 1, 3},
                        {QStringLiteral("IDPOJAZD"), K::Integer, 3, 11},
                        {firstField(id), K::Number, 5, 5},
                        {QStringLiteral("TANKOWANIE"), K::Number, 7, 7},
                        {QStringLiteral("LICZNIK"), K::Number, 9, 9}},
                       13);
}

}  // namespace

bool isRefuelling(RegisterId id) {
    return id == RegisterId::Zuzycie || id == RegisterId::ZuzycieKm || id == RegisterId::ZuzycieMth;
}

const RecordStore& refuellings(RegisterId id) {
    static const RecordStore continuous =
        refuellingStore(RegisterId::Zuzycie, "DBFInsertZuzycie", "DBFUpdateZuzycie");
    static const RecordStore distance =
        refuellingStore(RegisterId::ZuzycieKm, "DBFInsertZuzycieKm", "DBFUpdateZuzycieKm");
    static const RecordStore hours =
        refuellingStore(RegisterId::ZuzycieMth, "DBFInsertZuzycieMth", "DBFUpdateZuzycieMth");
    switch (id) {
        case RegisterId::ZuzycieKm:
            return distance;
        case RegisterId::ZuzycieMth:
            return hours;
        default:
            return continuous;
    }
}

const RecordStore& fuelPrices() {
    // The place is the one text; the update names the row by ID in line 9.
    static const RecordStore store(RegisterId::CenyPaliw, QStringLiteral("DBFInsertCenyPaliw"),
                                   QStringLiteral("DBFUpdateCenyPaliw"),
                                   {{QStringLiteral("DATA"), K::Date, 3, 1},
                                    {QStringLiteral("RODZAJPALIWA"), K::Integer, 5, 3},
                                    {QStringLiteral("BRUTTO"), K::Number, 7, 5},
                                    {QStringLiteral("MIEJSCE"), K::Text, 0, 0}},
                                   9);
    return store;
}

QString firstField(RegisterId id) {
    return id == RegisterId::Zuzycie ? QStringLiteral("BAK") : QStringLiteral("PRZEBIEG");
}

Consumption::Refuelling refuellingOf(RegisterId id, const Record& record) {
    return {record.number(firstField(id)), record.number(QStringLiteral("TANKOWANIE")),
            record.number(QStringLiteral("LICZNIK"))};
}

qint64 addErrorCode(RegisterId id) {
    return id == RegisterId::Zuzycie ? 169 : id == RegisterId::ZuzycieKm ? 551931 : 551933;
}

qint64 editErrorCode(RegisterId id) {
    return id == RegisterId::Zuzycie ? 170 : id == RegisterId::ZuzycieKm ? 551934 : 551936;
}

std::optional<qint64> filteredVehicle(const TmyDataBase& database, RegisterId id) {
    // The consumption registers list the vehicle by the key the filter resolved.
    if (Registers::get(id).vehicleFilter != VehicleFilterKind::VehicleKey)
        return std::nullopt;
    const qint64 key = database.chosenVehicle().key;
    return key > 0 ? std::optional<qint64>(key) : std::nullopt;
}

DbError remove(TmyDataBase& database, RegisterId id, qint64 vehicle, qint64 date) {
    const QString name = id == RegisterId::Zuzycie     ? QStringLiteral("DBFDeleteZuzycie")
                         : id == RegisterId::ZuzycieKm ? QStringLiteral("DBFDeleteZuzycieKm")
                                                       : QStringLiteral("DBFDeleteZuzycieMth");
    SqlTemplate statement = RecordTemplates::get(name, database.tableOf(id));
    statement.setLine(1, QString::number(vehicle));
    statement.setLine(3, QString::number(date));
    return database.DatabaseFirma().execute(statement.statement());
}

bool moveOntoTakenDay(TmyDataBase& database, RegisterId id, qint64 vehicle, qint64 oldDate,
                      const Record& record) {
    Transaction transaction(database.DatabaseFirma());
    DbError error = transaction.beginError();
    if (!error)
        error = remove(database, id, vehicle, oldDate);
    if (error) {
        database.errorReport().report(error, editErrorCode(id));
        return false;
    }
    // The merge reports its own failure; the transaction then undoes the delete.
    if (!database.mergeRefuelling(id, vehicle, record.integer(QStringLiteral("DATA")),
                                  refuellingOf(id, record)))
        return false;
    if (DbError commit = transaction.commit()) {
        database.errorReport().report(commit, editErrorCode(id));
        return false;
    }
    return true;
}

}  // namespace ConsumptionStores
