#pragma once

#include "admin/import/ImportLayout.h"

#include <QString>
#include <optional>

// The cells of an imported sheet made into the values stored.
namespace ImportValues {

// The cell without the blanks and control characters around it.
QString text(const QString& cell);
// A cell that names a dictionary entry, a vehicle or a road card: quotes made blanks,
// trimmed and in capitals, so that "wx 1234" finds WX 1234 and "żwirownia" Żwirownia.
QString key(const QString& cell);
// A stored name in the form key() gives a cell.
QString folded(const QString& stored);

// A number in hundredths: "12,50", "12.5", "1 234,50" (blanks between digits, as
// spreadsheets group thousands); an empty cell is 0. nullopt when it is no number.
std::optional<qint64> hundredths(const QString& cell);

// The date of a cell as YYYYMMDD in the chosen form; nullopt when the cell is too short,
// not digits where the form has them, or not a day of the calendar (before 1900 too).
std::optional<qint64> date(const QString& cell, ImportLayout::DateFormat format);

// The cell as written, in capitals, equals the symbol in capitals.
bool flag(const QString& cell, const QString& symbol);

}  // namespace ImportValues
