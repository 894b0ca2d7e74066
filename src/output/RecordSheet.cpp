#include "output/RecordSheet.h"

#include "data/DisplayFormat.h"
#include "data/ListModel.h"
#include "data/Money.h"
#include "data/TmyDataBase.h"
#include "data/records/DictionaryStore.h"
#include "data/records/Record.h"
#include "data/records/TripStores.h"
#include "output/RecordSheetTables.h"

#include <QHash>
#include <cmath>

namespace {

// An amount field shows two decimals. The stored number is read in its shortest decimal
// form, so that its decimal digits, not its binary fraction, decide the last grosz.
QString twoDecimals(const QVariant& stored) {
    QString digits;
    if (stored.typeId() == QMetaType::QString)
        digits = stored.toString();
    else if (stored.isValid() && !stored.isNull())
        digits = QString::number(stored.toDouble(), 'g', QLocale::FloatingPointShortest);
    return Money::text(Money::hundredths(digits).value_or(0));
}

// A time field shows HH:MM, and nothing for a value that is no time of day.
QString timeText(qint64 hhmm) {
    if (hhmm <= 0 || hhmm > 9999)
        return {};
    const QString digits = QStringLiteral("%1").arg(hhmm, 4, 10, QLatin1Char('0'));
    return digits.left(2) + QLatin1Char(':') + digits.mid(2);
}

// The entry a drop-down list chooses for a stored key: numeric keys compare as numbers,
// text keys as texts; nothing is chosen for no key.
QString entryText(const QList<LookupEntry>& entries, const QVariant& key) {
    if (!key.isValid() || key.isNull())
        return {};
    const QString text = key.toString();
    for (const LookupEntry& entry : entries) {
        const bool numeric = entry.key.typeId() != QMetaType::QString;
        if (numeric ? !text.isEmpty() && entry.key.toDouble() == key.toDouble()
                    : entry.key.toString() == text)
            return entry.text;
    }
    return {};
}

// Reads the values of one row, keeping each list it looked up for the rest of the sheet.
class SheetReader {
public:
    using Translate = std::function<QString(const QString&)>;

    SheetReader(TmyDataBase& db, const Translate& tr, const ListModel& model, int row)
        : m_db(db), m_tr(tr), m_model(model), m_row(row), m_record(Record::fromRow(model, row)) {}

    QString value(const SheetField& f);
    QStringList kindRateLines();

private:
    const QList<LookupEntry>& list(const QString& name,
                                   const std::function<QList<LookupEntry>()>& load);
    QString person(const QString& field);

    TmyDataBase& m_db;
    const Translate& m_tr;
    const ListModel& m_model;
    int m_row;
    Record m_record;
    DisplayFormat m_format;
    QHash<QString, QList<LookupEntry>> m_lists;
};

const QList<LookupEntry>& SheetReader::list(const QString& name,
                                            const std::function<QList<LookupEntry>()>& load) {
    auto it = m_lists.find(name);
    if (it == m_lists.end())
        it = m_lists.insert(name, load());
    return *it;
}

QString SheetReader::person(const QString& field) {
    // Earlier releases stored a cleared person as "0".
    const QString key = m_record.text(field).trimmed();
    if (key.isEmpty() || key == QLatin1String("0"))
        return {};
    return entryText(list(QStringLiteral("persons"), [this] { return m_db.lookups().persons(); }),
                     key);
}

QString SheetReader::value(const SheetField& f) {
    const Record& r = m_record;
    switch (f.value) {
        case SheetValue::Text:
            return r.text(f.field);
        case SheetValue::Date:
            return m_format.date(r.integer(f.field));
        case SheetValue::Time:
            return timeText(r.integer(f.field));
        case SheetValue::Decimal2:
            return twoDecimals(r.value(f.field));
        case SheetValue::Decimal4:
            // A rate set without this kind's rate leaves its field empty.
            return r.contains(f.field) ? m_format.number(r.number(f.field), 4) : QString();
        case SheetValue::Whole:
            return QString::number(r.integer(f.field));
        case SheetValue::WholeOrEmpty:
            return r.isNull(f.field) ? QString() : QString::number(r.integer(f.field));
        case SheetValue::Year: {
            const qint64 year = r.integer(f.field);
            return year > 0 ? QString::number(year) : QString();
        }
        case SheetValue::General:
            return m_format.general(r.number(f.field));
        case SheetValue::YesNo:
            return m_tr(r.flag(f.field) ? QStringLiteral("TAK") : QStringLiteral("NIE"));
        case SheetValue::Status: {
            // The status list falls back to its first entry for a number it does not know.
            const QString name = DisplayFormat::statusName(r.integer(f.field));
            return m_tr(name.isEmpty() ? DisplayFormat::statusName(0) : name);
        }
        case SheetValue::WatchedDate:
            return m_tr(r.text(f.field) == QLatin1String("O") ? QStringLiteral("Datę od")
                                                              : QStringLiteral("Datę do"));
        case SheetValue::Dictionary:
            return entryText(list(QStringLiteral("dictionary ") + f.dictionary,
                                  [this, &f] { return m_db.lookups().dictionary(f.dictionary); }),
                             r.value(f.field));
        case SheetValue::Person:
            return person(f.field);
        case SheetValue::Vehicle:
            return entryText(
                list(QStringLiteral("vehicles"), [this] { return m_db.lookups().vehicles(); }),
                r.value(f.field));
        case SheetValue::FuelCard:
            return entryText(
                list(QStringLiteral("fuel cards"), [this] { return m_db.lookups().fuelCards(); }),
                r.value(f.field));
        case SheetValue::RoadCard:
            return entryText(
                list(QStringLiteral("road cards"), [this] { return m_db.lookups().roadCards(); }),
                r.value(f.field));
        case SheetValue::Listed:
            return m_model.displayField(m_row, f.field);
        case SheetValue::FuelKind:
            return m_tr(m_db.lpg(m_model.registerId()) ? QStringLiteral("Gaz LPG")
                                                       : QStringLiteral("Paliwo płynne"));
        case SheetValue::ChosenVehicle:
            return m_db.chosenVehicle().registration;
    }
    return {};
}

QStringList SheetReader::kindRateLines() {
    // The rate dialog captions each kind by the company's name for it; a kind without a
    // name keeps the dialog's own caption.
    const std::optional<QMap<int, QString>> names = DictionaryStore(m_db).vehicleKinds();
    const QStringList& fields = TripStores::rateFields();
    QStringList lines;
    for (int kind = DictionaryStore::kFirstNamedKind; kind <= DictionaryStore::kLastFreeKind;
         ++kind) {
        QString caption = names ? names->value(kind).trimmed() : QString();
        if (caption.isEmpty())
            caption = kind == DictionaryStore::kFirstNamedKind ? m_tr(QStringLiteral("Motocykl"))
                      : kind == DictionaryStore::kFirstNamedKind + 1
                          ? m_tr(QStringLiteral("Motorower"))
                          : QStringLiteral("%1.").arg(kind);
        lines << caption + QStringLiteral(": ") +
                     value({fields.at(kind - 1), SheetValue::Decimal4, {}});
    }
    return lines;
}

}  // namespace

RecordSheet::RecordSheet(TmyDataBase& database, Translate translate)
    : m_db(database), m_translate(std::move(translate)) {}

RecordSheetText RecordSheet::build(const ListModel& model, int row) const {
    if (row < 0 || row >= model.rowCount())
        return {};
    const Translate tr = [this](const QString& text) { return this->tr(text); };
    SheetReader reader(m_db, tr, model, row);
    const SheetLayout& layout = RecordSheetTables::layout(model.registerId());
    RecordSheetText sheet;
    sheet.title = tr(layout.title);
    for (const SheetLine& line : layout.lines) {
        switch (line.form) {
            case SheetForm::Heading:
                sheet.lines << tr(line.label);
                break;
            case SheetForm::Captioned:
                sheet.lines << tr(line.label) + QStringLiteral(": ") + reader.value(line.first);
                break;
            case SheetForm::KindRates:
                sheet.lines << reader.kindRateLines();
                break;
            case SheetForm::Labelled: {
                QString text = tr(line.label) + QLatin1Char(' ') + reader.value(line.first);
                if (!line.second.field.isEmpty()) {
                    // A joiner of blanks is layout, not a text to translate.
                    text += line.joiner.trimmed().isEmpty() ? line.joiner : tr(line.joiner);
                    text += reader.value(line.second);
                }
                sheet.lines << text;
                break;
            }
        }
    }
    return sheet;
}
