#include "registers/uCenyPaliw.h"

#include "data/DisplayFormat.h"
#include "data/TmyDataBase.h"
#include "data/records/ConsumptionStores.h"
#include "registers/DateField.h"
#include "registers/DecimalField.h"
#include "registers/DictionaryLibraryHook.h"
#include "registers/EditFlow.h"
#include "registers/LookupField.h"
#include "registers/SuggestedText.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const QString kKinds = QStringLiteral("RDPAL");
const QString kPlaces = QStringLiteral("PMIEJ");

}  // namespace

TfCenyPaliw::TfCenyPaliw(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fCenyPaliw"),
                   QStringLiteral("Edytuj informacje o cenie wskazanego paliwa"),
                   QStringLiteral("Edytuj informacje o cenie wskazanego paliwa"), messages, parent),
      m_db(database) {
    m_date = dateField(QStringLiteral("fDATA"));
    m_kind = new LookupField(QStringLiteral("fRODZAJPALIWA"), {}, true);
    m_place = suggestedText(QStringLiteral("fMIEJSCE"), 100, m_db, kPlaces,
                            [this] { return m_db.lookups().suggestions(kPlaces); });
    // A place is a station with its address: room for the whole text.
    m_place->combo()->setMinimumWidth(320);
    m_price = decimalField(QStringLiteral("fBRUTTO"), 18, int(DecimalField::OnLeave::TwoDecimals));

    int row = 0;
    addRow(row++, 0, QStringLiteral("Data"), m_date);
    addRow(row++, 0, QStringLiteral("Rodzaj paliwa"), m_kind);
    addRow(row++, 0, QStringLiteral("Miejsce"), m_place);
    addRow(row++, 0, QStringLiteral("Cena brutto za 1 litr"), m_price);

    connect(m_kind, &LookupField::libraryRequested, this, [this] {
        DictionaryLibraryHook::open(this, m_db, kKinds);
        const QVariant chosen = m_kind->key();
        reloadKinds();
        m_kind->setKey(chosen);
    });
}

void TfCenyPaliw::reloadKinds() {
    m_kind->setEntries(m_db.lookups().dictionary(kKinds));
}

Record TfCenyPaliw::defaults() {
    Record r;
    r.set(QStringLiteral("BRUTTO"), QStringLiteral("0"));
    return r;
}

void TfCenyPaliw::setRecord(const Record& r) {
    // The lists are read anew at every opening: the library may have changed them.
    reloadKinds();
    m_place->reload();
    m_key = r.value(QStringLiteral("ID"));
    m_date->setText(dateText(r, QStringLiteral("DATA")));
    if (r.isNull(QStringLiteral("RODZAJPALIWA")))
        m_kind->clearChoice();
    else
        m_kind->setKey(r.value(QStringLiteral("RODZAJPALIWA")));
    m_place->setText(r.text(QStringLiteral("MIEJSCE")));
    // A new price opens as "0", a stored one with two decimals.
    if (r.contains(QStringLiteral("ID")))
        m_price->setValue(r.number(QStringLiteral("BRUTTO")));
    else
        m_price->setText(r.text(QStringLiteral("BRUTTO")));
    m_date->edit()->setFocus();
}

Record TfCenyPaliw::record() const {
    Record r;
    r.set(QStringLiteral("ID"), m_key);
    r.set(QStringLiteral("DATA"), m_date->dateNumber());
    // A kind whose key does not read as a number is stored as 0.
    bool ok = false;
    const qint64 kind = m_kind->hasChoice() ? m_kind->key().toLongLong(&ok) : 0;
    r.set(QStringLiteral("RODZAJPALIWA"), ok ? kind : 0);
    r.set(QStringLiteral("BRUTTO"), m_price->value().value_or(0.0));
    r.set(QStringLiteral("MIEJSCE"), m_place->text());
    return r;
}

bool TfCenyPaliw::checkFields() {
    const auto price = m_price->value();
    if (price)
        m_price->setValue(*price);
    else
        m_price->setText(QStringLiteral("0"));
    if (!m_kind->hasChoice())
        return refuse(QStringLiteral("Nie wskazano rodzaju paliwa. Popraw pole"), m_kind->combo());
    if (!m_date->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty od. Popraw pole"), m_date->edit());
    return true;
}

namespace FuelPriceEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfCenyPaliw dialog(request.database, request.messages, request.parent);
    EditFlow flow;
    flow.id = RegisterId::CenyPaliw;
    flow.insertErrorCode = 122014;
    flow.updateErrorCode = 122015;
    flow.defaults = &TfCenyPaliw::defaults;
    flow.writeThrough(ConsumptionStores::fuelPrices(), QStringLiteral("ID"));
    return flow.run(request, dialog);
}

}  // namespace FuelPriceEditor
