// SPDX-License-Identifier: GPL-3.0-or-later
#include "loaded_records.h"

#include "model.h"
#include "setting_texts.h"

namespace quorlink {

namespace {

// Channels that are never offered as A or B: calling, distress and DSC.
constexpr int kNeverOffered[] = {9, 16, 70};

int LeadingNumber(const std::string& label)
{
    int number = 0;
    for (char c : label) {
        if (c < '0' || c > '9')
            break;
        number = number * 10 + (c - '0');
    }
    return number;
}

// Whether the A list of region offers slot a (the list leaves out the B channel).
bool AOffered(const Model& model, Region region, int a)
{
    const PlanTable& plan = model.Plan(region);
    const int excluded = model.Special.Bch(region);
    for (const ChannelRecord& record : model.Channels(region)) {
        if (record.Position != a + 1 || record.Position < plan.first() || record.Position > plan.last())
            continue;
        if (record.Enable && record.Position != excluded + 1 && OfferedAsAB(plan.at(record.Position).Label))
            return true;
    }
    return false;
}

struct ListSetting {
    std::int16_t CommonSettings::*value;
    SettingChoices choices;  // only count and the two mappings count here
};
const ListSetting kListSettings[] = {
    {&CommonSettings::Contrast, {nullptr, kContrastLevels, SamePosition, SamePosition}},
    {&CommonSettings::Dimmer, kDimmerChoices},
    {&CommonSettings::OffsetTime, {nullptr, kOffsetTimeCount, SamePosition, SamePosition}},
    {&CommonSettings::ScanType, kScanTypeChoices},
    {&CommonSettings::Scrambler, kScramblerChoices},
    {&CommonSettings::Ind, kRingerChoices},
};

// A value that stands in its list for another entry's becomes that entry's
// value; one that stands for no entry stays.
void RepairListSettings(CommonSettings& settings)
{
    for (const ListSetting& row : kListSettings) {
        std::int16_t& value = settings.*(row.value);
        const int position = row.choices.toPosition(value);
        if (position >= 0 && position < row.choices.count)
            value = static_cast<std::int16_t>(row.choices.toValue(position));
    }
}

void RepairAB(Model& model)
{
    constexpr int kNone = SpecialChannels::kNone;
    SpecialChannels& s = model.Special;
    for (Region region : kRegions) {
        if (s.Ach(region) != kNone && !AOffered(model, region, s.Ach(region)))
            s.Ach(region) = kNone;
        if (s.Ach(region) == kNone)
            s.Bch(region) = kNone;
    }
}

// Duplex is offered only where the plan entry allows it; the choice is never stored.
void RepairExpDuplex(Model& model)
{
    const PlanTable& plan = model.ExpPlan;
    for (int n = 1; n <= model.ExpChannels.size(); ++n) {
        ChannelRecord& record = model.ExpChannels.at(n);
        const bool known = record.Position >= plan.first() && record.Position <= plan.last();
        record.DuplexSelectable = known && plan.at(record.Position).DefaultDuplex;
    }
}

}  // namespace

bool OfferedAsAB(const std::string& label)
{
    for (int n : kNeverOffered)
        if (LeadingNumber(label) == n)
            return false;
    return true;
}

void RepairLoadedRecords(Model& model)
{
    RepairListSettings(model.Settings);
    RepairAB(model);
    RepairExpDuplex(model);
}

}  // namespace quorlink
