// SPDX-License-Identifier: GPL-3.0-or-later
// How a command ended: done, failed, or cancelled by the user. The one
// thing a caller checks; the shared flags follow from it in LeaveFlags.
#pragma once

#include "fault.h"
#include <utility>

namespace quorlink {

struct Model;

struct Outcome {
    enum class Kind { Done, Failed, Cancelled };

    Kind kind = Kind::Done;
    // The system's reason for a failure. Empty when the command itself has
    // already told the user why (a file of the other model, say).
    Fault fault;

    static Outcome Done() { return {}; }
    static Outcome Failed(Fault why = {}) { return {Kind::Failed, std::move(why)}; }
    static Outcome Cancelled() { return {Kind::Cancelled, {}}; }

    bool done() const { return kind == Kind::Done; }
    bool failed() const { return kind == Kind::Failed; }
    bool cancelled() const { return kind == Kind::Cancelled; }
};

// Which shared flags a command answers for: the raw image save leaves
// ErrorFlag to whoever set it last.
enum class FlagsSet { ErrorAndCancel, CancelOnly };

// Leaves ErrorFlag and CancelFlag as the ended command's outcome says, for
// whatever looks at them next: done clears ErrorFlag, cancelled raises
// CancelFlag, a failure raises ErrorFlag and, when a fault ended it,
// CancelFlag as well.
void LeaveFlags(Model& model, const Outcome& outcome, FlagsSet flags = FlagsSet::ErrorAndCancel);

}  // namespace quorlink
