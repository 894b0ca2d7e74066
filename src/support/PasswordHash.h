#pragma once

#include <QByteArray>
#include <QString>

// Passwords of the program's users are stored as
//   pbkdf2-sha256$<iterations>$<salt in base64>$<key in base64>
// with a 16-byte random salt and a 32-byte PBKDF2-HMAC-SHA256 key of the UTF-8 password.
class PasswordHash {
public:
    static constexpr int defaultIterations = 600000;

    // iterations below 1 are taken as 1.
    static QString make(const QString& password, int iterations = defaultIterations);

    // False for anything that is not a hash of the form above.
    static bool verify(const QString& password, const QString& stored);

    static bool isHash(const QString& stored);
    // The hash's iteration count; 0 for anything that is not a hash.
    static int iterations(const QString& stored);
    // A stored form weaker than a new hash: an older count, or no hash at all.
    static bool needsRehash(const QString& stored);

    // PBKDF2 (RFC 8018) with HMAC-SHA256, computed by OpenSSL; empty when iterations or
    // keyLength is below 1.
    static QByteArray pbkdf2Sha256(const QByteArray& password, const QByteArray& salt,
                                   int iterations, int keyLength);
};
