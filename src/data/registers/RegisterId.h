#pragma once

// The registers: kinds of record listed on a page of the main window.
enum class RegisterId {
    Pojazdy,
    Przejazdy,
    Koszty,
    Naprawy,
    Dokumenty,
    KPaliwowe,
    Wyposazenie,
    Terminarz,
    Opony,
    Rozliczenia,
    Zlecenia,
    KDrogowe,
    Przebiegi,
    Szkody,
    CenyPaliw,
    Magazyn,
    Zuzycie,
    ZuzycieKm,
    ZuzycieMth,
    Stawki,
    Osobowa,
};

constexpr int kRegisterCount = 21;
