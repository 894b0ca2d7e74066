#include "registers/uFirma.h"

#include "data/TmyDataBase.h"
#include "data/records/DictionaryStore.h"
#include "data/schema/Schema.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfFirma::TfFirma(MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("TfFirma"), QStringLiteral("Dane Firmy"),
                   QStringLiteral("Informacje o Firmie"), messages, parent) {
    const TableDef* table = Schema::companyTable(QStringLiteral("firma"));
    const struct {
        const char* column;
        const char* label;
        int row;
        int side;  // 0 left, 1 right; -1 the whole width
    } layout[] = {
        {"NAZWA", "Nazwa firmy", 0, -1},
        {"NIP", "NIP", 1, 0},
        {"REGON", "REGON", 1, 1},
        {"KOD", "Kod pocztowy", 2, 0},
        {"MIASTO", "Miasto", 2, 1},
        {"ULICA", "Ulica", 3, 0},
        {"NUMER", "Numer", 3, 1},
        {"TELEFON", "Telefon", 4, 0},
        {"FAX", "Fax", 4, 1},
        {"EMAIL", "E-mail", 5, 0},
        {"WWW", "WWW", 5, 1},
        {"BANK", "Bank", 6, 0},
        {"ROR", "Numer konta", 6, 1},
        {"KKOD", "Kod pocztowy", 8, 0},
        {"KMIASTO", "Miasto", 8, 1},
        {"KULICA", "Ulica", 9, 0},
        {"KNUMER", "Numer", 9, 1},
        {"KTELEFON", "Telefon", 10, 0},
        {"KFAX", "Fax", 10, 1},
        {"KEMAIL", "E-mail", 11, 0},
        {"INNE", "Inne", 12, -1},
    };
    for (const auto& f : layout) {
        const QString column = QString::fromLatin1(f.column);
        const FieldDef* def = table ? table->field(column) : nullptr;
        // Each field holds no more than its column does.
        QLineEdit* edit = textField(QStringLiteral("f") + column, def ? def->width : 254);
        edit->setMinimumWidth(f.side < 0 ? 480 : 220);
        addRow(f.row, f.side < 0 ? 0 : f.side, QString::fromUtf8(f.label), edit, {},
               f.side < 0 ? 2 : 1);
        m_fields.append({column, edit});
    }
    auto* letters = new QLabel(QStringLiteral("Adres korespondencyjny:"));
    letters->setObjectName(QStringLiteral("adresKorespondencyjnyLabel"));
    QFont font = letters->font();
    font.setBold(true);
    letters->setFont(font);
    form()->addWidget(letters, 7, 0, 1, 5);
}

void TfFirma::setRecord(const Record& r) {
    for (const Field& f : m_fields)
        f.edit->setText(r.text(f.column));
    m_fields.first().edit->setFocus();
}

Record TfFirma::record() const {
    Record r;
    r.set(QStringLiteral("IDFIRMA"), 1);
    for (const Field& f : m_fields)
        r.set(f.column, f.edit->text());
    return r;
}

void TfFirma::setReadOnly(bool readOnly) {
    setPreview(readOnly);
    if (readOnly)
        saveButton()->setText(QStringLiteral("&Zamknij"));
}

bool TfFirma::edit(QWidget* parent, TmyDataBase& database, MessageService& messages,
                   bool canWrite) {
    DictionaryStore store(database);
    const auto data = store.companyData();
    if (!data)
        return false;
    TfFirma dialog(messages, parent);
    dialog.setRecord(*data);
    dialog.setReadOnly(!canWrite);
    // The read-only view closes through the same button; it never writes.
    if (!dialog.run() || !canWrite)
        return false;
    return store.writeCompanyData(dialog.record());
}
