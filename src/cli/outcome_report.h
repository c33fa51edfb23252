// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's one way to tell how a command ended.
#pragma once

#include "outcome.h"

namespace quorlink {
class Prompt;
}

namespace quorlink::cli {

// Each of the outcome's notes as a line of the program's own ("quorlink-cli:
// ..."), each of its messages as a line, then the system's reason for a
// fault, which a box would leave out ("Reason: ..."). True when it is done.
bool ReportOutcome(Prompt& prompt, const Outcome& outcome);

}  // namespace quorlink::cli
