#include "admin/uAdministracjaBaza.h"

#include "shell/ProgressBox.h"

#include "admin/DatabaseAdmin.h"
#include "data/TmyDataBase.h"
#include "support/MessageService.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QPushButton* button(const QString& name, const QString& caption) {
    auto* result = new QPushButton(caption);
    result->setObjectName(name);
    result->setAutoDefault(false);
    return result;
}

const QString kInformation = QStringLiteral("Informacja");

}  // namespace

TfAdministracjaBaza::TfAdministracjaBaza(TmyDataBase& database, MessageService& messages,
                                         QWidget* parent)
    : QDialog(parent), m_db(database), m_messages(messages) {
    setObjectName(QStringLiteral("TfAdministracjaBaza"));
    setWindowTitle(QStringLiteral("Administracja bazą danych"));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    layout->addWidget(m_tabs);

    auto* tablesPage = new QWidget;
    auto* tablesLayout = new QVBoxLayout(tablesPage);
    m_tables = new QListWidget;
    m_tables->setObjectName(QStringLiteral("tabela"));
    for (const DatabaseAdmin::EmptyEntry& entry : DatabaseAdmin::emptyEntries())
        m_tables->addItem(entry.caption);
    m_tables->setCurrentRow(0);
    auto* clear = button(QStringLiteral("BWyczysc"), QStringLiteral("Wyczyść zbiór"));
    tablesLayout->addWidget(m_tables);
    tablesLayout->addWidget(clear);
    m_tabs->addTab(tablesPage, QStringLiteral("Zarządzanie zbiorami"));

    auto* packPage = new QWidget;
    auto* packLayout = new QVBoxLayout(packPage);
    auto* pack =
        button(QStringLiteral("BOptymalizuj"), QStringLiteral("&Optymalizuj zbiory bazy danych"));
    packLayout->addWidget(pack);
    packLayout->addStretch(1);
    m_tabs->addTab(packPage, QStringLiteral("Optymalizacja bazy"));

    auto* logPage = new QWidget;
    auto* logLayout = new QVBoxLayout(logPage);
    auto* logButtons = new QHBoxLayout;
    auto* open =
        button(QStringLiteral("BOtworzLog"), QStringLiteral("&Otwórz log błędów programu"));
    auto* wipe = button(QStringLiteral("BCzyscLog"), QStringLiteral("&Czyść log błędów programu"));
    logButtons->addWidget(open);
    logButtons->addWidget(wipe);
    logLayout->addLayout(logButtons);
    m_log = new QPlainTextEdit;
    m_log->setObjectName(QStringLiteral("MLog"));
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
    logLayout->addWidget(m_log);
    m_tabs->addTab(logPage, QStringLiteral("Log błędów"));

    auto* bottom = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("&Ok"));
    ok->setObjectName(QStringLiteral("BOK"));
    bottom->addStretch(1);
    bottom->addWidget(ok);
    layout->addLayout(bottom);

    connect(clear, &QPushButton::clicked, this, &TfAdministracjaBaza::WyczyscClick);
    connect(pack, &QPushButton::clicked, this, &TfAdministracjaBaza::OptymalizujClick);
    connect(open, &QPushButton::clicked, this, &TfAdministracjaBaza::OtworzLogClick);
    connect(wipe, &QPushButton::clicked, this, &TfAdministracjaBaza::CzyscLogClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TfAdministracjaBaza::WyczyscClick() {
    const int row = m_tables->currentRow();
    if (row < 0 || row >= DatabaseAdmin::emptyEntries().size())
        return;
    if (!m_messages.question(QStringLiteral("Pytanie"),
                             QStringLiteral("Czy napewno trwale usunąć wszystkie dane z "
                                            "zaznaczonej tabeli? Upewnij się, czy w tej chwili "
                                            "nikt nie pracuje na bazie.")))
        return;
    const DatabaseAdmin::EmptyEntry& entry = DatabaseAdmin::emptyEntries().at(row);
    if (const DbError error = DatabaseAdmin::emptyEntry(m_db.DatabaseFirma(), entry)) {
        m_db.errorReport().report(error, DatabaseAdmin::kCodeEmpty);
        return;
    }
    m_messages.information(kInformation,
                           m_tables->item(row)->text() + QStringLiteral(": został wyczyszczony."));
}

void TfAdministracjaBaza::OptymalizujClick() {
    DatabaseAdmin::PackOutcome outcome;
    {
        // Not to be stopped: a table half packed would be packed again anyway.
        ProgressBox progress(this, QStringLiteral("Optymalizacja tabel"), false);
        outcome = DatabaseAdmin::pack(m_db.DatabaseFirma());
    }
    if (outcome.ok) {
        m_messages.information(kInformation,
                               QStringLiteral("Optymalizacja zakończyła się powodzeniem"));
        return;
    }
    m_db.errorReport().report(outcome.error, DatabaseAdmin::kCodePack);
    m_messages.information(kInformation,
                           QStringLiteral("Nie wszystkie tabele udało się zoptymalizować. Upewnij "
                                          "się czy żaden z użytkowników nie pracuje z bazą danych "
                                          "i spróbuj ponownie."));
}

void TfAdministracjaBaza::OtworzLogClick() {
    if (!DatabaseAdmin::errorLogExists()) {
        m_log->clear();
        m_messages.information(kInformation, QStringLiteral("Log błędów jest pusty"));
        return;
    }
    m_log->setPlainText(DatabaseAdmin::readErrorLog());
}

void TfAdministracjaBaza::CzyscLogClick() {
    if (!m_messages.question(QStringLiteral("Pytanie"),
                             QStringLiteral("Czy wyczyścić log błędów programu?")))
        return;
    DatabaseAdmin::clearErrorLog();
    m_log->clear();
    m_messages.information(kInformation,
                           QStringLiteral("Log błędów programu został wyczyszczony."));
}
