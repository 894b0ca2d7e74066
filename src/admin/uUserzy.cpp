#include "admin/uUserzy.h"

#include "admin/uUserEdit.h"
#include "data/TmyDataBase.h"
#include "registers/QuietTeardown.h"
#include "support/MessageService.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QPushButton* button(const QString& objectName, const QString& text) {
    auto* b = new QPushButton(text);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    return b;
}

const QString kWarning = QStringLiteral("Uwaga");

}  // namespace

// Destroying the tabs switches the current one, which would reload rights of a dead window.
TfUserzy::~TfUserzy() {
    quietTeardown(this);
}

TfUserzy::TfUserzy(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_db(database), m_messages(messages), m_store(database) {
    setObjectName(QStringLiteral("TfUserzy"));
    setWindowTitle(QStringLiteral("Zarządzanie użytkownikami"));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("PageControl"));
    auto* users = new QWidget;
    auto* rights = new QWidget;
    buildUsersPage(users);
    buildRightsPage(rights);
    m_tabs->addTab(users, QStringLiteral("Użytkownicy"));
    m_tabs->addTab(rights, QStringLiteral("Uprawnienia"));
    layout->addWidget(m_tabs);

    auto* close = button(QStringLiteral("BOk"), QStringLiteral("&Ok"));
    close->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    layout->addLayout(bottom);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index != 1)
            return;
        const int row = currentRow();
        showRightsOf(row < 0 ? QString() : m_accounts.at(row).name);
    });
}

void TfUserzy::buildUsersPage(QWidget* page) {
    auto* layout = new QHBoxLayout(page);
    m_grid = new QTableWidget(0, 2);
    m_grid->setObjectName(QStringLiteral("UserzyGRID"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("ID Użytkownika"), QStringLiteral("Opis")});
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    layout->addWidget(m_grid, 1);

    auto* add = new QAction(QStringLiteral("Dodaj pozycję"), m_grid);
    add->setObjectName(QStringLiteral("DodajPozycje"));
    add->setShortcut(Qt::Key_Insert);
    auto* edit = new QAction(QStringLiteral("Edytuj pozycję"), m_grid);
    edit->setObjectName(QStringLiteral("EdytujPozycje"));
    edit->setShortcuts(
        {QKeySequence(Qt::Key_F2), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    auto* remove = new QAction(QStringLiteral("Usuń pozycję"), m_grid);
    remove->setObjectName(QStringLiteral("UsunPozycje"));
    remove->setShortcut(Qt::Key_Delete);
    for (QAction* action : {add, edit, remove}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        m_grid->addAction(action);
    }
    connect(add, &QAction::triggered, this, &TfUserzy::addUser);
    connect(edit, &QAction::triggered, this, &TfUserzy::editUser);
    connect(remove, &QAction::triggered, this, &TfUserzy::deleteUser);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &TfUserzy::editUser);

    auto* buttons = new QVBoxLayout;
    auto* bAdd = button(QStringLiteral("BDodaj"), QStringLiteral("Dodaj"));
    auto* bEdit = button(QStringLiteral("BEdytuj"), QStringLiteral("Edytuj"));
    auto* bDelete = button(QStringLiteral("BUsun"), QStringLiteral("Usuń"));
    buttons->addWidget(bAdd);
    buttons->addWidget(bEdit);
    buttons->addWidget(bDelete);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(bAdd, &QPushButton::clicked, this, &TfUserzy::addUser);
    connect(bEdit, &QPushButton::clicked, this, &TfUserzy::editUser);
    connect(bDelete, &QPushButton::clicked, this, &TfUserzy::deleteUser);
}

void TfUserzy::buildRightsPage(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    auto* chooser = new QHBoxLayout;
    auto* userLabel = new QLabel(QStringLiteral("Uprawnienia dla:"));
    userLabel->setObjectName(QStringLiteral("UserIDLabel"));
    chooser->addWidget(userLabel);
    m_userChoice = new QComboBox;
    m_userChoice->setObjectName(QStringLiteral("UserID"));
    chooser->addWidget(m_userChoice, 1);
    layout->addLayout(chooser);
    connect(m_userChoice, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            loadRights();
    });

    // The rows come from the rights table: one row per title, its rights in their columns.
    auto* grid = new QGridLayout;
    const int readColumn = 1;
    const struct {
        RightColumn column;
        const char* name;
    } titles[] = {{RightColumn::Read, "OdczytLabel"},
                  {RightColumn::Write, "ZapisLabel"},
                  {RightColumn::Access, "DostepLabel"}};
    for (int i = 0; i < 3; ++i) {
        auto* title = new QLabel(RightsTable::columnTitle(titles[i].column));
        title->setObjectName(QString::fromLatin1(titles[i].name));
        grid->addWidget(title, 0, readColumn + i);
    }
    int row = 0;
    QString lastTitle;
    QLabel* lastLabel = nullptr;
    for (const RightDef& def : RightsTable::all()) {
        auto* box = new QCheckBox;
        box->setObjectName(QStringLiteral("cb%1").arg(def.number));
        box->setToolTip(def.governs);
        m_boxes.insert(def.number, box);
        connect(box, &QCheckBox::clicked, this,
                [this, number = def.number](bool checked) { rightClicked(number, checked); });
        if (def.column == RightColumn::Administrator) {
            box->setText(def.row);
            layout->addWidget(box);
            continue;
        }
        if (def.row != lastTitle) {
            ++row;
            lastTitle = def.row;
            lastLabel = new QLabel(def.row);
            // Named after the row's first check box.
            lastLabel->setObjectName(box->objectName() + QStringLiteral("Label"));
            grid->addWidget(lastLabel, row, 0);
        }
        const int column = def.column == RightColumn::Read    ? readColumn
                           : def.column == RightColumn::Write ? readColumn + 1
                                                              : readColumn + 2;
        grid->addWidget(box, row, column, Qt::AlignCenter);
        if (!def.shown) {
            // A hidden row keeps whatever the account holds.
            box->hide();
            lastLabel->hide();
        }
    }
    auto* holder = new QWidget;
    holder->setLayout(grid);
    auto* scroll = new QScrollArea;
    scroll->setWidget(holder);
    scroll->setWidgetResizable(true);
    layout->addWidget(scroll, 1);
}

void TfUserzy::prepare(const QString& loggedInUser) {
    m_loggedIn = loggedInUser;
    m_ownNewPassword.reset();
    m_loading = true;
    m_userChoice->setCurrentIndex(-1);
    m_loading = false;
    setBoxes({}, false);
    m_tabs->setCurrentIndex(0);
    reload(QString());
}

void TfUserzy::run(const QString& loggedInUser) {
    prepare(loggedInUser);
    exec();
}

int TfUserzy::currentRow() const {
    const int row = m_grid->currentRow();
    return row >= 0 && row < m_accounts.size() ? row : -1;
}

bool TfUserzy::selectAccount(const QString& name) {
    for (int row = 0; row < m_accounts.size(); ++row) {
        if (m_accounts.at(row).name == name) {
            m_grid->setCurrentCell(row, 0);
            return true;
        }
    }
    return false;
}

bool TfUserzy::reload(const QString& current) {
    const std::optional<QList<UserAccount>> list = m_store.accounts();
    if (!list)
        return false;
    m_accounts = *list;
    m_grid->setRowCount(int(m_accounts.size()));
    for (int row = 0; row < m_accounts.size(); ++row) {
        m_grid->setItem(row, 0, new QTableWidgetItem(m_accounts.at(row).name));
        m_grid->setItem(row, 1, new QTableWidgetItem(m_accounts.at(row).description));
    }
    const QString chosen = m_userChoice->currentText();
    m_loading = true;
    m_userChoice->clear();
    for (const UserAccount& account : m_accounts)
        m_userChoice->addItem(account.name);
    m_userChoice->setCurrentIndex(chosen.isEmpty() ? -1 : m_userChoice->findText(chosen));
    m_loading = false;
    if (m_userChoice->currentIndex() < 0)
        setBoxes({}, false);
    if (!selectAccount(current) && !m_accounts.isEmpty())
        m_grid->setCurrentCell(0, 0);
    return true;
}

void TfUserzy::addUser() {
    TfUserEdit dialog(m_messages, this);
    TfUserEdit::Values typed;
    for (;;) {
        dialog.setNew(typed);
        if (!dialog.run())
            return;
        typed = dialog.values();
        switch (m_store.add(typed.name, typed.password, typed.description)) {
            case UserStore::AddResult::Exists:
                m_messages.information(kWarning,
                                       QStringLiteral("Istnieje już użytkownik o podanej nazwie"));
                continue;
            case UserStore::AddResult::Failed:
                return;
            case UserStore::AddResult::Added:
                reload(UserStore::normalisedName(typed.name));
                return;
        }
    }
}

void TfUserzy::editUser() {
    const int row = currentRow();
    if (row < 0)
        return;
    const UserAccount account = m_accounts.at(row);
    TfUserEdit dialog(m_messages, this);
    dialog.setExisting(account.name, account.description);
    if (!dialog.run())
        return;
    const TfUserEdit::Values typed = dialog.values();
    if (!m_store.update(account.name, typed.password, typed.description))
        return;
    if (!typed.password.isEmpty() && account.name.compare(m_loggedIn, Qt::CaseInsensitive) == 0)
        m_ownNewPassword = typed.password;
    reload(account.name);
}

void TfUserzy::deleteUser() {
    const int row = currentRow();
    if (row < 0)
        return;
    const UserAccount account = m_accounts.at(row);
    if (UserStore::isSupervisor(account)) {
        m_messages.information(kWarning, QStringLiteral("Nie można usunąć konta ADMIN"));
        return;
    }
    if (account.name.compare(m_loggedIn, Qt::CaseInsensitive) == 0) {
        m_messages.information(
            kWarning, QStringLiteral("Nie można usunąć konta dla zalogowanego użytkownika."));
        return;
    }
    if (!m_messages.question(QStringLiteral("Pytanie"),
                             QStringLiteral("Czy usunąć wskazanego użytkownika?")))
        return;
    switch (m_store.remove(account.name, m_loggedIn)) {
        case UserStore::RemoveResult::Supervisor:
            m_messages.information(kWarning, QStringLiteral("Nie można usunąć konta ADMIN"));
            return;
        case UserStore::RemoveResult::LoggedIn:
            m_messages.information(
                kWarning, QStringLiteral("Nie można usunąć konta dla zalogowanego użytkownika."));
            return;
        case UserStore::RemoveResult::Removed:
        case UserStore::RemoveResult::Failed:
            break;
    }
    m_loading = true;
    m_userChoice->setCurrentIndex(-1);
    m_loading = false;
    setBoxes({}, false);
    reload(QString());
}

void TfUserzy::showRightsOf(const QString& name) {
    m_loading = true;
    m_userChoice->setCurrentIndex(name.isEmpty() ? -1 : m_userChoice->findText(name));
    m_loading = false;
    loadRights();
}

void TfUserzy::setBoxes(const RightsSet& rights, bool enabled) {
    const bool loading = m_loading;
    m_loading = true;
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it) {
        it.value()->setChecked(rights.test(size_t(it.key())));
        it.value()->setEnabled(enabled);
    }
    m_loading = loading;
}

void TfUserzy::loadRights() {
    const int index = m_userChoice->currentIndex();
    if (index < 0 || index >= m_accounts.size()) {
        setBoxes({}, false);
        return;
    }
    const UserAccount& account = m_accounts.at(index);
    if (UserStore::isSupervisor(account)) {
        setBoxes(RightsSet().set(), false);
        return;
    }
    const std::optional<RightsSet> rights = m_store.rights(account.name, UserStore::kCodeUserList);
    if (!rights) {
        // What the account holds is unknown: nothing is shown checked and nothing can be
        // changed.
        setBoxes({}, false);
        return;
    }
    setBoxes(*rights, true);
}

void TfUserzy::rightClicked(int number, bool checked) {
    if (m_loading)
        return;
    QCheckBox* box = m_boxes.value(number);
    const int index = m_userChoice->currentIndex();
    const bool stored = index >= 0 && index < m_accounts.size() &&
                        !UserStore::isSupervisor(m_accounts.at(index)) &&
                        m_store.setRight(m_accounts.at(index).name, number, checked);
    if (!stored && box) {
        // The box shows what is stored, never what was only wished for.
        m_loading = true;
        box->setChecked(!checked);
        m_loading = false;
    }
}
