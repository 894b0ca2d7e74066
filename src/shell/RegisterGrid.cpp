#include "shell/RegisterGrid.h"

#include "support/OVUtilities.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

// Draws the title of the column the list is sorted by in white on dark blue.
class TitleHeader : public QHeaderView {
public:
    explicit TitleHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}
    int highlighted = -1;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        if (logicalIndex != highlighted) {
            QHeaderView::paintSection(painter, rect, logicalIndex);
            return;
        }
        painter->save();
        painter->fillRect(rect, QColor(0x1f, 0x3f, 0x7a));
        painter->setPen(Qt::white);
        QFont bold = font();
        bold.setBold(true);
        painter->setFont(bold);
        const QString title =
            model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
        painter->drawText(rect.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
        painter->restore();
    }
};

}  // namespace

RegisterGrid::RegisterGrid(const QString& objectName, QWidget* parent) : QTableView(parent) {
    setObjectName(objectName);
    auto* header = new TitleHeader(this);
    setHorizontalHeader(header);
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setStretchLastSection(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(header, &QHeaderView::sectionClicked, this, &RegisterGrid::titleClicked);
}

void RegisterGrid::setHighlightedColumn(int column) {
    static_cast<TitleHeader*>(horizontalHeader())->highlighted = column;
    horizontalHeader()->viewport()->update();
}

int RegisterGrid::currentRow() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void RegisterGrid::setCurrentRow(int row) {
    if (!model() || model()->rowCount() == 0)
        return;
    row = std::clamp(row, 0, model()->rowCount() - 1);
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    setCurrentIndex(model()->index(row, column));
    scrollTo(currentIndex());
}

void RegisterGrid::fitColumnsToContents() {
    m_fitPending = true;
    if (isVisible())
        fitColumns();
}

void RegisterGrid::showEvent(QShowEvent* event) {
    QTableView::showEvent(event);
    if (m_fitPending)
        fitColumns();
}

void RegisterGrid::fitColumns() {
    m_fitPending = false;
    if (!model())
        return;
    resizeColumnsToContents();
    const int columns = model()->columnCount();
    QList<int> widths(columns);
    for (int c = 0; c < columns; ++c)
        widths[c] = columnWidth(c) + 12;
    // Long names and notes would push the amounts out of sight: the widest columns are
    // narrowed, step by step, until all fit or they reach an eighth of the width.
    const int available = viewport()->width();
    const int lowest = std::max(140, available / 8);
    const auto total = [&widths](int cap) {
        int sum = 0;
        for (int w : widths)
            sum += std::min(w, cap);
        return sum;
    };
    int cap = 320;
    while (cap > lowest && total(cap) > available)
        cap = std::max(lowest, cap - 10);
    for (int c = 0; c < columns; ++c)
        setColumnWidth(c,
                       std::max(std::min(widths[c], cap), horizontalHeader()->sectionSizeHint(c)));
}

void RegisterGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit openRecord();
        return;
    }
    QTableView::keyPressEvent(event);
}

void RegisterGrid::wheelEvent(QWheelEvent* event) {
    const int rows = TOVUtilities::wheelRows(event->angleDelta().y(), event->position().toPoint(),
                                             viewport()->size());
    if (rows != 0 && model() && model()->rowCount() > 0)
        setCurrentRow((currentRow() < 0 ? 0 : currentRow()) + rows);
    event->accept();
}

void RegisterGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (indexAt(event->position().toPoint()).isValid())
        emit openRecord();
    else
        QTableView::mouseDoubleClickEvent(event);
}
