// SPDX-License-Identifier: GPL-3.0-or-later
// The tree's events and the dispatch from a node to its page.
#include "main_window.h"

#include "control_tables.h"
#include "model.h"

#include <QTreeWidget>

namespace quorlink {

namespace {

struct PageOfKey {
    const char* key;
    Panel panel;
};

// Lists and single pages by the key of their node; children by their parent's key.
const PageOfKey kPagesOfKeys[] = {
    {"P", Panel::A}, {"PU", Panel::B}, {"PI", Panel::B}, {"PC", Panel::B}, {"E", Panel::B},
    {"PW", Panel::D}, {"S", Panel::F}, {"SM", Panel::E}, {"SG", Panel::E},
};
const PageOfKey kPagesOfParents[] = {
    {"PU", Panel::C}, {"PI", Panel::C}, {"PC", Panel::C}, {"E", Panel::C}, {"SM", Panel::G}, {"SG", Panel::G},
};

template <std::size_t N>
const PageOfKey* Find(const PageOfKey (&rows)[N], const QString& key)
{
    for (const PageOfKey& row : rows)
        if (key == QLatin1String(row.key))
            return &row;
    return nullptr;
}

}  // namespace

void MainWindow::ShowPage(QTreeWidgetItem* node)
{
    if (isMinimized() || node == nullptr)
        return;
    const QString key = NavigationTree::KeyOf(node);
    const PageOfKey* page = Find(kPagesOfKeys, key);
    if (page == nullptr)
        page = Find(kPagesOfParents, NavigationTree::ParentKeyOf(node));
    if (page) {
        const auto handler = pageHandlers_.constFind(static_cast<int>(page->panel));
        if (handler != pageHandlers_.constEnd()) {
            (*handler)(key);
        } else {
            HideAllPages();
            pages_->Activate(page->panel);
        }
        emit PageRequested(key, page->panel);
    }
    shownKey_ = key;
    // What a page puts right while it shows its values is no change of the user's.
    history_.Resync(model_);
    SetHint(kTreeHint);
}

// A disabled page drops the focus without handing it on; the tree is the one
// control left that can take it, so that Down moves on from the page shown.
void MainWindow::HideAllPages()
{
    pages_->HideAllPages();
    QWidget* focused = focusWidget();
    if (focused == nullptr || pictData_->isAncestorOf(focused))
        tvTreeView_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::SetPageHandler(Panel panel, PageHandler handler)
{
    pageHandlers_.insert(static_cast<int>(panel), std::move(handler));
}

void MainWindow::SetFieldHandler(Panel panel, FieldHandler handler)
{
    fieldHandlers_.insert(static_cast<int>(panel), std::move(handler));
}

void MainWindow::ShowField(const QString& key, const QString& field)
{
    if (key != shownKey_ || !pages_->IsActive(pages_->Active()))
        return;  // the page of key is not on show
    const auto handler = fieldHandlers_.constFind(static_cast<int>(pages_->Active()));
    if (handler != fieldHandlers_.constEnd())
        (*handler)(field);
}

void MainWindow::AddRebuildStep(std::function<void()> step) { rebuildSteps_.append(std::move(step)); }

void MainWindow::AddDirectoryColouring(std::function<void(DirectoryKind)> colour)
{
    colourings_.append(std::move(colour));
}

void MainWindow::ColourDirectoryNodes(DirectoryKind kind)
{
    for (const auto& colour : colourings_)
        colour(kind);
}

void MainWindow::tvTreeView_NodeClick(QTreeWidgetItem* node)
{
    SetHint(kTreeHint);
    if (node == nullptr || NavigationTree::PositionOf(node) == currentNodeIndex_)
        return;
    currentNodeIndex_ = NavigationTree::PositionOf(node);
    ShowPage(node);
}

void MainWindow::tvTreeView_Click()
{
    SetHint(kTreeHint);
    QTreeWidgetItem* selected = tvTreeView_->currentItem();
    const int position = NavigationTree::PositionOf(selected);
    if (position > 0 && position != currentNodeIndex_) {
        currentNodeIndex_ = position;
        ShowPage(selected);
    }
}

void MainWindow::tvTreeView_Collapse(QTreeWidgetItem* node)
{
    // Collapsing a parent whose child is selected moves the selection to the parent.
    for (QTreeWidgetItem* up = tvTreeView_->currentItem(); up; up = up->parent())
        if (up->parent() == node) {
            tvTreeView_->setCurrentItem(node);
            break;
        }
    if (QTreeWidgetItem* selected = tvTreeView_->currentItem())
        tvTreeView_NodeClick(selected);
}

void MainWindow::tvTreeView_Expand(QTreeWidgetItem* node)
{
    const QString key = NavigationTree::KeyOf(node);
    if (key == QLatin1String("SM") || key == QLatin1String("SG"))
        ColourDirectoryNodes(key == QLatin1String("SM") ? DirectoryKind::Individual : DirectoryKind::Group);
}

void MainWindow::RefreshCurrentPage()
{
    QTreeWidgetItem* selected = tvTreeView_->currentItem();
    currentNodeIndex_ = NavigationTree::PositionOf(selected);
    ShowPage(selected);
}

void MainWindow::RefreshTreeAndColours()
{
    navigation_->RefreshTreeTexts(model_);
    ColourDirectoryNodes(DirectoryKind::Individual);
    ColourDirectoryNodes(DirectoryKind::Group);
}

void MainWindow::SelectNodeByKey(const QString& key)
{
    QTreeWidgetItem* node = navigation_->ItemByKey(key);
    if (node == nullptr)
        return;
    if (tvTreeView_->currentItem() != node)
        tvTreeView_->setCurrentItem(node);  // raises the node click
    else
        tvTreeView_NodeClick(node);
}

}  // namespace quorlink
