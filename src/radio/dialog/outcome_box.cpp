// SPDX-License-Identifier: GPL-3.0-or-later
#include "outcome_box.h"

#include "prompt.h"

namespace quorlink {

void ShowOutcome(Prompt& prompt, const Outcome& outcome)
{
    for (const Message& message : outcome.messages)
        prompt.Message(QString::fromStdString(message.title), QString::fromStdString(message.text), message.icon);
}

}  // namespace quorlink
