#include "data/engine/PolishCollation.h"

#include <sqlite3.h>
#include <QCollator>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QStringDecoder>
#include <QVarLengthArray>
#include <cstring>

namespace {

QCollator& collator() {
    static QCollator instance(QLocale(QLocale::Polish, QLocale::Poland));
    return instance;
}

// The engine keeps texts as UTF-8 and hands them over as they are: equal bytes are equal
// texts (most comparisons while sorting a column of a few distinct kinds or names), the
// rest are decoded on the stack for the collator.
int compareUtf8(void*, int length1, const void* text1, int length2, const void* text2) {
    if (length1 == length2 && std::memcmp(text1, text2, size_t(length1)) == 0)
        return 0;
    thread_local QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QVarLengthArray<QChar, 256> a(decoder.requiredSpace(length1));
    QVarLengthArray<QChar, 256> b(decoder.requiredSpace(length2));
    const QChar* endA =
        decoder.appendToBuffer(a.data(), QByteArrayView(static_cast<const char*>(text1), length1));
    const QChar* endB =
        decoder.appendToBuffer(b.data(), QByteArrayView(static_cast<const char*>(text2), length2));
    return PolishCollation::compare(QStringView(a.data(), endA), QStringView(b.data(), endB));
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
    return sqlite3_create_collation(sqlite, collationName.constData(), SQLITE_UTF8, nullptr,
                                    &compareUtf8) == SQLITE_OK;
}

}  // namespace PolishCollation
