#include "registers/uZuzycie.h"

#include "data/DisplayFormat.h"
#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/records/ConsumptionStores.h"
#include "registers/DateField.h"
#include "registers/DecimalField.h"
#include "support/MessageService.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

using OnLeave = DecimalField::OnLeave;

// What tells the three dialogs apart: their names and the meaning of the first value.
struct Texts {
    const char* objectName;
    const char* title;
    const char* banner;
    const char* firstLabel;
    const char* firstUnit;
    const char* firstRefused;
    const char* fuelLabel;
};

const Texts& textsOf(RegisterId id) {
    static const Texts continuous{"fZuzycie",
                                  "Zużycie paliwa",
                                  "Informacje o tankowaniu",
                                  "Ilość paliwa w baku przed tankowaniem",
                                  "litrów",
                                  "Niepoprawny stan baku przed tankowaniem",
                                  "Ilość zatankowanego paliwa"};
    static const Texts distance{"fZuzycieKm",
                                "Zużycie paliwa - przebieg",
                                "Zużycie paliwa na podstawie przebiegu [Km]",
                                "Przejechano kilometrów",
                                "km",
                                "Niepoprawna ilość przejechanych kilometrów",
                                "Zużyto paliwa"};
    static const Texts hours{"fZuzycieMth",
                             "Zużycie paliwa - motogodziny",
                             "Zużycie na podstawie przepracowanego czasu - Motogodziny [Mth]",
                             "Przepracowanych godzin",
                             "h",
                             "Niepoprawna ilość przepracowanych godzin",
                             "Zużyto paliwa"};
    return id == RegisterId::ZuzycieKm    ? distance
           : id == RegisterId::ZuzycieMth ? hours
                                          : continuous;
}

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

const QString kNoVehicle =
    QStringLiteral("Należy wskazać pojazd, dla którego analizowane będzie zużycie paliwa");
const QString kSameDay = QStringLiteral(
    "Istnieje już informacja o tankowaniu na wskazaną datę. Czy zsumować ilość zatankowanego "
    "paliwa?");

}  // namespace

TfZuzycie::TfZuzycie(RegisterId id, TmyDataBase& database, MessageService& messages,
                     QWidget* parent)
    : RecordDialog(utf8(textsOf(id).objectName), utf8(textsOf(id).title), utf8(textsOf(id).banner),
                   messages, parent),
      m_id(id),
      m_db(database) {
    const Texts& texts = textsOf(id);
    const int twoDecimals = int(OnLeave::TwoDecimalsOrZero);
    m_date = dateField(QStringLiteral("FDATA"));
    m_first = decimalField(QStringLiteral("fBAK"), 12, twoDecimals);
    m_fuel = decimalField(QStringLiteral("fTANKOWANIE"), 12, twoDecimals);
    m_reading = decimalField(QStringLiteral("fLICZNIK"), 12, twoDecimals);

    QWidget* first = m_first;
    if (id == RegisterId::ZuzycieKm) {
        // The kilometres with their calculator beside them.
        first = new QWidget;
        auto* line = new QHBoxLayout(first);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(2);
        line->addWidget(m_first, 1);
        m_calculate = new QToolButton;
        m_calculate->setObjectName(QStringLiteral("BWylicz"));
        m_calculate->setText(QStringLiteral("Wylicz"));
        m_calculate->setToolTip(
            QStringLiteral("Wylicz ilość przejechanych kilometrów na podstawie stanu licznika "
                           "(bieżącego i poprzedniego)"));
        m_calculate->setStatusTip(m_calculate->toolTip());
        line->addWidget(m_calculate);
        connect(m_calculate, &QToolButton::clicked, this, &TfZuzycie::computeDistance);
    }

    int row = 0;
    addRow(row++, 0, QStringLiteral("Data tankowania"), m_date);
    addRow(row++, 0, utf8(texts.firstLabel), first, utf8(texts.firstUnit));
    addRow(row++, 0, utf8(texts.fuelLabel), m_fuel, QStringLiteral("litrów"));
    addRow(row++, 0, QStringLiteral("Stan licznika w trakcie tankowania"), m_reading,
           QStringLiteral("km"));

    m_toCosts = addCostsOption(QStringLiteral("Dodaj dane do kosztów"));
}

Record TfZuzycie::defaults(RegisterId id) {
    Record r;
    r.set(QStringLiteral("DATA"), 0);
    r.set(ConsumptionStores::firstField(id), 0.0);
    r.set(QStringLiteral("TANKOWANIE"), 0.0);
    r.set(QStringLiteral("LICZNIK"), 0.0);
    return r;
}

Record TfZuzycie::fromHandOn(RegisterId id, const RecordEditors::HandOn& handOn) {
    if (handOn.source != RegisterId::Koszty)
        return handOn.values;
    // The litres bought are the litres filled (or used); the distance or hours are not
    // known from a cost.
    const Record& cost = handOn.values;
    Record r = defaults(id);
    r.set(QStringLiteral("DATA"), cost.integer(QStringLiteral("DATA")));
    r.set(QStringLiteral("TANKOWANIE"), cost.number(QStringLiteral("FUEL")));
    r.set(QStringLiteral("LICZNIK"), cost.number(QStringLiteral("LICZNIK")));
    return r;
}

void TfZuzycie::setRecord(const Record& r) {
    m_date->setText(dateText(r, QStringLiteral("DATA")));
    m_first->setValue(r.number(ConsumptionStores::firstField(m_id)));
    m_fuel->setValue(r.number(QStringLiteral("TANKOWANIE")));
    m_reading->setValue(r.number(QStringLiteral("LICZNIK")));
    m_toCosts->setChecked(false);
    m_date->edit()->setFocus();
}

Record TfZuzycie::record() const {
    Record r;
    r.set(QStringLiteral("DATA"), m_date->dateNumber());
    r.set(ConsumptionStores::firstField(m_id), m_first->value().value_or(0.0));
    r.set(QStringLiteral("TANKOWANIE"), m_fuel->value().value_or(0.0));
    r.set(QStringLiteral("LICZNIK"), m_reading->value().value_or(0.0));
    return r;
}

bool TfZuzycie::checkFields() {
    if (!m_date->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty. Popraw pole"), m_date->edit());
    const std::pair<DecimalField*, QString> numbers[] = {
        {m_first, utf8(textsOf(m_id).firstRefused)},
        {m_fuel, QStringLiteral("Niepoprawna ilość zatankowanego paliwa")},
        {m_reading, QStringLiteral("Niepoprawny stan licznika")},
    };
    for (const auto& [field, refused] : numbers) {
        if (field->text().trimmed().isEmpty())
            field->setText(QStringLiteral("0"));
        const auto number = field->value();
        if (!number)
            return refuse(refused, field);
        field->setText(DisplayFormat().general(*number));
    }
    return true;
}

void TfZuzycie::computeDistance() {
    const auto reading = m_reading->value();
    if (!reading || *reading == 0) {
        messages().information(QStringLiteral("Informacja"),
                               QStringLiteral("Aby obliczyć ilość przejechanych kilometrów należy "
                                              "podać stan licznika w trakcie tankowania. Uzupełnij "
                                              "pole."));
        m_reading->setFocus();
        return;
    }
    if (!m_date->isValid()) {
        messages().information(QStringLiteral("Informacja"),
                               QStringLiteral("Aby obliczyć ilość przejechanych kilometrów należy "
                                              "podać date tankowania. Uzupełnij pole."));
        m_date->edit()->setFocus();
        return;
    }
    // Without an earlier reading the whole reading is no distance, and a reading below
    // the earlier one is a typing error: neither is written into the kilometres.
    bool failed = false;
    const std::optional<double> previous = m_db.lastDistanceReading(m_date->dateNumber(), &failed);
    if (failed)
        return;  // the error box has told it
    if (!previous) {
        messages().information(
            QStringLiteral("Informacja"),
            QStringLiteral("Nie znaleziono wcześniejszego tankowania tego pojazdu przed wskazaną "
                           "datą. Ilość przejechanych kilometrów należy wpisać samodzielnie."));
        m_first->setFocus();
        return;
    }
    const double distance = *reading - *previous;
    if (!std::isfinite(distance)) {
        refuse(QStringLiteral("Niepoprawny stan licznika. Popraw pole."), m_reading);
        return;
    }
    if (distance < 0) {
        refuse(QStringLiteral("Stan licznika jest mniejszy niż przy poprzednim tankowaniu (%1 km). "
                              "Popraw pole.")
                   .arg(twoDecimals(*previous)),
               m_reading);
        return;
    }
    m_first->setValue(distance);
}

namespace RefuellingEditor {

namespace {

using Mode = RecordEditors::Mode;

// Writes the dialog's refuelling of a vehicle; original is the date of the edited row
// (none for an add). A day that already has a refuelling is merged into after the user
// agrees. False when nothing was saved: the user said "Nie" or a failure was reported.
bool save(const RecordEditors::Request& request, RegisterId id, qint64 vehicle,
          const Record& record, std::optional<qint64> originalDate) {
    TmyDataBase& db = request.database;
    const qint64 date = record.integer(QStringLiteral("DATA"));
    const qint64 code =
        originalDate ? ConsumptionStores::editErrorCode(id) : ConsumptionStores::addErrorCode(id);
    const RecordStore& store = ConsumptionStores::refuellings(id);
    if (originalDate && *originalDate == date) {
        const WriteResult result = store.update(db, record, date);
        if (!result.ok)
            db.errorReport().report(result.error, code);
        return result.ok;
    }
    switch (db.refuellingExists(id, vehicle, date, code)) {
        case TmyDataBase::Existence::Failed:
            // Reported; without knowing the day's state nothing is written.
            return false;
        case TmyDataBase::Existence::Yes:
            if (!request.messages.question(QStringLiteral("Pytanie"), kSameDay))
                return false;
            return originalDate
                       ? ConsumptionStores::moveOntoTakenDay(db, id, vehicle, *originalDate, record)
                       : db.mergeRefuelling(id, vehicle, date,
                                            ConsumptionStores::refuellingOf(id, record));
        case TmyDataBase::Existence::No:
            break;
    }
    const WriteResult result =
        originalDate ? store.update(db, record, *originalDate) : store.insert(db, record);
    if (!result.ok)
        db.errorReport().report(result.error, code);
    return result.ok;
}

}  // namespace

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    RecordEditors::Outcome outcome;
    const RegisterId id = request.model.registerId();
    if (!ConsumptionStores::isRefuelling(id))
        return outcome;
    TmyDataBase& db = request.database;
    if (request.mode == Mode::HandOn) {
        if (!request.handOn)
            return outcome;
        // The cost dialog chose the fuel kind the refuelling belongs to.
        if (request.handOn->source == RegisterId::Koszty)
            db.setLpg(id, request.handOn->lpg);
    }

    Record initial;
    std::optional<qint64> vehicle = ConsumptionStores::filteredVehicle(db, id);
    std::optional<qint64> originalDate;
    switch (request.mode) {
        case Mode::Add:
            initial = TfZuzycie::defaults(id);
            break;
        case Mode::HandOn:
            initial = TfZuzycie::fromHandOn(id, *request.handOn);
            // The refuelling is the vehicle's of the cost, which the filter must show.
            if (vehicle && *vehicle != request.handOn->values.integer(QStringLiteral("IDPOJAZD")))
                vehicle.reset();
            break;
        case Mode::Copy:
        case Mode::Edit:
        case Mode::Preview:
            if (request.row < 0 || request.row >= request.model.rowCount())
                return outcome;
            initial = Record::fromRow(request.model, request.row);
            if (request.mode != Mode::Copy) {
                // An edit stays with the row's own vehicle and names the row by its date.
                vehicle = initial.integer(QStringLiteral("IDPOJAZD"));
                originalDate = initial.integer(QStringLiteral("DATA"));
            }
            break;
    }
    if (!vehicle) {
        request.messages.information(QStringLiteral("Informacja"), kNoVehicle);
        return outcome;
    }

    TfZuzycie dialog(id, db, request.messages, request.parent);
    dialog.allowCostHandOn(
        request.rights.test(size_t(Registers::get(RegisterId::Koszty).writeRight)));
    dialog.setRecord(initial);
    dialog.setPreview(request.mode == Mode::Preview);
    while (dialog.run()) {
        Record record = dialog.record();
        record.set(QStringLiteral("IDPOJAZD"), *vehicle);
        if (!save(request, id, *vehicle, record, originalDate))
            continue;  // the dialog comes back with the values as entered
        outcome.saved = true;
        outcome.key = {QString::number(*vehicle),
                       QString::number(record.integer(QStringLiteral("DATA")))};
        if (dialog.handsOnToCosts())
            outcome.handOn = RecordEditors::HandOn{RegisterId::Koszty, id, record, db.lpg(id)};
        return outcome;
    }
    return outcome;
}

}  // namespace RefuellingEditor
