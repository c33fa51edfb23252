// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor puts right in records it did not make itself (a file, a
// read, an image), once, where they come in: a setting that its list shows
// as another entry, an A channel the A list cannot offer, a B channel
// without an A, an EXP channel's duplex choice that its plan entry does not
// allow. The pages then only show the records.
#pragma once

#include <string>

namespace quorlink {

struct Model;

// The Contrast list's levels, 0 up.
constexpr int kContrastLevels = 8;

// Whether the A and B lists offer the channel whose plan label is label:
// never calling, distress or DSC.
bool OfferedAsAB(const std::string& label);

// Puts model's records right as above; records already right stay as they are.
void RepairLoadedRecords(Model& model);

}  // namespace quorlink
