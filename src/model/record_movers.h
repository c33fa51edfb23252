// SPDX-License-Identifier: GPL-3.0-or-later
// Moving channel records between list order (plan entries in use) and slot
// order (the 64 memory positions of a plan).
#pragma once

#include "plan.h"
#include "records.h"

namespace quorlink {

void CopyChannelRecord(const ChannelRecord& from, ChannelRecord& to);
// Every field except Position, DuplexSelectable and DispayA.
void CopyChannelState(const ChannelRecord& from, ChannelRecord& to);
// c empty records, each list record whose Position-1 is in 0..c-1 copied into
// its slot; of two records with one Position the later wins.
ChannelList ToSlotOrder(const ChannelList& list, int slotCount);
void FromSlotOrder(ChannelList& list, const ChannelList& slots, int slotCount);
void ClearDirectory(Directory& directory);
// The used entries run unbroken from entry 1; this counts them.
int CountUsedEntries(const Directory& directory);

}  // namespace quorlink
