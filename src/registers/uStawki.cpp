#include "registers/uStawki.h"

#include "data/DisplayFormat.h"
#include "data/TmyDataBase.h"
#include "data/records/DictionaryStore.h"
#include "data/records/TripStores.h"
#include "registers/DateField.h"
#include "registers/DecimalField.h"
#include "registers/EditFlow.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>

namespace {

constexpr int kRateCount = 20;
constexpr int kRateDecimals = 4;
constexpr qint64 kInsertError = 5;
constexpr qint64 kUpdateError = 11;

// The kind number of each rate field: 1 and 2 the cars, then 3 .. 20.
int kindOf(int index) {
    return index + 1;
}

QString plainLabel(int kind) {
    switch (kind) {
        case 1:
            return QStringLiteral("Poniżej 900 cm3");
        case 2:
            return QStringLiteral("Powyżej 900 cm3");
        case 3:
            return QStringLiteral("Motocykl");
        case 4:
            return QStringLiteral("Motorower");
        default:
            return QStringLiteral("%1.").arg(kind);
    }
}

QString controlName(int kind) {
    switch (kind) {
        case 1:
            return QStringLiteral("FLW900");
        case 2:
            return QStringLiteral("FGT900");
        case 3:
            return QStringLiteral("FMotocykl");
        case 4:
            return QStringLiteral("FMotorower");
        default:
            return QStringLiteral("rodz%1").arg(kind);
    }
}

QString labelName(int kind) {
    return kind >= DictionaryStore::kFirstFreeKind ? QStringLiteral("lab%1").arg(kind)
                                                   : controlName(kind) + QStringLiteral("Label");
}

}  // namespace

TfStawki::TfStawki(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fStawki"), QStringLiteral("Stawki"), QStringLiteral("Stawki"),
                   messages, parent),
      m_db(database) {
    m_from = dateField(QStringLiteral("FDataOd"));
    auto* fromLabel = new QLabel(QStringLiteral("Od kiedy obowiązują stawki"));
    fromLabel->setObjectName(QStringLiteral("FDataOdLabel"));
    form()->addWidget(fromLabel, 0, 0, 1, 2);
    form()->addWidget(m_from, 0, 2, 1, 4);
    auto* heading = new QLabel(QStringLiteral("Stawki w PLN w zależności od rodzaju pojazdu:"));
    heading->setObjectName(QStringLiteral("naglowekStawekLabel"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    form()->addWidget(heading, 1, 0, 1, 6);
    // Two columns of ten rates, each with its label before and "PLN" after.
    for (int i = 0; i < kRateCount; ++i) {
        const int kind = kindOf(i);
        DecimalField* rate =
            decimalField(controlName(kind), kind >= DictionaryStore::kFirstFreeKind ? 50 : 12,
                         int(DecimalField::OnLeave::Keep));
        rate->installEventFilter(this);
        auto* label = new QLabel(plainLabel(kind));
        label->setObjectName(labelName(kind));
        label->setBuddy(rate);
        const int row = 2 + i % 10;
        const int column = (i / 10) * 3;
        form()->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
        form()->addWidget(rate, row, column + 1);
        auto* unitLabel = new QLabel(QStringLiteral("PLN"));
        unitLabel->setObjectName(controlName(kind) + QStringLiteral("UnitLabel"));
        form()->addWidget(unitLabel, row, column + 2);
        m_rates << rate;
        m_labels << label;
    }
}

bool TfStawki::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        for (DecimalField* rate : m_rates) {
            if (rate == watched && !rate->isReadOnly())
                rate->setValue(rate->value().value_or(0.0), kRateDecimals);
        }
    }
    return RecordDialog::eventFilter(watched, event);
}

void TfStawki::reloadLabels() {
    const auto texts = DictionaryStore(m_db).vehicleKinds();
    for (int i = 0; i < kRateCount; ++i) {
        const int kind = kindOf(i);
        const QString text = texts ? texts->value(kind).trimmed() : QString();
        m_labels[i]->setText(
            kind < DictionaryStore::kFirstNamedKind || text.isEmpty() ? plainLabel(kind) : text);
    }
}

QString TfStawki::rateLabel(int kind) const {
    return kind >= 1 && kind <= kRateCount ? m_labels[kind - 1]->text() : QString();
}

void TfStawki::setRecord(const Record& r) {
    reloadLabels();
    m_from->setText(dateText(r, QStringLiteral("DATAOD")));
    const QStringList& fields = TripStores::rateFields();
    for (int i = 0; i < kRateCount; ++i) {
        if (r.contains(fields.at(i)))
            m_rates[i]->setValue(r.number(fields.at(i)), kRateDecimals);
        else
            m_rates[i]->clear();
    }
    m_from->edit()->setFocus();
}

Record TfStawki::record() const {
    Record r;
    r.set(QStringLiteral("DATAOD"), m_from->dateNumber());
    const QStringList& fields = TripStores::rateFields();
    for (int i = 0; i < kRateCount; ++i)
        r.set(fields.at(i), m_rates[i]->value().value_or(0.0));
    return r;
}

bool TfStawki::checkFields() {
    if (!m_from->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty. Popraw pole"), m_from->edit());
    for (DecimalField* rate : m_rates) {
        if (rate->text().trimmed().isEmpty())
            rate->setText(QStringLiteral("0"));
    }
    for (int i = 0; i < kRateCount; ++i) {
        DecimalField* rate = m_rates[i];
        const auto value = rate->value();
        if (!value) {
            const int kind = kindOf(i);
            QString message;
            switch (kind) {
                case 1:
                    message =
                        QStringLiteral("Niepoprawna wartość stawki dla pojazdów poniżej 900 cm3");
                    break;
                case 2:
                    message =
                        QStringLiteral("Niepoprawna wartość stawki dla pojazdów powyżej 900 cm3");
                    break;
                case 3:
                    message = QStringLiteral("Niepoprawna wartość stawki dla Motocykli");
                    break;
                case 4:
                    message = QStringLiteral("Niepoprawna wartość stawki dla Motorowerów");
                    break;
                default:
                    message = QStringLiteral("Niepoprawna wartość stawki dla ") + rateLabel(kind);
                    break;
            }
            return refuse(message, rate);
        }
        rate->setText(DisplayFormat().general(*value));
    }
    return true;
}

namespace RateEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfStawki dialog(request.database, request.messages, request.parent);
    EditFlow flow;
    flow.id = RegisterId::Stawki;
    flow.insertErrorCode = kInsertError;
    flow.updateErrorCode = kUpdateError;
    flow.duplicateMessage = QStringLiteral("Istnieje już definicja stawek na podaną datę");
    flow.defaults = [] { return Record(); };
    flow.uniqueKey(QStringLiteral("stawki"), QStringLiteral("DATAOD"), true);
    flow.write = [](TmyDataBase& db, const Record& r, const Record* original) {
        return original
                   ? TripStores::rates().update(db, r, original->value(QStringLiteral("DATAOD")))
                   : TripStores::rates().insert(db, r);
    };
    // A set is found by its date; the table has no other key.
    flow.key = [](const Record& r, const WriteResult&) {
        return QStringList{QString::number(r.integer(QStringLiteral("DATAOD")))};
    };
    const RecordEditors::Outcome outcome = flow.run(request, dialog);
    // The trips are priced from the rates the data module holds: a changed set must
    // price them at once, not at the next listing of trips.
    if (outcome.saved)
        request.database.reloadRates();
    return outcome;
}

}  // namespace RateEditor
