// SPDX-License-Identifier: GPL-3.0-or-later
#include "outcome_report.h"

#include "latin1.h"
#include "prompt.h"
#include "file_fault.h"

#include <QCoreApplication>

namespace quorlink::cli {

namespace {

struct CliOutcomeTexts {
    Q_DECLARE_TR_FUNCTIONS(CliOutcomeTexts)
};

}  // namespace

bool ReportOutcome(Prompt& prompt, const Outcome& outcome)
{
    for (const std::string& note : outcome.notes)
        prompt.Message(QStringLiteral("quorlink-cli"), QString::fromStdString(note), MessageIcon::Warning);
    for (const Message& message : outcome.messages)
        prompt.Message(QString::fromStdString(message.title), QString::fromStdString(message.text), message.icon);
    if (outcome.fault)
        prompt.Message(CliOutcomeTexts::tr("Reason"), FaultText(outcome.fault), MessageIcon::None);
    return outcome.done();
}

}  // namespace quorlink::cli
