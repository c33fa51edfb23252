// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_movers.h"

namespace quorlink {

void CopyChannelRecord(const ChannelRecord& from, ChannelRecord& to) { to = from; }

void CopyChannelState(const ChannelRecord& from, ChannelRecord& to)
{
    to.Enable = from.Enable;
    to.LowPower = from.LowPower;
    to.PowUp = from.PowUp;
    to.Duplex = from.Duplex;
    to.TxEnable = from.TxEnable;
    to.ScanMemory = from.ScanMemory;
    to.VsMemory = from.VsMemory;
    to.ChTag = from.ChTag;
}

namespace {
bool InSlots(const ChannelRecord& record, int slotCount)
{
    return record.Position >= 1 && record.Position <= slotCount;
}
}  // namespace

ChannelList ToSlotOrder(const ChannelList& list, int slotCount)
{
    ChannelList slots(static_cast<std::size_t>(slotCount));
    for (const ChannelRecord& record : list)
        if (InSlots(record, slotCount))
            CopyChannelRecord(record, slots.at(static_cast<std::size_t>(record.Position - 1)));
    return slots;
}

void FromSlotOrder(ChannelList& list, const ChannelList& slots, int slotCount)
{
    for (ChannelRecord& record : list)
        if (InSlots(record, slotCount))
            CopyChannelState(slots.at(static_cast<std::size_t>(record.Position - 1)), record);
}

void ClearDirectory(Directory& directory)
{
    for (DirectoryEntry& entry : directory.items())
        entry = DirectoryEntry{};
}

int CountUsedEntries(const Directory& directory)
{
    for (int i = 1; i <= directory.size(); ++i)
        if (!directory.at(i).Enable)
            return i - 1;
    return directory.size();
}

}  // namespace quorlink
