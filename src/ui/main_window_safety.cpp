// SPDX-License-Identifier: GPL-3.0-or-later
// What keeps the user's work: recovery copies of edits a command is about to
// drop, the "Modified" panel, and the backups and check of each transfer.
#include "main_window.h"

#include "comparison.h"
#include "elided_label.h"
#include "model.h"
#include "prompt.h"
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

// No question is asked while the copy can be kept: the commands that drop
// edits never asked one. Only a copy that failed leaves the choice to the user.
bool MainWindow::KeepDroppedEdits(const char* what)
{
    if (!RecordsModified())
        return true;
    const StampedFile copy = SaveRecoveryCopy(model_, DataFolder(), QString::fromLatin1(what));
    if (copy.failure.isEmpty())
        return true;
    return prompt_.Message(QStringLiteral("Recovery Copy"),
                           QStringLiteral("The edits not yet saved could not be kept as a recovery copy:\n%1\n\n"
                                          "Press OK to go on and drop them, Cancel to keep them.")
                               .arg(copy.failure),
                           MessageIcon::Warning, MessageButtons::OkCancelSafe) == Answer::Ok;
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
    TransferSafety safety{DataFolder(), mnuOptionsVerify_->isChecked(), [this](const QString& text) {
                              transferNotice_ = text;
                              SetHint(text);
                          }};
    safety.readFirst = mnuOptionsShowChanges_->isChecked();
    if (safety.readFirst)
        safety.approveChanges = [this](const Model& radio) { return ApproveWriteChanges(radio); };
    return safety;
}

bool MainWindow::ApproveWriteChanges(const Model& radio)
{
    return prompt_.ConfirmChanges(QStringLiteral("Program to Radio"), CompareModels(radio, model_),
                                  [this](const QString& key, const QString& field) {
                                      SelectNodeByKey(key);
                                      ShowField(key, field);
                                  });
}

}  // namespace quorlink
