#include "output/uKsiegowanie.h"

#include "admin/ConfigPP.h"
#include "data/DisplayFormat.h"
#include "output/CsvExport.h"
#include "output/CsvSheet.h"
#include "output/report/ReportPreview.h"
#include "registers/DateField.h"
#include "support/MessageService.h"

#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QColor kHeading(176, 176, 192);
constexpr int kMonthWidth = 110;
constexpr int kAmountWidth = 150;

// The titles centred on their colour, the months left after a blank, the amounts right
// with their currency.
class SummaryCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool title = index.row() == 0;
        painter->fillRect(option.rect, title ? kHeading : option.palette.base().color());
        painter->setPen(option.palette.text().color());
        const QString text = index.data().toString();
        const QRect area = option.rect.adjusted(2, 0, -2, 0);
        if (title)
            painter->drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
        else if (index.column() == 0)
            painter->drawText(area, Qt::AlignVCenter | Qt::AlignLeft, QLatin1Char(' ') + text);
        else
            painter->drawText(area, Qt::AlignVCenter | Qt::AlignRight,
                              text + QStringLiteral(" zł "));
    }
};

QLabel* valueLabel(const QString& name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// A caption before a field, named after the field so that the language file reaches it.
QLabel* caption(const QString& text, const QString& field) {
    auto* label = new QLabel(text);
    label->setObjectName(field + QStringLiteral("Label"));
    return label;
}

}  // namespace

TfKsiegowanie::TfKsiegowanie(TmyDataBase& database, MessageService& messages,
                             SummaryPrintOptions options, QWidget* parent)
    : QDialog(parent), m_database(database), m_messages(messages), m_options(std::move(options)) {
    setObjectName(QStringLiteral("fKsiegowanie"));
    setWindowTitle(QStringLiteral("Zestawienie roczne kosztów eksploatacji i przejazdów"));

    auto* header = new QGridLayout;
    m_year = valueLabel(QStringLiteral("lRok"));
    m_vehicle = valueLabel(QStringLiteral("lPojazd"));
    m_capacity = valueLabel(QStringLiteral("lPojemnosc"));
    m_owner = valueLabel(QStringLiteral("lWlasciciel"));
    m_company = valueLabel(QStringLiteral("lFirma"));
    header->addWidget(caption(QStringLiteral("Rok:"), QStringLiteral("lRok")), 0, 0);
    header->addWidget(m_year, 0, 1);
    header->addWidget(caption(QStringLiteral("Pojazd:"), QStringLiteral("lPojazd")), 0, 2);
    header->addWidget(m_vehicle, 0, 3);
    header->addWidget(caption(QStringLiteral("Pojemność silnika:"), QStringLiteral("lPojemnosc")),
                      1, 0);
    header->addWidget(m_capacity, 1, 1);
    header->addWidget(caption(QStringLiteral("Właściciel:"), QStringLiteral("lWlasciciel")), 1, 2);
    header->addWidget(m_owner, 1, 3);
    header->addWidget(caption(QStringLiteral("Firma:"), QStringLiteral("lFirma")), 2, 0);
    header->addWidget(m_company, 2, 1, 1, 3);
    header->setHorizontalSpacing(12);
    header->setColumnMinimumWidth(1, 120);
    header->setColumnStretch(3, 1);

    m_table = new QTableWidget(YearlySummary::kMonths + 1, YearlySummary::kColumns + 1);
    m_table->setObjectName(QStringLiteral("SGTabela"));
    m_table->horizontalHeader()->hide();
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setItemDelegate(new SummaryCellDelegate(m_table));
    const int rowHeight = m_table->fontMetrics().height() + 6;
    m_table->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_table->setRowHeight(0, 2 * m_table->fontMetrics().height() + 6);  // two-line titles
    m_table->setColumnWidth(0, kMonthWidth);
    for (int c = 1; c <= YearlySummary::kColumns; ++c)
        m_table->setColumnWidth(c, kAmountWidth);
    const int frame = 2 * m_table->frameWidth();
    m_table->setFixedSize(kMonthWidth + YearlySummary::kColumns * kAmountWidth + frame,
                          m_table->rowHeight(0) + YearlySummary::kMonths * rowHeight + frame);

    // The totals stand below their columns.
    auto* totals = new QHBoxLayout;
    totals->setSpacing(0);
    auto* sumLabel = new QLabel(QStringLiteral("Razem: "));
    sumLabel->setObjectName(QStringLiteral("Suma1Label"));
    sumLabel->setFixedWidth(kMonthWidth + m_table->frameWidth());
    sumLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    totals->addWidget(sumLabel);
    for (int c = 1; c <= YearlySummary::kColumns; ++c) {
        // "Suma1", then "suma2" … "suma5": the names the language file knows them by.
        QLabel* total =
            valueLabel(c == 1 ? QStringLiteral("Suma1") : QStringLiteral("suma%1").arg(c));
        total->setFixedWidth(kAmountWidth);
        total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        totals->addWidget(total);
        m_totals << total;
    }
    totals->addStretch(1);

    auto* print = new QPushButton(QStringLiteral("Zestawienie &roczne"));
    print->setObjectName(QStringLiteral("SBZestawienie"));
    print->setToolTip(QStringLiteral("Drukuj zestawienie"));
    auto* csv = new QPushButton(QStringLiteral("do CSV"));
    csv->setObjectName(QStringLiteral("SBcsv"));
    csv->setToolTip(QStringLiteral("Zapisz tabelę do arkusza CSV"));
    auto* close = new QPushButton(QStringLiteral("&Zamknij"));
    close->setObjectName(QStringLiteral("SBZamknij"));

    auto* document = new QPushButton(QStringLiteral("Dowód wewnętrzny za &miesiąc:"));
    document->setObjectName(QStringLiteral("SBDowod"));
    m_month = new QComboBox;
    m_month->setObjectName(QStringLiteral("CBDWMiesiac"));
    for (int month = 1; month <= YearlySummary::kMonths; ++month)
        m_month->addItem(YearlySummary::monthName(month));
    m_month->setCurrentIndex(-1);
    m_number = new QLineEdit;
    m_number->setObjectName(QStringLiteral("nrDowodu"));
    m_number->setToolTip(QStringLiteral("Numer Dowodu Wewnętrznego"));
    m_issueDate = new DateField(QStringLiteral("dataRap"));
    const QDate today = QDate::currentDate();
    m_issueDate->setDateNumber(today.year() * 10000LL + today.month() * 100 + today.day());

    auto* documentRow = new QHBoxLayout;
    documentRow->addWidget(document);
    documentRow->addWidget(m_month);
    documentRow->addSpacing(12);
    documentRow->addWidget(caption(QStringLiteral("Numer dowodu:"), QStringLiteral("nrDowodu")));
    documentRow->addWidget(m_number, 1);
    documentRow->addSpacing(12);
    documentRow->addWidget(
        caption(QStringLiteral("Data wystawienia DW:"), QStringLiteral("dataRap")));
    documentRow->addWidget(m_issueDate);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(csv);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(m_table);
    layout->addLayout(totals);
    layout->addSpacing(6);
    layout->addLayout(documentRow);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(print, &QPushButton::clicked, this, &TfKsiegowanie::SBZestawienieClick);
    connect(document, &QPushButton::clicked, this, &TfKsiegowanie::SBDowodClick);
    connect(csv, &QPushButton::clicked, this, &TfKsiegowanie::SBcsvClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    fill();
}

bool TfKsiegowanie::compute(qint64 vehicleKey, int year, const QString& company,
                            const YearlySummary::Progress& progress) {
    const bool computed = m_summary.compute(m_database, vehicleKey, year, company, progress);
    fill();
    return computed;
}

void TfKsiegowanie::showSummary(QWidget* parent, TmyDataBase& database, MessageService& messages,
                                const TconfigPP& config, qint64 vehicleKey, int year,
                                const QString& company, const std::optional<QString>& issueDate,
                                const YearlySummary::Progress& progress) {
    SummaryPrintOptions options;
    options.issueDate = issueDate;
    options.signedBy = config.cbRapWystawil;
    options.acceptedBy = config.cbRapZaakceptowal;
    TfKsiegowanie window(database, messages, std::move(options), parent);
    // A database error has been reported; the window shows what could be read.
    window.compute(vehicleKey, year, company, progress);
    window.exec();
}

void TfKsiegowanie::fill() {
    const YearlySummary::Header& header = m_summary.header();
    m_year->setText(header.year > 0 ? QString::number(header.year) : QString());
    m_vehicle->setText(header.vehicle);
    m_capacity->setText(header.capacity);
    m_owner->setText(header.owner);
    m_company->setText(header.company);
    const QList<QStringList> rows = m_summary.table();
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows.at(r).size(); ++c)
            m_table->setItem(r, c, new QTableWidgetItem(rows.at(r).at(c)));
    }
    const auto sums = m_summary.totals();
    for (int c = 0; c < m_totals.size(); ++c)
        m_totals.at(c)->setText(YearlySummary::totalText(sums.at(size_t(c))));
}

void TfKsiegowanie::preview(const ReportEngine::Result& result) {
    ReportPreview::showResult(result, m_messages, this);
}

void TfKsiegowanie::SBZestawienieClick() {
    YearlySummaryReport report(m_summary, m_options);
    preview(ReportEngine::prepare(YearlySummaryReport::layoutName(), &report, report));
}

void TfKsiegowanie::SBDowodClick() {
    const int month = m_month->currentIndex() + 1;
    if (month < 1) {
        m_messages.information(
            QStringLiteral("Informacja"),
            QStringLiteral("Nie wskazano miesiąca, na który wygenerować Dowód Wewnętrzny"));
        return;
    }
    const auto company = CompanyBlock::read(m_database);
    if (!company)
        return;  // reported
    InternalDocumentReport report(m_summary, month, *company, m_number->text().trimmed(),
                                  DisplayFormat().date(m_issueDate->dateNumber()),
                                  m_options.translate);
    preview(ReportEngine::prepare(InternalDocumentReport::layoutName(), nullptr, report));
}

void TfKsiegowanie::SBcsvClick() {
    QString file = m_messages.saveFileName(CsvExport::dialogTitle(),
                                           QStringLiteral("zestawienie.csv"), CsvExport::filters());
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".csv");
    const bool written = CsvSheet::write(m_summary.table(), file);
    m_messages.information(QStringLiteral("Informacja"),
                           written ? QStringLiteral("Eksport zakończony poprawnie")
                                   : QStringLiteral("Nie udało się wyeksportować danych"));
}
