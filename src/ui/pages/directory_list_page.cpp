// SPDX-License-Identifier: GPL-3.0-or-later
#include "directory_list_page.h"

#include "directory_pages.h"
#include "latin1.h"
#include "list_grid.h"
#include "mmsi_note.h"
#include "model.h"
#include "navigation_tree.h"
#include "numeric_field.h"
#include "page_host.h"
#include "page_wiring.h"

#include <QLayout>
#include <QTreeWidget>

namespace quorlink {

namespace {

constexpr int kRowHeightTwips = 350;
constexpr int kColumnTwips[] = {800, 2500, 2150};
constexpr Qt::Alignment kCellAlignment = Qt::AlignLeft | Qt::AlignVCenter;

}  // namespace

DirectoryListPage::DirectoryListPage(PageHost& window, PageWiring& wiring)
    : QObject(wiring.Pages().panel(Panel::E)), window_(window), wiring_(wiring)
{
    grid_ = new ListGrid(wiring.Pages().panel(Panel::E), QStringLiteral("MSFlexGrid2"), [this] { MSFlexGrid2_DblClick(); });
    grid_->setColumnCount(3);
    // The note on the selected row's number sits under the list, which keeps its columns.
    QWidget* page = wiring.Pages().panel(Panel::E);
    note_ = new MmsiNoteLabel(window.Mids(), "lblENote", page);
    page->layout()->addWidget(note_);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) { ShowRowNote(row); });

    // Rows of the data before a rebuild must never show with the new data.
    wiring.AddRebuildStep([this] { grid_->setRowCount(0); });
    wiring.SetPageHandler(Panel::E, [this](const QString& key) {
        if (const std::optional<DirectoryKind> kind = DirectoryOfListKey(key))
            ShowDirectoryList(*kind);
    });
}

void DirectoryListPage::SetDirectoryGridHeader(DirectoryKind kind)
{
    grid_->setHorizontalHeaderLabels(
        {tr("No."), DirectoryText(TraitsOf(kind).nameTitle), tr("MMSI")});
    grid_->SetColumnWidths({std::begin(kColumnTwips), std::end(kColumnTwips)});
}

void DirectoryListPage::FillDirectoryGrid(DirectoryKind kind)
{
    const Directory& directory = window_.model().DirectoryOf(kind);
    grid_->SetRowHeight(kRowHeightTwips);
    grid_->setRowCount(directory.size());
    for (int r = 1; r <= directory.size(); ++r) {
        const DirectoryEntry& entry = directory.at(r);
        const QString cells[] = {QString::number(r), ToQString(entry.TagName), ToQString(entry.Mmsid)};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(kCellAlignment);
            grid_->setItem(r - 1, c, item);
        }
    }
}

void DirectoryListPage::ShowDirectoryList(DirectoryKind kind, bool gridOnly)
{
    kind_ = kind;
    grid_->hide();
    grid_->setProperty("helpContext", TraitsOf(kind).listHelp);
    SetDirectoryGridHeader(kind);
    // No label stands for the list: a screen reader names it as the tree does.
    if (const QTreeWidgetItem* node = wiring_.Tree().ItemByKey(TreeKey(DirectoryList(kind))))
        grid_->setAccessibleName(node->text(0));
    FillDirectoryGrid(kind);
    ShowRowNote(grid_->currentRow());
    grid_->show();
    if (gridOnly)
        return;
    wiring_.HideAllPages();
    wiring_.Pages().Activate(Panel::E);
}

void DirectoryListPage::ShowRowNote(int row)
{
    const Directory& directory = window_.model().DirectoryOf(kind_);
    const MmsiUse use = TraitsOf(kind_).mmsiUse;
    const bool entry = row >= 0 && row < directory.size();
    note_->ShowFor(entry ? ShownInBox(directory.at(row + 1).Mmsid, use) : QString(), use);
}

// Selecting the node opens the entry page as a click on it would; the node
// is scrolled into view, opening its list node, so the tree shows where the
// user now is.
void DirectoryListPage::MSFlexGrid2_DblClick()
{
    const int row = grid_->currentRow() + 1;
    if (row < 1)
        return;
    const QString key = ChildKey(DirectoryList(kind_), row);
    window_.SelectNodeByKey(key);
    if (QTreeWidgetItem* node = wiring_.Tree().ItemByKey(key))
        wiring_.TreeWidget()->scrollToItem(node);
}

}  // namespace quorlink
