#include "admin/import/ImportWindow.h"

#include "admin/import/ResultSheetModel.h"

#include "data/TmyDataBase.h"
#include "output/CsvSheet.h"
#include "registers/QuietTeardown.h"
#include "support/MessageService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QValidator>

namespace {

const QString kTab = QStringLiteral("Tab");
const QString kNoData = QStringLiteral("Brak danych");
const QStringList kFuelSources = {QStringLiteral("Paliwo płynne"), QStringLiteral("Gaz LPG")};
const QString kRequired = QStringLiteral(" <span style=\"color:red\">*)</span>");

// One character, or the entry "Tab" that stands for a tab character.
class SeparatorValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return input.size() <= 1 || input == kTab ? Acceptable : Invalid;
    }
};

QComboBox* combo(const char* name, const QStringList& entries, bool editable) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(entries);
    box->setEditable(editable);
    if (editable)
        box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

QPushButton* button(const char* name, const QString& text, const QString& hint) {
    auto* b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

ImportWindow::ImportWindow(ImportKind kind, TmyDataBase& database, MessageService& messages,
                           const QString& layoutsPath, QWidget* parent)
    : QDialog(parent),
      m_kind(kind),
      m_db(database),
      m_messages(messages),
      m_layoutsPath(layoutsPath),
      m_import(database, kind),
      m_fuelList(ImportFields::isRefuelling(kind) ? ImportFields::indexOf(kind, u"PALIWO"_qs)
                                                  : -1) {
    setObjectName(QStringLiteral("ImportWindow"));
    setWindowTitle(ImportFields::title(kind));

    auto* banner = new QLabel(ImportFields::banner(kind));
    banner->setObjectName(QStringLiteral("naglowek"));
    QFont big = banner->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    banner->setFont(big);

    m_model = new ResultSheetModel(this);
    m_grid = new QTableView;
    m_grid->setObjectName(QStringLiteral("CSV"));
    m_grid->setToolTip(
        QStringLiteral("Załadowany arkusz .CSV. W ostatnich kolumnach zapisano status importu"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->horizontalHeader()->setDefaultSectionSize(100);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->verticalHeader()->setMinimumSectionSize(12);
    m_grid->verticalHeader()->setDefaultSectionSize(16);

    auto* top = new QHBoxLayout;
    top->addWidget(m_grid, 1);
    top->addWidget(buildOptions());

    m_load = button("SpeedButton1", QStringLiteral("Załaduj &arkusz .CSV"),
                    QStringLiteral("Wczytaj arkusz .CSV do modułu importującego dane"));
    m_verify = button("zweryfikuj", QStringLiteral("Zw&eryfikuj"),
                      QStringLiteral("Weryfikuje poprawność arkusza"));
    m_start = button(
        "rozpocznij", QStringLiteral("&Rozpocznij import"),
        kind == ImportKind::Costs
            ? QStringLiteral("Rozpocznij import danych kosztowych do tabeli kosztów")
            : QStringLiteral("Rozpocznij import danych tankowania do tabeli zużycia paliwa"));
    m_save = button("zapisz", QStringLiteral("Zapisz &wynik w .CSV"),
                    QStringLiteral("Zapisz arkusz .CSV wraz z informacjami o wyniku importu"));
    m_close = button("SpeedButton6", QStringLiteral("&Zamknij"), QStringLiteral("Zamknij okno"));
    m_close->setDefault(true);  // Enter never starts an import
    m_cancelButton =
        button("przerwij", QStringLiteral("Przerwij"), QStringLiteral("Przerwij import"));
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("postep"));
    m_progress->setFormat(QStringLiteral("%v z %m"));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_load, m_verify, m_start, m_save})
        buttons->addWidget(b);
    buttons->addWidget(m_progress, 1);
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addLayout(top, 1);
    layout->addWidget(buildColumnLists());
    layout->addLayout(buttons);
    resize(1000, 680);

    for (QPushButton* b : {m_verify, m_start, m_save, m_cancelButton})
        b->setEnabled(false);
    connect(m_load, &QPushButton::clicked, this, &ImportWindow::SpeedButton1Click);
    connect(m_verify, &QPushButton::clicked, this, &ImportWindow::zweryfikujClick);
    connect(m_start, &QPushButton::clicked, this, &ImportWindow::rozpocznijClick);
    connect(m_save, &QPushButton::clicked, this, &ImportWindow::zapiszClick);
    connect(m_cancelButton, &QPushButton::clicked, this, &ImportWindow::przerwijClick);
    connect(m_close, &QPushButton::clicked, this, &ImportWindow::reject);
    showSheet();
}

ImportWindow::~ImportWindow() {
    quietTeardown(this);
}

QWidget* ImportWindow::buildOptions() {
    auto* box = new QGroupBox(QStringLiteral("Opcje importu"));
    box->setObjectName(QStringLiteral("opcje"));
    auto* form = new QFormLayout(box);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    m_separator = combo("separator", {QStringLiteral(";"), QStringLiteral(","), kTab}, true);
    m_separator->lineEdit()->setValidator(new SeparatorValidator(m_separator));
    m_encoding = combo(
        "kodowanie",
        {QStringLiteral("Wykryj"), QStringLiteral("UTF-8"), QStringLiteral("Windows-1250")}, false);
    m_dateFormat = combo("formatDaty", ImportDates::formatTexts(), false);
    form->addRow(QStringLiteral("Separator kolumn"), m_separator);
    form->addRow(QStringLiteral("Kodowanie"), m_encoding);
    form->addRow(QStringLiteral("Format daty"), m_dateFormat);
    connect(m_dateFormat, &QComboBox::currentIndexChanged, this, &ImportWindow::changed);

    if (m_kind == ImportKind::Costs) {
        const QStringList symbols = {QStringLiteral("TAK"), QStringLiteral("TRUE"),
                                     QStringLiteral("YES"), QStringLiteral("T"),
                                     QStringLiteral("1")};
        m_vatSymbol = combo("symbolVAT", symbols, true);
        m_fuelSymbol = combo("symbolISFUEL", symbols, true);
        form->addRow(QStringLiteral("Symbol potwierdzający księgowanie VAT"), m_vatSymbol);
        form->addRow(QStringLiteral("Symbol oznaczający zakup paliwa"), m_fuelSymbol);
        connect(m_vatSymbol, &QComboBox::currentTextChanged, this, &ImportWindow::changed);
        connect(m_fuelSymbol, &QComboBox::currentTextChanged, this, &ImportWindow::changed);
    } else {
        m_lpgText =
            combo("rodzajPaliwa",
                  {QStringLiteral("Gaz LPG"), QStringLiteral("LPG"), QStringLiteral("Gaz")}, true);
        // The trailing blank is the entry's own; the choice is read by its index.
        m_merge = combo("pominSumuj", {QStringLiteral("Sumuj "), QStringLiteral("Pomiń")}, false);
        form->addRow(QStringLiteral("Oznaczenie gazu LPG"), m_lpgText);
        auto* mergeLabel = new QLabel(QStringLiteral("Gdy na dany dzień istnieje już tankowanie"));
        mergeLabel->setWordWrap(true);
        form->addRow(mergeLabel, m_merge);
        connect(m_lpgText, &QComboBox::currentTextChanged, this, &ImportWindow::changed);
    }

    m_skipFirst = new QCheckBox(QStringLiteral("Pomiń pierwszy wiersz"));
    m_skipFirst->setObjectName(QStringLiteral("pominPierwszy"));
    m_keepColumns = new QCheckBox(QStringLiteral("Nie czyść ustawień po wczytaniu .CSV"));
    m_keepColumns->setObjectName(QStringLiteral("nieCzysc"));
    m_keepColumns->setChecked(true);
    form->addRow(m_skipFirst);
    form->addRow(m_keepColumns);
    connect(m_skipFirst, &QCheckBox::clicked, this, &ImportWindow::changed);

    m_layoutName = combo("uklad", {}, true);
    m_layoutName->setMinimumContentsLength(12);
    auto* saveLayout = button("zapiszUklad", QStringLiteral("Zapisz układ"),
                              QStringLiteral("Zapisz opcje i przypisanie kolumn pod podaną nazwą"));
    auto* removeLayout = button("usunUklad", QStringLiteral("Usuń układ"),
                                QStringLiteral("Usuń układ kolumn o podanej nazwie"));
    auto* layoutButtons = new QHBoxLayout;
    layoutButtons->addWidget(saveLayout);
    layoutButtons->addWidget(removeLayout);
    form->addRow(QStringLiteral("Układ kolumn"), m_layoutName);
    form->addRow(layoutButtons);
    connect(m_layoutName, &QComboBox::activated, this, &ImportWindow::ukladActivated);
    connect(saveLayout, &QPushButton::clicked, this, &ImportWindow::zapiszUkladClick);
    connect(removeLayout, &QPushButton::clicked, this, &ImportWindow::usunUkladClick);
    // Each caption is named after its list.
    for (int row = 0; row < form->rowCount(); ++row) {
        QLayoutItem* label = form->itemAt(row, QFormLayout::LabelRole);
        QLayoutItem* field = form->itemAt(row, QFormLayout::FieldRole);
        if (label && label->widget() && field && field->widget())
            label->widget()->setObjectName(field->widget()->objectName() + QStringLiteral("Label"));
    }
    m_settings = box;
    return box;
}

QWidget* ImportWindow::buildColumnLists() {
    auto* area = new QWidget;
    area->setObjectName(QStringLiteral("kolumny"));
    area->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* outer = new QVBoxLayout(area);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* caption =
        new QLabel(QStringLiteral("Przypisz kolumnom arkusza odpowiednie znaczenie merytoryczne"));
    caption->setObjectName(QStringLiteral("przypiszKolumnyLabel"));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    outer->addWidget(caption);

    const QList<ImportField>& fields = ImportFields::of(m_kind);
    const bool costs = m_kind == ImportKind::Costs;
    // Two pairs of label and list a row; the cost document of costs beside in one.
    struct Group {
        QGridLayout* grid;
        int pairs;
        int placed = 0;
    };
    auto* groups = new QHBoxLayout;
    auto makeGroup = [&](const QString& title, int pairs) {
        auto* box = new QGroupBox(title);
        box->setObjectName(QStringLiteral("GroupBox%1").arg(groups->count() + 1));
        groups->addWidget(box, pairs);
        return Group{new QGridLayout(box), pairs};
    };
    Group cost = makeGroup(costs ? QStringLiteral("Informacje o koszcie:") : QString(), 2);
    Group document =
        costs ? makeGroup(QStringLiteral("Informacje o dokumencie kosztowym:"), 1) : cost;
    for (int f = 0; f < fields.size(); ++f) {
        Group& group = fields[f].document ? document : cost;
        auto* label = new QLabel(fields[f].label + (fields[f].required ? kRequired : QString()));
        auto* list = combo(qPrintable(QStringLiteral("cb%1").arg(f + 1)), {}, false);
        label->setObjectName(list->objectName() + QStringLiteral("Label"));
        list->setMinimumContentsLength(9);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        m_lists << list;
        connect(list, &QComboBox::currentIndexChanged, this, &ImportWindow::changed);
        label->setBuddy(list);
        const int row = group.placed / group.pairs;
        const int column = 2 * (group.placed % group.pairs);
        group.grid->addWidget(label, row, column);
        group.grid->addWidget(list, row, column + 1);
        ++group.placed;
    }
    for (const Group& group : {cost, document}) {
        for (int pair = 0; pair < group.pairs; ++pair)
            group.grid->setColumnStretch(2 * pair + 1, 1);
    }
    outer->addLayout(groups);
    auto* note = new QLabel(kRequired.trimmed() + QStringLiteral(" Informacje wymagane"));
    note->setObjectName(QStringLiteral("wymagane"));
    outer->addWidget(note);
    fillColumnLists(0);
    m_columnArea = area;
    return area;
}

// Before a sheet is loaded every list offers "Brak danych" alone (the fuel kind its two
// fuels), as there is no column to choose.
void ImportWindow::fillColumnLists(int sheetColumns) {
    QStringList columns;
    for (int c = 1; c <= sheetColumns; ++c)
        columns << QStringLiteral("Kolumna #%1").arg(c);
    for (int f = 0; f < m_lists.size(); ++f) {
        QComboBox* list = m_lists[f];
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems((f == m_fuelList ? kFuelSources : QStringList{kNoData}) + columns);
        list->setCurrentIndex(0);
    }
}

ImportLayout ImportWindow::layout() const {
    ImportLayout result = ImportLayout::defaults(m_kind);
    const QString separator = m_separator->currentText();
    result.separator = separator == kTab       ? QChar(u'\t')
                       : separator.size() == 1 ? separator.at(0)
                                               : QChar();
    static const std::optional<TextEncoding> encodings[] = {std::nullopt, TextEncoding::Utf8,
                                                            TextEncoding::Windows1250};
    result.encoding = encodings[std::max(0, m_encoding->currentIndex())];
    result.dateFormat = ImportLayout::DateFormat(std::max(0, m_dateFormat->currentIndex()));
    if (m_vatSymbol) {
        result.vatSymbol = m_vatSymbol->currentText();
        result.fuelSymbol = m_fuelSymbol->currentText();
    }
    if (m_lpgText) {
        result.lpgText = m_lpgText->currentText();
        result.mergeExistingDay = m_merge->currentIndex() != 1;
    }
    result.skipFirst = m_skipFirst->isChecked();
    result.keepColumns = m_keepColumns->isChecked();
    for (int f = 0; f < m_lists.size(); ++f) {
        const int index = std::max(0, m_lists[f]->currentIndex());
        if (f == m_fuelList) {
            result.fuelSource = index == 0   ? ImportLayout::FuelSource::Petrol
                                : index == 1 ? ImportLayout::FuelSource::Lpg
                                             : ImportLayout::FuelSource::Column;
            result.columns[f] = std::max(0, index - 1);
        } else {
            result.columns[f] = index;
        }
    }
    return result;
}

void ImportWindow::applyLayout(const ImportLayout& layout) {
    m_separator->setEditText(layout.separator == u'\t'   ? kTab
                             : layout.separator.isNull() ? QString()
                                                         : QString(layout.separator));
    m_encoding->setCurrentIndex(!layout.encoding                         ? 0
                                : *layout.encoding == TextEncoding::Utf8 ? 1
                                                                         : 2);
    m_dateFormat->setCurrentIndex(int(layout.dateFormat));
    if (m_vatSymbol) {
        m_vatSymbol->setEditText(layout.vatSymbol);
        m_fuelSymbol->setEditText(layout.fuelSymbol);
    }
    if (m_lpgText) {
        m_lpgText->setEditText(layout.lpgText);
        m_merge->setCurrentIndex(layout.mergeExistingDay ? 0 : 1);
    }
    m_skipFirst->setChecked(layout.skipFirst);
    m_keepColumns->setChecked(layout.keepColumns);
    const int sheetColumns = m_model->sheetColumns();
    for (int f = 0; f < m_lists.size(); ++f) {
        const int column = f < layout.columns.size() ? layout.columns[f] : 0;
        const int shown = column >= 1 && column <= sheetColumns ? column : 0;
        if (f == m_fuelList) {
            using Source = ImportLayout::FuelSource;
            m_lists[f]->setCurrentIndex(layout.fuelSource == Source::Lpg ? 1
                                        : layout.fuelSource == Source::Column && shown > 0
                                            ? shown + 1
                                            : 0);
        } else {
            m_lists[f]->setCurrentIndex(shown);
        }
    }
    changed();
}

QAbstractItemModel* ImportWindow::sheetModel() const {
    return m_model;
}

void ImportWindow::changed() {
    if (m_running)
        return;
    m_verify->setEnabled(m_model->sheetColumns() > 0);
    m_start->setEnabled(false);
    m_save->setEnabled(false);
}

void ImportWindow::showSheet() {
    const int columns = m_import.sheet().columns;
    if (!m_model->setRows(m_import.resultSheet(false), columns))
        return;
    QHeaderView* header = m_grid->horizontalHeader();
    for (int c = 0; c <= columns; ++c)
        header->resizeSection(c, 100);
    header->resizeSection(columns + 1, 200);
}

void ImportWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    refreshLayoutNames();
    if (!m_loaded)
        applyLayout(
            ImportLayouts(m_layoutsPath, m_kind).last().value_or(ImportLayout::defaults(m_kind)));
}

// Closing the window by its frame comes here too.
void ImportWindow::reject() {
    if (!m_running)
        QDialog::reject();
}

void ImportWindow::SpeedButton1Click() {
    const QString file = m_messages.openFileName(
        QStringLiteral("Otwórz arkusz .CSV"),
        {QStringLiteral("Arkusz .CSV (*.csv)"), QStringLiteral("Wszystkie pliki (*.*)")});
    if (!file.isEmpty())
        loadFile(file);
}

bool ImportWindow::loadFile(const QString& path) {
    for (QPushButton* b : {m_verify, m_start, m_save})
        b->setEnabled(false);
    const ImportLayout options = layout();
    if (options.separator.isNull()) {
        m_messages.information(QStringLiteral("Błąd"),
                               QStringLiteral("Niepoprawny separator kolumn!"));
        return false;
    }
    QString error;
    std::optional<CsvTable> sheet =
        CsvReader::readFile(path, options.separator, options.encoding, &error);
    if (!sheet) {
        m_db.errorReport().report(
            QStringLiteral("Błąd podczas otwierania pliku. Jeśli plik otwarty jest w innym "
                           "programie (Np. MS Excel), zamknij go i spróbuj załadować go "
                           "ponownie.") +
                QLatin1Char(' ') + error,
            false, 809);
        return false;
    }
    const bool keep = m_loaded && options.keepColumns && sheet->columns == m_import.sheet().columns;
    const int dataRows = int(sheet->rows.size());
    m_import.setSheet(std::move(*sheet));
    showSheet();
    if (!keep) {
        fillColumnLists(m_import.sheet().columns);
        // The first sheet of the run gets the columns of the last import, as far as it has
        // them: the same statement of next month needs no new assignment.
        if (!m_loaded && options.keepColumns) {
            if (const auto last = ImportLayouts(m_layoutsPath, m_kind).last()) {
                ImportLayout columns = layout();
                columns.columns = last->columns;
                columns.fuelSource = last->fuelSource;
                applyLayout(columns);
            }
        }
    }
    m_loaded = true;
    m_verificationFailed = false;
    m_progress->setRange(0, std::max(0, dataRows - SheetImport::firstDataRow(options)));
    m_progress->setValue(0);
    m_progress->setTextVisible(true);
    m_verify->setEnabled(true);
    return true;
}

// Verification and import alike run the whole sheet; the window stays responsive but
// nothing in it can start a second run meanwhile.
ImportCounts ImportWindow::runSheet(bool dryRun) {
    const ImportLayout options = layout();
    const bool verifyWas = m_verify->isEnabled();
    const QList<QWidget*> idle = {m_load,  m_verify,   m_start,     m_save,
                                  m_close, m_settings, m_columnArea};
    m_running = true;
    m_cancel = false;
    for (QWidget* w : idle)
        w->setEnabled(false);
    m_cancelButton->setEnabled(!dryRun);
    m_progress->setTextVisible(true);
    m_sinceRepaint.invalidate();
    SheetImport::Options run;
    run.dryRun = dryRun;
    run.progress = [this](int done, int total) {
        // Repainting after every row would cost more than the rows themselves.
        if (!m_sinceRepaint.isValid() || m_sinceRepaint.elapsed() >= 40 || done == total) {
            m_progress->setRange(0, total);
            m_progress->setValue(done);
            QCoreApplication::processEvents();
            m_sinceRepaint.start();
        }
        return !m_cancel;
    };
    const ImportCounts counts = m_import.run(options, run);
    for (QWidget* w : idle)
        w->setEnabled(true);
    m_cancelButton->setEnabled(false);
    m_verify->setEnabled(verifyWas);
    m_running = false;
    showSheet();
    // The verdicts stand in the last columns: bring them into view, the rows where they were.
    const QModelIndex verdict =
        m_model->index(std::max(0, m_grid->rowAt(0)), m_model->columnCount() - 1);
    if (verdict.isValid())
        m_grid->scrollTo(verdict);
    return counts;
}

void ImportWindow::zweryfikujClick() {
    if (m_running || !m_loaded)
        return;
    const ImportCounts counts = runSheet(true);
    m_verificationFailed = counts.failed > 0;
    m_verify->setEnabled(false);
    m_start->setEnabled(true);
    m_save->setEnabled(true);
    if (m_verificationFailed)
        m_messages.information(QStringLiteral("Uwaga"),
                               QStringLiteral("Wykryto błędy weryfikacji danych. Sprawdź komentarz "
                                              "w kolumnie po prawo w tabeli .CSV"));
    else
        m_messages.information(QStringLiteral("Informacja"),
                               QStringLiteral("Nie wykryto problemów. Arkusz .CSV wydaje się być "
                                              "poprawny."));
}

void ImportWindow::rozpocznijClick() {
    if (m_running || !m_loaded)
        return;
    const QString question =
        m_verificationFailed ? QStringLiteral(
                                   "W zweryfikowanym arkuszu wykryto błędy. Czy kontynuować import "
                                   "danych z pominięciem usterek?")
                             : QStringLiteral("Czy kontynuować import danych?");
    if (!m_messages.question(QStringLiteral("Uwaga"),
                             QStringLiteral("Zalecamy wykonanie archiwizacji bazy danych przed "
                                            "dokonaniem importu.") +
                                 QLatin1Char(' ') + question))
        return;
    const ImportCounts counts = runSheet(false);
    if (!m_import.failure().isEmpty())
        m_messages.information(QStringLiteral("Błąd"), m_import.failure());
    QString summary = QStringLiteral("Operacja zakończona");
    if (counts.failed > 0)
        summary += QStringLiteral(
            " Podczas importu pojawiły się błędy. Prosze sprawdzić ich opis "
            "w tabeli .CSV");
    summary += QStringLiteral(". Dodano wierszy: %1.").arg(counts.added + counts.merged);
    if (counts.skipped > 0)
        summary += QStringLiteral(" Pominięto wierszy: %1.").arg(counts.skipped);
    m_messages.information(QStringLiteral("Informacja"), summary);
    ImportLayouts(m_layoutsPath, m_kind).saveLast(layout());
}

void ImportWindow::zapiszClick() {
    if (m_running)
        return;
    const QString file = m_messages.saveFileName(
        QStringLiteral("Zapisz wyniku importu do arkusza .CSV"), QStringLiteral("wynik.csv"),
        {QStringLiteral("Arkusz .CSV (*.csv)"), QStringLiteral("Wszystkie pliki (*.*)")});
    if (file.isEmpty())
        return;
    const bool written =
        CsvSheet::write(m_import.resultSheet(true), file, TextEncoding::Windows1250);
    m_messages.information(QStringLiteral("Informacja"),
                           written ? QStringLiteral("Arkusz wynikowy zapisano.")
                                   : QStringLiteral("Wystąpił błąd podczas zapisu arkusza "
                                                    "wynikowego."));
}
