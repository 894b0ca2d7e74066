#include "cli/ArchiveCommands.h"

#include "admin/archive/CompanyArchive.h"
#include "cli/CliArguments.h"
#include "cli/CliSupport.h"

#include <QDate>
#include <cstdio>

using namespace CliSupport;

namespace ArchiveCommands {

namespace {

// "postęp N z 1000" on standard error with --progress, one line per change.
ArchiveProgress progressPrinter(const CliArguments& args) {
    if (!args.has(QStringLiteral("progress")))
        return {};
    return [](qint64 done, qint64 total) {
        const QByteArray line = QStringLiteral("postęp %1 z %2\n").arg(done).arg(total).toUtf8();
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        std::fflush(stderr);
        return true;
    };
}

}  // namespace

QStringList values() {
    return {QStringLiteral("description"), QStringLiteral("password")};
}

QStringList flags() {
    return {QStringLiteral("progress")};
}

int archive(const CliArguments& args) {
    if (args.positional().size() != 3)
        return fail(kUsage, QStringLiteral("Użycie: flotanor-cli archive LOKALIZACJA KATALOG "
                                           "KATALOG_ARCHIWUM [--description OPIS]"));
    int status = 0;
    const auto where = location(args.positional().at(0), &status);
    if (!where)
        return status;
    if (const int refused = checkPassword(args, *where))
        return refused;
    const ArchiveDescription description{
        args.value(QStringLiteral("description")),
        QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy"))};
    const ArchiveResult result =
        CompanyArchive::create(*where, args.positional().at(1), args.positional().at(2),
                               description, progressPrinter(args));
    if (!result.ok)
        return fail(kFailed, QStringLiteral("Nie udało się stworzyć archiwum: ") + result.message);
    say(QStringLiteral("Archiwum zostało stworzone."));
    return 0;
}

int restore(const CliArguments& args) {
    if (args.positional().size() != 3)
        return fail(kUsage, QStringLiteral("Użycie: flotanor-cli restore LOKALIZACJA KATALOG "
                                           "KATALOG_ARCHIWUM"));
    int status = 0;
    const auto where = location(args.positional().at(0), &status);
    if (!where)
        return status;
    if (const int refused = checkPassword(args, *where))
        return refused;
    const ArchiveResult result = CompanyArchive::restore(
        *where, args.positional().at(1), args.positional().at(2), progressPrinter(args));
    if (!result.ok)
        return fail(kFailed,
                    QStringLiteral("Nie udało się odtworzyć danych z archiwum. ") + result.message);
    say(QStringLiteral("Operacja przebiegła pomyślnie. Dane zostały odtworzone z archiwum."));
    return 0;
}

QString helpText() {
    return QStringLiteral(
        "  archive LOKALIZACJA KATALOG KATALOG_ARCHIWUM [--description OPIS] [--progress]\n"
        "      Zapisuje archiwum firmy (firma.sqlite i opis archiwum.bak, z dzisiejszą datą)\n"
        "      w katalogu pustym albo zawierającym archiwum, które zastępuje.\n"
        "  restore LOKALIZACJA KATALOG KATALOG_ARCHIWUM [--progress]\n"
        "      Zastępuje dane firmy danymi z archiwum, w całości albo wcale; archiwum\n"
        "      może pochodzić z innej firmy lub z bazy innego rodzaju.\n"
        "      --progress wypisuje postęp na standardowe wyjście błędów.\n");
}

}  // namespace ArchiveCommands
