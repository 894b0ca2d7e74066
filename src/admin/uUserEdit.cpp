#include "admin/uUserEdit.h"

#include "admin/UserStore.h"
#include "registers/QuietTeardown.h"
#include "support/MessageService.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* field(const QString& objectName, int maxLength, bool password) {
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    edit->setMaxLength(maxLength);
    if (password)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

}  // namespace

TfUserEdit::~TfUserEdit() {
    quietTeardown(this);
}

TfUserEdit::TfUserEdit(MessageService& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setObjectName(QStringLiteral("TfUserEdit"));
    setWindowTitle(QStringLiteral("Informacje o użytkowniku"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    m_name = field(QStringLiteral("fNAZWA"), UserStore::kNameLength, false);
    // Names are kept in upper case; the letters change as they are typed.
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = UserStore::normalisedName(text);
        if (upper != text) {
            const int cursor = m_name->cursorPosition();
            m_name->setText(upper);
            m_name->setCursorPosition(cursor);
        }
    });
    m_password = field(QStringLiteral("fHASLO"), UserStore::kPasswordLength, true);
    m_repeat = field(QStringLiteral("fHASLO2"), UserStore::kPasswordLength, true);
    m_description = field(QStringLiteral("fOPIS"), UserStore::kDescriptionLength, false);
    form->addRow(QStringLiteral("Nazwa"), m_name);
    form->addRow(QStringLiteral("Hasło"), m_password);
    form->addRow(QStringLiteral("Powtórka hasła"), m_repeat);
    form->addRow(QStringLiteral("Opis"), m_description);
    for (QLineEdit* edit : {m_name, m_password, m_repeat, m_description})
        form->labelForField(edit)->setObjectName(edit->objectName() + QStringLiteral("Label"));

    auto* buttons = new QDialogButtonBox;
    m_save = buttons->addButton(QStringLiteral("&Zapisz"), QDialogButtonBox::AcceptRole);
    m_save->setObjectName(QStringLiteral("BZapisz"));
    m_save->setDefault(true);
    m_cancel = buttons->addButton(QStringLiteral("&Anuluj"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("BAnuluj"));
    m_cancel->setAutoDefault(false);
    layout->addWidget(buttons);
    connect(m_save, &QPushButton::clicked, this, &TfUserEdit::save);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfUserEdit::setNew(const Values& values) {
    m_new = true;
    m_name->setReadOnly(false);
    m_name->setText(UserStore::normalisedName(values.name));
    m_password->setText(values.password);
    m_repeat->setText(values.repeat);
    m_description->setText(values.description);
    m_password->setPlaceholderText({});
    m_repeat->setPlaceholderText({});
    m_name->setFocus();
}

void TfUserEdit::setExisting(const QString& name, const QString& description) {
    m_new = false;
    m_name->setText(name);
    m_name->setReadOnly(true);
    m_password->clear();
    m_repeat->clear();
    m_description->setText(description);
    const QString keep = QStringLiteral("bez zmian");
    m_password->setPlaceholderText(keep);
    m_repeat->setPlaceholderText(keep);
    m_password->setFocus();
}

TfUserEdit::Values TfUserEdit::values() const {
    return {m_name->text(), m_password->text(), m_repeat->text(), m_description->text()};
}

bool TfUserEdit::run() {
    m_saved = false;
    exec();
    return m_saved;
}

void TfUserEdit::save() {
    const Values typed = values();
    if (const auto problem =
            UserStore::checkAccount(typed.name, typed.password, typed.repeat, m_new)) {
        m_messages.information(QStringLiteral("Uwaga"), problem->message);
        QLineEdit* focus = m_name;
        if (problem->field == AccountProblem::Field::Password)
            focus = m_password;
        else if (problem->field == AccountProblem::Field::Repeat)
            focus = m_repeat;
        focus->setFocus();
        focus->selectAll();
        return;
    }
    m_saved = true;
    accept();
}
