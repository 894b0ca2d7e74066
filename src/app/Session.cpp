#include "app/Session.h"

#include "admin/ConfigPP.h"
#include "admin/LocationStore.h"
#include "data/TmyDataBase.h"
#include "data/schema/DatabaseCreator.h"
#include "support/MessageService.h"
#include "support/OVUtilities.h"

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
        }
        store.setLocation(text);
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
