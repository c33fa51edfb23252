// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo: every change a page stores is one step of the history, and
// a step is undone by putting back the records from before it.
#include "main_window.h"

#include <QMenu>
#include <QTreeWidget>

namespace quorlink {

namespace {

QString ItemText(const char* command, const EditHistory::Step* step)
{
    QString text = QLatin1String(command);
    if (step)
        text += QLatin1Char(' ') + QString(step->name).replace(QLatin1Char('&'), QStringLiteral("&&"));
    return text;
}

}  // namespace

void MainWindow::BuildUndoItems(QMenu* edit)
{
    mnuEditUndo_ = edit->addAction(QString());
    mnuEditUndo_->setObjectName(QStringLiteral("mnuEditUndo"));
    mnuEditUndo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo_ = edit->addAction(QString());
    mnuEditRedo_->setObjectName(QStringLiteral("mnuEditRedo"));
    mnuEditRedo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(mnuEditUndo_, &QAction::triggered, this, &MainWindow::mnuEditUndo_Click);
    connect(mnuEditRedo_, &QAction::triggered, this, &MainWindow::mnuEditRedo_Click);
    UpdateUndoItems();
}

void MainWindow::UpdateUndoItems()
{
    mnuEditUndo_->setText(ItemText("&Undo", history_.NextUndo()));
    mnuEditUndo_->setEnabled(history_.NextUndo() != nullptr);
    mnuEditRedo_->setText(ItemText("&Redo", history_.NextRedo()));
    mnuEditRedo_->setEnabled(history_.NextRedo() != nullptr);
}

void MainWindow::ClearHistory()
{
    history_.Clear(model_);
    UpdateUndoItems();
}

void MainWindow::StoreChange(const QString& name, QWidget* typingField)
{
    if (replaying_)
        return;
    if (history_.Record(model_, name, shownKey_, typingField))
        UpdateUndoItems();
}

void MainWindow::StepThroughHistory(bool undo)
{
    // A name or MMSI still being typed is stored first, as its own step.
    if (!CommitPendingEdit())
        return;
    replaying_ = true;
    const EditHistory::Step* step = undo ? history_.Undo(model_) : history_.Redo(model_);
    if (step) {
        ShowStepPage(step->key);
        RefreshTreeAndColours();
        ShowField(step->key, step->name);  // a setting on the DSC tab shows that tab
    }
    replaying_ = false;
    UpdateUndoItems();
}

// The page of the step shows the records put back, and its node is selected
// and in view, even when it was on show already.
void MainWindow::ShowStepPage(const QString& key)
{
    QTreeWidgetItem* node = navigation_->ItemByKey(key);
    if (node == nullptr) {
        RefreshCurrentPage();
        return;
    }
    for (QTreeWidgetItem* up = node->parent(); up; up = up->parent())
        up->setExpanded(true);
    if (tvTreeView_->currentItem() != node)
        tvTreeView_->setCurrentItem(node);
    else
        RefreshCurrentPage();
    tvTreeView_->scrollToItem(node);
}

}  // namespace quorlink
