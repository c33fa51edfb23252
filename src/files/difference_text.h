// SPDX-License-Identifier: GPL-3.0-or-later
// One difference of a comparison as a line in the user's language, for the
// change lists of the window and the command line.
#pragma once

#include "comparison.h"

#include <QString>

namespace quorlink {

QString DifferenceText(const Difference& difference);

}  // namespace quorlink
