// SPDX-License-Identifier: GPL-3.0-or-later
// The system's own words for a Windows error code (GetLastError).
#pragma once

#include <QString>

namespace quorlink {

QString WindowsErrorText(unsigned long error);

}  // namespace quorlink
