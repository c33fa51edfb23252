// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_areas.h"

#include "memory_map.h"
#include "model.h"
#include "translatable.h"

namespace quorlink {

namespace {

// The label a slot's channel shows ("16", "WX01"); empty for a slot of no channel.
std::string SlotLabel(const PlanTable& plan, int slot)
{
    const int index = slot + 1;
    if (index >= plan.first() && index <= plan.last() && plan.at(index).Available && !plan.at(index).Label.empty()) {
        const std::string& label = plan.at(index).Label;
        return label.substr(0, label.find('['));
    }
    return {};
}

TextTemplate ChannelWords(const MemoryArea& area, const PlanTable& plan, int slot, bool name)
{
    const std::string label = SlotLabel(plan, slot);
    if (!label.empty())
        return {name ? QT_TRANSLATE_NOOP("Records", "%1 CH%2 name")
                     : QT_TRANSLATE_NOOP("Records", "%1 CH%2 settings"),
                {area.name, label}};
    return {name ? QT_TRANSLATE_NOOP("Records", "%1 slot %2 name") : QT_TRANSLATE_NOOP("Records", "%1 slot %2 settings"),
            {area.name, std::to_string(slot + 1)}};
}

TextTemplate WxWords(const Model& model, int slot)
{
    const std::string label = SlotLabel(model.WxPlan, slot);
    if (!label.empty())
        return {QT_TRANSLATE_NOOP("Records", "%1 name"), {label}};
    return {QT_TRANSLATE_NOOP("Records", "WX slot %1 name"), {std::to_string(slot + 1)}};
}

}  // namespace

TextTemplate ImageAreaWords(const Model& model, int address)
{
    const MemoryArea& area = AreaAt(address);
    const int offset = address - area.start;
    const int slot = area.slotBytes > 0 ? offset / area.slotBytes : 0;
    const std::string number = std::to_string(slot + 1);
    const PlanTable& plan = model.Plan(static_cast<Region>(area.region));
    switch (area.holds) {
    case Holds::Value:
    case Holds::RadioOwn: break;
    case Holds::ChannelFlags: return ChannelWords(area, plan, slot, false);
    case Holds::ChannelNames: return ChannelWords(area, plan, slot, true);
    case Holds::WxNames: return WxWords(model, slot);
    case Holds::ExpNames: return {QT_TRANSLATE_NOOP("Records", "EXP channel %1 name"), {number}};
    case Holds::ExpEntries: return {QT_TRANSLATE_NOOP("Records", "EXP channel %1 settings"), {number}};
    case Holds::Directory:
        return {offset % area.slotBytes < kDigitFieldBytes ? QT_TRANSLATE_NOOP("Records", "%1 directory %2 MMSI")
                                                           : QT_TRANSLATE_NOOP("Records", "%1 directory %2 name"),
                {area.name, number}};
    }
    return {area.name, {}};
}

std::string ImageAreaName(const Model& model, int address) { return Filled(ImageAreaWords(model, address)); }

}  // namespace quorlink
