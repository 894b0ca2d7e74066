#include "support/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr char windows1250Name[] = "windows-1250";

QByteArray utf8Bom() {
    return QByteArrayLiteral("\xEF\xBB\xBF");
}

bool isValidUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoder works when its result is converted, so the text must be taken.
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

// The encoder substitutes a control character (or a look-alike) for what Windows-1250
// cannot hold, so each code point is checked by decoding its bytes back.
QByteArray encodeWindows1250Checked(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    QStringEncoder encoder(windows1250Name, QStringEncoder::Flag::Stateless);
    QStringDecoder decoder(windows1250Name, QStringDecoder::Flag::Stateless);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2
                                                                                               : 1;
        const QStringView codePoint = QStringView(text).mid(i, length);
        const QByteArray bytes = encoder.encode(codePoint);
        if (!encoder.hasError() && bytes.size() == 1 && QString(decoder.decode(bytes)) == codePoint)
            out += bytes;
        else
            out += '?';
        // A failed conversion leaves the error flag set; start afresh.
        if (encoder.hasError())
            encoder = QStringEncoder(windows1250Name, QStringEncoder::Flag::Stateless);
        i += length;
    }
    return out;
}

}  // namespace

namespace CodePage {

bool hasUtf8Bom(const QByteArray& bytes) {
    return bytes.startsWith(utf8Bom());
}

TextEncoding detect(const QByteArray& bytes) {
    if (hasUtf8Bom(bytes) || isValidUtf8(bytes))
        return TextEncoding::Utf8;
    return TextEncoding::Windows1250;
}

QString decode(const QByteArray& bytes) {
    return decode(bytes, detect(bytes));
}

QString decode(const QByteArray& bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) {
        // QString::fromUtf8 would also swallow a second mark; only the first one goes.
        const QByteArray body = hasUtf8Bom(bytes) ? bytes.mid(utf8Bom().size()) : bytes;
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                         QStringDecoder::Flag::ConvertInitialBom);
        return decoder.decode(body);
    }
    QStringDecoder decoder(windows1250Name, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray encode(const QString& text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return text.toUtf8();
    QStringEncoder encoder(windows1250Name, QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    // Fast path: the whole text survives the round trip unchanged.
    if (!encoder.hasError() && decode(bytes, TextEncoding::Windows1250) == text)
        return bytes;
    return encodeWindows1250Checked(text);
}

std::optional<TextEncoding> encodingFromName(const QString& name) {
    const QString key = name.trimmed().toLower();
    if (key == u"windows-1250" || key == u"cp1250")
        return TextEncoding::Windows1250;
    if (key == u"utf-8" || key == u"utf8")
        return TextEncoding::Utf8;
    return std::nullopt;
}

QString encodingName(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? QStringLiteral("utf-8")
                                          : QStringLiteral("windows-1250");
}

}  // namespace CodePage
