#include "registers/uMagazyn.h"

#include "data/records/HoldingStores.h"
#include "registers/DecimalField.h"
#include "registers/EditFlow.h"

#include <QLineEdit>

namespace {

QString field(const char* name) {
    return QString::fromLatin1(name);
}

}  // namespace

TfMagazyn::TfMagazyn(MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fMagazyn"), QStringLiteral("Magazyn zasobów"),
                   QStringLiteral("Magazyn zasobów (części, paliw)"), messages, parent) {
    const int twoDecimals = int(DecimalField::OnLeave::TwoDecimalsOrZero);
    m_name = textField(QStringLiteral("fCZESC"), 100,
                       QStringLiteral("Nazwa zasobu (np. nazwa paliwa, nazwa i symbol części)"));
    m_quantity = decimalField(QStringLiteral("fILOSC"), 18, twoDecimals);
    m_reminder = decimalField(QStringLiteral("fPRZYPOMNIJ"), 18, twoDecimals);
    m_reminder->setToolTip(
        QStringLiteral("Przypomnij o braku zasobu gdy ich ilość osiągnie podaną w polu wartość"));
    m_reminder->setStatusTip(m_reminder->toolTip());
    m_remarks = textField(QStringLiteral("fUWAGI"), 254, QStringLiteral("Pozostałe informacje"));

    int row = 0;
    addRow(row++, 0, QStringLiteral("Nazwa zasobu"), m_name, {}, 2);
    addRow(row, 0, QStringLiteral("Ilość - stan magazynowy"), m_quantity);
    addRow(row++, 1, QStringLiteral("Przypomnij przy stanie"), m_reminder);
    addRow(row++, 0, QStringLiteral("Inne"), m_remarks, {}, 2);
}

void TfMagazyn::setRecord(const Record& r) {
    m_key = r.value(field("ID"));
    m_name->setText(r.text(field("CZESC")));
    m_quantity->setValue(r.number(field("ILOSC")));
    m_reminder->setValue(r.number(field("PRZYPOMNIJ")));
    m_remarks->setText(r.text(field("UWAGI")));
    m_name->setFocus();
    m_name->selectAll();
}

Record TfMagazyn::record() const {
    Record r;
    r.set(field("ID"), m_key);
    r.set(field("CZESC"), m_name->text());
    r.set(field("ILOSC"), m_quantity->value().value_or(0.0));
    r.set(field("PRZYPOMNIJ"), m_reminder->value().value_or(0.0));
    r.set(field("UWAGI"), m_remarks->text());
    return r;
}

bool TfMagazyn::checkFields() {
    if (m_name->text().trimmed().isEmpty())
        return refuse(QStringLiteral("Nie podano nazwy zasobu. Popraw pole"), m_name);
    for (DecimalField* f : {m_quantity, m_reminder})
        f->setValue(f->value().value_or(0.0));
    return true;
}

namespace StoreEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfMagazyn dialog(request.messages, request.parent);
    EditFlow flow;
    flow.id = RegisterId::Magazyn;
    flow.insertErrorCode = 151806;
    flow.updateErrorCode = 55113;
    flow.defaults = [] { return Record(); };
    flow.writeThrough(HoldingStores::store(), QStringLiteral("ID"));
    return flow.run(request, dialog);
}

}  // namespace StoreEditor
