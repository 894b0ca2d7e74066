#include "data/engine/PolishCollation.h"

#include <sqlite3.h>
#include <QCollator>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlDriver>

namespace {

QCollator& collator() {
    static QCollator instance(QLocale(QLocale::Polish, QLocale::Poland));
    return instance;
}

int compareUtf16(void*, int length1, const void* text1, int length2, const void* text2) {
    const QStringView a(static_cast<const QChar*>(text1), length1 / 2);
    const QStringView b(static_cast<const QChar*>(text2), length2 / 2);
    return PolishCollation::compare(a, b);
}

}  // namespace

namespace PolishCollation {

QString name() {
    return QStringLiteral("pl-x-icu");
}

QString clause() {
    return QStringLiteral(" COLLATE \"pl-x-icu\"");
}

int compare(QStringView a, QStringView b) {
    int result = collator().compare(a, b);
    // Texts the collator holds equal still get a fixed order, as PostgreSQL's
    // deterministic collations give them.
    if (result == 0)
        result = a.compare(b, Qt::CaseSensitive);
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

bool registerOn(const QSqlDatabase& database) {
    const QVariant handle = database.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    auto* sqlite = *static_cast<sqlite3* const*>(handle.data());
    if (!sqlite)
        return false;
    const QByteArray collationName = name().toUtf8();
    return sqlite3_create_collation(sqlite, collationName.constData(), SQLITE_UTF16, nullptr,
                                    &compareUtf16) == SQLITE_OK;
}

}  // namespace PolishCollation
