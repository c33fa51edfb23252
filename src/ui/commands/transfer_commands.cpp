// SPDX-License-Identifier: GPL-3.0-or-later
// Program to Radio and Read from Radio, and the Options they run with. Beyond
// the four numbers, Options > SerialPort says which device each COMn means,
// and its dialog chooses it.
#include "transfer_commands.h"

#include "chosen_changes.h"
#include "comparison.h"
#include "document.h"
#include "menu_items.h"
#include "model.h"
#include "page_router.h"
#include "port_dialog.h"
#include "prompt.h"
#include "settings_store.h"
#include "transfer_dialog.h"

namespace quorlink {

TransferCommands::TransferCommands(const CommandContext& context) : WindowCommands(context) {}

void TransferCommands::AddOptionItems(QMenu* options)
{
    QMenu* ports = options->addMenu(tr("&SerialPort"));
    ports->setObjectName(QStringLiteral("mnuOptionsSerialPort"));
    for (int i = 0; i < 4; ++i) {
        serialPorts_[i] = ports->addAction(QStringLiteral("COM&%1").arg(i + 1));
        serialPorts_[i]->setObjectName(QStringLiteral("mnuOptionsSerialPort1(%1)").arg(i));
        serialPorts_[i]->setCheckable(true);
        connect(serialPorts_[i], &QAction::triggered, this, [this, i] { mnuOptionsSerialPort1_Click(i); });
    }
    AddSeparator(ports, "mnuOptionsSerialPortBar0");
    connect(AddAction(ports, "mnuOptionsSerialPortDevice", tr("&Device...")), &QAction::triggered, this,
            &TransferCommands::mnuOptionsSerialPortDevice_Click);
    ports->setToolTipsVisible(true);
    connect(ports, &QMenu::aboutToShow, this, &TransferCommands::UpdatePortHints);
    AddSeparator(options, "mnuOptionsBar1");
    mnuOptionsVerify_ = AddAction(options, "mnuOptionsVerify", tr("&Verify After Writing"));
    mnuOptionsVerify_->setCheckable(true);
    mnuOptionsVerify_->setChecked(SettingsStore::VerifyAfterWriting());
    connect(mnuOptionsVerify_, &QAction::triggered, this, &TransferCommands::mnuOptionsVerify_Click);
    mnuOptionsShowChanges_ = AddAction(options, "mnuOptionsShowChanges", tr("Show Changes Before &Writing"));
    mnuOptionsShowChanges_->setCheckable(true);
    mnuOptionsShowChanges_->setChecked(SettingsStore::ShowChangesBeforeWriting());
    connect(mnuOptionsShowChanges_, &QAction::triggered, this, [](bool on) {
        SettingsStore::StoreShowChangesBeforeWriting(on);
    });
}

void TransferCommands::mnuOptionsSerialPort1_Click(int index)
{
    document_.SetPortNumber(index + 1);
    for (int i = 0; i < 4; ++i)
        serialPorts_[i]->setChecked(i == index);
    if (window_->isVisible())
        SettingsStore::StorePortNumber(index + 1);
}

TransferSetup TransferCommands::TransferSetupNow()
{
    TransferSafety safety = Safety();
    safety.sendImageAsIs = document_.SendImageAsIs();
    return TransferSetup{transferTimings_, shell_.HelpFile(), SettingsStore::PortDevices(), safety};
}

bool TransferCommands::RunTransferDialog(TransferMode mode)
{
    TransferSetup setup = TransferSetupNow();
    if (mode != TransferMode::Read)
        return document_.WriteOut([&](Model& model) { return RunDialog(model, mode, setup); });
    // Edits are dropped only once a whole read is in hand to replace them.
    setup.safety.beforeReplacing = [this] { return document_.KeepDroppedEdits("read"); };
    Model read = model_;
    if (!RunDialog(read, mode, setup))
        return false;
    document_.ReplaceRecords([&read](Model& model) { model = std::move(read); }, {});
    return true;
}

bool TransferCommands::RunDialog(Model& model, TransferMode mode, const TransferSetup& setup)
{
    TransferDialog dialog(model, prompt_, log_, mode, setup, window_);
    dialog.exec();
    transferNotes_.clear();
    for (const std::string& note : dialog.Result().notes)
        transferNotes_ << QString::fromStdString(note);
    ShowTransferNotes(QString());
    return dialog.TransferDone();
}

// A backup that could not be kept is hinted at in panel 1, where a click in
// the tree replaces it, and stays in panel 2 after what the command did
// until the next command starts.
void TransferCommands::ShowTransferNotes(const QString& done)
{
    if (transferNotes_.isEmpty())
        return;
    shell_.SetHint(transferNotes_.last());
    QStringList shown = transferNotes_;
    if (!done.isEmpty())
        shown.prepend(done);
    shell_.SetStateText(shown.join(QStringLiteral("  ")), QString());
}

void TransferCommands::mnuTransferProgram_Click()
{
    if (!CommitPendingEdit())
        return;
    RunTransferDialog(TransferMode::Program);
}

void TransferCommands::mnuTransferRead_Click()
{
    if (!CommitPendingEdit())
        return;
    if (!RunTransferDialog(TransferMode::Read))
        return;
    pages_.ShowReplacedRecords();
    shell_.UpdateTitle();
    const QString done = tr("Read from the radio on COM%1").arg(model_.PortNumber);
    shell_.SetStateText(done, QString());
    ShowTransferNotes(done);  // the refreshed page put its own hint in panel 1
}

void TransferCommands::UpdatePortHints()
{
    const StoredDevices stored = SettingsStore::PortDevices();
    const QList<PortInfo> ports = portList_->Ports();
    for (int i = 0; i < 4; ++i)
        serialPorts_[i]->setToolTip(PortHint(i + 1, stored, ports));
}

void TransferCommands::mnuOptionsSerialPortDevice_Click()
{
    // A hand-edited port number outside 1..4 has no item; the dialog then chooses for COM1.
    const int number = model_.PortNumber >= 1 && model_.PortNumber <= 4 ? model_.PortNumber : 1;
    PortDialog dialog(*portList_, number, SettingsStore::PortDevices(), prompt_, window_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SettingsStore::StorePortDevice(number, dialog.ChosenDevice());
    if (number != model_.PortNumber)
        mnuOptionsSerialPort1_Click(number - 1);
    UpdatePortHints();
    prompt_.Message(tr("Serial Port"),
                    tr("COM%1 now means %2.")
                        .arg(number)
                        .arg(PortMeaning(number, SettingsStore::PortDevices(), portList_->Ports())),
                    MessageIcon::Information);
}

void TransferCommands::mnuOptionsVerify_Click(bool on)
{
    mnuOptionsVerify_->setChecked(on);
    SettingsStore::StoreVerifyAfterWriting(on);
}

TransferSafety TransferCommands::Safety()
{
    TransferSafety safety{document_.DataFolder(), mnuOptionsVerify_->isChecked()};
    // Without its before-write backup the radio's memory would be kept nowhere: asked, Cancel the default.
    safety.writeWithoutBackup = [this](const QString& text) {
        return prompt_.Message(ProgramTitle(), tr("%1\n\nWrite without it?").arg(text),
                               MessageIcon::Warning, MessageButtons::OkCancelSafe) == Answer::Ok;
    };
    safety.readFirst = mnuOptionsShowChanges_->isChecked();
    if (safety.readFirst)
        safety.approveChanges = [this](const Model& radio, Image& sent) { return ApproveWriteChanges(radio, sent); };
    return safety;
}

bool TransferCommands::ApproveWriteChanges(const Model& radio, Image& sent)
{
    const SideKind kind = document_.SendImageAsIs() ? SideKind::Image : SideKind::Data;
    const std::vector<Difference> changes = CompareModels({radio, SideKind::Image}, {model_, kind});
    std::vector<bool> ticked(changes.size(), true);
    if (!prompt_.ChooseChanges(ProgramTitle(), changes,
                               [this](const QString& key, const QString& field) {
                                   pages_.SelectNodeByKey(key);
                                   pages_.ShowField(key, field);
                               },
                               ticked))
        return false;
    // Some left out: the radio's own memory with the ticked changes in.
    if (std::find(ticked.begin(), ticked.end(), false) != ticked.end())
        sent = WithTicked(radio.MemoryImage, sent, changes, ticked);
    return true;
}

}  // namespace quorlink
