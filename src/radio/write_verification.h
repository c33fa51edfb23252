// SPDX-License-Identifier: GPL-3.0-or-later
// The check after a write: the radio is read back where the write sent
// bytes, and only an exact match counts as a completed write.
#pragma once

#include "clone_protocol.h"
#include "image_layout.h"
#include "outcome.h"

#include <QString>
#include <vector>

namespace quorlink {

class CloneProtocol;
struct Model;

// Addresses the write sends where the two images differ, or whose block
// was never answered: only a byte read back counts as written.
std::vector<int> WrittenDifferences(const Image& sent, const Image& readBack, const BlockSet& taken);
// "Verify Error!!", how many bytes differ and where.
QString VerifyErrorText(const Model& model, const std::vector<int>& differences);

enum class Verification {
    Matched,
    Differs,  // the outcome's "Verify Error!!" says where
    NotRead,  // cancelled, or the read-back failed and its outcome says why
};

struct WriteCheck {
    Verification verdict;
    Outcome outcome;  // done only when matched
};

// Reads back what MemoryImage's write sent and compares. A mismatch fails
// with "Verify Error!!"; a failed read-back says its communication error.
WriteCheck VerifyWrite(CloneProtocol& protocol);

// The same for a clear: the user-MMSI count byte must read back as written.
WriteCheck VerifyClear(CloneProtocol& protocol);

}  // namespace quorlink
