#include "cli/CliSupport.h"

#include "admin/DatabaseAdmin.h"
#include "cli/CliArguments.h"
#include "cli/ConsoleMessages.h"
#include "data/TmyDataBase.h"
#include "data/schema/CompanyUpgrade.h"
#include "data/schema/DatabaseCreator.h"
#include "support/OVUtilities.h"

#include <termios.h>
#include <unistd.h>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

namespace CliSupport {

std::optional<QString> newPassword(const CliArguments& args, const QString& prompt, int* status) {
    const QString password = args.has(QStringLiteral("password"))
                                 ? args.value(QStringLiteral("password"))
                                 : askHidden(prompt);
    if (!password.isEmpty() && !DatabaseAdmin::passwordLongEnough(password)) {
        *status = fail(kUsage, DatabaseAdmin::passwordTooShortMessage());
        return std::nullopt;
    }
    return password;
}

QString askHidden(const QString& prompt) {
    if (!isatty(STDIN_FILENO))
        return {};
    const QByteArray text = prompt.toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    termios saved{};
    tcgetattr(STDIN_FILENO, &saved);
    termios quiet = saved;
    quiet.c_lflag &= ~tcflag_t(ECHO);
    tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    char line[256] = {};
    const bool read = std::fgets(line, sizeof line, stdin) != nullptr;
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    std::fputc('\n', stderr);
    return read ? QString::fromUtf8(line).trimmed() : QString();
}

void out(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void say(const QString& text) {
    out((text + QLatin1Char('\n')).toUtf8());
}

int fail(int status, const QString& text) {
    const QByteArray line = (QStringLiteral("flotanor-cli: ") + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    return status;
}

std::optional<DbLocation> location(const QString& text, int* status) {
    QString error;
    auto parsed = DbLocation::parse(text, &error);
    if (!parsed)
        *status = fail(kUsage, error);
    return parsed;
}

int checkPassword(const CliArguments& args, const DbLocation& where) {
    DbError error;
    switch (DatabaseAdmin::verifyPassword(where, args.value(QStringLiteral("password")), &error)) {
        case DatabaseAdmin::PasswordCheck::Correct:
        case DatabaseAdmin::PasswordCheck::NotSet:
            return 0;
        case DatabaseAdmin::PasswordCheck::Wrong:
            return fail(kUsage, args.has(QStringLiteral("password"))
                                    ? QStringLiteral("Niepoprawne hasło bazy danych.")
                                    : QStringLiteral("Baza danych jest chroniona hasłem: podaj je "
                                                     "opcją --password."));
        case DatabaseAdmin::PasswordCheck::Failed:
            break;
    }
    return fail(kFailed, QStringLiteral("Nie udało się otworzyć bazy danych: ") + error.message());
}

int openCompany(const CliArguments& args, const DbLocation& where, const QString& dir,
                TmyDataBase& database) {
    if (const int refused = checkPassword(args, where))
        return refused;
    DbError listError;
    const QList<CompanyEntry> known = DatabaseCreator::companies(where, &listError);
    if (listError)
        return fail(kFailed,
                    QStringLiteral("Nie udało się otworzyć bazy danych: ") + listError.message());
    const bool exists = std::any_of(known.begin(), known.end(),
                                    [&dir](const CompanyEntry& c) { return c.dir == dir; });
    if (!exists)
        return fail(kUsage, QStringLiteral("W bazie nie ma firmy w katalogu %1.").arg(dir));
    if (!database.openCompany(where, dir))
        return kFailed;
    // As at a login in the window: a company made by an earlier release gets the tables
    // and fields the commands read; what the steps did is told on standard error.
    ConsoleMessages messages;
    CompanyUpgrade(database.DatabaseFirma(), messages, where.displayText() + u'/' + dir).run();
    return 0;
}

std::optional<TextEncoding> encoding(const CliArguments& args, int* status) {
    if (!args.has(QStringLiteral("encoding")))
        return TextEncoding::Windows1250;
    const auto chosen = CodePage::encodingFromName(args.value(QStringLiteral("encoding")));
    if (!chosen)
        *status = fail(kUsage, QStringLiteral("Nieznane kodowanie %1 (windows-1250 albo utf-8).")
                                   .arg(args.value(QStringLiteral("encoding"))));
    return chosen;
}

std::optional<QDate> dateOption(const CliArguments& args, const QString& name, int* status) {
    if (!args.has(name))
        return QDate();
    const qint64 number = TOVUtilities().dateTextToNumber(args.value(name));
    const QDate date(int(number / 10000), int(number / 100 % 100), int(number % 100));
    if (number == 0 || !date.isValid()) {
        *status = fail(kUsage, QStringLiteral("Niepoprawna data %1 (oczekiwana postać DD.MM.RRRR).")
                                   .arg(args.value(name)));
        return std::nullopt;
    }
    return date;
}

TconfigPP programOptions() {
    const QString path = SettingsFile::defaultPath();
    return QFileInfo::exists(path) ? SettingsFile(path).load() : TconfigPP();
}

bool readSelection(const CliArguments& args, FilterSelection* selection, QString* error) {
    const TOVUtilities utilities;
    auto integer = [&args, error](const char* option, qint64* value) {
        bool ok = false;
        *value = args.value(QString::fromLatin1(option)).toLongLong(&ok);
        if (!ok)
            *error =
                QStringLiteral("Opcja --%1 wymaga liczby całkowitej.").arg(QLatin1String(option));
        return ok;
    };
    const bool byYear = args.has(QStringLiteral("year"));
    const bool byRange = args.has(QStringLiteral("from")) || args.has(QStringLiteral("to"));
    if (byYear && byRange) {
        *error = QStringLiteral("Opcji --year i --month nie można łączyć z --from i --to.");
        return false;
    }
    if (args.has(QStringLiteral("month")) && !byYear) {
        *error = QStringLiteral("Opcja --month wymaga opcji --year.");
        return false;
    }
    if (byYear) {
        qint64 year = 0;
        if (!integer("year", &year))
            return false;
        if (year < 1970 || year > 2100) {
            *error = QStringLiteral("Rok musi leżeć między 1970 a 2100.");
            return false;
        }
        qint64 month = 0;
        if (args.has(QStringLiteral("month"))) {
            if (!integer("month", &month))
                return false;
            if (month < 1 || month > 12) {
                *error = QStringLiteral("Miesiąc musi leżeć między 1 a 12.");
                return false;
            }
        }
        selection->period = FilterSelection::Period::Year;
        selection->year = int(year);
        selection->month = int(month);
    }
    if (byRange) {
        selection->period = FilterSelection::Period::Range;
        for (const char* option : {"from", "to"}) {
            const QString name = QString::fromLatin1(option);
            if (!args.has(name))
                continue;
            const qint64 date = utilities.dateTextToNumber(args.value(name));
            if (date == 0) {
                *error = QStringLiteral("Niepoprawna data %1 (oczekiwana postać DD.MM.RRRR).")
                             .arg(args.value(name));
                return false;
            }
            (name == QLatin1String("from") ? selection->from : selection->to) = date;
        }
    }
    selection->vehicle = args.value(QStringLiteral("vehicle"));
    selection->fuelOnly = args.has(QStringLiteral("fuel-only"));
    if (args.has(QStringLiteral("ck"))) {
        qint64 code = 0;
        if (!integer("ck", &code))
            return false;
        selection->costCentre = code;
    }
    if (args.has(QStringLiteral("road-card"))) {
        qint64 card = 0;
        if (!integer("road-card", &card))
            return false;
        selection->roadCard = card;
    }
    return true;
}

}  // namespace CliSupport
