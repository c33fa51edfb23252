#include "directory_list_page.h"

#include "directory_pages.h"
#include "latin1.h"
#include "main_window.h"
#include "mmsi_note.h"
#include "model.h"
#include "numeric_field.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quorlink {

namespace {

constexpr int kRowHeightTwips = 350;
constexpr int kColumnTwips[] = {800, 2500, 2150};
constexpr Qt::Alignment kCellAlignment = Qt::AlignLeft | Qt::AlignVCenter;

}  // namespace

DirectoryListPage::DirectoryListPage(MainWindow& window) : QObject(&window), window_(window)
{
    QWidget* page = window.Pages().panel(Panel::E);
    grid_ = new QTableWidget(page);
    grid_->setObjectName(QStringLiteral("MSFlexGrid2"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setTabKeyNavigation(false);  // Tab leaves the list; the arrows move in it
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setDefaultAlignment(kCellAlignment);
    QFont bold = grid_->font();
    bold.setBold(true);
    grid_->setFont(bold);
    grid_->horizontalHeader()->setFont(bold);
    grid_->setColumnCount(3);
    grid_->installEventFilter(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    // The note on the selected row's number sits under the list, which keeps its columns.
    note_ = new MmsiNoteLabel(window.Mids(), "lblENote", page);
    layout->addWidget(note_);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &DirectoryListPage::MSFlexGrid2_DblClick);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) { ShowRowNote(row); });

    // Rows of the data before a rebuild must never show with the new data.
    window.AddRebuildStep([this] { grid_->setRowCount(0); });
    window.SetPageHandler(Panel::E, [this](const QString& key) {
        if (const std::optional<DirectoryKind> kind = DirectoryOfListKey(key))
            ShowDirectoryList(*kind);
    });
}

void DirectoryListPage::SetDirectoryGridHeader(DirectoryKind kind)
{
    grid_->setHorizontalHeaderLabels(
        {QStringLiteral("No."), QLatin1String(TraitsOf(kind).nameTitle), QStringLiteral("MMSI")});
    for (int c = 0; c < grid_->columnCount(); ++c)
        grid_->setColumnWidth(c, qRound(kColumnTwips[c] / window_.TwipsPerPixelX()));
}

void DirectoryListPage::FillDirectoryGrid(DirectoryKind kind)
{
    const Directory& directory = window_.model().DirectoryOf(kind);
    grid_->setRowCount(directory.size());
    for (int r = 1; r <= directory.size(); ++r) {
        const DirectoryEntry& entry = directory.at(r);
        const QString cells[] = {QString::number(r), ToQString(entry.TagName), ToQString(entry.Mmsid)};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(kCellAlignment);
            grid_->setItem(r - 1, c, item);
        }
        grid_->setRowHeight(r - 1, qRound(kRowHeightTwips / window_.TwipsPerPixelY()));
    }
}

void DirectoryListPage::ShowDirectoryList(DirectoryKind kind, bool gridOnly)
{
    kind_ = kind;
    grid_->hide();
    grid_->setProperty("helpContext", TraitsOf(kind).listHelp);
    SetDirectoryGridHeader(kind);
    FillDirectoryGrid(kind);
    ShowRowNote(grid_->currentRow());
    grid_->show();
    if (gridOnly)
        return;
    window_.HideAllPages();
    window_.Pages().Activate(Panel::E);
}

void DirectoryListPage::ShowRowNote(int row)
{
    const Directory& directory = window_.model().DirectoryOf(kind_);
    const int length = TraitsOf(kind_).mmsiLength;
    const bool entry = row >= 0 && row < directory.size();
    const QString typed = entry ? ShownMmsi(directory.at(row + 1).Mmsid, length) : QString();
    note_->ShowFor(typed, kind_ == DirectoryKind::Group ? MmsiUse::Group : MmsiUse::Individual);
}

// Selecting the node opens the entry page as a click on it would; the node
// is scrolled into view, opening its list node, so the tree shows where the
// user now is.
void DirectoryListPage::MSFlexGrid2_DblClick()
{
    const int row = grid_->currentRow() + 1;
    if (row < 1)
        return;
    const QString key = ChildKey(QLatin1String(TraitsOf(kind_).key), row);
    window_.SelectNodeByKey(key);
    if (QTreeWidgetItem* node = window_.Tree().ItemByKey(key))
        window_.TreeWidget()->scrollToItem(node);
}

bool DirectoryListPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            MSFlexGrid2_DblClick();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quorlink
