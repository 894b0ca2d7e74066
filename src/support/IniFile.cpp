#include "support/IniFile.h"

#include "support/CodePage.h"
#include "support/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <limits>
#include <optional>

namespace {

struct Document {
    QStringList lines;
    TextEncoding encoding = TextEncoding::Utf8;
    bool bom = false;
};

enum class LineKind { Other, Comment, Section, Key };

struct Line {
    LineKind kind = LineKind::Other;
    QString name;   // section or key name, trimmed
    QString value;  // for a key, trimmed
    qsizetype equals = -1;
};

Line parseLine(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(u';'))
        return {LineKind::Comment, {}, {}, -1};
    if (trimmed.startsWith(u'[')) {
        const qsizetype close = trimmed.indexOf(u']');
        if (close > 0)
            return {LineKind::Section, trimmed.mid(1, close - 1).trimmed(), {}, -1};
        return {};
    }
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        return {};
    const QString key = text.left(equals).trimmed();
    if (key.isEmpty())
        return {};
    return {LineKind::Key, key, text.mid(equals + 1).trimmed(), equals};
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool hasLineBreak(const QString& text) {
    return text.contains(u'\n') || text.contains(u'\r');
}

// nullopt when the file exists but cannot be read; a missing file is an empty document.
std::optional<Document> load(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return Document{};
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    Document document;
    document.encoding = CodePage::detect(bytes);
    document.bom = CodePage::hasUtf8Bom(bytes);
    const QString text = CodePage::decode(bytes, document.encoding);
    if (text.isEmpty())
        return document;
    document.lines = text.split(u'\n');
    if (text.endsWith(u'\n'))
        document.lines.removeLast();
    for (QString& line : document.lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return document;
}

bool save(const QString& path, const Document& document) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QString text;
    for (const QString& line : document.lines)
        text += line + QStringLiteral("\r\n");
    QByteArray bytes = CodePage::encode(text, document.encoding);
    if (document.bom && document.encoding == TextEncoding::Utf8)
        bytes.prepend("\xEF\xBB\xBF");
    return WholeFile::write(path, bytes);
}

// The lines of one section: its header at `header`, its body up to `end` (exclusive).
struct SectionRange {
    qsizetype header = -1;
    qsizetype end = -1;
};

QList<SectionRange> findSections(const QStringList& lines, const QString& section) {
    QList<SectionRange> ranges;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line line = parseLine(lines[i]);
        if (line.kind != LineKind::Section)
            continue;
        if (!ranges.isEmpty() && ranges.last().end < 0)
            ranges.last().end = i;
        if (sameName(line.name, section))
            ranges.append({i, -1});
    }
    if (!ranges.isEmpty() && ranges.last().end < 0)
        ranges.last().end = lines.size();
    return ranges;
}

std::optional<SectionRange> firstSection(const QStringList& lines, const QString& section) {
    const QList<SectionRange> ranges = findSections(lines, section);
    if (ranges.isEmpty())
        return std::nullopt;
    return ranges.first();
}

std::optional<Line> findKey(const QStringList& lines, const QString& section, const QString& key) {
    const auto range = firstSection(lines, section.trimmed());
    if (!range)
        return std::nullopt;
    for (qsizetype i = range->header + 1; i < range->end; ++i) {
        const Line line = parseLine(lines[i]);
        if (line.kind == LineKind::Key && sameName(line.name, key.trimmed()))
            return line;
    }
    return std::nullopt;
}

bool isValidSectionName(const QString& section) {
    return !section.isEmpty() && !hasLineBreak(section) && !section.contains(u']');
}

bool isValidKeyName(const QString& key) {
    return !key.isEmpty() && !hasLineBreak(key) && !key.contains(u'=') && !key.startsWith(u';') &&
           !key.startsWith(u'[');
}

}  // namespace

IniFile::IniFile(const QString& path) : m_path(path) {}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const auto document = load(m_path);
    if (!document)
        return defaultValue;
    const auto line = findKey(document->lines, section, key);
    return line ? line->value : defaultValue;
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const {
    const QString value = readString(section, key);
    qsizetype i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == u'-' || value[i] == u'+')) {
        negative = value[i] == u'-';
        ++i;
    }
    const qsizetype firstDigit = i;
    qint64 number = 0;
    for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
        // Saturate instead of overflowing; the limit of int is reached long before.
        if (number <= qint64(std::numeric_limits<int>::max()) + 1)
            number = number * 10 + (value[i].unicode() - u'0');
    }
    if (i == firstDigit)
        return defaultValue;
    if (negative)
        number = -number;
    constexpr qint64 lowest = std::numeric_limits<int>::min();
    constexpr qint64 highest = std::numeric_limits<int>::max();
    return static_cast<int>(qBound(lowest, number, highest));
}

bool IniFile::readBool(const QString& section, const QString& key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

namespace {

// Sets one key in the loaded lines; false for names or values the format cannot hold.
bool setKey(QStringList& lines, const QString& section, const QString& key, const QString& value) {
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();
    if (!isValidSectionName(sectionName) || !isValidKeyName(keyName) || hasLineBreak(value))
        return false;
    if (const auto range = firstSection(lines, sectionName)) {
        qsizetype lastKey = -1;
        for (qsizetype i = range->header + 1; i < range->end; ++i) {
            const Line line = parseLine(lines[i]);
            if (line.kind != LineKind::Key)
                continue;
            if (sameName(line.name, keyName)) {
                // Keep the name as spelt (and indented) in the file.
                QString prefix = lines[i].left(line.equals);
                while (!prefix.isEmpty() && prefix.back().isSpace())
                    prefix.chop(1);
                lines[i] = prefix + u'=' + value;
                return true;
            }
            lastKey = i;
        }
        const qsizetype at = lastKey >= 0 ? lastKey + 1 : range->header + 1;
        lines.insert(at, keyName + u'=' + value);
        return true;
    }
    if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
        lines.append(QString());
    lines.append(u'[' + sectionName + u']');
    lines.append(keyName + u'=' + value);
    return true;
}

}  // namespace

bool IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    return writeStrings(section, {{key, value}});
}

bool IniFile::writeStrings(const QString& section, const QList<QPair<QString, QString>>& entries) {
    auto document = load(m_path);
    if (!document)
        return false;
    for (const auto& [key, value] : entries) {
        if (!setKey(document->lines, section, key, value))
            return false;
    }
    return save(m_path, *document);
}

bool IniFile::writeInteger(const QString& section, const QString& key, int value) {
    return writeString(section, key, QString::number(value));
}

bool IniFile::eraseKey(const QString& section, const QString& key) {
    auto document = load(m_path);
    if (!document)
        return false;
    QStringList& lines = document->lines;
    bool removed = false;
    const QList<SectionRange> ranges = findSections(lines, section.trimmed());
    // From the last section backwards so that earlier ranges stay where they are.
    for (auto range = ranges.crbegin(); range != ranges.crend(); ++range) {
        for (qsizetype i = range->end - 1; i > range->header; --i) {
            const Line line = parseLine(lines[i]);
            if (line.kind == LineKind::Key && sameName(line.name, key.trimmed())) {
                lines.removeAt(i);
                removed = true;
            }
        }
    }
    return !removed || save(m_path, *document);
}

bool IniFile::eraseSection(const QString& section) {
    auto document = load(m_path);
    if (!document)
        return false;
    QStringList& lines = document->lines;
    const QList<SectionRange> ranges = findSections(lines, section.trimmed());
    if (ranges.isEmpty())
        return true;
    for (auto range = ranges.crbegin(); range != ranges.crend(); ++range)
        lines.remove(range->header, range->end - range->header);
    return save(m_path, *document);
}

QStringList IniFile::sections() const {
    QStringList names;
    const auto document = load(m_path);
    if (!document)
        return names;
    for (const QString& text : document->lines) {
        const Line line = parseLine(text);
        if (line.kind == LineKind::Section && !names.contains(line.name, Qt::CaseInsensitive))
            names.append(line.name);
    }
    return names;
}

QStringList IniFile::keys(const QString& section) const {
    QStringList names;
    const auto document = load(m_path);
    if (!document)
        return names;
    const auto range = firstSection(document->lines, section.trimmed());
    if (!range)
        return names;
    for (qsizetype i = range->header + 1; i < range->end; ++i) {
        const Line line = parseLine(document->lines[i]);
        if (line.kind == LineKind::Key && !names.contains(line.name, Qt::CaseInsensitive))
            names.append(line.name);
    }
    return names;
}

QList<QPair<QString, QString>> IniFile::entries(const QString& section) const {
    QList<QPair<QString, QString>> result;
    const auto document = load(m_path);
    if (!document)
        return result;
    const auto range = firstSection(document->lines, section.trimmed());
    if (!range)
        return result;
    QSet<QString> seen;
    for (qsizetype i = range->header + 1; i < range->end; ++i) {
        const Line line = parseLine(document->lines[i]);
        if (line.kind != LineKind::Key || seen.contains(line.name.toCaseFolded()))
            continue;
        seen.insert(line.name.toCaseFolded());
        result.append({line.name, line.value});
    }
    return result;
}

IniText::IniText(const QByteArray& bytes) {
    const QString text = CodePage::decode(bytes);
    m_lines = text.split(u'\n');
    for (QString& line : m_lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
}

QString IniText::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const auto line = findKey(m_lines, section, key);
    return line ? line->value : defaultValue;
}
