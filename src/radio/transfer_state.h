// SPDX-License-Identifier: GPL-3.0-or-later
// Where a transfer run stands, as its exchanges, the link's waits and the
// transfer dialog's Cancel button see it. The link holds it for the runs
// made on it.
#pragma once

#include "outcome.h"

namespace quorlink {

struct TransferState {
    bool ErrorFlag = false;   // the last exchange, or the run, failed
    bool CancelFlag = false;  // the user cancelled, or a fault of the port ended the run
    bool BusyFlag = false;    // a run is going on
};

// The outcome the flags stand for, with no message yet: a failure while
// ErrorFlag is up, else a cancel while CancelFlag is. A cancel in the middle
// of an exchange leaves ErrorFlag up as well, so it reads as a failure whose
// CancelFlag is set; only done matters to the callers.
inline Outcome Ended(const TransferState& state)
{
    Outcome outcome = Outcome::Done();
    if (state.ErrorFlag)
        outcome.kind = Outcome::Kind::Failed;
    else if (state.CancelFlag)
        outcome.kind = Outcome::Kind::Cancelled;
    outcome.ErrorFlag = state.ErrorFlag;
    outcome.CancelFlag = state.CancelFlag;
    return outcome;
}

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
