// SPDX-License-Identifier: GPL-3.0-or-later
// The check after a write: the radio is read back where the write sent
// bytes, and only an exact match counts as a completed write.
#pragma once

#include "image_layout.h"

#include <QString>
#include <vector>

namespace quorlink {

class CloneProtocol;
struct Model;

// Addresses the write sends where the two images differ.
std::vector<int> WrittenDifferences(const Image& sent, const Image& readBack);
// "Verify Error!!", how many bytes differ and where.
QString VerifyErrorText(const Model& model, const std::vector<int>& differences);

// Reads back what MemoryImage's write sent and compares. A mismatch sets
// ErrorFlag and shows the "Verify Error!!" box; a failed read-back shows
// its communication error. True only on a full match.
bool VerifyWrite(CloneProtocol& protocol);

}  // namespace quorlink
