#include "output/RecordByKey.h"

#include "data/FilterClauses.h"
#include "data/TmyDataBase.h"
#include "data/schema/Schema.h"

#include <QDate>
#include <QRegularExpression>

namespace {

const QString kKeyParameter = QStringLiteral(":PRINTKEY");

FoundRecord outcome(FoundRecord::Outcome kind, const QString& message) {
    FoundRecord result;
    result.outcome = kind;
    result.message = message;
    return result;
}

FoundRecord notFound(const RegisterDescriptor& d, const QString& key) {
    return outcome(FoundRecord::Outcome::NotFound,
                   QStringLiteral("Nie znaleziono pozycji %1 w rejestrze %2.").arg(key, d.name));
}

// A day written DD.MM.YYYY, as YYYYMMDD; nullopt for anything else.
std::optional<qint64> dayNumber(const QString& text) {
    const QDate date = QDate::fromString(text, QStringLiteral("dd.MM.yyyy"));
    if (!date.isValid())
        return std::nullopt;
    return qint64(date.year()) * 10000 + date.month() * 100 + date.day();
}

// The key column as the list statement must name it: after the alias of the register's
// own table, since the joined tables may have a field of the same name.
QString keyColumn(const RegisterDescriptor& d, const QString& field) {
    static const QRegularExpression from(
        QStringLiteral("\\bFROM\\s+\\w+(?:\\s+([a-z]\\w*))?\\s+(?:WHERE|LEFT|INNER|JOIN)\\b"));
    const QRegularExpressionMatch match = from.match(d.listTemplate);
    return match.hasMatch() && !match.captured(1).isEmpty()
               ? match.captured(1) + QLatin1Char('.') + field
               : field;
}

}  // namespace

namespace RecordByKey {

FoundRecord find(TmyDataBase& db, const QString& registerName, const QString& key, bool lpg) {
    const RegisterDescriptor* d = Registers::byName(registerName);
    if (!d)
        return outcome(FoundRecord::Outcome::Refused,
                       QStringLiteral("Nie ma takiego rejestru: %1.").arg(registerName));
    lpg =
        lpg || (d->isConsumption() && d->lpgTable.compare(registerName, Qt::CaseInsensitive) == 0);
    if (lpg && !d->isConsumption())
        return outcome(FoundRecord::Outcome::Refused,
                       QStringLiteral("Gaz LPG dotyczy tylko rejestrów zużycia paliwa."));

    FilterState state;
    QStringList keyValues;
    if (d->isConsumption()) {
        const qsizetype at = key.lastIndexOf(QLatin1Char('@'));
        const auto day = at > 0 ? dayNumber(key.mid(at + 1)) : std::nullopt;
        if (!day)
            return outcome(FoundRecord::Outcome::Refused,
                           QStringLiteral("Niepoprawny klucz tankowania %1 (oczekiwana postać "
                                          "NRREJ@DD.MM.RRRR).")
                               .arg(key));
        const QString registration = key.left(at);
        DbError error;
        const std::optional<VehicleInfo> vehicle = db.vehicleByRegistration(registration, &error);
        if (error) {
            db.errorReport().report(error, d->locateErrorCode);
            return outcome(FoundRecord::Outcome::Failed, error.message());
        }
        if (!vehicle)
            return notFound(*d, key);
        db.setLpg(d->id, lpg);
        FilterSelection selection;
        selection.vehicle = registration;
        db.applySelection(selection);
        // The whole history of the vehicle: continuous consumption needs the refuelling
        // before the one printed.
        state.vehicle = FilterClauses::vehicleByKey(vehicle->key);
        keyValues = {QString::number(vehicle->key), QString::number(*day)};
    } else if (d->id == RegisterId::Stawki) {
        const auto day = dayNumber(key);
        if (!day)
            return outcome(
                FoundRecord::Outcome::Refused,
                QStringLiteral("Niepoprawna data stawek %1 (oczekiwana postać DD.MM.RRRR).")
                    .arg(key));
        keyValues = {QString::number(*day)};
    } else {
        const QString field = d->keyFields.value(0);
        const TableDef* table = Schema::companyTable(d->name);
        const FieldDef* def = table ? table->field(field) : nullptr;
        QVariant bound = key;
        if (!def || def->kind != FieldKind::Text) {
            // A number key that is no whole number names no record.
            bool ok = false;
            const qint64 number = key.toLongLong(&ok);
            if (!ok)
                return notFound(*d, key);
            bound = number;
            keyValues = {QString::number(number)};
        } else {
            keyValues = {key};
        }
        // The master registers have no report slot; they are listed whole.
        if (d->reportLine >= 0)
            state.report = {QStringLiteral("AND %1 = %2").arg(keyColumn(*d, field), kKeyParameter),
                            {{kKeyParameter, bound}}};
    }

    DbError error;
    std::shared_ptr<ListTable> table = db.runList(d->id, state, &error);
    if (!table) {
        db.errorReport().report(error, d->listErrorCode);
        return outcome(FoundRecord::Outcome::Failed, error.message());
    }
    FoundRecord result;
    result.model = std::make_unique<ListModel>(d->id);
    result.model->setTable(std::move(table));
    result.row = result.model->findRow(keyValues);
    if (result.row < 0)
        return notFound(*d, key);
    result.outcome = FoundRecord::Outcome::Found;
    return result;
}

}  // namespace RecordByKey
