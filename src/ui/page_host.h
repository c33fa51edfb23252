// SPDX-License-Identifier: GPL-3.0-or-later
// What a page of the data pane may ask of the window it lives in: its part
// of the pane, the tree, the shared loading flag and commit step, and the
// one way to tell the window that it stored a change.
#pragma once

#include "mmsi.h"
#include "page_stack.h"
#include "records.h"
#include "transfer_runs.h"

#include <QString>
#include <functional>

class QTreeWidget;
class QWidget;

namespace quorlink {

class NavigationTree;
class Prompt;
struct Model;

class PageHost {
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

    virtual Model& model() const = 0;
    virtual Prompt& prompt() const = 0;
    // The MIDs the MMSI notes name countries from.
    virtual const MidTable& Mids() const = 0;
    virtual PageStack& Pages() = 0;
    virtual void HideAllPages() = 0;
    virtual NavigationTree& Tree() = 0;
    virtual QTreeWidget* TreeWidget() const = 0;
    virtual void SelectNodeByKey(const QString& key) = 0;
    virtual void RefreshCurrentPage() = 0;
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;

    // On while a page fills its controls: their signals store nothing then.
    virtual bool PageLoading() const = 0;
    // PageLoading is on for the life of a scope and back to what it was after.
    class PageLoadingScope {
    public:
        explicit PageLoadingScope(PageHost& host) : host_(host), was_(host.PageLoading())
        {
            host_.SetPageLoading(true);
        }
        ~PageLoadingScope() { host_.SetPageLoading(was_); }
        PageLoadingScope(const PageLoadingScope&) = delete;
        PageLoadingScope& operator=(const PageLoadingScope&) = delete;

    private:
        PageHost& host_;
        bool was_;
    };
    // A field whose check must run before any command while it has the focus.
    virtual void SetCommitCheck(QWidget* field, std::function<bool()> check) = 0;
    virtual bool CommitPendingEdit() = 0;
    // Runs a transfer in the dialog. True when it completed.
    virtual bool RunTransferDialog(TransferMode mode) = 0;

    // A page stored a change of the records, named as the Edit menu shows it
    // ("CH16 name"): it becomes one undo step. Changes typed into one
    // typingField make one step until the focus leaves the field.
    virtual void StoreChange(const QString& name, QWidget* typingField = nullptr) = 0;

protected:
    ~PageHost() = default;

private:
    virtual void SetPageLoading(bool on) = 0;
};

}  // namespace quorlink
