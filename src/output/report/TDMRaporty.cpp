#include "output/report/TDMRaporty.h"

#include "data/Money.h"
#include "data/TmyDataBase.h"
#include "data/engine/DbQuery.h"
#include "support/translation/TResourceTranslator.h"

#include <algorithm>
#include <cmath>

namespace {

// A stored number, also when a text column holds its digits.
std::optional<double> numberOf(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    bool ok = false;
    const double d = value.typeId() == QMetaType::QString ? value.toString().trimmed().toDouble(&ok)
                                                          : value.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

// Integer division rounding half away from zero.
qint64 divideRounded(qint64 value, qint64 divisor) {
    const qint64 half = divisor / 2;
    return value >= 0 ? (value + half) / divisor : -((-value + half) / divisor);
}

const QString kFuelPurchaseFlag = QStringLiteral("ISFUEL");

}  // namespace

void ReportContext::setVehicle(const ListModel& vehicles, int row) {
    vehicle = VehicleInfo();
    vehicleOwner.clear();
    if (row < 0 || row >= vehicles.rowCount())
        return;
    auto raw = [&](const char* field) { return vehicles.raw(row, QString::fromLatin1(field)); };
    vehicle.key = raw("IDPOJAZD").toLongLong();
    vehicle.registration = raw("NRREJ").toString();
    vehicle.make = raw("MARKA").toString();
    vehicle.capacity = raw("POJEMNOSC").toLongLong();
    vehicle.normFrom = raw("NORMAOD").toDouble();
    vehicle.normTo = raw("NORMADO").toDouble();
    vehicleOwner = raw("NREW").toString();
}

void ReportContext::readChosenVehicle(TmyDataBase& database) {
    const VehicleInfo& chosen = database.chosenVehicle();
    if (chosen.key < 0)
        return;
    chosenRegistration = chosen.registration;
    vehicle = chosen;
    DbError error;
    auto rows = database.runList(RegisterId::Pojazdy, database.filter(RegisterId::Pojazdy), &error);
    if (!rows) {
        database.errorReport().report(error, Registers::get(RegisterId::Pojazdy).listErrorCode);
        return;
    }
    ListModel vehicles(RegisterId::Pojazdy);
    vehicles.setTable(std::move(rows));
    if (const int row = vehicles.findRow({QString::number(chosen.key)}); row >= 0)
        setVehicle(vehicles, row);
}

TDMRaporty::TDMRaporty(ReportKind kind, ReportContext context, const ListModel& rows)
    : TDMRaporty(kind, std::move(context), rows.registerId(), rows.table()) {}

TDMRaporty::TDMRaporty(ReportKind kind, ReportContext context,
                       std::shared_ptr<const ListTable> rows)
    : TDMRaporty(kind, std::move(context), ReportVariableSets::registerOf(kind), std::move(rows)) {}

TDMRaporty::TDMRaporty(ReportKind kind, ReportContext context, RegisterId shownAs,
                       std::shared_ptr<const ListTable> rows)
    : m_context(std::move(context)), m_rows(shownAs) {
    m_rowCount = rows ? rows->rowCount() : (kind.set == VariableSet::RecordPrintout ? 1 : 0);
    m_rows.setTable(std::move(rows));
    for (const VariableDef& def : ReportVariableSets::of(kind))
        m_variables.insert(QString::fromLatin1(def.name), def);
    first();
}

void TDMRaporty::first() {
    m_row = 0;
    m_page = 1;
    m_totals.fill(0);
    m_addedAt.fill(-1);
    m_priceCount = 0;
}

void TDMRaporty::next() {
    if (m_row < m_rowCount)
        ++m_row;
}

bool TDMRaporty::atEnd() const {
    return m_row >= m_rowCount;
}

void TDMRaporty::pageStarted(int page) {
    m_page = page;
}

QString TDMRaporty::value(const QString& name) {
    const auto it = m_variables.constFind(name);
    if (it == m_variables.cend())
        return common(name);
    const VariableDef& def = *it;
    const Answer answer = this->answer(def);
    const int row = currentRow();
    const bool adds = def.total >= 0 && def.kind != ValueKind::Total &&
                      def.kind != ValueKind::AveragePrice && answer.amount && row >= 0 &&
                      (!def.onlyWithFuelKind || m_context.fuelKindChosen);
    // Once per row: the engine may ask again for a group header or a second object.
    if (adds && m_addedAt[def.total] != row) {
        m_totals[def.total] += *answer.amount;
        m_addedAt[def.total] = row;
        if (def.onlyWithFuelKind)
            ++m_priceCount;
    }
    return answer.text;
}

int TDMRaporty::currentRow() const {
    const int rows = m_rows.rowCount();
    if (rows == 0)
        return -1;
    // Past the last row (a summary band) the last row stays current.
    return std::clamp(m_row, 0, rows - 1);
}

QString TDMRaporty::shownText(const QString& field, int row) const {
    return row < 0 ? QString() : m_rows.displayField(row, field);
}

QString TDMRaporty::rawText(const QString& field, int row) const {
    return row < 0 ? QString() : m_format.plain(m_rows.raw(row, field));
}

TDMRaporty::Answer TDMRaporty::answer(const VariableDef& def) const {
    const int row = currentRow();
    const QString field = QString::fromLatin1(def.field);
    auto raw = [&](const QString& name) { return row < 0 ? QVariant() : m_rows.raw(row, name); };
    auto fixed2 = [&](const QString& name) -> Answer {
        const auto number = numberOf(raw(name));
        if (!number)
            return {};
        const QString text = m_format.number(*number, 2);
        return {text, Money::hundredths(text)};
    };
    switch (def.kind) {
        case ValueKind::Shown: {
            const QString text = shownText(field, row);
            return {text, def.total >= 0 ? Money::hundredths(text) : std::nullopt};
        }
        case ValueKind::Plain:
            return {rawText(field, row), std::nullopt};
        case ValueKind::Date:
            return {m_format.text(Conversion::Date, raw(field)), std::nullopt};
        case ValueKind::Time: {
            const QVariant value = raw(field);
            const auto number = value.isNull() ? std::optional<double>(0) : numberOf(value);
            if (row < 0 || !number)
                return {};
            const qint64 hhmm = std::llround(*number);
            return {hhmm == 0 ? QString(9, QLatin1Char(' ')) : m_format.time(hhmm), std::nullopt};
        }
        case ValueKind::Fixed2:
            return fixed2(field);
        case ValueKind::Mark:
            return {rawText(field, row) == QLatin1String("T") ? word(def.extra) : QString(),
                    std::nullopt};
        case ValueKind::Joined: {
            QStringList parts;
            for (const QString& part : field.split(QLatin1Char(' ')))
                parts << rawText(part, row);
            return {row < 0 ? QString() : parts.join(QString::fromUtf8(def.extra)), std::nullopt};
        }
        case ValueKind::Difference: {
            const QStringList fields = field.split(QLatin1Char(' '));
            const Answer minuend = fixed2(fields.value(0));
            const Answer subtrahend = fixed2(fields.value(1));
            if (!minuend.amount || !subtrahend.amount)
                return {};
            const qint64 difference = *minuend.amount - *subtrahend.amount;
            return {Money::text(difference), difference};
        }
        case ValueKind::Total:
            return {Money::text(m_totals.at(def.total)), std::nullopt};
        case ValueKind::FuelPurchase: {
            if (rawText(kFuelPurchaseFlag, row) != QLatin1String("T"))
                return {};
            const Answer litres = fixed2(field);
            const QString amount =
                litres.amount ? litres.text + QLatin1Char(' ') : QStringLiteral("0 ");
            return {word("Zakup paliwa:") + QLatin1Char(' ') + amount + word("l."), litres.amount};
        }
        case ValueKind::AveragePrice:
            if (!m_context.fuelKindChosen || m_priceCount == 0)
                return {};
            return {word("Średnia cena zakupu paliwa:") + QLatin1Char(' ') +
                        Money::text(divideRounded(m_totals.at(def.total), m_priceCount)),
                    std::nullopt};
        case ValueKind::Context:
            return {contextText(def.item), std::nullopt};
    }
    return {};
}

QString TDMRaporty::contextText(ContextItem item) const {
    const ReportContext& c = m_context;
    // No rows leave the summary at its start values: both dates print empty.
    const bool summarized = c.summary.lastDate != 0;
    switch (item) {
        case ContextItem::None:
            return {};
        case ContextItem::FuelKindText:
            return c.fuelKindText;
        case ContextItem::OrderText:
            return c.orderText;
        case ContextItem::CostCentre:
            return c.costCentre.isEmpty() ? QString() : QStringLiteral("Dla CK: ") + c.costCentre;
        case ContextItem::Subject:
            return c.subject;
        case ContextItem::Body:
            return c.body;
        case ContextItem::CompanyAddress:
            return c.companyAddress;
        case ContextItem::SummaryFirstDate:
            return summarized ? m_format.date(c.summary.firstDate) : QString();
        case ContextItem::SummaryLastDate:
            return summarized ? m_format.date(c.summary.lastDate) : QString();
        case ContextItem::SummaryAverage:
            return m_format.number(c.summary.average, 2);
    }
    return {};
}

QString TDMRaporty::common(const QString& name) const {
    const ReportContext& c = m_context;
    const bool vehicle = !c.vehicle.registration.isEmpty();
    if (name == QLatin1String("NRREJ"))
        return vehicle ? c.vehicle.registration + QStringLiteral(", ") + c.vehicle.make : QString();
    if (name == QLatin1String("POJEMNOSC"))
        return vehicle ? QString::number(c.vehicle.capacity) + QLatin1Char(' ') + word("cm3")
                       : QString();
    if (name == QLatin1String("NORMAOD"))
        return vehicle ? m_format.general(c.vehicle.normFrom) : QString();
    if (name == QLatin1String("NORMADO"))
        return vehicle ? m_format.general(c.vehicle.normTo) : QString();
    if (name == QLatin1String("WLASCICIEL"))
        return vehicle ? c.vehicleOwner : QString();
    if (name == QLatin1String("FIRMA"))
        return c.company;
    if (name == QLatin1String("KIERODANE"))
        return c.driverText;
    if (name == QLatin1String("NRKARTYPALIWOWEJ"))
        return c.fuelCard;
    if (name == QLatin1String("CURRENTNRREJ"))
        return c.chosenRegistration.isEmpty()
                   ? QString()
                   : word("Wybrany pojazd:") + QLatin1Char(' ') + c.chosenRegistration;
    if (name == QLatin1String("CURRENTDATE"))
        return currentDate();
    if (name == QLatin1String("WYSTAWIONO"))
        return c.issueDate ? word("Wystawiono") + QLatin1Char(' ') + *c.issueDate : QString();
    // A line to sign on, above the word.
    const QString signature = QString(21, QLatin1Char('_')) + QLatin1Char('\r');
    if (name == QLatin1String("WYSTAWIL"))
        return c.signedBy ? signature + word("Wystawił") : QString();
    if (name == QLatin1String("ZAAKCEPTOWAL"))
        return c.acceptedBy ? signature + word("Zaakceptował") : QString();
    if (name == QLatin1String("STRONA"))
        return QString::number(m_page);
    return {};
}

// The period filter keeps bounds only: a year is Y0000..Y1300, a month YM00..YM00+100,
// anything else a date range; a range open at its end runs to 99999999.
QString TDMRaporty::currentDate() const {
    const auto [lo, hi] = m_context.period;
    if (lo <= 0 || hi <= 0)
        return {};
    const qint64 year = lo / 10000;
    const qint64 month = lo / 100 % 100;
    if (lo % 10000 == 0 && hi == lo + 1300)
        return word("Dane z roku:") + QLatin1Char(' ') + QString::number(year);
    if (lo % 100 == 0 && hi == lo + 100 && month >= 1 && month <= 12)
        return word("Dane z miesiąca:") + QLatin1Char(' ') +
               QString::number(month).rightJustified(2, QLatin1Char('0')) + QLatin1Char('-') +
               QString::number(year);
    return word("Dane z okresu:") + QLatin1Char(' ') + m_format.date(lo) + QStringLiteral(" - ") +
           m_format.date(hi);
}

QString TDMRaporty::word(const char* polish) const {
    const QString text = QString::fromUtf8(polish);
    return m_context.translate ? m_context.translate(text) : tx(text);
}

QString TDMRaporty::companyAddress(TmyDataBase& database) {
    DbQuery rows;
    const SqlStatement statement(
        QStringLiteral("SELECT NAZWA, ULICA, NUMER, KOD, MIASTO FROM firma WHERE IDFIRMA = 1"));
    if (DbError error = database.DatabaseFirma().select(statement, &rows)) {
        database.errorReport().report(error, 2);
        return {};
    }
    if (!rows.next())
        return {};
    QStringList parts;
    for (const char* field : {"NAZWA", "ULICA", "NUMER", "KOD", "MIASTO"})
        parts << rows.text(QString::fromLatin1(field));
    return parts.join(QLatin1Char(' '));
}
