// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed channel plans: what every channel is, and the defaults new
// records start from.
#pragma once

#include "channel_record.h"
#include "records.h"

#include <string>
#include <vector>

namespace quorlink {

struct PlanEntry {
    bool Available = false;
    std::string Label;         // e.g. "01A", "WX01[162.550MHz]"; empty for EXP
    double TxFreq = 0;         // MHz; 0: cannot transmit
    double RxFreq = 0;
    double DuplexRxFreq = 0;   // 0: no duplex receive frequency
    bool DefaultDuplex = false;
    bool DefaultLowPower = false;
    std::string DefaultTag;
};

// A plan with a fixed index range first..last. Unfilled entries are all zero.
// An index outside the range throws std::out_of_range.
class PlanTable {
public:
    PlanTable(int first, int last);
    const PlanEntry& at(int index) const;
    PlanEntry& at(int index);
    int first() const { return first_; }
    int last() const { return first_ + static_cast<int>(entries_.size()) - 1; }

private:
    std::size_t Offset(int index) const;
    int first_;
    std::vector<PlanEntry> entries_;
};

using ChannelList = std::vector<ChannelRecord>;

void SetPlanEntry(PlanTable& table, int index, const std::string& label, double txFreq,
                  double rxFreq, double duplexRxFreq, bool defaultDuplex, bool defaultLowPower,
                  const std::string& defaultTag, bool available);

void BuildUsaPlan(PlanTable& table);
void BuildIntPlan(PlanTable& table);
void BuildCanPlan(PlanTable& table);
void BuildWxPlan(PlanTable& table);
void BuildExpPlan(PlanTable& table);

// One record per available entry, in plan order, with the plan's defaults.
void ChannelsFromPlan(ChannelList& list, const PlanTable& plan, bool programmable);
void ExpChannelDefaults(ChannelRecord& record, const PlanTable& expPlan);
void ResetExpChannels(OneBased<ChannelRecord>& expChannels, const PlanTable& expPlan);

}  // namespace quorlink
