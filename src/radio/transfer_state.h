// SPDX-License-Identifier: GPL-3.0-or-later
// What a transfer run shares with the link's waits and the transfer dialog's
// Cancel button while it goes on. How the run ended is not kept here: every
// exchange and every run returns it.
#pragma once

namespace quorlink {

struct TransferState {
    // Cancel was pressed while a wait ran. Each attempt of an exchange starts
    // with it down, so a cancel counts only while a wait is running.
    bool CancelFlag = false;
    bool BusyFlag = false;  // a run is going on
};

// BusyFlag on for the length of a run, off again however it ends.
class BusyWhileRunning {
public:
    explicit BusyWhileRunning(TransferState& state) : state_(state) { state_.BusyFlag = true; }
    ~BusyWhileRunning() { state_.BusyFlag = false; }
    BusyWhileRunning(const BusyWhileRunning&) = delete;
    BusyWhileRunning& operator=(const BusyWhileRunning&) = delete;

private:
    TransferState& state_;
};

}  // namespace quorlink
