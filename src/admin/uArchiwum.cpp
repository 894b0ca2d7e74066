#include "admin/uArchiwum.h"

#include "admin/archive/CompanyArchive.h"
#include "data/TmyDataBase.h"
#include "support/MessageService.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace {

const QString kDateFormat = QStringLiteral("dd-MM-yyyy");

QPushButton* button(const QString& name, const QString& caption) {
    auto* result = new QPushButton(caption);
    result->setObjectName(name);
    result->setAutoDefault(false);
    return result;
}

// The archive's date as typed: DD-MM-RRRR whatever the system's separator, since the
// description file keeps the text itself; a calendar beside it.
QWidget* dateField(const QString& name, QLineEdit** edit) {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    *edit = new QLineEdit;
    (*edit)->setObjectName(name);
    (*edit)->setInputMask(QStringLiteral("99-99-9999"));
    (*edit)->setToolTip(QStringLiteral("DD-MM-RRRR"));
    auto* calendarButton = new QToolButton;
    calendarButton->setObjectName(name + QStringLiteral("Kalendarz"));
    calendarButton->setText(QStringLiteral("..."));
    calendarButton->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(calendarButton);
    auto* calendar = new QCalendarWidget;
    auto* action = new QWidgetAction(menu);
    action->setDefaultWidget(calendar);
    menu->addAction(action);
    calendarButton->setMenu(menu);
    QLineEdit* field = *edit;
    QObject::connect(menu, &QMenu::aboutToShow, calendar, [field, calendar] {
        const QDate typed = QDate::fromString(field->text(), kDateFormat);
        calendar->setSelectedDate(typed.isValid() ? typed : QDate::currentDate());
    });
    QObject::connect(calendar, &QCalendarWidget::clicked, field, [field, menu](const QDate& day) {
        field->setText(day.toString(kDateFormat));
        menu->hide();
    });
    row->addWidget(*edit, 1);
    row->addWidget(calendarButton);
    return box;
}

// Names the labels of a form after the edits of their rows (a date's label stands before
// the box holding its edit).
void nameLabels(QFormLayout* form, std::initializer_list<QLineEdit*> edits) {
    for (QLineEdit* edit : edits) {
        QWidget* label = form->labelForField(edit);
        if (!label)
            label = form->labelForField(edit->parentWidget());
        if (label)
            label->setObjectName(edit->objectName() + QStringLiteral("Label"));
    }
}

}  // namespace

TfArchiwum::TfArchiwum(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_db(database), m_messages(messages) {
    setObjectName(QStringLiteral("TfArchiwum"));
    setWindowTitle(QStringLiteral("Praca z Archiwum"));
    resize(720, 480);
    auto* layout = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Odszukaj miejsce położenia archiwum"));
    caption->setObjectName(QStringLiteral("Label1"));
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QDir::rootPath());
    m_tree = new QTreeView;
    m_tree->setObjectName(QStringLiteral("aDir"));
    m_tree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->header()->hide();
    m_tree->setSortingEnabled(true);
    m_tree->sortByColumn(0, Qt::AscendingOrder);
    caption->setBuddy(m_tree);
    auto* newDir = button(QStringLiteral("BNowyKatalog"),
                          QStringLiteral("&Stwórz nowy podkatalog  w wybranej lokalizacji    "));
    left->addWidget(caption);
    left->addWidget(m_tree, 1);
    left->addWidget(newDir);
    layout->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    m_found = new QGroupBox(QStringLiteral(" Znalezione archiwum "));
    m_found->setObjectName(QStringLiteral("GroupBox1"));
    auto* foundForm = new QFormLayout(m_found);
    m_oNazwa = new QLineEdit;
    m_oNazwa->setObjectName(QStringLiteral("oNazwa"));
    m_oNazwa->setMaxLength(ArchiveDescription::kNameBytes);
    foundForm->addRow(QStringLiteral("Nazwa"), m_oNazwa);
    foundForm->addRow(QStringLiteral("Data"), dateField(QStringLiteral("oData"), &m_oData));
    nameLabels(foundForm, {m_oNazwa, m_oData});
    m_save = button(QStringLiteral("BZapiszOpis"), QStringLiteral("&Zapisz zmiany opisu"));
    m_delete = button(QStringLiteral("BUsun"), QStringLiteral("&Usuń archiwum"));
    m_restore = button(QStringLiteral("BOdtworz"), QStringLiteral("&Odtwórz dane z archiwum"));
    foundForm->addRow(m_save);
    foundForm->addRow(m_delete);
    foundForm->addRow(m_restore);
    right->addWidget(m_found);

    auto* create = new QGroupBox(QStringLiteral(" Stwórz nowe archiwum "));
    create->setObjectName(QStringLiteral("GroupBox2"));
    auto* createForm = new QFormLayout(create);
    m_nNazwa = new QLineEdit;
    m_nNazwa->setObjectName(QStringLiteral("nNazwa"));
    m_nNazwa->setMaxLength(ArchiveDescription::kNameBytes);
    createForm->addRow(QStringLiteral("Nazwa"), m_nNazwa);
    createForm->addRow(QStringLiteral("Data"), dateField(QStringLiteral("nData"), &m_nData));
    nameLabels(createForm, {m_nNazwa, m_nData});
    m_nData->setText(QDate::currentDate().toString(kDateFormat));
    auto* make = button(QStringLiteral("BStworz"), QStringLiteral("Stwórz nowe &archiwum"));
    createForm->addRow(make);
    right->addWidget(create);

    m_bar = new QProgressBar;
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setRange(0, int(CompanyArchive::kProgressTotal));
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    right->addWidget(m_bar);
    right->addStretch(1);
    auto* close = button(QStringLiteral("BZamknij"), QStringLiteral("&Zamknij"));
    close->setToolTip(QStringLiteral("Zamknij to okno"));
    close->setDefault(true);  // Enter closes; the other buttons act on archives
    right->addWidget(close);
    layout->addLayout(right);

    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TfArchiwum::showArchive);
    connect(newDir, &QPushButton::clicked, this, &TfArchiwum::NowyKatalogClick);
    connect(m_save, &QPushButton::clicked, this, &TfArchiwum::ZapiszOpisClick);
    connect(m_delete, &QPushButton::clicked, this, &TfArchiwum::UsunClick);
    connect(m_restore, &QPushButton::clicked, this, &TfArchiwum::OdtworzClick);
    connect(make, &QPushButton::clicked, this, &TfArchiwum::StworzClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    selectDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    showArchive();
}

QString TfArchiwum::selectedDirectory() const {
    const QModelIndex current = m_tree->currentIndex();
    return current.isValid() ? m_model->filePath(current) : QString();
}

void TfArchiwum::selectDirectory(const QString& path) {
    const QModelIndex index = m_model->index(QDir::cleanPath(QDir(path).absolutePath()));
    if (!index.isValid())
        return;
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
    showArchive();
}

void TfArchiwum::showArchive() {
    const QString dir = selectedDirectory();
    const bool found = !dir.isEmpty() && CompanyArchive::exists(dir);
    const ArchiveDescription description =
        found ? ArchiveDescription::read(dir) : ArchiveDescription{};
    m_oNazwa->setText(description.name);
    m_oData->setText(description.date);
    for (QWidget* control : {static_cast<QWidget*>(m_oNazwa), static_cast<QWidget*>(m_oData),
                             static_cast<QWidget*>(m_save), static_cast<QWidget*>(m_delete),
                             static_cast<QWidget*>(m_restore)})
        control->setEnabled(found);
}

bool TfArchiwum::checkDate(QLineEdit* field) {
    if (QDate::fromString(field->text(), kDateFormat).isValid())
        return true;
    m_messages.information(QStringLiteral("Uwaga"),
                           QStringLiteral("Niepoprawny format daty archiwum. Popraw pole"));
    field->setFocus();
    return false;
}

void TfArchiwum::setBusy(bool busy) {
    for (QPushButton* control : findChildren<QPushButton*>())
        control->setEnabled(!busy);
    m_tree->setEnabled(!busy);
    if (!busy) {
        m_bar->setValue(0);
        showArchive();
    }
}

bool TfArchiwum::progress(qint64 done, qint64 total) {
    m_bar->setMaximum(int(total));
    m_bar->setValue(int(done));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return true;
}

void TfArchiwum::NowyKatalogClick() {
    const QString parentDir = selectedDirectory();
    if (parentDir.isEmpty())
        return;
    const std::optional<QString> name = m_messages.prompt(
        QStringLiteral("Wprowadź nazwę podkatalogu"), QStringLiteral("Nazwa podkatalogu"),
        QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")), false);
    if (!name)
        return;
    const QString typed = name->trimmed();
    const QString path = QDir(parentDir).filePath(typed);
    if (typed.isEmpty() || typed == QLatin1String(".") || typed == QLatin1String("..") ||
        typed.contains(QLatin1Char('/')) || typed.contains(QLatin1Char('\\')) ||
        !QDir(parentDir).mkdir(typed)) {
        m_messages.information(QStringLiteral("Informacja"),
                               QStringLiteral("Nie udało się utworzyć katalogu %1")
                                   .arg(QDir::toNativeSeparators(path)));
        return;
    }
    selectDirectory(path);
}

void TfArchiwum::ZapiszOpisClick() {
    const QString dir = selectedDirectory();
    if (!CompanyArchive::exists(dir) || !checkDate(m_oData))
        return;
    QString error;
    if (!ArchiveDescription{m_oNazwa->text(), m_oData->text()}.write(dir, &error)) {
        m_messages.information(QStringLiteral("Informacja"), error);
        return;
    }
    m_messages.information(QStringLiteral("Informacja"),
                           QStringLiteral("Zmiany w opisie archiwum zapisano."));
}

void TfArchiwum::UsunClick() {
    const QString dir = selectedDirectory();
    if (!CompanyArchive::exists(dir))
        return;
    if (!m_messages.question(QStringLiteral("Uwaga"),
                             QStringLiteral("Archiwum zostanie trwale usunięte. Odzyskanie "
                                            "archiwum będzie niemożliwe. Czy kontynuować "
                                            "usuwanie?")))
        return;
    const ArchiveResult result = CompanyArchive::remove(dir);
    if (!result.ok)
        m_messages.information(QStringLiteral("Informacja"), result.message);
    showArchive();
}

void TfArchiwum::OdtworzClick() {
    const QString dir = selectedDirectory();
    if (dir.isEmpty() || !CompanyArchive::exists(dir)) {
        m_messages.information(QStringLiteral("Informacje"),
                               QStringLiteral("We wskazanym katalogu nie znaleziono archiwum."));
        return;
    }
    if (!m_messages.question(QStringLiteral("Pytanie"),
                             QStringLiteral("Czy odtworzyć dane ze wskazanego archiwum?")) ||
        !m_messages.question(QStringLiteral("Uwaga"),
                             QStringLiteral("Dotychczasowe dane zostaną bezpowrotnie utracone. "
                                            "Czy mimo to chcesz kontynuować operację "
                                            "odtwarzania danych z archiwum?")))
        return;
    setBusy(true);
    const ArchiveResult result = CompanyArchive::restore(
        m_db.location(), m_db.companyDir(), dir,
        [this](qint64 done, qint64 total) { return progress(done, total); });
    setBusy(false);
    if (!result.ok) {
        m_messages.information(
            QStringLiteral("Informacja"),
            QStringLiteral("Nie udało się odtworzyć danych z archiwum.\n") + result.message);
        return;
    }
    m_restored = true;
    m_messages.information(
        QStringLiteral("Informacje"),
        QStringLiteral("Operacja przebiegła pomyślnie. Dane zostały odtworzone z archiwum."));
}

void TfArchiwum::StworzClick() {
    const QString dir = selectedDirectory();
    if (dir.isEmpty() || !checkDate(m_nData))
        return;
    if (CompanyArchive::exists(dir) &&
        !m_messages.question(QStringLiteral("Pytanie"),
                             QStringLiteral("We wskazanym katalogu istnieje już archiwum. Czy "
                                            "zastąpić znalezione archiwum?")))
        return;
    setBusy(true);
    const ArchiveResult result = CompanyArchive::create(
        m_db.location(), m_db.companyDir(), dir, {m_nNazwa->text(), m_nData->text()},
        [this](qint64 done, qint64 total) { return progress(done, total); });
    setBusy(false);
    if (!result.ok) {
        m_messages.information(
            QStringLiteral("Informacja"),
            QStringLiteral("Nie udało się stworzyć archiwum\n") + result.message);
        return;
    }
    m_messages.information(QStringLiteral("Informacja"),
                           QStringLiteral("Archiwum zostało stworzone"));
}
