// SPDX-License-Identifier: GPL-3.0-or-later
// One channel's editable state, as the pages, the data file and the image see it.
#pragma once

#include <cstdint>
#include <string>

namespace quorlink {

struct ChannelRecord {
    // Programmable and WX channels: 1-based entry in the plan (= memory slot + 1).
    // EXP channels: index 0..281 of the chosen frequency.
    std::int16_t Position = 0;
    bool Enable = false;
    bool LowPower = false;
    bool PowUp = false;
    bool Duplex = false;
    bool DuplexSelectable = false;  // from the plan; never stored
    bool TxEnable = false;
    bool DispayA = false;
    bool ScanMemory = false;
    bool VsMemory = false;
    std::string ChTag;

    bool operator==(const ChannelRecord& other) const;
    bool operator!=(const ChannelRecord& other) const { return !(*this == other); }
};

}  // namespace quorlink
