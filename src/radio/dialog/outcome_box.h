// SPDX-License-Identifier: GPL-3.0-or-later
// The window's one way to tell how a command ended.
#pragma once

#include "outcome.h"

namespace quorlink {

class Prompt;

// Each of the outcome's messages in a box of its own, in order.
void ShowOutcome(Prompt& prompt, const Outcome& outcome);

}  // namespace quorlink
