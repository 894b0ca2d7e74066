#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The two encodings of the program's text files: Windows-1250, which the older Polish
// installations wrote, and UTF-8.
enum class TextEncoding { Windows1250, Utf8 };

namespace CodePage {

// A leading UTF-8 byte-order mark, or bytes that are valid UTF-8, mean UTF-8; anything
// else is Windows-1250. Plain ASCII counts as UTF-8.
TextEncoding detect(const QByteArray& bytes);

bool hasUtf8Bom(const QByteArray& bytes);

// Decodes in the detected encoding; a UTF-8 byte-order mark is dropped.
QString decode(const QByteArray& bytes);

QString decode(const QByteArray& bytes, TextEncoding encoding);

// UTF-8 is written without a byte-order mark. Characters Windows-1250 has no byte for
// become '?'.
QByteArray encode(const QString& text, TextEncoding encoding);

// "windows-1250", "cp1250", "utf-8" or "utf8" in any letter case.
std::optional<TextEncoding> encodingFromName(const QString& name);

// "windows-1250" or "utf-8".
QString encodingName(TextEncoding encoding);

}  // namespace CodePage
