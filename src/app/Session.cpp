#include "app/Session.h"

#include "admin/ConfigPP.h"
#include "admin/LocationStore.h"
#include "admin/UserStore.h"
#include "admin/uLogin.h"
#include "data/TmyDataBase.h"
#include "data/schema/DatabaseCreator.h"
#include "support/MessageService.h"
#include "support/OVUtilities.h"

#include <QDir>

Session::Session(TmyDataBase& database, MessageService& messages, TconfigPP& config)
    : m_db(database), m_messages(messages), m_config(config) {}

QString Session::sampleLocation() {
    return TOVUtilities::defaultDataDirectory() + QStringLiteral("/baza");
}

std::optional<DbLocation> Session::location() {
    QString text = m_locationOption;
    LocationStore store;
    if (text.isEmpty() && store.exists())
        text = store.location();
    if (text.isEmpty()) {
        // The first run: a sample database to look around in, recorded for the next start.
        text = sampleLocation();
        const DbLocation sample = DbLocation::sqlite(text);
        bool justCreated = false;
        if (!DatabaseCreator::databaseExists(sample)) {
            CreateResult created = DatabaseCreator::createDatabase(sample, false);
            if (created.ok)
                created = DatabaseCreator::addCompany(sample, DatabaseCreator::sampleCompanyName(),
                                                      DatabaseCreator::sampleCompanyDir(),
                                                      DatabaseCreator::Contents::Sample);
            if (!created.ok) {
                m_messages.information(
                    QStringLiteral("Informacja"),
                    QStringLiteral("Nie udało się stworzyć nowej bazy danych\n") + created.message);
                return std::nullopt;
            }
            justCreated = true;
        }
        store.setLocation(text);
        if (justCreated && m_tellFirstRun)
            m_messages.information(
                QStringLiteral("Informacja"),
                QStringLiteral("Utworzono przykładową bazę danych z firmą \"%1\" w katalogu\n%2\n\n"
                               "Zaloguj się jako ADMIN, hasło: lotra. Program poprosi o nowe "
                               "hasło.")
                    .arg(DatabaseCreator::sampleCompanyName(), QDir::toNativeSeparators(text)));
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
    for (;;) {
        const auto where = location();
        if (!where)
            return false;
        TfLogin login(m_db, m_messages, parent);
        const TfLogin::Result result =
            login.run(*where, m_companyOption.isEmpty() ? m_config.firmaDir : m_companyOption);
        if (result == TfLogin::Result::ConfigureDatabase) {
            m_messages.information(
                QStringLiteral("Informacja"),
                QStringLiteral("Okno konfiguracji bazy danych będzie dostępne w kolejnej wersji "
                               "programu. Inną bazę można wskazać opcją --location."));
            continue;
        }
        if (result != TfLogin::Result::LoggedIn)
            return false;
        m_companyName = login.companyName();
        m_dir = login.companyDir();
        m_config.firmaDir = m_dir;
        m_user = login.login().userName;
        m_description = login.login().description;
        if (login.login().defaultPassword)
            TfLogin::askForNewPassword(m_db, m_messages, m_user);
        reloadUser();
        return true;
    }
}

bool Session::openAsSupervisor() {
    m_tellFirstRun = false;  // nobody reads the box while the pictures are taken
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
    m_description = outcome.data.description;
    reloadUser();
    return true;
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
