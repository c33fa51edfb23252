// SPDX-License-Identifier: GPL-3.0-or-later
#include "written_areas.h"

#include "image_layout.h"

#include <algorithm>
#include <iterator>

namespace quorlink {

namespace {

constexpr int kNeverWrittenBlocks[] = {0x0030, 0x0040, 0x01B0, 0x01C0, 0x01D0};
constexpr int kTailBlock = 0x0020;
constexpr int kTailFirst = 0x0025;
constexpr int kTailLast = 0x002F;

}  // namespace

BlockPlan WritePlanOf(int blockAddress)
{
    if (blockAddress == kTailBlock)
        return {BlockWrite::Tail, kTailFirst, kTailLast};
    if (std::find(std::begin(kNeverWrittenBlocks), std::end(kNeverWrittenBlocks), blockAddress) !=
        std::end(kNeverWrittenBlocks))
        return {BlockWrite::Never, 0, -1};
    return {BlockWrite::Whole, blockAddress, std::min(blockAddress + kWriteBlockSize, kImageSize) - 1};
}

bool IsWrittenAddress(int address)
{
    if (address < 0 || address >= kImageSize)
        return false;
    const BlockPlan plan = WritePlanOf(address - address % kWriteBlockSize);
    return plan.how != BlockWrite::Never && address >= plan.firstByte && address <= plan.lastByte;
}

}  // namespace quorlink
