#pragma once

#include <QString>
#include <array>

class DbConnection;
class ErrorReport;

// The thirty notes of a company, each with the date from which it applies. The book
// remembers each note as it was last read or written, so that saving writes only the
// notes changed here: another computer's changes to other notes survive, and notes
// whose save failed stay changed until a later save succeeds.
class NotesBook {
public:
    static constexpr int kCount = 30;
    static constexpr int kDateLength = 10;
    static constexpr int kTextLength = 255;
    static constexpr int kReservedLength = 10;
    struct Note {
        QString date;      // at most 10 characters, as the notes window shows it
        QString text;      // at most 255 characters
        QString reserved;  // kept and written back unchanged
        bool operator==(const Note& other) const = default;
    };

    Note& note(int index) { return m_notes.at(size_t(index)); }
    const Note& note(int index) const { return m_notes.at(size_t(index)); }

    // Reads every note (note n from the row IDNOTATKI n); notes without a row are cleared.
    // Changes not yet saved are dropped (error code 23).
    bool load(DbConnection& company, ErrorReport& report);
    // Reads the notes again but keeps the ones changed here and not yet saved; notes read
    // from another company are all replaced (error code 23).
    bool refresh(DbConnection& company, ErrorReport& report);
    // Writes the notes changed since they were read, in one transaction: a failure writes
    // none of them and they stay changed (error code 22).
    bool save(DbConnection& company, ErrorReport& report);

    bool isChanged(int index) const;
    // A note is due when its text is not blank and its date is not after today (YYYYMMDD);
    // an empty or invalid date counts as 0, so such a note is always due.
    bool isDue(int index, qint64 today) const;

private:
    bool read(DbConnection& company, ErrorReport& report, bool keepChanged);
    static Note stored(const Note& note);
    static QString sourceOf(DbConnection& company);

    std::array<Note, kCount> m_notes;
    std::array<Note, kCount> m_read;  // each note as last read or written
    QString m_source;                 // the company database they were read from
};
