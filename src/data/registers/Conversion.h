#pragma once

// How a stored value becomes the text that grids, sheets, printouts and search show.
enum class Conversion {
    None,         // the stored value as it is
    Date,         // YYYYMMDD as DD.MM.YYYY with the system's separator; 0 as empty
    Money,        // "0.00": money, litres, kilometres, hours, readings
    Rate,         // "0.0000": kilometre rates
    FlagMark,     // "+" for "T"
    VatFlag,      // "Tak" for "T", else "Nie"
    Status,       // vehicle status number as its name
    Time,         // HHMM as HH:MM
    PersonName,   // NAZWISKO + " " + IMIE of the same row
    Consumption,  // "0.00", or "-" when it cannot be computed
};
