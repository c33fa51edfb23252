// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_grid.h"

#include "twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace quorlink {

namespace {

constexpr Qt::Alignment kTitleAlignment = Qt::AlignLeft | Qt::AlignVCenter;

void MakeReadOnlyRows(QTableView* view)
{
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setDefaultAlignment(kTitleAlignment);
}

}  // namespace

ListGrid::ListGrid(QWidget* page, const QString& name, std::function<void()> jump)
    : QTableWidget(page), jump_(std::move(jump))
{
    setObjectName(name);
    MakeReadOnlyRows(this);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    horizontalHeader()->setFont(bold);
    setHorizontalScrollMode(ScrollPerPixel);
    setTabKeyNavigation(false);  // Tab and Shift+Tab leave the list; the arrows move in it
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(this);
    BuildFixedColumn();
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { jump_(); });
}

void ListGrid::BuildFixedColumn()
{
    fixedColumn_ = new QTableView(this);
    fixedColumn_->setObjectName(objectName() + QStringLiteral("FixedColumn"));
    fixedColumn_->setModel(model());
    fixedColumn_->setSelectionModel(selectionModel());
    MakeReadOnlyRows(fixedColumn_);
    fixedColumn_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fixedColumn_->setFrameShape(QFrame::NoFrame);
    fixedColumn_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixedColumn_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The keyboard stays with the grid; a click on the column gives it there.
    fixedColumn_->setFocusPolicy(Qt::NoFocus);
    connect(fixedColumn_, &QAbstractItemView::pressed, this, [this] { setFocus(Qt::MouseFocusReason); });
    connect(fixedColumn_, &QAbstractItemView::doubleClicked, this, [this] { jump_(); });

    connect(fixedColumn_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, fixedColumn_->verticalScrollBar(), &QScrollBar::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (column == 0) {
            fixedColumn_->setColumnWidth(0, width);
            PlaceFixedColumn();
        }
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int row, int, int height) { fixedColumn_->setRowHeight(row, height); });
    connect(model(), &QAbstractItemModel::columnsInserted, this, &ListGrid::ShowOnlyFirstColumn);
    ShowOnlyFirstColumn();
    fixedColumn_->show();
}

void ListGrid::ShowOnlyFirstColumn()
{
    for (int c = 1; c < columnCount(); ++c)
        fixedColumn_->setColumnHidden(c, true);
    if (columnCount() > 0)
        fixedColumn_->setColumnWidth(0, columnWidth(0));
}

void ListGrid::PlaceFixedColumn()
{
    const QRect rows = viewport()->geometry();
    const int top = horizontalHeader()->isVisible() ? horizontalHeader()->y() : rows.top();
    fixedColumn_->horizontalHeader()->setFixedHeight(rows.top() - top);
    fixedColumn_->setGeometry(rows.left(), top, qMin(columnWidth(0), rows.width()), rows.bottom() + 1 - top);
}

void ListGrid::updateGeometries()
{
    QTableWidget::updateGeometries();
    if (fixedColumn_)
        PlaceFixedColumn();
}

void ListGrid::SetColumnWidths(const QList<int>& twips)
{
    columnTwips_ = twips;
    FitColumns();
}

void ListGrid::FitColumns()
{
    QHeaderView* titles = horizontalHeader();
    const int count = qMin(columnCount(), static_cast<int>(columnTwips_.size()));
    for (int c = 0; c < count; ++c)
        setColumnWidth(c, qMax(qRound(columnTwips_[c] / TwipsPerPixelX(this)), titles->sectionSizeHint(c)));
}

void ListGrid::SetRowHeight(int twips)
{
    rowTwips_ = twips;
    FitRows();
}

void ListGrid::FitRows()
{
    const int pixels = qMax(qRound(rowTwips_ / TwipsPerPixelY(this)), LineHeight());
    for (QHeaderView* rows : {verticalHeader(), fixedColumn_->verticalHeader()}) {
        rows->setMinimumSectionSize(pixels);
        rows->setDefaultSectionSize(pixels);
        for (int r = 0; r < rows->count(); ++r)
            rows->resizeSection(r, pixels);
    }
}

// A cell of one line of text, as the view's delegate sizes it, and the grid line below it.
int ListGrid::LineHeight() const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("Xg");
    return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height() + (showGrid() ? 1 : 0);
}

// The desktop's font changed: the titles and the rows take their room again.
void ListGrid::changeEvent(QEvent* event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && fixedColumn_) {
        FitColumns();
        if (rowTwips_ > 0)
            FitRows();
    }
}

void ListGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        jump_();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

// The first column is always in sight: a cell of it only scrolls the rows,
// and a cell behind it is scrolled out from under it.
void ListGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    const int sideways = horizontalScrollBar()->value();
    QTableWidget::scrollTo(index, hint);
    if (index.column() == 0) {
        horizontalScrollBar()->setValue(sideways);
        return;
    }
    const int hidden = fixedColumn_->width() - visualRect(index).left();
    if (hidden > 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
}

}  // namespace quorlink
