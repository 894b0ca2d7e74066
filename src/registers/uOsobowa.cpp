#include "registers/uOsobowa.h"

#include "data/TmyDataBase.h"
#include "data/records/KeyCascade.h"
#include "data/records/RecordStores.h"
#include "registers/EditFlow.h"

#include <QGridLayout>
#include <QLineEdit>

TfOsobowa::TfOsobowa(MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fOsobowa"), QStringLiteral("Kartoteka osobowa"),
                   QStringLiteral("Kartoteka osobowa"), messages, parent) {
    const struct {
        const char* column;
        const char* label;
        int limit;
        const char* hint;
    } layout[] = {
        {"NREW", "Numer ewidencyjny", 15, ""},
        {"NAZWISKO", "Nazwisko", 50, ""},
        {"IMIE", "Imię", 30, ""},
        {"ADRES", "Adres", 50, "Adres zamieszkania"},
        {"NUMER", "Numer domu", 10, ""},
        {"MIASTO", "Miasto", 50, ""},
        {"KOD", "Kod pocztowy", 10, ""},
        {"KRAJ", "Kraj", 30, ""},
        {"TELEFON", "Telefon (-y)", 100, ""},
        {"KONTAKT", "Adres kontaktowy", 254, ""},
        {"UWAGI", "Inne", 254, "Pozostałe informacje"},
    };
    int row = 0;
    for (const auto& f : layout) {
        QLineEdit* edit = textField(QStringLiteral("f") + QLatin1String(f.column), f.limit,
                                    QString::fromUtf8(f.hint));
        edit->setMinimumWidth(320);
        addRow(row++, 0, QString::fromUtf8(f.label), edit);
        m_fields.append({f.column, edit});
    }
    m_number = m_fields[0].edit;
    m_surname = m_fields[1].edit;
}

void TfOsobowa::setRecord(const Record& r) {
    for (const Field& f : m_fields)
        f.edit->setText(r.text(QLatin1String(f.column)));
    m_number->setFocus();
}

Record TfOsobowa::record() const {
    Record r;
    for (const Field& f : m_fields)
        r.set(QLatin1String(f.column), f.edit->text());
    return r;
}

bool TfOsobowa::checkFields() {
    if (m_number->text().trimmed().isEmpty())
        return refuse(QStringLiteral("Nie wprowadzono numeru ewidencyjnego. Popraw pole"),
                      m_number);
    if (m_surname->text().trimmed().isEmpty())
        return refuse(QStringLiteral("Nie wprowadzono nazwiska. Popraw pole"), m_surname);
    m_number->setText(m_number->text().trimmed());
    return true;
}

namespace PersonEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfOsobowa dialog(request.messages, request.parent);
    EditFlow flow;
    flow.id = RegisterId::Osobowa;
    flow.insertErrorCode = 9;
    flow.updateErrorCode = 15;
    flow.duplicateMessage = QStringLiteral("Istnieje już osoba o podanym numerze ewidencyjnym");
    flow.defaults = [] { return Record(); };
    flow.uniqueKey(QStringLiteral("osobowa"), QStringLiteral("NREW"));
    flow.write = [](TmyDataBase& db, const Record& r, const Record* original) {
        if (!original)
            return RecordStores::persons().insert(db, r);
        // A changed evidence number changes every reference to the person with it.
        Transaction transaction(db.DatabaseFirma());
        WriteResult result;
        result.error = transaction.beginError();
        const QString before = original->text(QStringLiteral("NREW"));
        if (!result.error)
            result = RecordStores::persons().update(db, r, before);
        if (result.ok)
            result.error = KeyCascade::renamePerson(db.DatabaseFirma(), before,
                                                    r.text(QStringLiteral("NREW")));
        if (!result.error)
            result.error = transaction.commit();
        result.ok = result.error.ok();
        return result;
    };
    flow.key = [](const Record& r, const WriteResult&) {
        return QStringList{r.text(QStringLiteral("NREW"))};
    };
    return flow.run(request, dialog);
}

}  // namespace PersonEditor
