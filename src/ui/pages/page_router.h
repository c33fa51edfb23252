// SPDX-License-Identifier: GPL-3.0-or-later
// The tree and the data pane together: which page a node shows, the jumps
// to a node and a field, and the tree's events. The pages wire themselves
// in through PageWiring when they are installed.
#pragma once

#include "navigation_tree.h"
#include "page_stack.h"
#include "page_wiring.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <functional>
#include <memory>

class QTreeWidget;
class QTreeWidgetItem;

namespace quorlink {

class Document;

class PageRouter : public QObject, public PageWiring {
    Q_OBJECT

public:
    // window: whose focus the pages share.
    PageRouter(QWidget* window, Document& document, std::function<void(const QString&)> setHint);
    ~PageRouter() override;
    // The tree and the data pane the pages go into, once the window has made them.
    void Attach(QTreeWidget* tree, QWidget* dataPane);

    void SetPageHandler(Panel panel, PageHandler handler) override;
    void SetFieldHandler(Panel panel, FieldHandler handler) override;
    void AddRebuildStep(std::function<void()> step) override;
    void AddDirectoryColouring(std::function<void(DirectoryKind)> colour) override;
    PageStack& Pages() override { return *pages_; }
    void HideAllPages() override;
    NavigationTree& Tree() override { return *navigation_; }
    QTreeWidget* TreeWidget() const override { return tree_; }

    // The records were made anew: the pages' rebuild steps, then the tree.
    void Rebuild();
    void SelectNodeByKey(const QString& key);
    void RefreshCurrentPage();
    // After Document::ReplaceRecords: the page on show and the tree show the new records.
    void ShowReplacedRecords();
    // The tree texts and both directories' colours. Runs after every change
    // of the records as a whole (New, Open, a read, an image import, Import
    // Directory, Undo and Redo).
    void RefreshTreeAndColours();
    // After the page of key was shown: its field named field, in view and focused.
    void ShowField(const QString& key, const QString& field);
    // The page of key shows the records anew, and its node is selected and
    // in view, even when it was on show already.
    void ShowStepPage(const QString& key);
    int CurrentNodeIndex() const { return currentNodeIndex_; }
    // Node of the page on show: where a change is made.
    const QString& ShownKey() const { return shownKey_; }

signals:
    // The page of a node was shown.
    void PageRequested(const QString& key, quorlink::Panel panel);

private:
    void ShowPage(QTreeWidgetItem* node);
    void ColourDirectoryNodes(DirectoryKind kind);
    void tvTreeView_NodeClick(QTreeWidgetItem* node);
    void tvTreeView_Click();
    void tvTreeView_Collapse(QTreeWidgetItem* node);
    void tvTreeView_Expand(QTreeWidgetItem* node);

    QWidget* window_;
    Document& document_;
    QTreeWidget* tree_ = nullptr;
    QWidget* dataPane_ = nullptr;
    std::function<void(const QString&)> setHint_;
    std::unique_ptr<NavigationTree> navigation_;
    std::unique_ptr<PageStack> pages_;
    QHash<int, PageHandler> pageHandlers_;
    QHash<int, FieldHandler> fieldHandlers_;
    QList<std::function<void()>> rebuildSteps_;
    QList<std::function<void(DirectoryKind)>> colourings_;
    int currentNodeIndex_ = -1;
    QString shownKey_;
};

}  // namespace quorlink
