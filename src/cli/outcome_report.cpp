// SPDX-License-Identifier: GPL-3.0-or-later
#include "outcome_report.h"

#include "latin1.h"
#include "prompt.h"

namespace quorlink::cli {

bool ReportOutcome(Prompt& prompt, const Outcome& outcome)
{
    for (const Message& message : outcome.messages)
        prompt.Message(QString::fromStdString(message.title), QString::fromStdString(message.text), message.icon);
    if (outcome.fault)
        prompt.Message(QStringLiteral("Reason"), ToQString(outcome.fault.description), MessageIcon::None);
    return outcome.done();
}

}  // namespace quorlink::cli
