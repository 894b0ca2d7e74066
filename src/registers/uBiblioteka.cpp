#include "registers/uBiblioteka.h"

#include "data/TmyDataBase.h"
#include "registers/DictionaryLibraryHook.h"
#include "registers/QuietTeardown.h"
#include "registers/uEditBibliotekaAll.h"
#include "support/MessageService.h"
#include "support/OVUtilities.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <functional>

namespace {

const QString kVehicleKinds = QStringLiteral("RDPOJ");
constexpr qint64 kHighestKey = -2;  // refresh(): make the entry with the highest KOD current

// The dictionary's grid: Enter and a double click on an entry open it, and the mouse
// wheel moves the current row instead of scrolling.
class LibraryGrid : public QTableWidget {
public:
    std::function<void()> onOpen;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            if (onOpen)
                onOpen();
            event->accept();
            return;
        }
        QTableWidget::keyPressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (indexAt(event->position().toPoint()).isValid() && onOpen)
            onOpen();
        else
            QTableWidget::mouseDoubleClickEvent(event);
    }
    void wheelEvent(QWheelEvent* event) override {
        const int rows = TOVUtilities::wheelRows(event->angleDelta().y(),
                                                 event->position().toPoint(), viewport()->size());
        if (rows != 0 && rowCount() > 0) {
            const int row = std::clamp(std::max(currentRow(), 0) + rows, 0, rowCount() - 1);
            setCurrentCell(row, 0);
        }
        event->accept();
    }
};

QPushButton* button(const QString& objectName, const QString& text) {
    auto* b = new QPushButton(text);
    b->setObjectName(objectName);
    // Enter belongs to the grid (edit) and to the kind names, never to a button.
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TfBiblioteka::~TfBiblioteka() {
    quietTeardown(this);
}

TfBiblioteka::TfBiblioteka(TmyDataBase& database, MessageService& messages, bool canChange,
                           bool askBeforeDelete, QWidget* parent)
    : QDialog(parent),
      m_db(database),
      m_messages(messages),
      m_store(database),
      m_canChange(canChange),
      m_askBeforeDelete(askBeforeDelete) {
    setObjectName(QStringLiteral("TfBiblioteka"));
    setWindowTitle(QStringLiteral("Biblioteka"));
    resize(640, 520);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    m_chooser = new QComboBox;
    m_chooser->setObjectName(QStringLiteral("CBSlownik"));
    for (const LibraryDictionary& d : LibraryDictionaries::all())
        m_chooser->addItem(d.name, d.code);
    auto* caption = new QLabel(QStringLiteral("Wybierz słownik"));
    caption->setObjectName(QStringLiteral("CBSlownikLabel"));
    caption->setBuddy(m_chooser);
    top->addWidget(caption);
    top->addWidget(m_chooser, 1);
    layout->addLayout(top);

    auto* middle = new QHBoxLayout;
    m_pages = new QStackedWidget;
    auto* grid = new LibraryGrid;
    grid->onOpen = [this] { editEntry(); };
    m_grid = grid;
    m_grid->setObjectName(QStringLiteral("GSlownik"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_pages->addWidget(m_grid);

    auto* kinds = new QWidget;
    kinds->setObjectName(QStringLiteral("PRodzajePojazdow"));
    auto* kindsLayout = new QGridLayout(kinds);
    const QString fixed[] = {QStringLiteral("Samochód osobowy"),
                             QStringLiteral("Samochód ciężarowy")};
    for (int kind = 1; kind <= DictionaryStore::kLastFreeKind; ++kind) {
        auto* field = new QLineEdit;
        field->setObjectName(QStringLiteral("fRodzaj%1").arg(kind));
        field->setMaxLength(100);
        if (kind < DictionaryStore::kFirstNamedKind) {
            // The kilometre rates of the two car kinds are fixed, and so are their names.
            field->setText(fixed[kind - 1]);
            field->setReadOnly(true);
        } else {
            m_kindFields.insert(kind, field);
        }
        auto* number = new QLabel(QString::number(kind));
        number->setBuddy(field);
        const int column = kind <= 10 ? 0 : 2;
        const int row = (kind - 1) % 10;
        kindsLayout->addWidget(number, row, column, Qt::AlignRight);
        kindsLayout->addWidget(field, row, column + 1);
    }
    m_saveKinds = button(QStringLiteral("BZapamietaj"), QStringLiteral("&Zapamiętaj zmiany"));
    kindsLayout->addWidget(m_saveKinds, 10, 3, Qt::AlignRight);
    kindsLayout->setRowStretch(11, 1);
    m_pages->addWidget(kinds);
    middle->addWidget(m_pages, 1);

    auto* side = new QVBoxLayout;
    const struct {
        const char* name;
        const char* text;
        const char* menu;
        void (TfBiblioteka::*slot)();
    } operations[] = {
        {"SBDodaj", "Dodaj", "Dodaj pozycję", &TfBiblioteka::addEntry},
        {"SBEdytuj", "Edytuj", "Edytuj pozycję", &TfBiblioteka::editEntry},
        {"SBUsun", "Usuń", "Usuń pozycję", &TfBiblioteka::deleteEntry},
        {"SBKopiuj", "Kopiuj", "Kopiuj pozycję", &TfBiblioteka::copyEntry},
    };
    for (const auto& op : operations) {
        QPushButton* b = button(QString::fromLatin1(op.name), QString::fromUtf8(op.text));
        connect(b, &QPushButton::clicked, this, op.slot);
        side->addWidget(b);
        m_buttons << b;
        auto* action = new QAction(QString::fromUtf8(op.menu), m_grid);
        action->setObjectName(QStringLiteral("M") + QString::fromLatin1(op.name).mid(2));
        connect(action, &QAction::triggered, this, op.slot);
        m_grid->addAction(action);
        m_actions << action;
    }
    side->addStretch(1);
    QPushButton* close = button(QStringLiteral("BZamknij"), QStringLiteral("&Zamknij"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    side->addWidget(close);
    middle->addLayout(side);
    layout->addLayout(middle, 1);

    connect(m_saveKinds, &QPushButton::clicked, this, &TfBiblioteka::saveVehicleKinds);
    connect(m_chooser, &QComboBox::currentIndexChanged, this, &TfBiblioteka::showDictionary);
    showDictionary(0);
}

void TfBiblioteka::open(QWidget* parent, TmyDataBase& database, MessageService& messages,
                        const QString& code, bool canChange, bool askBeforeDelete) {
    TfBiblioteka dialog(database, messages, canChange, askBeforeDelete, parent);
    dialog.selectDictionary(code);
    dialog.exec();
}

void TfBiblioteka::installAsLibraryHook(MessageService& messages, std::function<Access()> access) {
    MessageService* service = &messages;
    DictionaryLibraryHook::install(
        [service, access](QWidget* parent, TmyDataBase& database, const QString& code) {
            const Access now = access ? access() : Access();
            if (!now.canOpen) {
                service->information(QStringLiteral("Informacja"),
                                     QStringLiteral("Brak uprawnień do tabeli Biblioteka"));
                return;
            }
            open(parent, database, *service, code, now.canChange, now.askBeforeDelete);
        });
}

bool TfBiblioteka::selectDictionary(const QString& code) {
    const int index = LibraryDictionaries::indexOf(code);
    if (index < 0)
        return false;
    if (index == m_chooser->currentIndex())
        showDictionary(index);
    else
        m_chooser->setCurrentIndex(index);
    return true;
}

QString TfBiblioteka::dictionaryCode() const {
    return m_chooser->currentData().toString();
}

bool TfBiblioteka::isKindsPage() const {
    return dictionaryCode() == kVehicleKinds;
}

int TfBiblioteka::currentRow() const {
    const int row = m_grid->currentRow();
    return row >= 0 && row < m_entries.size() ? row : -1;
}

void TfBiblioteka::showDictionary(int index) {
    if (index < 0)
        return;
    if (isKindsPage()) {
        m_pages->setCurrentIndex(1);
        updateActions();
        loadVehicleKinds();
        m_kindFields.value(DictionaryStore::kFirstNamedKind)->setFocus();
        return;
    }
    m_pages->setCurrentIndex(0);
    const QStringList columns = LibraryDictionaries::all().at(index).columns;
    // The entries of the dictionary chosen before must not stay under the new one.
    m_entries.clear();
    m_grid->clear();
    m_grid->setColumnCount(int(columns.size()));
    m_grid->setHorizontalHeaderLabels(columns);
    // The text takes the width; a second column (VAT booked, route length) its own.
    for (int c = 0; c < columns.size(); ++c)
        m_grid->horizontalHeader()->setSectionResizeMode(
            c, c == 0 ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    fillGrid(-1);
    updateActions();
    refresh(-1, 0);
    m_grid->setFocus();
}

bool TfBiblioteka::refresh(qint64 currentKey, int fallbackRow) {
    const auto listed = m_store.list(dictionaryCode());
    if (!listed)
        return false;
    m_entries = *listed;
    int current = -1;
    qint64 highest = 0;
    for (int i = 0; i < m_entries.size(); ++i) {
        const qint64 key = m_entries[i].key;
        if (key == currentKey || (currentKey == kHighestKey && key > highest))
            current = i;
        highest = std::max(highest, key);
    }
    if (current < 0 && !m_entries.isEmpty())
        current = std::clamp(fallbackRow, 0, int(m_entries.size()) - 1);
    fillGrid(current);
    return true;
}

void TfBiblioteka::fillGrid(int current) {
    const QString code = dictionaryCode();
    m_grid->setRowCount(int(m_entries.size()));
    for (int row = 0; row < m_entries.size(); ++row) {
        const DictionaryEntry& e = m_entries[row];
        m_grid->setItem(row, 0, new QTableWidgetItem(e.text));
        if (m_grid->columnCount() < 2)
            continue;
        const QString second =
            code == QLatin1String("RDWYD")
                ? (TfEditBibliotekaAll::vatBooked(e.extra) ? QStringLiteral("Tak")
                                                           : QStringLiteral("Nie"))
                : e.extra;
        m_grid->setItem(row, 1, new QTableWidgetItem(second));
    }
    if (current >= 0)
        m_grid->setCurrentCell(current, 0);
}

void TfBiblioteka::updateActions() {
    const bool enabled = m_canChange && !isKindsPage();
    for (QPushButton* b : m_buttons)
        b->setEnabled(enabled);
    for (QAction* a : m_actions)
        a->setEnabled(enabled);
    m_saveKinds->setEnabled(m_canChange);
    for (QLineEdit* field : m_kindFields)
        field->setReadOnly(!m_canChange);
}

void TfBiblioteka::addEntry() {
    runEntryDialog(EntryMode::Add);
}

void TfBiblioteka::copyEntry() {
    runEntryDialog(EntryMode::Copy);
}

void TfBiblioteka::editEntry() {
    runEntryDialog(EntryMode::Edit);
}

void TfBiblioteka::runEntryDialog(EntryMode mode) {
    if (!m_canChange || isKindsPage())
        return;
    const int row = currentRow();
    if (mode != EntryMode::Add && row < 0)
        return;
    const QString code = dictionaryCode();
    TfEditBibliotekaAll dialog(code, mode != EntryMode::Edit, m_messages, this);
    Record input;
    if (mode != EntryMode::Add) {
        input.set(QStringLiteral("OPIS"), m_entries[row].text);
        input.set(QStringLiteral("UZUP1"), m_entries[row].extra);
    }
    dialog.setRecord(input);
    if (!dialog.run())
        return;
    const Record saved = dialog.record();
    if (mode == EntryMode::Edit) {
        DictionaryEntry entry = m_entries[row];
        entry.text = saved.text(QStringLiteral("OPIS"));
        entry.extra = saved.text(QStringLiteral("UZUP1"));
        if (m_store.update(code, entry))
            refresh(entry.key, row);
        return;
    }
    // Only the expense kinds and the routes carry a second value into a new entry.
    const bool withExtra = code == QLatin1String("RDWYD") || code == QLatin1String("TRASY");
    const auto key = m_store.insert(code, saved.text(QStringLiteral("OPIS")),
                                    withExtra ? saved.text(QStringLiteral("UZUP1")) : QString());
    if (key)
        refresh(*key > 0 ? *key : kHighestKey, row);
}

void TfBiblioteka::deleteEntry() {
    if (!m_canChange || isKindsPage())
        return;
    const int row = currentRow();
    if (row < 0)
        return;
    if (m_askBeforeDelete &&
        !m_messages.question(QStringLiteral("Pytanie"),
                             QStringLiteral("Czy napewno usunąć zaznaczoną pozycję?")))
        return;
    if (m_store.remove(m_entries[row].key))
        refresh(-1, row);
}

void TfBiblioteka::loadVehicleKinds() {
    const auto texts = m_store.vehicleKinds();
    // A kind that could not be read is never written back as an empty name.
    for (auto it = m_kindFields.cbegin(); it != m_kindFields.cend(); ++it) {
        it.value()->setText(texts ? texts->value(it.key()) : QString());
        it.value()->setEnabled(texts && texts->contains(it.key()));
    }
    m_saveKinds->setEnabled(m_canChange && texts);
}

void TfBiblioteka::saveVehicleKinds() {
    if (!m_canChange || !isKindsPage() || !m_saveKinds->isEnabled())
        return;
    if (!m_messages.question(QStringLiteral("Pytanie"),
                             QStringLiteral("Czy napewno zapamiętać zmiany?")))
        return;
    QMap<int, QString> texts;
    for (auto it = m_kindFields.cbegin(); it != m_kindFields.cend(); ++it) {
        if (it.value()->isEnabled())
            texts.insert(it.key(), it.value()->text());
    }
    if (m_store.writeVehicleKinds(texts))
        loadVehicleKinds();
}
