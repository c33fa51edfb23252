// SPDX-License-Identifier: GPL-3.0-or-later
// The table of MIDs the program ships, read from its resources.
#pragma once

#include "mmsi.h"

namespace quorlink {

// Empty when the resource is missing or spoilt; the notes then name no country.
MidTable LoadShippedMidTable();

}  // namespace quorlink
