#include "admin/uWskazBaze.h"

#include "admin/CompanyListPage.h"
#include "admin/DatabaseAdmin.h"
#include "admin/DatabaseDirectoryPage.h"
#include "admin/LegacyImportPage.h"
#include "admin/LocationStore.h"
#include "data/TmyDataBase.h"
#include "data/schema/DatabaseCreator.h"
#include "registers/QuietTeardown.h"
#include "support/MessageService.h"
#include "support/OVUtilities.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString kInformation = QStringLiteral("Informacja");
const QString kQuestion = QStringLiteral("Pytanie");
const QString kNoDatabase = QStringLiteral("<brak bazy>");
const QString kWrongPassword =
    QStringLiteral("Niepoprawne hasło dostępu do bazy danych. Spróbuj ponownie.");

QLabel* wrapped(const QString& text, const QString& name = {}) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

int listIndex(TfWskazBaze::Page page) {
    return page == TfWskazBaze::RenameCompany ? 0 : 1;
}

}  // namespace

TfWskazBaze::~TfWskazBaze() {
    quietTeardown(this);
}

TfWskazBaze::TfWskazBaze(TmyDataBase& database, MessageService& messages, LocationStore& store,
                         QWidget* parent)
    : QDialog(parent), m_db(database), m_messages(messages), m_store(store) {
    setObjectName(QStringLiteral("TfWskazBaze"));
    setWindowTitle(QStringLiteral("Baza danych"));
    resize(640, 480);
    m_dirs = new QFileSystemModel(this);
    m_dirs->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_dirs->setRootPath(QDir::rootPath());

    auto* layout = new QVBoxLayout(this);
    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("Strony"));
    m_pages->addWidget(buildMenuPage());
    using Directory = DatabaseDirectoryPage::Kind;
    m_newPage = new DatabaseDirectoryPage(Directory::NewDatabase, m_dirs, m_messages);
    m_openPage = new DatabaseDirectoryPage(Directory::OpenDatabase, m_dirs, m_messages);
    m_companyPages[0] = new CompanyListPage(CompanyListPage::Kind::Rename);
    m_companyPages[1] = new CompanyListPage(CompanyListPage::Kind::Delete);
    m_pages->addWidget(m_newPage);
    m_pages->addWidget(m_openPage);
    m_pages->addWidget(buildAddPage());
    m_pages->addWidget(m_companyPages[0]);
    m_pages->addWidget(m_companyPages[1]);
    m_legacyPage = new LegacyImportPage(m_dirs);
    m_pages->addWidget(m_legacyPage);
    connect(m_legacyPage, &LegacyImportPage::changed, this, &TfWskazBaze::updateButtons);
    for (DatabaseDirectoryPage* page : {m_newPage, m_openPage})
        connect(page, &DatabaseDirectoryPage::pathChanged, this, &TfWskazBaze::updateButtons);
    for (CompanyListPage* page : m_companyPages)
        connect(page, &CompanyListPage::choiceChanged, this, &TfWskazBaze::updateButtons);
    layout->addWidget(m_pages, 1);

    auto* buttons = new QHBoxLayout;
    auto* login = new QPushButton(QStringLiteral("&Logowanie"));
    login->setObjectName(QStringLiteral("BLogowanie"));
    m_menu = new QPushButton(QStringLiteral("<<  &Menu   "));
    m_menu->setObjectName(QStringLiteral("BMenu"));
    m_next = new QPushButton;
    m_next->setObjectName(QStringLiteral("BDalej"));
    for (QPushButton* button : {login, m_menu, m_next})
        button->setAutoDefault(false);
    m_next->setDefault(true);  // Enter goes on, as "Dalej"
    buttons->addWidget(login);
    buttons->addStretch(1);
    buttons->addWidget(m_menu);
    buttons->addWidget(m_next);
    layout->addLayout(buttons);

    connect(m_next, &QPushButton::clicked, this, &TfWskazBaze::DalejClick);
    connect(m_menu, &QPushButton::clicked, this, &TfWskazBaze::MenuClick);
    connect(login, &QPushButton::clicked, this, &QDialog::reject);
    // Whichever way the window is left, a remembered password goes.
    connect(this, &QDialog::finished, this, [this] { m_newPassword.reset(); });
}

QWidget* TfWskazBaze::buildMenuPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("PMenu"));
    auto* layout = new QVBoxLayout(page);
    m_status = wrapped(QString(), QStringLiteral("LStatus"));
    layout->addWidget(m_status);
    layout->addWidget(
        wrapped(QStringLiteral("Obecna lokalizacja bazy danych:"), QStringLiteral("LObecna")));
    m_location = wrapped(QString(), QStringLiteral("LLokalizacja"));
    layout->addWidget(m_location);
    layout->addWidget(
        wrapped(QStringLiteral("Wybierz jedną z poniższch opcji:"), QStringLiteral("LWybierz")));
    static const char* const names[] = {"RBNowaBaza",   "RBOtworz",    "RBDodajFirme",
                                        "RBZmienNazwe", "RBUsunFirme", "RBPrzenies"};
    const QString captions[] = {QStringLiteral("Stwórz nową bazę danych"),
                                QStringLiteral("Wskaż lokalizację istniejącej bazy danych"),
                                QStringLiteral("Dodaj nową firmę"),
                                QStringLiteral("Zmień krótką nazwę firmy"),
                                QStringLiteral("Usuń istniejącą firmę"),
                                QStringLiteral("Przenieś bazę danych z wcześniejszego wydania")};
    auto* group = new QButtonGroup(page);
    for (int i = 0; i < 6; ++i) {
        m_choices[i] = new QRadioButton(captions[i]);
        m_choices[i]->setObjectName(QString::fromLatin1(names[i]));
        group->addButton(m_choices[i]);
        layout->addWidget(m_choices[i]);
    }
    layout->addStretch(1);
    return page;
}

QWidget* TfWskazBaze::buildAddPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("PDodajFirme"));
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    m_companyName = new QLineEdit;
    m_companyName->setObjectName(QStringLiteral("ENazwaFirmy"));
    m_companyName->setMaxLength(50);
    m_companyDir = new QLineEdit;
    m_companyDir->setObjectName(QStringLiteral("EKatalogFirmy"));
    m_companyDir->setMaxLength(50);
    form->addRow(wrapped(QStringLiteral("Krótka nazwa wyświetlana podczas logowania"),
                         QStringLiteral("ENazwaFirmyLabel")),
                 m_companyName);
    form->addRow(wrapped(QStringLiteral("Nazwa podkatalogu bazy danych"),
                         QStringLiteral("EKatalogFirmyLabel")),
                 m_companyDir);
    layout->addLayout(form);
    layout->addWidget(wrapped(
        QStringLiteral(
            "Objaśnienie: Dane każdej firmy muszą znajdować się w odrębnych podkatalogach bazy "
            "danych na dysku twardym. Wprowadź więc dowolną nazwę nieistniejącego podkatalogu dla "
            "zakładanej firmy."),
        QStringLiteral("LObjasnienie")));
    layout->addStretch(1);
    return page;
}

void TfWskazBaze::prepare(Mode mode) {
    m_mode = mode;
    m_newPassword.reset();
    showMenu();
}

void TfWskazBaze::run(Mode mode) {
    prepare(mode);
    exec();
}

TfWskazBaze::Page TfWskazBaze::page() const {
    return Page(m_pages->currentIndex());
}

std::optional<DbLocation> TfWskazBaze::currentLocation() const {
    return DatabaseAdmin::checkLocation(m_store, false).location;
}

void TfWskazBaze::showMenu() {
    const std::optional<DbLocation> location = currentLocation();
    m_status->setText(location ? QStringLiteral("Baza danych istnieje")
                               : QStringLiteral("Z programem nie skojarzono do tej pory żadnej "
                                                "bazy danych."));
    m_location->setText(location ? location->displayText() : kNoDatabase);
    for (int i = 2; i < 5; ++i)
        m_choices[i]->setEnabled(location.has_value());
    m_choices[0]->setChecked(true);
    m_pages->setCurrentIndex(Menu);
    updateButtons();
}

void TfWskazBaze::MenuClick() {
    m_newPassword.reset();
    showMenu();
}

void TfWskazBaze::updateButtons() {
    static const QString captions[] = {
        QStringLiteral("  &Dalej   >>  "), QStringLiteral("Z&ałóż >>"),
        QStringLiteral("&Otwórz >>"),      QStringLiteral("Z&ałóż"),
        QStringLiteral("Zm&ień"),          QStringLiteral("&Usuń"),
        QStringLiteral("&Przenieś >>")};
    const Page current = page();
    m_next->setText(captions[current]);
    m_menu->setEnabled(current != Menu);
    bool enabled = true;
    if (current == OpenDatabase) {
        // A directory holding a database, or a URL (tried when it is opened).
        const std::optional<DbLocation> typed =
            DbLocation::parse(m_openPage->path()->text().trimmed());
        enabled = typed && (typed->isPostgres() || QFileInfo::exists(typed->mainFile()));
    } else if (current == RenameCompany || current == DeleteCompany) {
        enabled = m_companyPages[listIndex(current)]->chosen().has_value();
    } else if (current == ImportLegacy) {
        enabled = !m_legacyPage->source()->text().trimmed().isEmpty() &&
                  !m_legacyPage->target()->text().trimmed().isEmpty();
    }
    m_next->setEnabled(enabled);
}

void TfWskazBaze::openPage(Page target) {
    if (target == RenameCompany || target == DeleteCompany) {
        if (!fillCompanies(target))
            return;
    } else if (target == NewDatabase || target == OpenDatabase) {
        const std::optional<DbLocation> location = currentLocation();
        const QString start = target == NewDatabase || !location || location->isPostgres()
                                  ? TOVUtilities::documentsDirectory()
                                  : location->directory();
        // The tree opens down to the directory the field starts with.
        if (target == OpenDatabase)
            m_openPage->start(start, location ? location->text() : kNoDatabase);
        else
            m_newPage->start(start, QDir::toNativeSeparators(start));
    } else if (target == ImportLegacy) {
        m_legacyPage->start(TOVUtilities::documentsDirectory());
    } else if (target == AddCompany) {
        m_companyName->clear();
        m_companyDir->setText(QStringLiteral("Podaj_tutaj_nazwe_katalogu"));
    }
    m_pages->setCurrentIndex(target);
    updateButtons();
}

bool TfWskazBaze::fillCompanies(Page target) {
    CompanyListPage* list = m_companyPages[listIndex(target)];
    list->setCompanies({});
    const std::optional<DbLocation> location = currentLocation();
    if (!location)
        return false;
    DbError error;
    const QList<CompanyEntry> companies = DatabaseCreator::companies(*location, &error);
    if (error) {
        m_db.errorReport().report(error, target == RenameCompany ? DatabaseAdmin::kCodeRenameList
                                                                 : DatabaseAdmin::kCodeDeleteList);
        return false;
    }
    list->setCompanies(companies);
    return true;
}

void TfWskazBaze::NowyKatalogClick() {
    m_newPage->makeSubdirectory();
}

void TfWskazBaze::DalejClick() {
    switch (page()) {
        case Menu: {
            const bool exists = currentLocation().has_value();
            if (m_choices[0]->isChecked()) {
                if (exists &&
                    !m_messages.question(
                        kQuestion, QStringLiteral("Baza danych już istnieje. Czy chcesz stworzyć "
                                                  "nową bazę? Obecna baza danych nie zostanie "
                                                  "fizycznie usunięta i w każdej chwili będzie "
                                                  "można otworzyć ją ponownie.")))
                    return;
                openPage(NewDatabase);
            } else if (m_choices[1]->isChecked()) {
                if (exists && !m_messages.question(
                                  kQuestion,
                                  QStringLiteral("Baza danych już istnieje. Czy chcesz skojarzyć z "
                                                 "programem inną bazę? Obecna baza danych nie "
                                                 "zostanie fizycznie usunięta i w każdej chwili "
                                                 "będzie można otworzyć ją ponownie.")))
                    return;
                openPage(OpenDatabase);
            } else if (m_choices[2]->isChecked() && m_choices[2]->isEnabled()) {
                openPage(AddCompany);
            } else if (m_choices[3]->isChecked() && m_choices[3]->isEnabled()) {
                openPage(RenameCompany);
            } else if (m_choices[4]->isChecked() && m_choices[4]->isEnabled()) {
                openPage(DeleteCompany);
            } else if (m_choices[5]->isChecked()) {
                openPage(ImportLegacy);
            }
            break;
        }
        case NewDatabase:
            createDatabase();
            break;
        case OpenDatabase:
            openDatabase();
            break;
        case AddCompany:
            addCompany();
            break;
        case RenameCompany:
            renameCompany();
            break;
        case DeleteCompany:
            deleteCompany();
            break;
        case ImportLegacy:
            importLegacy();
            break;
    }
}

std::optional<DbLocation> TfWskazBaze::typedLocation(QLineEdit* field, bool tell) {
    QString problem;
    const std::optional<DbLocation> location =
        DbLocation::parse(QDir::fromNativeSeparators(field->text().trimmed()), &problem);
    if (!location && tell)
        m_messages.information(
            kInformation,
            problem.isEmpty() ? QStringLiteral("Niepoprawna lokalizacja bazy danych.") : problem);
    return location;
}

std::optional<QString> TfWskazBaze::askPassword(const DbLocation& location, const QString& text) {
    for (;;) {
        const std::optional<QString> password =
            m_messages.prompt(QStringLiteral("Podaj hasło"), text, QString(), true);
        if (!password)
            return std::nullopt;
        DbError error;
        if (DatabaseAdmin::acceptPassword(location, *password, &error))
            return password;
        if (error) {
            // Not a wrong password: asking again would not help.
            m_db.errorReport().report(error, DatabaseAdmin::kCodeOpenTest);
            return std::nullopt;
        }
        m_messages.information(kInformation, kWrongPassword);
    }
}

std::optional<QString> TfWskazBaze::askNewPassword() {
    for (;;) {
        const std::optional<QString> typed = m_messages.prompt(
            QStringLiteral("Podaj hasło"),
            QStringLiteral("Proszę podać nowe, dowolne hasło, które będzie zabezpieczać bazę "
                           "danych przed niepowołanymi osobami."),
            QString(), true);
        if (!typed)
            return std::nullopt;
        if (!DatabaseAdmin::passwordLongEnough(*typed)) {
            m_messages.information(kInformation, DatabaseAdmin::passwordTooShortMessage());
            continue;
        }
        // The location file keeps values trimmed and on one line.
        if (typed->trimmed() != *typed || typed->contains(QLatin1Char('\n')) ||
            typed->contains(QLatin1Char('\r'))) {
            m_messages.information(kInformation,
                                   QStringLiteral("Hasło nie może zaczynać się ani kończyć "
                                                  "odstępem ani zawierać końca wiersza."));
            continue;
        }
        return typed;
    }
}

void TfWskazBaze::createDatabase() {
    const std::optional<DbLocation> location = typedLocation(m_newPage->path(), true);
    if (!location)
        return;
    const std::optional<QString> typed = askNewPassword();
    if (!typed)
        return;
    const QString password = *typed;
    const bool exists = DatabaseCreator::databaseExists(*location);
    if (exists) {
        if (!m_messages.question(
                kQuestion, QStringLiteral("W podanej lokalizacji znajduje się już baza danych. "
                                          "Upewnij się czy nie jest ona używana. Dane w "
                                          "istniejącej bazie zostaną zastąpione. Czy napewno "
                                          "chcesz zastąpić istniejącą bazę?")))
            return;
    } else if (!m_messages.question(
                   kQuestion, QStringLiteral("Czy napewno stworzyć nową bazę danych w lokalizacji "
                                             "\n") +
                                  location->displayText() + QStringLiteral(" ?"))) {
        showMenu();
        return;
    }

    // The database, its password and the sample company are made together or not at all;
    // a database replaced is kept beside the new one.
    const bool sample = m_newPage->withSample();
    DatabaseCreator::NewDatabase what;
    what.replaceExisting = exists;
    what.password = password;
    if (sample)
        what.companies.append({DatabaseCreator::sampleCompanyName(),
                               DatabaseCreator::sampleCompanyDir(),
                               DatabaseCreator::Contents::Sample,
                               {}});
    CreateResult result = DatabaseCreator::createDatabase(*location, what);
    if (result.ok && !(m_store.setLocation(location->text()) && m_store.setPassword(password))) {
        result.ok = false;
        result.message = QStringLiteral("Nie udało się zapisać pliku %1")
                             .arg(QDir::toNativeSeparators(m_store.path()));
    }
    if (!result.ok) {
        const QString failed = QStringLiteral("Nie udało się stworzyć nowej bazy danych");
        m_messages.information(kInformation, result.message.startsWith(failed)
                                                 ? result.message
                                                 : failed + QLatin1Char('\n') + result.message);
        showMenu();
        return;
    }
    if (!result.backup.isEmpty())
        m_messages.information(
            kInformation,
            QStringLiteral("Poprzednia baza danych została zachowana jako %1.").arg(result.backup));
    if (sample) {
        m_messages.information(
            kInformation,
            QStringLiteral("Zakładanie nowej bazy i przykładowej firmy zakończyło się sukcesem. "
                           "Możesz zalogować się do nowej firmy podając użytkownika \"ADMIN\" i "
                           "hasło \"lotra\" (małe litery hasła). Hasło to będzie można zmienić w "
                           "programie."));
        if (!m_messages.question(kQuestion,
                                 QStringLiteral("W bazie znajduje się już firma zawierająca "
                                                "przykładowe dane. Czy chcesz także dodać do bazy "
                                                "kolejną firmę?"))) {
            accept();
            return;
        }
    } else {
        m_messages.information(kInformation,
                               QStringLiteral("Założono nową bazę danych. W bazie brakuje jeszcze "
                                              "firmy. Dodaj teraz nową firmę do bazy danych."));
    }
    showMenu();
    openPage(AddCompany);
    m_newPassword = password;
}

void TfWskazBaze::openDatabase() {
    const std::optional<DbLocation> location = typedLocation(m_openPage->path(), true);
    if (!location)
        return;
    if (!DatabaseCreator::databaseExists(*location)) {
        m_messages.information(kInformation,
                               QStringLiteral("W podanej lokalizacji nie ma bazy danych."));
        return;
    }
    for (;;) {
        const std::optional<QString> password = m_messages.prompt(
            QStringLiteral("Podaj hasło"),
            QStringLiteral("Proszę podać hasło dostępu do bazy danych."), QString(), true);
        if (!password)
            return;
        DbError error;
        if (DatabaseAdmin::acceptPassword(*location, *password, &error)) {
            if (!m_store.setLocation(location->text()) || !m_store.setPassword(*password)) {
                m_messages.information(kInformation,
                                       QStringLiteral("Nie udało się zapisać pliku %1")
                                           .arg(QDir::toNativeSeparators(m_store.path())));
                return;
            }
            break;
        }
        if (error) {
            m_db.errorReport().report(error, DatabaseAdmin::kCodeOpenTest);
            return;
        }
        m_messages.information(kInformation, kWrongPassword);
    }
    m_messages.information(kInformation, QStringLiteral("Wskazano nową lokalizację bazy danych."));
    if (m_mode == Mode::Login)
        accept();
    else
        showMenu();
}

void TfWskazBaze::addCompany() {
    const std::optional<DbLocation> location = currentLocation();
    if (!location)
        return;
    const QString name = m_companyName->text().trimmed();
    const QString dir = m_companyDir->text().trimmed();
    if (name.isEmpty() || dir.isEmpty()) {
        m_messages.information(kInformation,
                               QStringLiteral("Nazwa firmy lub katalogu niepoprawna."));
        return;
    }
    if (!m_newPassword) {
        if (!askPassword(*location, QStringLiteral("W celu dodania nowej firmy proszę podać "
                                                   "hasło dostępu do bazy danych.")))
            return;
    }
    const DatabaseAdmin::Outcome check = DatabaseAdmin::checkNewCompany(*location, name, dir);
    if (check.error) {
        m_db.errorReport().report(check.error, check.code);
        showMenu();
        return;
    }
    if (!check.ok) {
        m_messages.information(kInformation, check.message);
        return;
    }
    const CreateResult result = DatabaseCreator::addCompany(*location, name, dir);
    if (!result.ok) {
        if (result.error)
            m_db.errorReport().report(result.error, DatabaseAdmin::kCodeCompanyInsert);
        else
            m_messages.information(kInformation, result.message);
        showMenu();
        return;
    }
    m_newPassword.reset();
    m_messages.information(
        kInformation,
        QStringLiteral("Zakładanie nowej firmy zakończyło się sukcesem. Do nowej firmy można "
                       "zalogować się podając użytkownika \"ADMIN\" i hasło \"lotra\" (małe "
                       "litery hasła). Hasło to będzie można zmienić w programie."));
    if (m_mode == Mode::Login)
        accept();
    else
        showMenu();
}

void TfWskazBaze::renameCompany() {
    const std::optional<DbLocation> location = currentLocation();
    const std::optional<CompanyEntry> company = m_companyPages[0]->chosen();
    if (!location || !company)
        return;
    if (!m_messages.question(kQuestion,
                             QStringLiteral("Czy napewno zmienić dotychczasową nazwę firmy. "
                                            "Upewnij się czy w tej chwili żaden użytkownik nie "
                                            "pracuje z danymi wskazanej firmy?")))
        return;
    const QString newName = m_companyPages[0]->newName();
    if (newName.isEmpty()) {
        m_messages.information(kInformation, QStringLiteral("Nazwa firmy niepoprawna."));
        return;
    }
    if (!askPassword(*location, QStringLiteral("Proszę podać hasło dostępu do bazy danych.")))
        return;
    const DatabaseAdmin::Outcome outcome =
        DatabaseAdmin::renameCompany(*location, company->name, newName);
    if (outcome.error) {
        m_db.errorReport().report(outcome.error, outcome.code);
        return;
    }
    m_messages.information(kInformation, outcome.message);
    if (outcome.ok)
        showMenu();
}

void TfWskazBaze::deleteCompany() {
    const std::optional<DbLocation> location = currentLocation();
    const std::optional<CompanyEntry> company = m_companyPages[1]->chosen();
    if (!location || !company)
        return;
    if (!m_messages.question(kQuestion,
                             QStringLiteral("Czy napewno usunąć wskazaną firmę? Zgromadzone dane "
                                            "na temat firmy zostaną utracone bezpowrotnie! "
                                            "Upewnij się czy w tej chwili żaden z użytkowników "
                                            "nie pracuje na tej w firmie.")))
        return;
    if (!askPassword(*location, QStringLiteral("Proszę podać hasło dostępu do bazy danych.")))
        return;
    const DatabaseAdmin::Outcome outcome = DatabaseAdmin::deleteCompany(*location, company->name);
    if (outcome.error) {
        m_db.errorReport().report(outcome.error, outcome.code);
        return;
    }
    m_messages.information(kInformation, outcome.message);
    showMenu();
}
