#include "support/PasswordHash.h"

#include <QRandomGenerator>
#include <QStringList>
#include <optional>

#include <openssl/evp.h>

namespace {

constexpr auto scheme = QLatin1StringView("pbkdf2-sha256");
constexpr int saltLength = 16;
constexpr int keyLength = 32;
// A stored hash asking for more work than this is rejected rather than computed, so a
// damaged record cannot make a login run for hours.
constexpr qint64 maxIterations = 10'000'000;
constexpr qsizetype maxStoredKeyLength = 1024;

struct StoredHash {
    int iterations = 0;
    QByteArray salt;
    QByteArray key;
};

std::optional<QByteArray> strictBase64(const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    auto decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty())
        return std::nullopt;
    return decoded.decoded;
}

std::optional<StoredHash> parse(const QString& stored) {
    const QStringList parts = stored.split(u'$');
    if (parts.size() != 4 || parts[0] != scheme)
        return std::nullopt;
    const QString& count = parts[1];
    if (count.isEmpty() || count.size() > 10)
        return std::nullopt;
    for (QChar c : count) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const qint64 iterations = count.toLongLong();
    if (iterations < 1 || iterations > maxIterations)
        return std::nullopt;
    const auto salt = strictBase64(parts[2]);
    const auto key = strictBase64(parts[3]);
    if (!salt || !key || key->size() > maxStoredKeyLength)
        return std::nullopt;
    return StoredHash{static_cast<int>(iterations), *salt, *key};
}

bool constantTimeEqual(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

}  // namespace

QByteArray PasswordHash::pbkdf2Sha256(const QByteArray& password, const QByteArray& salt,
                                      int iterations, int keyLength) {
    if (iterations < 1 || keyLength < 1)
        return {};
    QByteArray derived(keyLength, Qt::Uninitialized);
    if (PKCS5_PBKDF2_HMAC(password.constData(), int(password.size()),
                          reinterpret_cast<const unsigned char*>(salt.constData()),
                          int(salt.size()), iterations, EVP_sha256(), keyLength,
                          reinterpret_cast<unsigned char*>(derived.data())) != 1)
        return {};
    return derived;
}

QString PasswordHash::make(const QString& password, int iterations) {
    iterations = qMax(1, iterations);
    QByteArray salt(saltLength, Qt::Uninitialized);
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    const QByteArray key = pbkdf2Sha256(password.toUtf8(), salt, iterations, keyLength);
    return QString(scheme) + u'$' + QString::number(iterations) + u'$' +
           QString::fromLatin1(salt.toBase64()) + u'$' + QString::fromLatin1(key.toBase64());
}

bool PasswordHash::verify(const QString& password, const QString& stored) {
    const auto hash = parse(stored);
    if (!hash)
        return false;
    const QByteArray key = pbkdf2Sha256(password.toUtf8(), hash->salt, hash->iterations,
                                        static_cast<int>(hash->key.size()));
    return constantTimeEqual(key, hash->key);
}

bool PasswordHash::isHash(const QString& stored) {
    return parse(stored).has_value();
}

int PasswordHash::iterations(const QString& stored) {
    const auto hash = parse(stored);
    return hash ? hash->iterations : 0;
}

bool PasswordHash::needsRehash(const QString& stored) {
    return iterations(stored) < defaultIterations;
}
