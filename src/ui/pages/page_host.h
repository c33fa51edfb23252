// SPDX-License-Identifier: GPL-3.0-or-later
// What a page of the data pane may ask of the window it lives in: the
// records to read, the one way to change them (Edit), the shared loading
// flag and commit step, and a jump to another node. How a page is wired
// into the tree and the page stack is PageWiring's.
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
    virtual const Model& model() const = 0;
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

    // The one way a page changes the records: change runs on them and becomes
    // one undo step, named as the Edit menu shows it ("CH16 name"). Changes
    // typed into one typingField make one step until the focus leaves the field.
    virtual void Edit(const QString& name, const std::function<void(Model&)>& change,
                      QWidget* typingField = nullptr) = 0;

protected:
    ~PageHost() = default;

private:
    bool pageLoading_ = false;
};

}  // namespace quorlink
