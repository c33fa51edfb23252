// SPDX-License-Identifier: GPL-3.0-or-later
// What a page of the data pane may ask of the window it lives in: the
// records to read and store values in, the shared loading flag and commit
// step, the one way to tell the window that it stored a change, and a jump
// to another node. How a page is wired into the tree and the page stack is
// PageWiring's.
#pragma once

#include "mmsi.h"
#include "transfer_runs.h"

#include <QString>
#include <functional>

class QWidget;

namespace quorlink {

class Prompt;
struct Model;

class PageHost {
public:
    virtual Model& model() const = 0;
    virtual Prompt& prompt() const = 0;
    // The MIDs the MMSI notes name countries from.
    virtual const MidTable& Mids() const = 0;
    virtual void SelectNodeByKey(const QString& key) = 0;
    virtual void RefreshCurrentPage() = 0;

    // On while a page fills its controls: their signals store nothing then.
    bool PageLoading() const { return pageLoading_; }
    // PageLoading is on for the life of a scope and back to what it was after.
    class PageLoadingScope {
    public:
        explicit PageLoadingScope(PageHost& host) : host_(host), was_(host.pageLoading_) { host_.pageLoading_ = true; }
        ~PageLoadingScope() { host_.pageLoading_ = was_; }
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
    bool pageLoading_ = false;
};

}  // namespace quorlink
