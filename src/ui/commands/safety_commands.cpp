// SPDX-License-Identifier: GPL-3.0-or-later
// File > Recover...: a recovery copy opened again, or compared with the
// editor's data.
#include "safety_commands.h"

#include "document.h"
#include "recover_dialog.h"
#include "recovery_copies.h"

#include <QAction>
#include <QMenu>

namespace quorlink {

void SafetyCommands::AddRecoverCommand(QMenu* file)
{
    auto* action = new QAction(tr("Re&cover..."), file);
    action->setObjectName(QStringLiteral("mnuFileRecover"));
    file->insertAction(file->findChild<QAction*>(QStringLiteral("mnuFileBar3")), action);
    connect(action, &QAction::triggered, this, &SafetyCommands::mnuFileRecover_Click);
}

void SafetyCommands::mnuFileRecover_Click()
{
    if (!CommitPendingEdit())
        return;
    const RecoverChoice choice = AskRecoverChoice(window_, ListKeptCopies(document_.DataFolder()));
    if (choice.path.isEmpty())
        return;
    if (choice.compare)
        shell_.CompareWithFile(choice.path);
    else
        shell_.OpenDataFile(choice.path);
}

}  // namespace quorlink
