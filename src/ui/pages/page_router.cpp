// SPDX-License-Identifier: GPL-3.0-or-later
// The tree's events and the dispatch from a node to its page.
#include "page_router.h"

#include "control_tables.h"
#include "document.h"
#include "model.h"

#include <QTreeWidget>

namespace quorlink {

namespace {

struct PageOfKey {
    NodeKey node;
    Panel panel;
};

// Lists and single pages by the key of their node; children by their parent's key.
const PageOfKey kPagesOfKeys[] = {
    {NodeKey::Programmable, Panel::A},   {NodeKey::Usa, Panel::B},
    {NodeKey::International, Panel::B},  {NodeKey::Canada, Panel::B},
    {NodeKey::Exp, Panel::B},            {NodeKey::Wx, Panel::D},
    {NodeKey::Setting, Panel::F},        {NodeKey::IndividualDirectory, Panel::E},
    {NodeKey::GroupDirectory, Panel::E},
};
const PageOfKey kPagesOfParents[] = {
    {NodeKey::Usa, Panel::C}, {NodeKey::International, Panel::C},       {NodeKey::Canada, Panel::C},
    {NodeKey::Exp, Panel::C}, {NodeKey::IndividualDirectory, Panel::G}, {NodeKey::GroupDirectory, Panel::G},
};

template <std::size_t N>
const PageOfKey* Find(const PageOfKey (&rows)[N], const QString& key)
{
    for (const PageOfKey& row : rows)
        if (key == TreeKey(row.node))
            return &row;
    return nullptr;
}

}  // namespace

PageRouter::PageRouter(QWidget* window, Document& document, std::function<void(const QString&)> setHint)
    : window_(window), document_(document), setHint_(std::move(setHint))
{
}

PageRouter::~PageRouter() = default;

void PageRouter::Attach(QTreeWidget* tree, QWidget* dataPane)
{
    tree_ = tree;
    dataPane_ = dataPane;
    navigation_ = std::make_unique<NavigationTree>(tree);
    pages_ = std::make_unique<PageStack>(dataPane);
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { tvTreeView_NodeClick(current); });
    connect(tree_, &QTreeWidget::itemClicked, this, [this] { tvTreeView_Click(); });
    // A click on the empty area clears the selection but not the current
    // node; the node whose page is shown stays highlighted.
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (QTreeWidgetItem* current = tree_->currentItem(); current && !current->isSelected())
            current->setSelected(true);
    });
    connect(tree_, &QTreeWidget::itemCollapsed, this, &PageRouter::tvTreeView_Collapse);
    connect(tree_, &QTreeWidget::itemExpanded, this, &PageRouter::tvTreeView_Expand);
}

void PageRouter::ShowPage(QTreeWidgetItem* node)
{
    if (window_->isMinimized() || node == nullptr)
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
    setHint_(TreeHint());
}

// A disabled page drops the focus without handing it on; the tree is the one
// control left that can take it, so that Down moves on from the page shown.
void PageRouter::HideAllPages()
{
    pages_->HideAllPages();
    QWidget* focused = window_->focusWidget();
    if (focused == nullptr || dataPane_->isAncestorOf(focused))
        tree_->setFocus(Qt::OtherFocusReason);
}

void PageRouter::SetPageHandler(Panel panel, PageHandler handler)
{
    pageHandlers_.insert(static_cast<int>(panel), std::move(handler));
}

void PageRouter::SetFieldHandler(Panel panel, FieldHandler handler)
{
    fieldHandlers_.insert(static_cast<int>(panel), std::move(handler));
}

void PageRouter::ShowField(const QString& key, const QString& field)
{
    if (key != shownKey_ || !pages_->IsActive(pages_->Active()))
        return;  // the page of key is not on show
    const auto handler = fieldHandlers_.constFind(static_cast<int>(pages_->Active()));
    if (handler != fieldHandlers_.constEnd())
        (*handler)(field);
}

void PageRouter::AddRebuildStep(std::function<void()> step) { rebuildSteps_.append(std::move(step)); }

void PageRouter::AddDirectoryColouring(std::function<void(DirectoryKind)> colour)
{
    colourings_.append(std::move(colour));
}

void PageRouter::ColourDirectoryNodes(DirectoryKind kind)
{
    for (const auto& colour : colourings_)
        colour(kind);
}

void PageRouter::tvTreeView_NodeClick(QTreeWidgetItem* node)
{
    setHint_(TreeHint());
    if (node == nullptr || NavigationTree::PositionOf(node) == currentNodeIndex_)
        return;
    currentNodeIndex_ = NavigationTree::PositionOf(node);
    ShowPage(node);
}

void PageRouter::tvTreeView_Click()
{
    setHint_(TreeHint());
    QTreeWidgetItem* selected = tree_->currentItem();
    const int position = NavigationTree::PositionOf(selected);
    if (position > 0 && position != currentNodeIndex_) {
        currentNodeIndex_ = position;
        ShowPage(selected);
    }
}

void PageRouter::tvTreeView_Collapse(QTreeWidgetItem* node)
{
    // Collapsing a parent whose child is selected moves the selection to the parent.
    for (QTreeWidgetItem* up = tree_->currentItem(); up; up = up->parent())
        if (up->parent() == node) {
            tree_->setCurrentItem(node);
            break;
        }
    if (QTreeWidgetItem* selected = tree_->currentItem())
        tvTreeView_NodeClick(selected);
}

void PageRouter::tvTreeView_Expand(QTreeWidgetItem* node)
{
    const QString key = NavigationTree::KeyOf(node);
    for (DirectoryKind kind : {DirectoryKind::Individual, DirectoryKind::Group})
        if (key == TreeKey(DirectoryList(kind)))
            ColourDirectoryNodes(kind);
}

void PageRouter::Rebuild()
{
    for (const auto& step : rebuildSteps_)
        step();
    HideAllPages();
    navigation_->BuildTree(document_.Records());
    RefreshTreeAndColours();
    currentNodeIndex_ = -1;
}

void PageRouter::RefreshCurrentPage()
{
    QTreeWidgetItem* selected = tree_->currentItem();
    currentNodeIndex_ = NavigationTree::PositionOf(selected);
    ShowPage(selected);
}

void PageRouter::ShowReplacedRecords()
{
    RefreshCurrentPage();
    RefreshTreeAndColours();
}

void PageRouter::RefreshTreeAndColours()
{
    navigation_->RefreshTreeTexts(document_.Records());
    ColourDirectoryNodes(DirectoryKind::Individual);
    ColourDirectoryNodes(DirectoryKind::Group);
}

void PageRouter::SelectNodeByKey(const QString& key)
{
    QTreeWidgetItem* node = navigation_->ItemByKey(key);
    if (node == nullptr)
        return;
    if (tree_->currentItem() != node)
        tree_->setCurrentItem(node);  // raises the node click
    else
        tvTreeView_NodeClick(node);
}

// The page of the step shows the records put back, and its node is selected
// and in view, even when it was on show already.
void PageRouter::ShowStepPage(const QString& key)
{
    QTreeWidgetItem* node = navigation_->ItemByKey(key);
    if (node == nullptr) {
        RefreshCurrentPage();
        return;
    }
    for (QTreeWidgetItem* up = node->parent(); up; up = up->parent())
        up->setExpanded(true);
    if (tree_->currentItem() != node)
        tree_->setCurrentItem(node);
    else
        RefreshCurrentPage();
    tree_->scrollToItem(node);
}

}  // namespace quorlink
