// SPDX-License-Identifier: GPL-3.0-or-later
#include "outcome.h"

#include "model.h"

namespace quorlink {

void LeaveFlags(Model& model, const Outcome& outcome, FlagsSet flags)
{
    if (flags == FlagsSet::ErrorAndCancel && !outcome.cancelled())
        model.ErrorFlag = outcome.failed();
    if (outcome.cancelled() || (outcome.failed() && outcome.fault))
        model.CancelFlag = true;
}

}  // namespace quorlink
