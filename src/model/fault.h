// SPDX-License-Identifier: GPL-3.0-or-later
// A fault a routine hands back to its caller instead of throwing. The user
// sees the number, two line breaks and the description.
#pragma once

#include "translatable.h"

#include <string>

namespace quorlink {

struct Fault {
    int number = 0;  // 0: no fault
    std::string description;

    explicit operator bool() const { return number != 0; }
};

// A value too wide for the byte it must go into.
inline Fault OverflowFault() { return Fault{6, QT_TRANSLATE_NOOP("Records", "Overflow")}; }

}  // namespace quorlink
