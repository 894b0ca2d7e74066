#include "support/OVCrypt.h"

namespace {

// direction is +1 to encipher and -1 to decipher; unsigned arithmetic wraps modulo 256.
QByteArray shift(QByteArray text, const QByteArray& key, int direction) {
    if (key.isEmpty())
        return text;
    const qsizetype keyLength = key.size();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto keyByte = static_cast<unsigned char>(key[i % keyLength]);
        text[i] = static_cast<char>(static_cast<unsigned char>(byte + direction * keyByte));
    }
    return text;
}

}  // namespace

void TOVCrypt::Encipher() {
    Cryptogram = encipher(Cryptogram, Key);
}

void TOVCrypt::Decipher() {
    Cryptogram = decipher(Cryptogram, Key);
}

QByteArray TOVCrypt::encipher(const QByteArray& text, const QByteArray& key) {
    return shift(text, key, +1);
}

QByteArray TOVCrypt::decipher(const QByteArray& text, const QByteArray& key) {
    return shift(text, key, -1);
}
