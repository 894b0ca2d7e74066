#include "admin/uLogin.h"

#include "data/TmyDataBase.h"
#include "data/schema/DatabaseCreator.h"
#include "registers/QuietTeardown.h"
#include "support/MessageService.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

TfLogin::~TfLogin() {
    quietTeardown(this);
}

TfLogin::TfLogin(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_db(database), m_messages(messages) {
    setObjectName(QStringLiteral("TfLogin"));
    setWindowTitle(windowTitleText());
    auto* layout = new QVBoxLayout(this);
    auto* header = new QLabel(QStringLiteral("Zaloguj się"));
    header->setObjectName(QStringLiteral("Banner"));
    QFont font = header->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    header->setFont(font);
    layout->addWidget(header);

    auto* form = new QFormLayout;
    layout->addLayout(form);
    m_companies = new QComboBox;
    m_companies->setObjectName(QStringLiteral("cbFirmy1"));
    m_user = new QLineEdit;
    m_user->setObjectName(QStringLiteral("user"));
    m_user->setMaxLength(UserStore::kNameLength);
    m_password = new QLineEdit;
    m_password->setObjectName(QStringLiteral("pwd"));
    m_password->setMaxLength(UserStore::kPasswordLength);
    m_password->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("Firma"), m_companies);
    form->addRow(QStringLiteral("Użytkownik"), m_user);
    form->addRow(QStringLiteral("Hasło"), m_password);
    for (QWidget* field : std::initializer_list<QWidget*>{m_companies, m_user, m_password})
        form->labelForField(field)->setObjectName(field->objectName() + QStringLiteral("Label"));

    m_info = new QLabel(QStringLiteral("Nie poprawny login lub hasło"));
    m_info->setObjectName(QStringLiteral("info"));
    m_info->setStyleSheet(QStringLiteral("QLabel#info { color: #b00000; }"));
    m_info->hide();
    layout->addWidget(m_info);

    auto* buttons = new QHBoxLayout;
    auto* configure = new QPushButton(QStringLiteral("Konfiguruj bazę"));
    configure->setObjectName(QStringLiteral("BKonfiguruj"));
    configure->setAutoDefault(false);
    auto* ok = new QPushButton(QStringLiteral("&OK"));
    ok->setObjectName(QStringLiteral("BOK"));
    ok->setDefault(true);
    buttons->addWidget(configure);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &TfLogin::confirm);
    connect(configure, &QPushButton::clicked, this, [this] {
        m_result = Result::ConfigureDatabase;
        done(QDialog::Rejected);
    });
    // Names are kept in upper case; the letters change as they are typed.
    connect(m_user, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = UserStore::normalisedName(text);
        if (upper != text) {
            const int cursor = m_user->cursorPosition();
            m_user->setText(upper);
            m_user->setCursorPosition(cursor);
        }
    });
    m_user->installEventFilter(this);
    m_password->installEventFilter(this);
}

bool TfLogin::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == m_user || watched == m_password))
        m_info->hide();
    return QDialog::eventFilter(watched, event);
}

bool TfLogin::prepare(const DbLocation& location, const QString& preselectedDir) {
    m_location = location;
    m_companies->clear();
    DbError error;
    const QList<CompanyEntry> list = DatabaseCreator::companies(location, &error);
    if (error) {
        m_db.errorReport().report(error, kCodeSetup);
        return false;
    }
    for (const CompanyEntry& company : list)
        m_companies->addItem(company.name, company.dir);
    int index = preselectedDir.isEmpty() ? -1 : m_companies->findData(preselectedDir);
    if (index < 0 && m_companies->count() > 0)
        index = 0;
    m_companies->setCurrentIndex(index);
    return true;
}

TfLogin::Result TfLogin::run(const DbLocation& location, const QString& preselectedDir) {
    m_result = Result::Abandoned;
    m_login = {};
    m_companyDir.clear();
    m_companyName.clear();
    m_failed = 0;
    m_user->clear();
    m_password->clear();
    m_info->hide();
    if (!prepare(location, preselectedDir))
        return Result::SetupFailed;
    m_user->setFocus();
    exec();
    return m_result;
}

void TfLogin::failedAttempt() {
    m_info->show();
    m_password->clear();
    ++m_failed;
    if (m_failed >= kAttempts) {
        m_result = Result::Failed;
        done(QDialog::Rejected);
    }
}

void TfLogin::confirm() {
    const int company = m_companies->currentIndex();
    if (company < 0) {
        m_messages.information(QStringLiteral("Informacja"),
                               QStringLiteral("Nie wskazano firmy. Kliknij przycisk \"Konfiguruj "
                                              "bazę\" i dodaj nową firmę."));
        return;
    }
    const QString typedName = m_user->text();
    const QString typedPassword = m_password->text();
    if (UserStore::normalisedName(typedName).trimmed().isEmpty() ||
        typedPassword.size() < UserStore::kMinimumPassword) {
        failedAttempt();
    } else {
        const QString dir = m_companies->itemData(company).toString();
        // A failure to open the company or to read its accounts has been reported and is
        // no attempt of the user's.
        if (m_db.openCompany(m_location, dir)) {
            UserStore store(m_db);
            const UserStore::LoginOutcome outcome = store.login(typedName, typedPassword);
            if (outcome.status == UserStore::LoginStatus::LoggedIn) {
                m_login = outcome.data;
                m_companyDir = dir;
                m_companyName = m_companies->itemText(company);
                m_result = Result::LoggedIn;
                accept();
                return;
            }
            if (outcome.status == UserStore::LoginStatus::Refused)
                failedAttempt();
        }
    }
    if (m_result == Result::Failed)
        return;
    m_user->selectAll();
    m_user->setFocus();
}

std::optional<QString> TfLogin::askForNewPassword(TmyDataBase& database, MessageService& messages,
                                                  const QString& userName) {
    const QString title = QStringLiteral("Zmiana hasła");
    UserStore store(database);
    for (;;) {
        const std::optional<QString> password = messages.prompt(
            title,
            QStringLiteral("Konto %1 używa hasła domyślnego. Wprowadź nowe hasło:").arg(userName),
            QString(), true);
        if (!password)
            return std::nullopt;
        const std::optional<QString> repeat =
            messages.prompt(title, QStringLiteral("Powtórz nowe hasło:"), QString(), true);
        if (!repeat)
            return std::nullopt;
        if (const auto problem = UserStore::checkAccount(userName, *password, *repeat, true)) {
            messages.information(QStringLiteral("Uwaga"), problem->message);
            continue;
        }
        if (UserStore::isDefaultSupervisorPassword(userName, *password)) {
            messages.information(QStringLiteral("Uwaga"),
                                 QStringLiteral("Nowe hasło musi być inne od hasła domyślnego."));
            continue;
        }
        // A failure has been reported; the old password stays.
        if (!store.setPassword(userName, *password))
            return std::nullopt;
        return password;
    }
}

QString TfLogin::password() const {
    return m_password->text();
}
