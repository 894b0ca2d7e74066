#pragma once

#include <QString>
#include <array>

class DbConnection;
class ErrorReport;

// The thirty notes of a company, each with the date from which it applies.
class NotesBook {
public:
    static constexpr int kCount = 30;
    struct Note {
        QString date;      // at most 10 characters, as the notes window shows it
        QString text;      // at most 255 characters
        QString reserved;  // kept and written back unchanged
    };

    Note& note(int index) { return m_notes.at(size_t(index)); }
    const Note& note(int index) const { return m_notes.at(size_t(index)); }

    // Reads the notes in order; notes after the last row are cleared (error code 23).
    bool load(DbConnection& company, ErrorReport& report);
    // Writes all thirty in one transaction: a failure leaves the stored notes as they
    // were (error code 22).
    bool save(DbConnection& company, ErrorReport& report);

private:
    std::array<Note, kCount> m_notes;
};
