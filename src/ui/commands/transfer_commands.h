// SPDX-License-Identifier: GPL-3.0-or-later
// Transfer > Program to Radio and Read from Radio, the serial port and the
// options every transfer runs with.
#pragma once

#include "clone_protocol.h"
#include "command_shell.h"
#include "port_names.h"
#include "transfer_runs.h"
#include "transfer_safety.h"

#include <QCoreApplication>
#include <QStringList>

class QAction;
class QMenu;

namespace quorlink {

struct TransferSetup;

class TransferCommands : public WindowCommands {
    Q_DECLARE_TR_FUNCTIONS(TransferCommands)

public:
    explicit TransferCommands(const CommandContext& context);

    // Options > SerialPort, Verify After Writing and Show Changes Before Writing.
    void AddOptionItems(QMenu* options);
    void mnuTransferProgram_Click();
    void mnuTransferRead_Click();
    void mnuOptionsSerialPort1_Click(int index);
    // Runs a transfer in the dialog. True when it completed; a completed read
    // has replaced the records.
    bool RunTransferDialog(TransferMode mode);
    // The timings, help file, stored port devices, backups and check a transfer runs with now.
    TransferSetup TransferSetupNow();

    void SetTransferTimings(const ProtocolTimings& timings) { transferTimings_ = timings; }
    // Replaces the system's list of serial ports (tests fill their own).
    void SetPortList(const PortList* ports) { portList_ = ports ? ports : &systemPorts_; }

private:
    void mnuOptionsSerialPortDevice_Click();
    void mnuOptionsVerify_Click(bool on);
    // Names the device behind each COM item in its tooltip.
    void UpdatePortHints();
    TransferSafety Safety();
    // The dialog, run on model; true when the transfer completed.
    bool RunDialog(Model& model, TransferMode mode, const TransferSetup& setup);
    // The last transfer's notes, after done (what the command did, if it says so).
    void ShowTransferNotes(const QString& done);
    // The write's change list, after the read that comes first; true writes.
    bool ApproveWriteChanges(const Model& radio, Image& sent);

    QAction* serialPorts_[4] = {};
    QAction* mnuOptionsVerify_ = nullptr;
    QAction* mnuOptionsShowChanges_ = nullptr;
    ProtocolTimings transferTimings_;
    SystemPortList systemPorts_;
    const PortList* portList_ = &systemPorts_;
    QStringList transferNotes_;  // the backups the last transfer could not keep
};

}  // namespace quorlink
