#include "output/uSumy.h"

#include "registers/StayOnTop.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor kBackground(192, 192, 208);
const QColor kHeading(176, 176, 192);

// Headings centred on their own colour; figures right-aligned one blank from the edge.
class SumsCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool heading = index.row() == 0;
        painter->fillRect(option.rect, heading ? kHeading : option.palette.base().color());
        painter->setPen(Qt::black);
        const QString text = index.data().toString();
        painter->drawText(option.rect.adjusted(2, 0, -2, 0),
                          Qt::AlignVCenter | (heading ? Qt::AlignHCenter : Qt::AlignRight),
                          heading || text.isEmpty() ? text : text + QLatin1Char(' '));
    }
};

}  // namespace

TfSumy::TfSumy(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("fSumy"));
    setWindowTitle(QStringLiteral("Sumy wybranych kolumn dla tabeli"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    setAutoFillBackground(true);

    m_grid = new QTableWidget(2, 1);
    m_grid->setObjectName(QStringLiteral("SumyGrid"));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setDefaultSectionSize(150);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setFocusPolicy(Qt::TabFocus);  // read with the keyboard, never edited
    m_grid->setItemDelegate(new SumsCellDelegate(m_grid));

    m_top = new QCheckBox(QStringLiteral("Okno zawsze na wierzchu"));
    m_top->setObjectName(QStringLiteral("cbTop"));
    auto* close = new QToolButton;
    close->setObjectName(QStringLiteral("SpeedButton1"));
    close->setText(QStringLiteral("Zamknij"));
    close->setToolTip(QStringLiteral("Zamknij to okno"));

    auto* strip = new QHBoxLayout;
    strip->addWidget(m_top);
    strip->addStretch(1);
    strip->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_grid, 1);
    layout->addLayout(strip);
    resize(779, 75 + 2 * m_grid->verticalHeader()->defaultSectionSize());

    connect(m_top, &QCheckBox::toggled, this, &TfSumy::setOnTop);
    connect(close, &QToolButton::clicked, this, &QWidget::hide);
}

void TfSumy::setOnTop(bool onTop) {
    setStayOnTop(this, onTop);
}

void TfSumy::showSheet(const SumsSheet& sheet) {
    m_grid->clearContents();
    if (sheet.headings.isEmpty()) {
        setWindowTitle(Sums::promptCaption());
        m_grid->setColumnCount(1);
    } else {
        setWindowTitle(sheet.caption);
        m_grid->setColumnCount(int(sheet.headings.size()));
        for (int c = 0; c < sheet.headings.size(); ++c) {
            m_grid->setItem(0, c, new QTableWidgetItem(sheet.headings.at(c)));
            m_grid->setItem(1, c, new QTableWidgetItem(sheet.values.value(c)));
        }
    }
    show();
    raise();
}
