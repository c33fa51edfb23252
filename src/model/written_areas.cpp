// SPDX-License-Identifier: GPL-3.0-or-later
#include "written_areas.h"

#include "memory_map.h"

#include <algorithm>

namespace quorlink {

// A block with a byte sent singly is sent from its first to its last such
// byte; one with every byte the radio's is left alone; any other goes whole.
BlockPlan WritePlanOf(int blockAddress)
{
    const int end = std::min(blockAddress + kBlockSize, kImageSize);
    int firstSingle = -1;
    int lastSingle = -1;
    bool anySent = false;
    for (int a = blockAddress; a < end; ++a) {
        const Sent sent = AreaAt(a).sent;
        if (sent == Sent::Singly) {
            firstSingle = firstSingle < 0 ? a : firstSingle;
            lastSingle = a;
        }
        anySent = anySent || sent != Sent::Never;
    }
    if (firstSingle >= 0)
        return {BlockWrite::Tail, firstSingle, lastSingle};
    if (!anySent)
        return {BlockWrite::Never, 0, -1};
    return {BlockWrite::Whole, blockAddress, end - 1};
}

bool IsWrittenAddress(int address)
{
    if (address < 0 || address >= kImageSize)
        return false;
    const BlockPlan plan = WritePlanOf(address - address % kBlockSize);
    return plan.how != BlockWrite::Never && address >= plan.firstByte && address <= plan.lastByte;
}

}  // namespace quorlink
