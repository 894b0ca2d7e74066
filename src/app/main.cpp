#include "app/RegisterBrowser.h"
#include "data/TmyDataBase.h"
#include "data/schema/DatabaseCreator.h"
#include "support/MessageService.h"
#include "support/OVUtilities.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

namespace {

// Boxes of the window program.
class WidgetMessages : public MessageService {
public:
    void information(const QString& title, const QString& text) override {
        QMessageBox::information(nullptr, title, text);
    }
    bool question(const QString& title, const QString& text) override {
        return QMessageBox::question(nullptr, title, text) == QMessageBox::Yes;
    }
    std::optional<QString> prompt(const QString&, const QString&, const QString&, bool) override {
        return std::nullopt;
    }
    QString saveFileName(const QString&, const QString&, const QStringList&) override { return {}; }
    QString openFileName(const QString&, const QStringList&) override { return {}; }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Flotanor"));
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("location"), QStringLiteral("Lokalizacja bazy danych."),
                      QStringLiteral("LOKALIZACJA")});
    parser.addOption(
        {QStringLiteral("company"), QStringLiteral("Katalog firmy."), QStringLiteral("KATALOG")});
    parser.process(app);

    WidgetMessages messages;
    // Without a location the program keeps a sample database in its data directory.
    QString locationText = parser.value(QStringLiteral("location"));
    QString dir = parser.value(QStringLiteral("company"));
    if (locationText.isEmpty()) {
        locationText = TOVUtilities::defaultDataDirectory() + QStringLiteral("/baza");
        const DbLocation sample = DbLocation::sqlite(locationText);
        if (!DatabaseCreator::databaseExists(sample)) {
            CreateResult created = DatabaseCreator::createDatabase(sample, false);
            if (created.ok)
                created = DatabaseCreator::addCompany(sample, DatabaseCreator::sampleCompanyName(),
                                                      DatabaseCreator::sampleCompanyDir(),
                                                      DatabaseCreator::Contents::Sample);
            if (!created.ok) {
                messages.information(QStringLiteral("Błąd"), created.message);
                return 1;
            }
        }
    }
    QString error;
    const auto location = DbLocation::parse(locationText, &error);
    if (!location) {
        messages.information(QStringLiteral("Błąd"), error);
        return 1;
    }
    DbError listError;
    const QList<CompanyEntry> companies = DatabaseCreator::companies(*location, &listError);
    QString companyName;
    for (const CompanyEntry& company : companies) {
        if (dir.isEmpty() || company.dir == dir) {
            dir = company.dir;
            companyName = company.name;
            break;
        }
    }
    if (companyName.isEmpty()) {
        messages.information(QStringLiteral("Błąd"),
                             listError ? listError.message()
                                       : QStringLiteral("W bazie danych nie ma takiej firmy."));
        return 1;
    }
    TmyDataBase database(&messages);
    if (!database.openCompany(*location, dir))
        return 1;
    RegisterBrowser window(database, companyName);
    window.show();
    return app.exec();
}
