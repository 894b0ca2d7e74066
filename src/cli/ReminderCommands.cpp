#include "cli/ReminderCommands.h"

#include "admin/ConfigPP.h"
#include "cli/CliArguments.h"
#include "cli/CliSupport.h"
#include "cli/ConsoleMessages.h"
#include "data/TmyDataBase.h"
#include "output/Reminders.h"
#include "output/TermCalendar.h"
#include "support/WholeFile.h"

using namespace CliSupport;

namespace ReminderCommands {

QStringList checkFlags() {
    return {QStringLiteral("dates"), QStringLiteral("odometer"), QStringLiteral("store")};
}

QStringList checkValues() {
    return {QStringLiteral("today"), QStringLiteral("encoding"), QStringLiteral("out"),
            QStringLiteral("password")};
}

QStringList calendarValues() {
    return {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("out"),
            QStringLiteral("password")};
}

int check(const CliArguments& args) {
    if (args.positional().size() != 2)
        return fail(kUsage, QStringLiteral("Użycie: flotanor-cli check LOKALIZACJA KATALOG "
                                           "[--dates] [--odometer] [--store] [--today DATA]"));
    int status = 0;
    const auto where = location(args.positional().at(0), &status);
    if (!where)
        return status;
    const auto encoding = CliSupport::encoding(args, &status);
    if (!encoding)
        return status;
    const auto today = dateOption(args, QStringLiteral("today"), &status);
    if (!today)
        return status;

    ConsoleMessages messages;
    TmyDataBase database(&messages);
    if (const int refused = openCompany(args, *where, args.positional().at(1), database))
        return refused;
    Reminders reminders(database, programOptions(),
                        today->isValid() ? *today : QDate::currentDate());
    const bool all = !args.has(QStringLiteral("dates")) && !args.has(QStringLiteral("odometer")) &&
                     !args.has(QStringLiteral("store"));
    QList<ReminderList> lists;
    if (all || args.has(QStringLiteral("dates")))
        lists << reminders.dateCheck();
    if (all || args.has(QStringLiteral("odometer")))
        lists << reminders.odometerCheck();
    if (all || args.has(QStringLiteral("store")))
        lists << reminders.storeCheck();

    QByteArray text;
    bool found = false;
    bool failed = false;
    for (const ReminderList& list : lists) {
        text += list.bytes(*encoding);
        found = found || list.found;
        failed = failed || list.failed();
    }
    if (args.has(QStringLiteral("out"))) {
        QString writeError;
        if (!WholeFile::write(args.value(QStringLiteral("out")), text, &writeError))
            return fail(kFailed,
                        QStringLiteral("Zapisywanie danych nie powiodło się: ") + writeError);
    } else {
        out(text);
    }
    // A list with a failed section is incomplete: that outweighs what it found.
    return failed ? kFailed : (found ? kAttention : 0);
}

int calendar(const CliArguments& args) {
    if (args.positional().size() != 2 || !args.has(QStringLiteral("out")))
        return fail(kUsage, QStringLiteral("Użycie: flotanor-cli calendar LOKALIZACJA KATALOG "
                                           "--out PLIK.ics [--from DATA] [--to DATA]"));
    int status = 0;
    const auto where = location(args.positional().at(0), &status);
    if (!where)
        return status;
    const auto from = dateOption(args, QStringLiteral("from"), &status);
    if (!from)
        return status;
    const auto to = dateOption(args, QStringLiteral("to"), &status);
    if (!to)
        return status;
    if (from->isValid() && to->isValid() && *from > *to)
        return fail(kUsage, QStringLiteral("Data --from jest późniejsza niż data --to."));

    ConsoleMessages messages;
    TmyDataBase database(&messages);
    const QString dir = args.positional().at(1);
    if (const int refused = openCompany(args, *where, dir, database))
        return refused;
    Reminders reminders(database, TconfigPP());
    const ReminderList terms = reminders.datedTerms(DateSpan::between(*from, *to));
    // A calendar missing a section would make its subscribers drop those events.
    if (terms.failed())
        return kFailed;
    QString writeError;
    if (!TermCalendar::write(terms.terms, dir, args.value(QStringLiteral("out")), &writeError))
        return fail(kFailed, QStringLiteral("Zapisywanie danych nie powiodło się: ") + writeError);
    return 0;
}

QString helpText() {
    return QStringLiteral(
        "  check LOKALIZACJA KATALOG [--dates] [--odometer] [--store] [--today DD.MM.RRRR]\n"
        "        [--encoding windows-1250|utf-8] [--out PLIK]\n"
        "      Wypisuje listy okna \"Sprawdzenie terminów\": terminy wg dat, wg przebiegu i\n"
        "      stany magazynowe (bez przełączników wszystkie trzy, w tej kolejności), z\n"
        "      ustawieniami z pliku flotanor.ini katalogu danych; --today ustala dzień.\n"
        "      Kod wyjścia 3, gdy coś znaleziono, 0 gdy nic.\n"
        "  calendar LOKALIZACJA KATALOG --out PLIK.ics [--from DATA] [--to DATA]\n"
        "      Zapisuje terminy z datą (ubezpieczenia, przeglądy, naprawy, wyposażenie,\n"
        "      dokumenty, karty paliwowe, terminarz, opony) jako kalendarz iCalendar:\n"
        "      jedno wydarzenie całodniowe na termin; bez dat wszystkie terminy, daty\n"
        "      --from i --to włącznie.\n");
}

}  // namespace ReminderCommands
