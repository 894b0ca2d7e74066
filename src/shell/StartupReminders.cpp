#include "shell/StartupReminders.h"

#include "data/TmyDataBase.h"
#include "output/uSprawdzenieDat.h"
#include "registers/uShowNotatka.h"

namespace StartupReminders {

void run(TfSprawdzenieDat& checks, QWidget* parent, TmyDataBase& database, MessageService& messages,
         const TconfigPP& config, const std::bitset<101>& rights, const QDate& today) {
    if (rights.test(kChecksRight)) {
        checks.run({.dates = config.sprawdzajTerminy,
                    .odometer = config.sprawdzajPrzebieg,
                    .quiet = true,
                    .store = config.cbMAGAZYN},
                   config, today);
    }
    if (!rights.test(kNotebookRight) || !config.sprawdzajNotatki)
        return;
    // Read afresh: another computer may have changed the notes since the last login. Notes
    // that could not be read (reported) are not shown: they may be another company's.
    if (!database.loadNotes())
        return;
    const qint64 day = today.year() * 10000LL + today.month() * 100 + today.day();
    for (int i = 0; i < NotesBook::kCount; ++i) {
        if (database.notes().isDue(i, day))
            TfShowNotatka::showNote(parent, database, messages, i, config.pytajPrzedKasowaniem);
    }
}

}  // namespace StartupReminders
