// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan.h"

#include <stdexcept>

namespace quorlink {

PlanTable::PlanTable(int first, int last)
    : first_(first), entries_(static_cast<std::size_t>(last - first + 1))
{
}

std::size_t PlanTable::Offset(int index) const
{
    if (index < first_)
        throw std::out_of_range("plan index below range");
    return static_cast<std::size_t>(index - first_);
}

const PlanEntry& PlanTable::at(int index) const { return entries_.at(Offset(index)); }
PlanEntry& PlanTable::at(int index) { return entries_.at(Offset(index)); }

void SetPlanEntry(PlanTable& table, int index, const std::string& label, double txFreq,
                  double rxFreq, double duplexRxFreq, bool defaultDuplex, bool defaultLowPower,
                  const std::string& defaultTag, bool available)
{
    PlanEntry& entry = table.at(index);
    entry.Label = label;
    entry.TxFreq = txFreq;
    entry.RxFreq = rxFreq;
    entry.DuplexRxFreq = duplexRxFreq;
    entry.DefaultDuplex = defaultDuplex;
    entry.DefaultLowPower = defaultLowPower;
    entry.DefaultTag = defaultTag;
    entry.Available = available;
}

namespace {
bool EndsInA(const std::string& label) { return !label.empty() && label.back() == 'A'; }
}  // namespace

void ChannelsFromPlan(ChannelList& list, const PlanTable& plan, bool programmable)
{
    list.clear();
    for (int i = plan.first() < 1 ? 1 : plan.first(); i <= plan.last(); ++i) {
        const PlanEntry& entry = plan.at(i);
        if (!entry.Available)
            continue;
        ChannelRecord record;
        record.Position = static_cast<std::int16_t>(i);
        record.Enable = true;
        record.LowPower = entry.DefaultLowPower;
        record.PowUp = false;
        record.Duplex = entry.DefaultDuplex;
        record.DuplexSelectable = programmable ? false : entry.DefaultDuplex;
        record.TxEnable = entry.TxFreq > 0;
        record.DispayA = EndsInA(entry.Label);
        record.ScanMemory = false;
        record.VsMemory = false;
        record.ChTag = entry.DefaultTag;
        list.push_back(record);
    }
}

void ExpChannelDefaults(ChannelRecord& record, const PlanTable& expPlan)
{
    const PlanEntry& entry = expPlan.at(record.Position);
    record.Enable = true;
    record.PowUp = false;
    record.LowPower = entry.DefaultLowPower;
    record.DuplexSelectable = entry.DefaultDuplex;
    record.Duplex = false;
    if (entry.TxFreq > 0)
        record.TxEnable = true;
    if (EndsInA(entry.Label))
        record.DispayA = true;
    record.ScanMemory = false;
    record.VsMemory = false;
    record.ChTag = entry.DefaultTag;
}

void ResetExpChannels(OneBased<ChannelRecord>& expChannels, const PlanTable& expPlan)
{
    for (ChannelRecord& record : expChannels.items()) {
        record.Position = 0;
        ExpChannelDefaults(record, expPlan);
    }
}

}  // namespace quorlink
