// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_areas.h"

#include "model.h"
#include "regions.h"

namespace quorlink {

namespace {

struct FixedArea {
    int first;
    int last;
    const char* name;
};

// Single settings and bitmaps; the per-channel and per-entry areas are worked out below.
constexpr FixedArea kFixedAreas[] = {
    {0, 1, "model code"},
    {13, 13, "ATIS switches"},
    {14, 14, "scan type, WX alert, dimmer, key beep, contrast"},
    {15, 15, "true/magnetic, time offset"},
    {16, 16, "DSC settings"},
    {19, 24, "A/B channels"},
    {37, 37, "scrambler"},
    {80, 87, "USA Enable bitmap"},
    {88, 95, "INT Enable bitmap"},
    {96, 103, "CAN Enable bitmap"},
    {104, 105, "WX Enable bitmap"},
    {106, 110, "EXP Enable bitmap"},
    {112, 119, "USA Scan bitmap"},
    {120, 127, "INT Scan bitmap"},
    {128, 135, "CAN Scan bitmap"},
    {136, 137, "WX Scan bitmap"},
    {138, 142, "EXP Scan bitmap"},
    {addr::UserMmsid, addr::UserMmsid + kDigitFieldBytes - 1, "user MMSI"},
    {addr::UserMmsiCount, addr::UserMmsiCount, "user MMSI count"},
    {addr::AtisNo, addr::AtisNo + kDigitFieldBytes - 1, "ATIS number"},
    {kImageSize - 2, kImageSize - 1, "model code"},
};

const char* const kRegionNames[] = {"USA", "INT", "CAN"};

std::string SlotName(const PlanTable& plan, int slot)
{
    const int index = slot + 1;
    if (index >= plan.first() && index <= plan.last() && plan.at(index).Available && !plan.at(index).Label.empty()) {
        const std::string& label = plan.at(index).Label;
        return "CH" + label.substr(0, label.find('['));
    }
    return "slot " + std::to_string(index);
}

std::string RegionArea(const Model& model, int address)
{
    for (Region region : kRegions) {
        const RegionLayout& layout = LayoutOf(region);
        const std::string prefix = std::string(kRegionNames[static_cast<int>(region)]) + ' ';
        if (address >= layout.flagStart && address < layout.flagStart + kSlotCount)
            return prefix + SlotName(model.Plan(region), address - layout.flagStart) + " settings";
        if (address >= layout.nameStart && address < layout.nameStart + kSlotCount * kSlotBytes)
            return prefix + SlotName(model.Plan(region), (address - layout.nameStart) / kSlotBytes) + " name";
    }
    return {};
}

std::string ListArea(const Model& model, int address)
{
    if (address >= addr::WxNames && address < addr::WxNames + kWxCount * kSlotBytes) {
        const std::string slot = SlotName(model.WxPlan, (address - addr::WxNames) / kSlotBytes);
        return (slot.rfind("CH", 0) == 0 ? slot.substr(2) : "WX " + slot) + " name";
    }
    if (address >= addr::ExpNames && address < addr::ExpNames + kExpCount * kSlotBytes)
        return "EXP channel " + std::to_string((address - addr::ExpNames) / kSlotBytes + 1) + " name";
    if (address >= addr::ExpEntries && address < addr::ExpEntries + 2 * kExpCount)
        return "EXP channel " + std::to_string((address - addr::ExpEntries) / 2 + 1) + " settings";
    for (DirectoryKind kind : {DirectoryKind::Individual, DirectoryKind::Group}) {
        const DirectoryLayout layout = LayoutOf(kind);
        if (address < layout.start || address >= layout.start + layout.count * kSlotBytes)
            continue;
        const int offset = (address - layout.start) % kSlotBytes;
        return std::string(kind == DirectoryKind::Individual ? "individual" : "group") + " directory " +
               std::to_string((address - layout.start) / kSlotBytes + 1) +
               (offset < kDigitFieldBytes ? " MMSI" : " name");
    }
    return {};
}

}  // namespace

std::string ImageAreaName(const Model& model, int address)
{
    for (const FixedArea& area : kFixedAreas)
        if (address >= area.first && address <= area.last)
            return area.name;
    if (std::string name = RegionArea(model, address); !name.empty())
        return name;
    if (std::string name = ListArea(model, address); !name.empty())
        return name;
    return "radio's own area";
}

}  // namespace quorlink
