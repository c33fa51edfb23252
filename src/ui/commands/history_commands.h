// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Undo and Redo: every change a page stores is one step of the
// document's history, and a step is undone by putting back the records from
// before it.
#pragma once

#include "command_shell.h"

#include <QCoreApplication>

class QAction;
class QKeyEvent;
class QMenu;

namespace quorlink {

class HistoryCommands : public WindowCommands {
    Q_DECLARE_TR_FUNCTIONS(HistoryCommands)

public:
    explicit HistoryCommands(const CommandContext& context);

    void BuildUndoItems(QMenu* edit);
    // The keys of undo and redo: the window's, never a text box's own.
    bool IsHistoryKey(const QKeyEvent& key) const;

private:
    void mnuEditUndo_Click() { StepThroughHistory(true); }
    void mnuEditRedo_Click() { StepThroughHistory(false); }
    void StepThroughHistory(bool undo);
    void UpdateUndoItems();

    QAction* mnuEditUndo_ = nullptr;
    QAction* mnuEditRedo_ = nullptr;
};

}  // namespace quorlink
