#pragma once

#include <QString>
#include <optional>

class ListModel;

// "Szukaj" over the list on screen: the next row in which the text occurs in one of the
// register's searched fields, compared without regard to case (Polish letters too),
// starred fields in their displayed form, the others as stored. It never queries the
// database.
class RegisterSearch {
public:
    struct Result {
        std::optional<int> row;  // the row found
        bool wrapped = false;    // past the last row: back to the first, with the message
    };

    // "Szukaj": the next step starts at the current row, which the caller has moved to
    // the first row.
    void start() { m_first = true; }
    Result step(const ListModel& model, int currentRow, const QString& text);

    static bool rowMatches(const ListModel& model, int row, const QString& upperText);
    static QString notFoundMessage();

private:
    bool m_first = true;
};
