#pragma once

// The lines of every register's one-record sheet, as data; only the sheet builder reads them.

#include "data/registers/RegisterId.h"

#include <QList>
#include <QString>

// How a line shows a field: the way the register's dialog shows it.
enum class SheetValue {
    Text,           // the stored text
    Date,           // the date field: DD-MM-YYYY with the system's separator, empty for none
    Time,           // the time field: HH:MM, empty for none
    Decimal2,       // a two-decimal field, rounded in whole hundredths
    Decimal4,       // a kilometre rate: four decimals
    Whole,          // a whole number, "0" for none
    WholeOrEmpty,   // a whole number, empty for none
    Year,           // a year, empty unless positive
    General,        // a number in its shortest form
    YesNo,          // a check box: "TAK" or "NIE"
    Status,         // the vehicle status by its name
    WatchedDate,    // which date of a term the checks watch
    Dictionary,     // a coded dictionary entry by its shown name
    Person,         // a person as the persons list shows them
    Vehicle,        // a vehicle by its registration number
    FuelCard,       // a fuel card as the fuel cards list shows it
    RoadCard,       // a road card by its number
    Listed,         // what the register's list shows for the row (values the list computes)
    FuelKind,       // the fuel kind the consumption register lists
    ChosenVehicle,  // the vehicle of the main window's vehicle filter
};

enum class SheetForm {
    Labelled,   // label, a blank, the value
    Heading,    // the label alone
    Captioned,  // the label is a field's caption: caption, ": ", the value
    KindRates,  // one captioned line per vehicle kind after the two car kinds
};

struct SheetField {
    QString field;
    SheetValue value = SheetValue::Text;
    QString dictionary;  // SheetValue::Dictionary: the dictionary's code
};

struct SheetLine {
    SheetForm form = SheetForm::Labelled;
    QString label;
    SheetField first;
    // A composed value: the first field, the joiner and the second field.
    QString joiner;
    SheetField second;
};

struct SheetLayout {
    RegisterId id = RegisterId::Pojazdy;
    QString title;
    QList<SheetLine> lines;
};

namespace RecordSheetTables {

const SheetLayout& layout(RegisterId id);

}  // namespace RecordSheetTables
