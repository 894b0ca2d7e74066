#include "TestCompany.h"

bool TestCompany::create(DatabaseCreator::Contents contents, MessageService* messages,
                         const QString& name, const QString& dir) {
    const bool sample = contents == DatabaseCreator::Contents::Sample;
    const QString companyDir = sample ? DatabaseCreator::sampleCompanyDir() : dir;
    CreateResult result = DatabaseCreator::createDatabase(location(), false);
    if (result.ok)
        result = DatabaseCreator::addCompany(
            location(), sample ? DatabaseCreator::sampleCompanyName() : name, companyDir, contents);
    m_error = result.message;
    if (!result.ok)
        return false;
    m_db = std::make_unique<TmyDataBase>(messages);
    if (!m_db->openCompany(location(), companyDir)) {
        m_error = QStringLiteral("the company does not open");
        return false;
    }
    return true;
}
