// SPDX-License-Identifier: GPL-3.0-or-later
// What a write to the radio sends, block by block, as the memory map says
// of each area. The radio keeps some areas for itself (calibration and the
// like): a write leaves whole blocks of them alone and sends one block only
// from its tail on, byte by byte.
#pragma once

#include "image_layout.h"

namespace quorlink {

enum class BlockWrite {
    Whole,  // one block frame
    Tail,   // single-byte frames for firstByte..lastByte
    Never,  // the radio's own
};

struct BlockPlan {
    BlockWrite how = BlockWrite::Whole;
    int firstByte = 0;
    int lastByte = 0;
};

// The plan for the block that starts at blockAddress.
BlockPlan WritePlanOf(int blockAddress);

// Whether a write sends the byte at address.
bool IsWrittenAddress(int address);

}  // namespace quorlink
