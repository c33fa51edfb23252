// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo: every change a page stores is one step of the history, and
// a step is undone by putting back the records from before it.
#include "history_commands.h"

#include "document.h"
#include "page_router.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

namespace quorlink {

namespace {

// "&Undo" alone, or with the step's name: "&Undo %1".
QString ItemText(const QString& command, const QString& withStep, const EditHistory::Step* step)
{
    return step ? withStep.arg(QString(step->name).replace(QLatin1Char('&'), QStringLiteral("&&"))) : command;
}

}  // namespace

HistoryCommands::HistoryCommands(const CommandContext& context) : WindowCommands(context)
{
    connect(&document_, &Document::HistoryChanged, this, &HistoryCommands::UpdateUndoItems);
}

void HistoryCommands::BuildUndoItems(QMenu* edit)
{
    mnuEditUndo_ = edit->addAction(QString());
    mnuEditUndo_->setObjectName(QStringLiteral("mnuEditUndo"));
    mnuEditUndo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo_ = edit->addAction(QString());
    mnuEditRedo_->setObjectName(QStringLiteral("mnuEditRedo"));
    mnuEditRedo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(mnuEditUndo_, &QAction::triggered, this, &HistoryCommands::mnuEditUndo_Click);
    connect(mnuEditRedo_, &QAction::triggered, this, &HistoryCommands::mnuEditRedo_Click);
    UpdateUndoItems();
}

void HistoryCommands::UpdateUndoItems()
{
    mnuEditUndo_->setText(ItemText(tr("&Undo"), tr("&Undo %1"), document_.History().NextUndo()));
    mnuEditUndo_->setEnabled(document_.History().NextUndo() != nullptr);
    mnuEditRedo_->setText(ItemText(tr("&Redo"), tr("&Redo %1"), document_.History().NextRedo()));
    mnuEditRedo_->setEnabled(document_.History().NextRedo() != nullptr);
}

void HistoryCommands::StepThroughHistory(bool undo)
{
    // A name or MMSI still being typed is stored first, as its own step.
    if (!CommitPendingEdit())
        return;
    document_.StepThroughHistory(undo, [this](const EditHistory::Step& step) {
        pages_.ShowStepPage(step.key);
        pages_.RefreshTreeAndColours();
        pages_.ShowField(step.key, step.name);  // a setting on the DSC tab shows that tab
    });
}

bool HistoryCommands::IsHistoryKey(const QKeyEvent& key) const
{
    const QKeySequence pressed(key.keyCombination());
    for (const QAction* item : {mnuEditUndo_, mnuEditRedo_})
        if (item->shortcuts().contains(pressed))
            return true;
    return false;
}

}  // namespace quorlink
