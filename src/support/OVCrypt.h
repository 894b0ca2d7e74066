#pragma once

#include <QByteArray>

// The string cipher the program keeps passwords and licence texts in: every byte of the
// text is shifted by the matching byte of the key, the key repeating from its start.
// It hides text from a casual look; it is not meant to withstand an attack.
class TOVCrypt {
public:
    QByteArray Key;
    QByteArray Cryptogram;

    // Work on Cryptogram in place with Key; an empty Key leaves it unchanged.
    void Encipher();
    void Decipher();

    static QByteArray encipher(const QByteArray& text, const QByteArray& key);
    static QByteArray decipher(const QByteArray& text, const QByteArray& key);
};
