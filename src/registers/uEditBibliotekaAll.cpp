#include "registers/uEditBibliotekaAll.h"

#include "data/DisplayFormat.h"
#include "registers/DecimalField.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kExpenseKinds = QStringLiteral("RDWYD");
const QString kRoutes = QStringLiteral("TRASY");
const QString kVatRates = QStringLiteral("STVAT");

LibraryDictionary entry(const char* code, const char* name, QStringList columns,
                        const char* editTitle, const char* fieldLabel) {
    return {QString::fromLatin1(code), QString::fromUtf8(name), std::move(columns),
            QString::fromUtf8(editTitle), QString::fromUtf8(fieldLabel)};
}

// A labelled field, with a unit after it when there is one; the caption's buddy is the
// field itself and the unit is named, so that both can be found.
void placeRow(QGridLayout* form, int row, const QString& caption, QWidget* field,
              const QString& unit = {}) {
    auto* label = new QLabel(caption);
    label->setObjectName(field->objectName() + QStringLiteral("Label"));
    label->setBuddy(field);
    form->addWidget(label, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    if (unit.isEmpty()) {
        form->addWidget(field, row, 1, 1, 2);
        return;
    }
    auto* box = new QWidget;
    auto* line = new QHBoxLayout(box);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(field, 1);
    auto* unitLabel = new QLabel(unit);
    unitLabel->setObjectName(QStringLiteral("LJednostka"));
    line->addWidget(unitLabel);
    form->addWidget(box, row, 1, 1, 2);
}

}  // namespace

namespace LibraryDictionaries {

const QList<LibraryDictionary>& all() {
    static const QList<LibraryDictionary> list = {
        entry("CELWY", "Cele wyjazdów", {QStringLiteral("Cel wyjazdu")}, "Edytuj cel wyjazdu",
              "Cel wyjazdu"),
        entry("RDWYD", "Rodzaje wydatków",
              {QStringLiteral("Rodzaj wydatku"), QStringLiteral("Odliczyć VAT?")},
              "Edytuj rodzaj wydatku", "Rodzaj wydatku"),
        entry("TRASY", "Trasy", {QStringLiteral("Trasa"), QStringLiteral("długość (w km)")},
              "Edytuj informacje o trasie", "Trasa"),
        entry("STVAT", "Stawki VAT", {QStringLiteral("Stawka VAT (w procentach % )")},
              "Edytuj stawkę VAT", "Stawka VAT"),
        entry("RDDOK", "Rodzaje dokumentów", {QStringLiteral("Rodzaje dokumentów")},
              "Edytuj rodzaj dokumentu", "Rodzaj dokumentu"),
        entry("RDWYP", "Rodzaje wyposażenia", {QStringLiteral("Rodzaje wyposażenia")},
              "Edytuj rodzaj wyposażenia", "Rodzaj wyposażenia"),
        entry("RDPOJ", "Rodzaje pojazdów", {}, "", ""),
        entry("RTERM", "Rodzaje terminów", {QStringLiteral("Rodzaje terminów")},
              "Edytuj rodzaj terminu", "Rodzaj terminu"),
        entry("RPRAC", "Rodzaje prac", {QStringLiteral("Rodzaje prac zleconych / wykonywanych")},
              "Edytuj rodzaj prac wykonywanych / zleconych", "Rodzaj prac"),
        entry("KONTR", "Kontrahenci", {QStringLiteral("Słownik kontrahentów")},
              "Edytuj dane kontrahenta", "Dane kontrahenta"),
        entry("RODOP", "Rodzaje opon", {QStringLiteral("Rodzaje opon (sezon)")},
              "Edytuj rodzaj opon (Sezon)", "Rodzaj opon"),
        entry("ROZOP", "Rozmiary opon", {QStringLiteral("Rozmiary opon")}, "Edytuj rozmiar opon",
              "Rozmiar opon"),
        entry("RDNAP", "Rodzaje napraw", {QStringLiteral("Rodzaje napraw")},
              "Edytuj rodzaj naprawy", "Rodzaj naprawy"),
        entry("FLOTA", "Numer floty", {QStringLiteral("Numery floty")}, "Edytuj numer Floty",
              "Numer floty"),
        entry("CKKOD", "Centra kosztów", {QStringLiteral("Centra kosztów (CK)")},
              "Edytuj nazwę/numer Centrum Kosztów (CK)", "Centrum Kosztów"),
        entry("TYPZA", "Typy zadań", {QStringLiteral("Typy zadań w harmonogramie")},
              "Edytuj typ zadania", "Typ zadania"),
        entry("RDPAL", "Rodzaje paliw", {QStringLiteral("Rodzaje Paliw")},
              "Edytuj nazwę rodzaju paliwa", "Rodzaj Paliwa"),
        entry("PMIEJ", "Stacje paliw", {QStringLiteral("Stacje paliw / Lokalizacje")},
              "Edytuj nazwę stacji paliw / Lokalizację", "Stacja Paliw"),
    };
    return list;
}

int indexOf(const QString& code) {
    const QList<LibraryDictionary>& list = all();
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].code == code)
            return i;
    }
    return -1;
}

}  // namespace LibraryDictionaries

TfEditBibliotekaAll::TfEditBibliotekaAll(const QString& code, bool adding, MessageService& messages,
                                         QWidget* parent)
    : RecordDialog(QStringLiteral("TfEditBibliotekaAll"), {}, {}, messages, parent), m_code(code) {
    const int index = LibraryDictionaries::indexOf(code);
    const LibraryDictionary dictionary =
        index >= 0 ? LibraryDictionaries::all().at(index) : LibraryDictionary{};
    setWindowTitle(dictionary.editTitle);
    if (auto* banner = findChild<QLabel*>(QStringLiteral("Banner")))
        banner->setText(dictionary.editTitle);

    m_text = textField(QStringLiteral("FOpis"), 100);
    m_text->setMinimumWidth(360);
    placeRow(form(), 0, dictionary.fieldLabel, m_text,
             code == kVatRates ? QStringLiteral("w procentach %") : QString());

    // The length keeps what is typed until saving checks it.
    m_extra = decimalField(QStringLiteral("FUzup1"), 20, int(DecimalField::OnLeave::Keep));
    m_vat = new QCheckBox(QStringLiteral("Czy księgować VAT?"));
    m_vat->setObjectName(QStringLiteral("cbVAT"));
    const QString hint =
        QStringLiteral("Zaznacz to pole jeśli VAT dla tego rodzaju wydatku ma być księgowany");
    m_vat->setToolTip(hint);
    m_vat->setStatusTip(hint);
    // Owned by the dialog also when the dictionary does not show them.
    m_extra->setParent(this);
    m_vat->setParent(this);
    if (code == kRoutes) {
        placeRow(form(), 1, QStringLiteral("Długość trasy"), m_extra,
                 adding ? QStringLiteral("w kilometrach") : QString());
        m_vat->hide();
    } else if (code == kExpenseKinds) {
        form()->addWidget(m_vat, 1, 1);
        m_extra->hide();
    } else {
        m_extra->hide();
        m_vat->hide();
    }
}

bool TfEditBibliotekaAll::vatBooked(const QString& extra) {
    const QString value = extra.trimmed();
    return value == QLatin1String("YES") || value == QLatin1String("Tak");
}

void TfEditBibliotekaAll::setRecord(const Record& r) {
    m_text->setText(r.text(QStringLiteral("OPIS")));
    m_keptExtra = r.text(QStringLiteral("UZUP1"));
    m_extra->setText(m_code == kRoutes ? m_keptExtra : QString());
    m_vat->setChecked(r.contains(QStringLiteral("UZUP1")) ? vatBooked(m_keptExtra) : true);
    m_text->setFocus();
    m_text->selectAll();
}

Record TfEditBibliotekaAll::record() const {
    Record r;
    r.set(QStringLiteral("OPIS"), m_text->text());
    if (m_code == kRoutes)
        r.set(QStringLiteral("UZUP1"), m_extra->text());
    else if (m_code == kExpenseKinds)
        r.set(QStringLiteral("UZUP1"),
              m_vat->isChecked() ? QStringLiteral("Tak") : QStringLiteral("Nie"));
    else
        r.set(QStringLiteral("UZUP1"), m_keptExtra);
    return r;
}

bool TfEditBibliotekaAll::checkFields() {
    const QString text = m_text->text().trimmed();
    if (text.isEmpty())
        return refuse(QStringLiteral("Nie wypełniono pola"), m_text);
    if (m_code == kVatRates) {
        const auto rate = DecimalField::parse(text);
        if (!rate)
            return refuse(QStringLiteral("Niewłaściwa stawka VAT"), m_text);
        // Stored with "." whatever the locale, so that the rates sort and read alike.
        m_text->setText(QString::number(*rate, 'f', 2));
    } else {
        m_text->setText(text);
    }
    if (m_code == kRoutes && m_extra->text().trimmed().isEmpty()) {
        m_extra->clear();
    } else if (m_code == kRoutes) {
        const auto length = m_extra->value();
        if (!length)
            return refuse(QStringLiteral("Niepoprawna wartość długości trasy"), m_extra);
        m_extra->setText(DisplayFormat().general(*length));
    }
    return true;
}
