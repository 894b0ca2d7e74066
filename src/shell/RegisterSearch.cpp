#include "shell/RegisterSearch.h"

#include "data/ListModel.h"

QString RegisterSearch::notFoundMessage() {
    return QStringLiteral(
        "Podany tekst nie został znaleziony lub dotarto do ostatniej pozycji tabeli. "
        "Spróbuj przeszukać listę od początku.");
}

bool RegisterSearch::rowMatches(const ListModel& model, int row, const QString& upperText) {
    for (const SearchField& field : model.descriptor().searchFields) {
        const QString text = field.displayed ? model.displayField(row, field.field)
                                             : model.raw(row, field.field).toString();
        if (text.toUpper().contains(upperText))
            return true;
    }
    return false;
}

RegisterSearch::Result RegisterSearch::step(const ListModel& model, int currentRow,
                                            const QString& text) {
    Result result;
    const int rows = model.rowCount();
    if (rows == 0)
        return result;
    int row = currentRow < 0 ? 0 : currentRow;
    if (m_first)
        m_first = false;
    else
        ++row;
    const QString upper = text.toUpper();
    for (; row < rows; ++row) {
        if (rowMatches(model, row, upper)) {
            result.row = row;
            return result;
        }
    }
    result.row = 0;
    result.wrapped = true;
    return result;
}
