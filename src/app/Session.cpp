#include "app/Session.h"

#include "shell/ProgressBox.h"

#include "admin/ConfigPP.h"
#include "admin/DatabaseAdmin.h"
#include "admin/LocationStore.h"
#include "admin/UserStore.h"
#include "admin/uLogin.h"
#include "admin/uTutorial1.h"
#include "admin/uWskazBaze.h"
#include "data/TmyDataBase.h"
#include "data/schema/CompanyUpgrade.h"
#include "data/schema/DatabaseCreator.h"
#include "support/MessageService.h"
#include "support/OVUtilities.h"

Session::Session(TmyDataBase& database, MessageService& messages, TconfigPP& config)
    : m_db(database), m_messages(messages), m_config(config) {}

QString Session::sampleLocation() {
    return TOVUtilities::defaultDataDirectory() + QStringLiteral("/baza");
}

std::optional<DbLocation> Session::location() {
    if (m_pictures)
        return givenLocation();
    // A location given on the command line is checked like the recorded one, with its
    // password; once the database window has been shown, the recorded one counts.
    const QString given = std::exchange(m_locationOption, QString());
    LocationStore store;
    DatabaseAdmin::CheckOutcome check =
        DatabaseAdmin::checkLocation(store, true, &m_messages, given);
    if (check.result == DatabaseAdmin::Check::Usable)
        return check.location;
    if (check.result == DatabaseAdmin::Check::NoDatabase) {
        TfTutorial1 tutorial(m_parent);
        tutorial.exec();
    } else {
        m_messages.information(
            QStringLiteral("Informacja"),
            QStringLiteral("Niepoprawne hasło bazy danych. Spróbuj otworzyć bazę ponownie"));
    }
    TfWskazBaze window(m_db, m_messages, store, m_parent);
    window.run(TfWskazBaze::Mode::Login);
    check = DatabaseAdmin::checkLocation(store, true, &m_messages);
    if (check.result == DatabaseAdmin::Check::Usable)
        return check.location;
    m_messages.information(QStringLiteral("Informacja"),
                           QStringLiteral("Nie udało się określić lokalizacji i hasła bazy "
                                          "danych. Program zostanie zamknięty."));
    return std::nullopt;
}

std::optional<DbLocation> Session::givenLocation() {
    QString text = m_locationOption;
    if (text.isEmpty()) {
        // Pictures of the program are taken on the sample database, made on first use.
        text = sampleLocation();
        const DbLocation sample = DbLocation::sqlite(text);
        if (!DatabaseCreator::databaseExists(sample)) {
            DatabaseCreator::NewDatabase what;
            what.companies.append({DatabaseCreator::sampleCompanyName(),
                                   DatabaseCreator::sampleCompanyDir(),
                                   DatabaseCreator::Contents::Sample,
                                   {}});
            const CreateResult created = DatabaseCreator::createDatabase(sample, what);
            if (!created.ok) {
                m_messages.information(
                    QStringLiteral("Informacja"),
                    QStringLiteral("Nie udało się stworzyć nowej bazy danych\n") + created.message);
                return std::nullopt;
            }
        }
    }
    QString error;
    auto parsed = DbLocation::parse(text, &error);
    if (!parsed)
        m_messages.information(QStringLiteral("Informacja"), error);
    return parsed;
}

bool Session::open() {
    const auto where = location();
    if (!where)
        return false;
    DbError error;
    const QList<CompanyEntry> companies = DatabaseCreator::companies(*where, &error);
    if (error) {
        m_messages.information(QStringLiteral("Informacja"),
                               QStringLiteral("Nie udało się otworzyć bazy danych %1\n%2")
                                   .arg(where->displayText(), error.message()));
        return false;
    }
    const QString wanted = m_companyOption.isEmpty() ? m_config.firmaDir : m_companyOption;
    const CompanyEntry* chosen = nullptr;
    for (const CompanyEntry& company : companies) {
        if (company.dir == wanted)
            chosen = &company;
    }
    if (!chosen && !m_companyOption.isEmpty()) {
        m_messages.information(
            QStringLiteral("Informacja"),
            QStringLiteral("W bazie danych nie ma firmy w katalogu %1.").arg(m_companyOption));
        return false;
    }
    if (!chosen && !companies.isEmpty())
        chosen = &companies.first();
    if (!chosen) {
        m_messages.information(
            QStringLiteral("Informacja"),
            QStringLiteral("W bazie danych nie ma jeszcze żadnej firmy. Dodaj firmę poleceniem "
                           "flotanor-cli add-company."));
        return false;
    }
    if (!m_db.openCompany(*where, chosen->dir))
        return false;
    m_companyName = chosen->name;
    m_dir = chosen->dir;
    m_config.firmaDir = m_dir;
    return true;
}

bool Session::logIn(QWidget* parent) {
    m_parent = parent;
    for (;;) {
        const auto where = location();
        if (!where)
            return false;
        TfLogin login(m_db, m_messages, m_parent);
        const TfLogin::Result result =
            login.run(*where, m_companyOption.isEmpty() ? m_config.firmaDir : m_companyOption);
        if (result == TfLogin::Result::ConfigureDatabase) {
            LocationStore store;
            TfWskazBaze window(m_db, m_messages, store, m_parent);
            window.run(TfWskazBaze::Mode::Normal);
            continue;  // the location is checked again
        }
        if (result != TfLogin::Result::LoggedIn)
            return false;
        m_companyName = login.companyName();
        m_dir = login.companyDir();
        m_config.firmaDir = m_dir;
        m_user = login.login().userName;
        m_password = login.password();
        m_description = login.login().description;
        upgradeCompany(*where);
        if (login.login().defaultPassword) {
            if (const auto fresh = TfLogin::askForNewPassword(m_db, m_messages, m_user))
                m_password = *fresh;
        }
        reloadUser();
        return true;
    }
}

bool Session::openAsSupervisor() {
    m_pictures = true;
    if (!open())
        return false;
    const UserStore::LoginOutcome outcome =
        UserStore(m_db).login(QStringLiteral("ADMIN"), QStringLiteral("lotra"));
    if (outcome.status != UserStore::LoginStatus::LoggedIn) {
        m_messages.information(QStringLiteral("Informacja"),
                               QStringLiteral("Konto ADMIN tej firmy ma już własne hasło."));
        return false;
    }
    m_user = outcome.data.userName;
    m_password = QStringLiteral("lotra");
    m_description = outcome.data.description;
    if (const auto where = location())
        upgradeCompany(*where);
    reloadUser();
    return true;
}

void Session::upgradeCompany(const DbLocation& where) {
    ProgressBox progress(nullptr, QStringLiteral("Aktualizacja bazy danych"), false);
    CompanyUpgrade(m_db.DatabaseFirma(), m_messages, where.displayText() + u'/' + m_dir).run();
}

QString Session::userText() const {
    return m_description.isEmpty() ? m_user : m_user + QStringLiteral(", ") + m_description;
}

void Session::reloadUser() {
    UserStore users(m_db);
    if (const auto description = users.description(m_user))
        m_description = *description;
    // Rights that cannot be read grant nothing (the failure has been told).
    const auto rights = users.rights(m_user);
    m_rights = rights ? *rights : std::bitset<101>();
}
