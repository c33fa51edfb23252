// SPDX-License-Identifier: GPL-3.0-or-later
// What keeps the user's work: recovery copies of edits a command is about to
// drop, the "Modified" panel, and the backups and check of each transfer.
#include "main_window.h"

#include "elided_label.h"
#include "model.h"
#include "recovery_copies.h"
#include "settings_store.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

namespace quorlink {

namespace {
constexpr int kModifiedPollMs = 250;
}  // namespace

bool MainWindow::RecordsModified() const { return RecordSet::Of(model_) != cleanRecords_; }

// No question is asked: the commands that drop edits never asked one.
void MainWindow::KeepDroppedEdits(const char* what)
{
    if (!RecordsModified())
        return;
    const StampedFile copy = SaveRecoveryCopy(model_, DataFolder(), QString::fromLatin1(what));
    if (!copy.failure.isEmpty())
        SetHint(QStringLiteral("The recovery copy could not be saved: ") + copy.failure);
}

void MainWindow::MarkRecordsClean(bool imageAsLoaded)
{
    cleanRecords_ = RecordSet::Of(model_);
    imageAsLoaded_ = imageAsLoaded;
    if (!modifiedTimer_) {
        modifiedTimer_ = new QTimer(this);
        modifiedTimer_->setObjectName(QStringLiteral("ModifiedTimer"));
        connect(modifiedTimer_, &QTimer::timeout, this, &MainWindow::UpdateModifiedPanel);
        modifiedTimer_->start(kModifiedPollMs);
    }
    UpdateModifiedPanel();
}

void MainWindow::UpdateModifiedPanel()
{
    QString text = stateText_;
    if (RecordsModified())
        text = stateText_.isEmpty() ? QStringLiteral("Modified") : QStringLiteral("Modified  ") + stateText_;
    static_cast<ElidedLabel*>(statusPanels_[1])->SetWholeText(text);
}

void MainWindow::mnuOptionsVerify_Click(bool on)
{
    mnuOptionsVerify_->setChecked(on);
    SettingsStore::StoreVerifyAfterWriting(on);
}

TransferSafety MainWindow::Safety()
{
    transferNotice_.clear();
    return {DataFolder(), mnuOptionsVerify_->isChecked(), [this](const QString& text) {
                transferNotice_ = text;
                SetHint(text);
            }};
}

}  // namespace quorlink
