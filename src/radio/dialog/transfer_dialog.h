// SPDX-License-Identifier: GPL-3.0-or-later
// frmRadio: the modal dialog every exchange with the radio runs in. It
// shows which way the data flows, waits for OK, runs the transfer with a
// progress bar, and closes itself after a success.
#pragma once

#include "clone_protocol.h"
#include "port_names.h"
#include "transfer_state.h"
#include "transfer_runs.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace quorlink {

class ErrorLog;
class SerialLink;
class Prompt;
struct Model;

struct TransferSetup {
    ProtocolTimings timings;  // the radio's defaults; tests shorten them
    QString helpFile;         // the main window's help file
    StoredDevices devices;    // the devices stored for COM1..COM4
    TransferSafety safety;    // backups and the check after a write
};

class TransferDialog : public QDialog {
    Q_OBJECT

public:
    TransferDialog(Model& model, Prompt& prompt, const ErrorLog& log, TransferMode mode, TransferSetup setup,
                   QWidget* parent = nullptr);

    bool TransferDone() const { return transferDone_; }
    // How the last run ended, as its boxes told it; its notes are for the
    // window to keep in view after the dialog.
    const Outcome& Result() const { return result_; }
    // A run is going on, or its outcome is being shown: Cancel cancels it, closing is refused.
    bool Busy() const { return run_ != nullptr && run_->BusyFlag; }
    // The bar's position for p percent: W * p / 100 - W, so 0 hides it and 100 fills the frame.
    void SetProgress(int percent);
    int Progress() const { return progress_; }

    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    Outcome RunTransfer(SerialLink& link);
    void SetPassText(const QString& text);

    Model& model_;
    Prompt& prompt_;
    const ErrorLog& log_;
    TransferMode mode_;
    TransferSetup setup_;
    QWidget* pictProgress_ = nullptr;
    QLabel* lblPercent_ = nullptr;
    QLabel* lblPass_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    int progress_ = 0;
    bool transferDone_ = false;
    Outcome result_;
    TransferState* run_ = nullptr;  // the running transfer's, while there is one
    bool writing_ = false;          // the run is in its write pass
    bool waitingForRadio_ = false;  // no byte has come from the radio yet
};

}  // namespace quorlink
