#include "registers/uKoszty.h"

#include "data/DisplayFormat.h"
#include "data/TmyDataBase.h"
#include "data/records/RecordStores.h"
#include "registers/DateField.h"
#include "registers/DecimalField.h"
#include "registers/DictionaryLibraryHook.h"
#include "registers/EditFlow.h"
#include "registers/LookupField.h"
#include "registers/VatCalculator.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

using OnLeave = DecimalField::OnLeave;

QString field(const char* name) {
    return QString::fromLatin1(name);
}

// The text of a dictionary entry by its KOD; empty when there is none.
QString dictionaryText(TmyDataBase& db, const QString& code, const QVariant& key) {
    for (const LookupEntry& entry : db.lookups().dictionary(code)) {
        if (entry.key.toLongLong() == key.toLongLong())
            return entry.text;
    }
    return {};
}

// "Dodaj powyższe dane do" keeps its target from one opening of the dialog to the next.
int& lastHandOnTarget() {
    static int target = 0;
    return target;
}

bool isRefuelling(RegisterId id) {
    return id == RegisterId::Zuzycie || id == RegisterId::ZuzycieKm || id == RegisterId::ZuzycieMth;
}

}  // namespace

QStringList TfKoszty::handOnTargetNames() {
    return {QStringLiteral("rejestru napraw"), QStringLiteral("zużycia paliwa - ciągłe"),
            QStringLiteral("rejestr opon"), QStringLiteral("zużycia paliwa - km"),
            QStringLiteral("zużycia paliwa - mth")};
}

RegisterId TfKoszty::handOnTarget(int index) {
    static const RegisterId targets[] = {RegisterId::Naprawy, RegisterId::Zuzycie,
                                         RegisterId::Opony, RegisterId::ZuzycieKm,
                                         RegisterId::ZuzycieMth};
    return targets[std::clamp(index, 0, 4)];
}

TfKoszty::TfKoszty(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fKoszty"), QStringLiteral("Koszt"),
                   QStringLiteral("Informacje o koszcie"), messages, parent),
      m_db(database) {
    const int amount = int(OnLeave::TwoDecimalsOrZero);
    m_date = dateField(QStringLiteral("fDATA"));
    m_roadCard = new LookupField(QStringLiteral("fIDDROGOWA"),
                                 QStringLiteral("Nie wskazuj żadnej karty drogowej"));
    m_vehicle = new LookupField(QStringLiteral("fNRREJ"));
    m_kind = suggestField(QStringLiteral("fRODZWYD"), 100);
    m_name = textField(QStringLiteral("fNAZWATOWAR"), 100);
    m_net = decimalField(QStringLiteral("fWARTNETTO"), 18, amount);
    m_rate = new QComboBox;
    m_rate->setObjectName(QStringLiteral("stawkaVAT"));
    m_vat = decimalField(QStringLiteral("fWARTVAT"), 18, amount);
    m_gross = decimalField(QStringLiteral("fWARTBRUTTO"), 18, amount);
    m_bookVat = new QCheckBox(QStringLiteral("Czy księgować VAT?"));
    m_bookVat->setObjectName(QStringLiteral("fCZYVAT"));
    m_fuelCard = new LookupField(QStringLiteral("fIDKARTY"),
                                 QStringLiteral("Nie wskazuj żadnej karty paliwowej"));
    m_isFuel = new QCheckBox(QStringLiteral("Dotyczy zakupu paliwa"));
    m_isFuel->setObjectName(QStringLiteral("fISFUEL"));
    m_fuel = decimalField(QStringLiteral("fFUEL"), 18, amount);
    m_costCentre = new LookupField(QStringLiteral("fCK"),
                                   QStringLiteral("Nie wskazuj żadnego centrum kosztowego"), true);
    m_driver = new LookupField(QStringLiteral("fIDKIEROWCY"),
                               QStringLiteral("Nie wskazuj żadnego kierowcy"));
    m_issued = dateField(QStringLiteral("fDATAWYSTAW"));
    m_document =
        textField(QStringLiteral("fNRDOKUMENT"), 30, QStringLiteral("Numer dokumentu / faktury"));
    m_payment = new LookupField(QStringLiteral("fRODZAJPLAT"),
                                QStringLiteral("Nie wskazuj żadnego rodzaju płatności"));
    m_odometer = decimalField(QStringLiteral("fLICZNIK"), 18, amount);
    m_remarks = textField(QStringLiteral("fUWAGI"), 254, QStringLiteral("Pozostałe informacje"));

    // The kind of expense is free text with suggestions, and its own "[...]".
    auto* kindBox = new QWidget;
    auto* kindLine = new QHBoxLayout(kindBox);
    kindLine->setContentsMargins(0, 0, 0, 0);
    kindLine->setSpacing(2);
    kindLine->addWidget(m_kind, 1);
    auto* kindLibrary = new QToolButton;
    kindLibrary->setObjectName(QStringLiteral("fRODZWYDBiblioteka"));
    kindLibrary->setText(QStringLiteral("[...]"));
    kindLibrary->setToolTip(QStringLiteral("Otwórz bibliotekę słowników"));
    kindLine->addWidget(kindLibrary);

    int row = 0;
    addRow(row, 0, QStringLiteral("Data powstania kosztu"), m_date);
    addRow(row++, 1, QStringLiteral("Karta paliwowa"), m_fuelCard);
    addRow(row, 0, QStringLiteral("Koszt z karty drogowej"), m_roadCard);
    form()->addWidget(m_isFuel, row++, 4, 1, 2);
    addRow(row, 0, QStringLiteral("Wskaż pojazd"), m_vehicle);
    addRow(row++, 1, QStringLiteral("Ilość paliwa"), m_fuel, QStringLiteral("Litrów"));
    addRow(row, 0, QStringLiteral("Rodzaj wydatku"), kindBox);
    addRow(row++, 1, QStringLiteral("CK"), m_costCentre);
    addRow(row, 0, QStringLiteral("Nazwa towaru"), m_name);
    addRow(row++, 1, QStringLiteral("Kierowca"), m_driver);
    addRow(row, 0, QStringLiteral("Wartość netto"), m_net);
    auto* note =
        new QLabel(QStringLiteral("Jeśli brakuje kierowcy, dopisz go w kartotece osobowej"));
    note->setObjectName(QStringLiteral("brakKierowcyLabel"));
    note->setStyleSheet(QStringLiteral("color: #555;"));
    form()->addWidget(note, row++, 4, 1, 2);
    addRow(row, 0, QStringLiteral("Stawka VAT"), m_rate);
    auto* document = new QLabel(QStringLiteral("Dokument kosztowy:"));
    document->setObjectName(QStringLiteral("dokumentKosztowyLabel"));
    QFont bold = document->font();
    bold.setBold(true);
    document->setFont(bold);
    form()->addWidget(document, row++, 3, 1, 3);
    addRow(row, 0, QStringLiteral("Kwota VAT"), m_vat);
    addRow(row++, 1, QStringLiteral("Data wystawienia"), m_issued);
    addRow(row, 0, QStringLiteral("Wartość brutto"), m_gross);
    addRow(row++, 1, QStringLiteral("Numer dokumentu"), m_document);
    form()->addWidget(m_bookVat, row, 1, 1, 2);
    addRow(row++, 1, QStringLiteral("Rodzaj płatności"), m_payment);
    addRow(row++, 1, QStringLiteral("Stan licznika w trakcie zakupu"), m_odometer);
    addRow(row++, 0, QStringLiteral("Ilość towaru / inne"), m_remarks, {}, 2);

    // The hand-on to another register, below the fields.
    auto* handOnLine = new QHBoxLayout;
    m_handOn = new QCheckBox(QStringLiteral("Dodaj powyższe dane do"));
    m_handOn->setObjectName(QStringLiteral("dodaj"));
    m_handOn->setToolTip(QStringLiteral("Dodaj powyższe dane do wskazanego rejestru z listy obok"));
    m_handOnTarget = new QComboBox;
    m_handOnTarget->setObjectName(QStringLiteral("dodajDo"));
    m_handOnTarget->setToolTip(QStringLiteral("Wskaż rejestr docelowy, do którego dodać dane"));
    m_handOnTarget->addItems(handOnTargetNames());
    m_handOnTarget->setCurrentIndex(lastHandOnTarget());
    m_fuelKindLabel = new QLabel(QStringLiteral("Rodzaj paliwa:"));
    m_fuelKindLabel->setObjectName(QStringLiteral("rPaliwaLabel"));
    m_fuelKind = new QComboBox;
    m_fuelKind->setObjectName(QStringLiteral("rPaliwaCombo"));
    m_fuelKind->addItems({QStringLiteral("Paliwo płynne"), QStringLiteral("Gaz LPG")});
    handOnLine->addWidget(m_handOn);
    handOnLine->addWidget(m_handOnTarget);
    handOnLine->addWidget(m_fuelKindLabel);
    handOnLine->addWidget(m_fuelKind);
    handOnLine->addStretch(1);
    extras()->addLayout(handOnLine);
    targetChanged();

    m_calculator = new VatCalculator(m_net, m_rate, m_vat, m_gross, this);

    connect(m_vehicle, &LookupField::chosen, this, &TfKoszty::vehicleChosen);
    connect(m_kind, &QComboBox::activated, this, &TfKoszty::kindChosen);
    connect(m_fuel, &QLineEdit::textChanged, this, &TfKoszty::fuelChanged);
    connect(m_handOnTarget, &QComboBox::currentIndexChanged, this, [this](int index) {
        lastHandOnTarget() = std::max(index, 0);
        targetChanged();
    });
    m_kind->lineEdit()->installEventFilter(this);
    connect(kindLibrary, &QToolButton::clicked, this, [this] {
        DictionaryLibraryHook::open(this, m_db, QStringLiteral("RDWYD"));
        reloadKinds();
    });
    connect(m_costCentre, &LookupField::libraryRequested, this, [this] {
        DictionaryLibraryHook::open(this, m_db, QStringLiteral("CKKOD"));
        m_costCentre->setEntries(m_db.lookups().dictionary(QStringLiteral("CKKOD")));
    });
}

void TfKoszty::reloadKinds() {
    QList<LookupEntry> kinds = m_db.lookups().dictionary(QStringLiteral("RDWYD"));
    QCollator collator(QLocale(QLocale::Polish, QLocale::Poland));
    std::stable_sort(kinds.begin(), kinds.end(), [&collator](const auto& a, const auto& b) {
        return collator.compare(a.text, b.text) < 0;
    });
    const QString typed = m_kind->currentText();
    m_kind->clear();
    // Each suggestion keeps its UZUP1: whether a cost of that kind books VAT.
    for (const LookupEntry& kind : kinds)
        m_kind->addItem(kind.text, kind.extra);
    m_kind->setEditText(typed);
}

void TfKoszty::reloadLists() {
    m_roadCard->setEntries(m_db.lookups().roadCards());
    m_vehicle->setEntries(m_db.lookups().vehicles());
    m_fuelCard->setEntries(m_db.lookups().fuelCards());
    m_costCentre->setEntries(m_db.lookups().dictionary(QStringLiteral("CKKOD")));
    m_driver->setEntries(m_db.lookups().persons());
    m_payment->setEntries(m_db.lookups().dictionary(QStringLiteral("RDPLA")));
    QStringList rates;
    for (const LookupEntry& rate : m_db.lookups().dictionary(QStringLiteral("STVAT")))
        rates << rate.text;
    m_calculator->setRates(rates);
    reloadKinds();
}

void TfKoszty::kindChosen(int index) {
    const QString vat = m_kind->itemData(index).toString().trimmed();
    m_bookVat->setChecked(vat == QLatin1String("YES") || vat == QLatin1String("Tak"));
}

void TfKoszty::vehicleChosen() {
    if (m_driver->hasChoice() || !m_vehicle->hasChoice())
        return;
    // The vehicle's extra is {IDKIEROWCY, STAWKA}.
    m_driver->setKey(m_vehicle->extra().toList().value(0));
}

void TfKoszty::fuelChanged() {
    const auto litres = m_fuel->value();
    if (!litres)
        m_isFuel->setChecked(false);
    else if (*litres > 0)
        m_isFuel->setChecked(true);
}

void TfKoszty::targetChanged() {
    const int target = m_handOnTarget->currentIndex();
    const bool consumption = target == 1 || target == 3 || target == 4;
    m_fuelKindLabel->setVisible(consumption);
    m_fuelKind->setVisible(consumption);
}

Record TfKoszty::defaults(const RecordEditors::CostOptions& list) {
    Record r;
    r.set(field("CZYVAT"), QStringLiteral("T"));
    r.set(field("ISFUEL"), list.fuelOnly ? QStringLiteral("T") : QString());
    r.set(field("CK"), list.costCentre.value_or(0));
    r.set(field("IDDROGOWA"), list.roadCard.value_or(-1));
    return r;
}

void TfKoszty::setKindChosenOnly(bool on) {
    m_kindChosenOnly = on;
    m_kind->lineEdit()->setContextMenuPolicy(on ? Qt::NoContextMenu : Qt::DefaultContextMenu);
    m_kind->lineEdit()->setAcceptDrops(!on);
}

bool TfKoszty::eventFilter(QObject* watched, QEvent* event) {
    // With the kind chosen only, a key may choose, confirm, cancel or move on, never type.
    if (m_kindChosenOnly && watched == m_kind->lineEdit() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Escape:
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_F4:
                return false;
            default:
                return true;
        }
    }
    return RecordDialog::eventFilter(watched, event);
}

Record TfKoszty::fromHandOn(TmyDataBase& db, const RecordEditors::HandOn& handOn) {
    const Record& v = handOn.values;
    Record r;
    r.set(field("CZYVAT"), QStringLiteral("T"));
    r.set(field("RODZAJPLAT"), 0);
    r.set(field("IDKARTY"), QString());
    r.set(field("CK"), 0);
    r.set(field("IDDROGOWA"), 0);
    r.set(field("ISFUEL"), QString());
    switch (handOn.source) {
        case RegisterId::Naprawy:
        case RegisterId::Szkody:
            r.set(field("DATA"), v.integer(field("DATA")));
            r.set(field("IDPOJAZD"), v.integer(field("IDPOJAZD")));
            r.set(field("RODZWYD"), handOn.source == RegisterId::Naprawy
                                        ? QStringLiteral("Naprawy")
                                        : QStringLiteral("Szkody"));
            r.set(field("NAZWATOWAR"), v.text(field("OPIS")));
            for (const char* amount : {"WARTNETTO", "WARTVAT", "WARTBRUTTO"})
                r.set(field(amount), v.number(field(amount)));
            r.set(field("UWAGI"), v.text(field("UWAGI")));
            r.set(field("LICZNIK"), v.number(field("LICZNIK")));
            r.set(field("IDKIEROWCY"), v.text(field("IDKIEROWCY")));
            break;
        case RegisterId::Opony: {
            r.set(field("DATA"), v.integer(field("DATAZAKUPU")));
            r.set(field("IDPOJAZD"), v.integer(field("IDPOJAZDU")));
            r.set(field("RODZWYD"), QStringLiteral("Opony"));
            const QString kind =
                dictionaryText(db, QStringLiteral("RODOP"), v.value(field("RODZAJ")));
            const QString size =
                dictionaryText(db, QStringLiteral("ROZOP"), v.value(field("ROZMIAR")));
            r.set(field("NAZWATOWAR"),
                  v.text(field("MARKA")) + QLatin1Char(' ') + kind + QLatin1Char(' ') + size);
            r.set(field("NRDOKUMENT"), v.text(field("NRDOKUMENTU")));
            r.set(field("WARTNETTO"), v.number(field("NETTO")));
            r.set(field("WARTVAT"), v.number(field("VAT")));
            r.set(field("WARTBRUTTO"), v.number(field("BRUTTO")));
            r.set(field("UWAGI"), v.text(field("INNE")));
            r.set(field("DATAWYSTAW"), v.integer(field("DATAZAKUPU")));
            r.set(field("LICZNIK"), 0);
            break;
        }
        default:
            if (isRefuelling(handOn.source)) {
                r.set(field("DATA"), v.integer(field("DATA")));
                r.set(field("IDPOJAZD"), v.integer(field("IDPOJAZD")));
                r.set(field("RODZWYD"), QStringLiteral("Zakup paliwa"));
                r.set(field("DATAWYSTAW"), v.integer(field("DATA")));
                r.set(field("LICZNIK"), v.number(field("LICZNIK")));
                r.set(field("ISFUEL"), QStringLiteral("T"));
                r.set(field("FUEL"), v.number(field("TANKOWANIE")));
            }
            break;
    }
    return r;
}

void TfKoszty::setRecord(const Record& r) {
    reloadLists();
    m_date->setText(dateText(r, field("DATA")));
    m_roadCard->setKey(r.value(field("IDDROGOWA")));
    m_vehicle->setKey(r.value(field("IDPOJAZD")));
    m_kind->setEditText(r.text(field("RODZWYD")));
    m_name->setText(r.text(field("NAZWATOWAR")));
    {
        // Stored amounts are shown as they are, not rebalanced by the calculator.
        const QSignalBlocker net(m_net), vat(m_vat), gross(m_gross);
        m_net->setValue(r.number(field("WARTNETTO")));
        m_vat->setValue(r.number(field("WARTVAT")));
        m_gross->setValue(r.number(field("WARTBRUTTO")));
    }
    m_rate->setCurrentIndex(-1);
    m_fuelCard->setKey(r.value(field("IDKARTY")));
    // The litres first: their change would otherwise overrule the stored mark.
    m_fuel->setText(r.contains(field("FUEL")) ? twoDecimals(r.number(field("FUEL")))
                                              : QStringLiteral("0"));
    m_isFuel->setChecked(r.flag(field("ISFUEL")));
    m_bookVat->setChecked(r.flag(field("CZYVAT")));
    m_costCentre->setKey(r.value(field("CK")));
    m_driver->setKey(r.value(field("IDKIEROWCY")));
    m_issued->setText(dateText(r, field("DATAWYSTAW")));
    m_document->setText(r.text(field("NRDOKUMENT")));
    m_payment->setKey(r.value(field("RODZAJPLAT")));
    m_odometer->setValue(r.number(field("LICZNIK")));
    m_remarks->setText(r.text(field("UWAGI")));
    m_handOn->setChecked(false);
    m_handOn->setEnabled(true);
    m_date->edit()->setFocus();
}

Record TfKoszty::record() const {
    Record r;
    auto keyOr = [](const LookupField* lookup, const QVariant& none) {
        return lookup->hasChoice() ? lookup->key() : none;
    };
    r.set(field("IDPOJAZD"), m_vehicle->hasChoice() ? m_vehicle->key().toLongLong() : 0);
    r.set(field("DATA"), m_date->dateNumber());
    r.set(field("RODZWYD"), m_kind->currentText());
    r.set(field("NAZWATOWAR"), m_name->text());
    r.set(field("NRDOKUMENT"), m_document->text());
    r.set(field("WARTNETTO"), m_net->value().value_or(0.0));
    r.set(field("WARTVAT"), m_vat->value().value_or(0.0));
    r.set(field("WARTBRUTTO"), m_gross->value().value_or(0.0));
    r.set(field("UWAGI"), m_remarks->text());
    r.set(field("CZYVAT"), m_bookVat->isChecked() ? QStringLiteral("T") : QStringLiteral("N"));
    r.set(field("DATAWYSTAW"), m_issued->dateNumber());
    r.set(field("RODZAJPLAT"), keyOr(m_payment, 0));
    r.set(field("IDKARTY"), m_fuelCard->hasChoice() ? m_fuelCard->key().toString() : QString());
    r.set(field("LICZNIK"), m_odometer->value().value_or(0.0));
    r.set(field("IDKIEROWCY"), m_driver->hasChoice() ? m_driver->key().toString() : QString());
    r.set(field("ISFUEL"), m_isFuel->isChecked() ? QStringLiteral("T") : QString());
    r.set(field("FUEL"), m_fuel->value().value_or(0.0));
    r.set(field("CK"), keyOr(m_costCentre, 0));
    r.set(field("IDDROGOWA"), keyOr(m_roadCard, m_openedByHandOn ? 0 : -1));
    return r;
}

std::optional<RecordEditors::HandOn> TfKoszty::handOn(const Record& saved) const {
    if (!m_handOn->isChecked())
        return std::nullopt;
    RecordEditors::HandOn handOn;
    const int target = m_handOnTarget->currentIndex();
    handOn.target = handOnTarget(target);
    handOn.source = RegisterId::Koszty;
    handOn.values = saved;
    handOn.lpg = (target == 1 || target == 3 || target == 4) && m_fuelKind->currentIndex() == 1;
    return handOn;
}

bool TfKoszty::checkFields() {
    for (DecimalField* f : {m_odometer, m_fuel})
        f->setValue(f->value().value_or(0.0));
    if (!m_date->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty powstania kosztu. Popraw pole"),
                      m_date->edit());
    if (!m_vehicle->hasChoice())
        return refuse(QStringLiteral("Nie wskazano pojazdu. Popraw pole"), m_vehicle->combo());
    if (!m_issued->isEmpty() && !m_issued->isValid())
        return refuse(
            QStringLiteral("Niepoprawny format daty wystawienia dokumentu kosztowego. Popraw pole"),
            m_issued->edit());
    const auto reading = m_odometer->value();
    if (!reading)
        return refuse(QStringLiteral("Niepoprawny stan licznika. Popraw pole"), m_odometer);
    m_odometer->setText(DisplayFormat().general(*reading));
    if (const auto problem = m_calculator->checkAmounts())
        return refuse(problem->message, problem->field);
    static const QRegularExpression leadingNumber(QStringLiteral("^[0-9]+([.,][0-9]+)?"));
    const QString remark = m_remarks->text().trimmed();
    if (m_remarkNumber && !remark.isEmpty() && !leadingNumber.match(remark).hasMatch())
        return refuse(QStringLiteral("Pole \"Ilość towaru / inne\" powinno w pierwszych znakach "
                                     "zawierać liczbę"),
                      m_remarks);
    return true;
}

namespace CostEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfKoszty dialog(request.database, request.messages, request.parent);
    dialog.setOpenedByHandOn(request.mode == RecordEditors::Mode::HandOn);
    dialog.setRemarkMustBeginWithNumber(request.costs.remarkMustBeginWithNumber);
    dialog.setKindChosenOnly(request.costs.kindChosenOnly);
    EditFlow flow;
    flow.id = RegisterId::Koszty;
    flow.insertErrorCode = 7;
    flow.updateErrorCode = 13;
    flow.defaults = [&request] { return TfKoszty::defaults(request.costs); };
    TmyDataBase& database = request.database;
    flow.fromHandOn = [&database](const RecordEditors::HandOn& handOn) {
        return TfKoszty::fromHandOn(database, handOn);
    };
    flow.writeThrough(RecordStores::costs(), QStringLiteral("IDKOSZT"));
    flow.handOn = [&dialog](const Record& saved) { return dialog.handOn(saved); };
    return flow.run(request, dialog);
}

}  // namespace CostEditor
