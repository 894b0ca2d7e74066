#pragma once

#include "admin/import/ImportFields.h"
#include "support/CodePage.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// How a sheet is read and what its columns mean: every option of an import window and its
// column lists, kept between imports and saved under a name ("Bank", "Karta paliwowa").
struct ImportLayout {
    enum class DateFormat { DayMonthYear, YearMonthDay, Compact };  // the window's order
    enum class FuelSource { Petrol, Lpg, Column };                  // refuellings only

    QChar separator = QLatin1Char(';');
    std::optional<TextEncoding> encoding;  // detected from the bytes when none
    DateFormat dateFormat = DateFormat::DayMonthYear;
    QString vatSymbol = QStringLiteral("TAK");   // costs
    QString fuelSymbol = QStringLiteral("TAK");  // costs
    QString lpgText = QStringLiteral("Gaz LPG");
    FuelSource fuelSource = FuelSource::Petrol;
    bool mergeExistingDay = true;  // "Sumuj ", else "Pomiń"
    bool skipFirst = false;
    bool keepColumns = true;  // "Nie czyść ustawień po wczytaniu .CSV"
    // Per field of the kind (ImportFields::of), the sheet column counted from 1; 0 none.
    // The fuel kind's column counts only with FuelSource::Column.
    QList<int> columns;

    static ImportLayout defaults(ImportKind kind);

    // "DATA=1,NRREJ=2,...": the assigned fields by name, in field order.
    QString columnsText(ImportKind kind) const;
    // Assigns the columns of a text such as "DATA=1,NRREJ=2" (names in any letter case,
    // columns from 1); every field the text leaves out is unassigned. False, with the reason, for
    // an unknown name, a field named twice or a column that is not a positive number.
    bool assignColumns(ImportKind kind, const QString& text, QString* error);

    friend bool operator==(const ImportLayout&, const ImportLayout&) = default;
};

namespace ImportDates {

// The window's entries "DD-MM-RRRR", "RRRR-MM-DD", "RRRRMMDD".
QStringList formatTexts();
// Those entries, or the same with YYYY; nullopt for anything else.
std::optional<ImportLayout::DateFormat> formatFromText(const QString& text);

}  // namespace ImportDates

// The layouts saved under names, and the layout of the last import of each kind, in the
// file importy.ini of the data directory.
class ImportLayouts {
public:
    ImportLayouts(QString path, ImportKind kind);
    static QString defaultPath();

    QStringList names() const;  // in the file's order
    std::optional<ImportLayout> load(const QString& name) const;
    // False when the file cannot be written or the name cannot be a name (empty, "]", a
    // line break).
    bool save(const QString& name, const ImportLayout& layout);
    bool remove(const QString& name);

    std::optional<ImportLayout> last() const;
    bool saveLast(const ImportLayout& layout);

private:
    QString section(const QString& name) const;
    std::optional<ImportLayout> read(const QString& section) const;
    bool write(const QString& section, const ImportLayout& layout);

    QString m_path;
    ImportKind m_kind;
};
