#include "data/schema/DemoCompany.h"

// Placeholder until the sample fleet is written.
namespace DemoCompany {
DbError fill(DbConnection&, const QDate&) {
    return {DbError::Kind::Other, QStringLiteral("Brak danych przykładowej firmy.")};
}
}  // namespace DemoCompany
