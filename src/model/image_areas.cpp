// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_areas.h"

#include "memory_map.h"
#include "model.h"

namespace quorlink {

namespace {

std::string SlotName(const PlanTable& plan, int slot)
{
    const int index = slot + 1;
    if (index >= plan.first() && index <= plan.last() && plan.at(index).Available && !plan.at(index).Label.empty()) {
        const std::string& label = plan.at(index).Label;
        return "CH" + label.substr(0, label.find('['));
    }
    return "slot " + std::to_string(index);
}

std::string WxName(const Model& model, int slot)
{
    const std::string name = SlotName(model.WxPlan, slot);
    return name.rfind("CH", 0) == 0 ? name.substr(2) : "WX " + name;
}

}  // namespace

std::string ImageAreaName(const Model& model, int address)
{
    const MemoryArea& area = AreaAt(address);
    const int offset = address - area.start;
    const int slot = area.slotBytes > 0 ? offset / area.slotBytes : 0;
    const std::string list = area.name;
    const PlanTable& plan = model.Plan(static_cast<Region>(area.region));
    switch (area.holds) {
    case Holds::Value:
    case Holds::RadioOwn: break;
    case Holds::ChannelFlags: return list + ' ' + SlotName(plan, slot) + " settings";
    case Holds::ChannelNames: return list + ' ' + SlotName(plan, slot) + " name";
    case Holds::WxNames: return WxName(model, slot) + " name";
    case Holds::ExpNames: return "EXP channel " + std::to_string(slot + 1) + " name";
    case Holds::ExpEntries: return "EXP channel " + std::to_string(slot + 1) + " settings";
    case Holds::Directory:
        return list + " directory " + std::to_string(slot + 1) +
               (offset % area.slotBytes < kDigitFieldBytes ? " MMSI" : " name");
    }
    return area.name;
}

}  // namespace quorlink
