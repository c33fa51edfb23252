// SPDX-License-Identifier: GPL-3.0-or-later
#include "difference_text.h"

#include "latin1.h"

namespace quorlink {

QString DifferenceText(const Difference& difference) { return ToQString(difference.Text()); }

}  // namespace quorlink
