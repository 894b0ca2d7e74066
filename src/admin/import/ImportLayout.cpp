#include "admin/import/ImportLayout.h"

#include "support/IniFile.h"
#include "support/OVUtilities.h"

ImportLayout ImportLayout::defaults(ImportKind kind) {
    ImportLayout layout;
    layout.columns = QList<int>(ImportFields::of(kind).size(), 0);
    return layout;
}

QString ImportLayout::columnsText(ImportKind kind) const {
    const QList<ImportField>& fields = ImportFields::of(kind);
    QStringList parts;
    for (int i = 0; i < fields.size() && i < columns.size(); ++i) {
        if (columns[i] > 0)
            parts << fields[i].name + QLatin1Char('=') + QString::number(columns[i]);
    }
    return parts.join(QLatin1Char(','));
}

bool ImportLayout::assignColumns(ImportKind kind, const QString& text, QString* error) {
    QList<int> assigned(ImportFields::of(kind).size(), 0);
    QList<bool> named(assigned.size(), false);
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        const QString name = part.left(equals).trimmed();
        const int field = ImportFields::indexOf(kind, name);
        if (field < 0) {
            *error = QStringLiteral("Nieznane pole: %1").arg(name);
            return false;
        }
        if (named[field]) {
            *error = QStringLiteral("Pole %1 podano dwa razy").arg(name);
            return false;
        }
        bool ok = false;
        const int column = equals < 0 ? 0 : part.mid(equals + 1).trimmed().toInt(&ok);
        if (!ok || column < 1) {
            *error = QStringLiteral("Niepoprawny numer kolumny pola %1").arg(name);
            return false;
        }
        named[field] = true;
        assigned[field] = column;
    }
    columns = assigned;
    return true;
}

namespace ImportDates {

QStringList formatTexts() {
    return {QStringLiteral("DD-MM-RRRR"), QStringLiteral("RRRR-MM-DD"), QStringLiteral("RRRRMMDD")};
}

std::optional<ImportLayout::DateFormat> formatFromText(const QString& text) {
    QString canonical = text.trimmed().toUpper();
    canonical.replace(QLatin1Char('Y'), QLatin1Char('R'));
    const qsizetype at = formatTexts().indexOf(canonical);
    if (at < 0)
        return std::nullopt;
    return ImportLayout::DateFormat(at);
}

}  // namespace ImportDates

namespace {

// The separator as a number: a blank or a tab would not survive the file's trimming.
const QString kSeparator = QStringLiteral("separator");
const QString kEncoding = QStringLiteral("kodowanie");
const QString kDateFormat = QStringLiteral("formatDaty");
const QString kVat = QStringLiteral("symbolVAT");
const QString kFuel = QStringLiteral("symbolISFUEL");
const QString kLpg = QStringLiteral("rodzajPaliwa");
const QString kFuelSource = QStringLiteral("zrodloPaliwa");
const QString kMerge = QStringLiteral("pominSumuj");
const QString kSkipFirst = QStringLiteral("pominPierwszy");
const QString kKeep = QStringLiteral("nieCzysc");
const QString kColumns = QStringLiteral("kolumny");

}  // namespace

ImportLayouts::ImportLayouts(QString path, ImportKind kind)
    : m_path(std::move(path)), m_kind(kind) {}

QString ImportLayouts::defaultPath() {
    return TOVUtilities::defaultDataDirectory() + QStringLiteral("/importy.ini");
}

QString ImportLayouts::section(const QString& name) const {
    return ImportFields::commandName(m_kind) + QStringLiteral(": ") + name;
}

QStringList ImportLayouts::names() const {
    const QString prefix = section({});
    QStringList found;
    for (const QString& s : IniFile(m_path).sections()) {
        if (s.startsWith(prefix, Qt::CaseInsensitive) && s.size() > prefix.size())
            found << s.mid(prefix.size());
    }
    return found;
}

std::optional<ImportLayout> ImportLayouts::load(const QString& name) const {
    return read(section(name));
}

bool ImportLayouts::save(const QString& name, const ImportLayout& layout) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || trimmed != name)
        return false;
    return write(section(name), layout);
}

bool ImportLayouts::remove(const QString& name) {
    return IniFile(m_path).eraseSection(section(name));
}

std::optional<ImportLayout> ImportLayouts::last() const {
    return read(ImportFields::commandName(m_kind));
}

bool ImportLayouts::saveLast(const ImportLayout& layout) {
    return write(ImportFields::commandName(m_kind), layout);
}

std::optional<ImportLayout> ImportLayouts::read(const QString& s) const {
    const IniFile ini(m_path);
    if (!ini.sections().contains(s, Qt::CaseInsensitive))
        return std::nullopt;
    ImportLayout layout = ImportLayout::defaults(m_kind);
    const int separator = ini.readInteger(s, kSeparator, ';');
    if (separator > 0 && separator < 0x10000)
        layout.separator = QChar(separator);
    layout.encoding = CodePage::encodingFromName(ini.readString(s, kEncoding));
    const int format = ini.readInteger(s, kDateFormat, 0);
    if (format >= 0 && format <= 2)
        layout.dateFormat = ImportLayout::DateFormat(format);
    layout.vatSymbol = ini.readString(s, kVat, layout.vatSymbol);
    layout.fuelSymbol = ini.readString(s, kFuel, layout.fuelSymbol);
    layout.lpgText = ini.readString(s, kLpg, layout.lpgText);
    const int source = ini.readInteger(s, kFuelSource, 0);
    if (source >= 0 && source <= 2)
        layout.fuelSource = ImportLayout::FuelSource(source);
    layout.mergeExistingDay = ini.readBool(s, kMerge, true);
    layout.skipFirst = ini.readBool(s, kSkipFirst, false);
    layout.keepColumns = ini.readBool(s, kKeep, true);
    QString ignored;
    layout.assignColumns(m_kind, ini.readString(s, kColumns), &ignored);
    return layout;
}

bool ImportLayouts::write(const QString& s, const ImportLayout& layout) {
    IniFile ini(m_path);
    const QString encoding = !layout.encoding ? QString()
                             : *layout.encoding == TextEncoding::Utf8
                                 ? QStringLiteral("utf-8")
                                 : QStringLiteral("windows-1250");
    // Written whole: a name saved again replaces what it held.
    ini.eraseSection(s);
    return ini.writeInteger(s, kSeparator, layout.separator.unicode()) &&
           ini.writeString(s, kEncoding, encoding) &&
           ini.writeInteger(s, kDateFormat, int(layout.dateFormat)) &&
           ini.writeString(s, kVat, layout.vatSymbol) &&
           ini.writeString(s, kFuel, layout.fuelSymbol) &&
           ini.writeString(s, kLpg, layout.lpgText) &&
           ini.writeInteger(s, kFuelSource, int(layout.fuelSource)) &&
           ini.writeInteger(s, kMerge, layout.mergeExistingDay) &&
           ini.writeInteger(s, kSkipFirst, layout.skipFirst) &&
           ini.writeInteger(s, kKeep, layout.keepColumns) &&
           ini.writeString(s, kColumns, layout.columnsText(m_kind));
}
