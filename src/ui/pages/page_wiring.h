// SPDX-License-Identifier: GPL-3.0-or-later
// How the pages are wired into the window when they are installed: the
// handlers that show a page for a node, the steps that run when the records
// are made anew, and the tree and page stack they show themselves in.
#pragma once

#include "page_stack.h"
#include "records.h"

#include <QString>
#include <functional>

class QTreeWidget;

namespace quorlink {

class NavigationTree;

class PageWiring {
public:
    // A page handler shows its panel for a node key (it fills its controls,
    // runs HideAllPages and activates its panel); a panel without a handler
    // is shown empty. Rebuild steps run in the order they were added, when
    // the records are made anew, before the tree is built.
    using PageHandler = std::function<void(const QString& key)>;
    virtual void SetPageHandler(Panel panel, PageHandler handler) = 0;
    // A field handler brings one field of its panel's page into view and gives
    // it the keyboard, after a jump to it from the Compare window or an undo
    // step: field is the name the difference or the step gives it ("Contrast",
    // "Individual Reply", "User MMSI"). A name it does not know changes nothing.
    using FieldHandler = std::function<void(const QString& field)>;
    virtual void SetFieldHandler(Panel panel, FieldHandler handler) = 0;
    virtual void AddRebuildStep(std::function<void()> step) = 0;
    // Runs when the nodes of a directory need their colours set again.
    virtual void AddDirectoryColouring(std::function<void(DirectoryKind)> colour) = 0;

    virtual PageStack& Pages() = 0;
    // Disables every page; the keyboard focus they held goes to the tree.
    virtual void HideAllPages() = 0;
    virtual NavigationTree& Tree() = 0;
    virtual QTreeWidget* TreeWidget() const = 0;

protected:
    ~PageWiring() = default;
};

}  // namespace quorlink
