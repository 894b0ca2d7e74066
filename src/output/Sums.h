#pragma once

#include "data/FilterState.h"
#include "data/engine/SqlStatement.h"
#include "data/registers/RegisterId.h"

#include <QLocale>
#include <QStringList>

class TmyDataBase;

// The sums of a register: a heading and a value per figure, the count first.
struct SumsSheet {
    QString caption;
    QStringList headings;
    QStringList values;  // as shown: the count plain, sums "0.00"; empty when not reached
};

namespace Sums {

// The caption of the window when the page on screen has no sums.
QString promptCaption();

// The count-and-sums statement of a register: the aggregate over exactly the rows its
// list statement selects under the filter state (the rates: over every row).
SqlStatement statement(TmyDataBase& database, RegisterId id, const FilterState& state);

// The figures of a register under a filter state, formatted for the locale. A database
// error is reported with the register's code (a computed figure's own code); the values
// not reached stay empty.
SumsSheet compute(TmyDataBase& database, RegisterId id, const FilterState& state,
                  const QLocale& locale = QLocale());

}  // namespace Sums
