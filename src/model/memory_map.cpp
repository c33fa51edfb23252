// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory_map.h"

#include "regions.h"
#include "translatable.h"

#include <algorithm>
#include <array>

namespace quorlink {

namespace {

constexpr const char* kSettings = "settings";
constexpr const char* kChannels = "channels";
constexpr const char* kWx = "wx";
constexpr const char* kExp = "exp";

constexpr MemoryArea Value(int start, int size, const char* name, const char* part, Sent sent = Sent::Whole)
{
    return {start, size, Holds::Value, name, 0, 0, sent, part};
}

constexpr MemoryArea Own(int start, int size, Sent sent)
{
    return {start, size, Holds::RadioOwn, QT_TRANSLATE_NOOP("Records", "radio's own area"), 0, 0, sent, "other"};
}

constexpr MemoryArea List(Holds holds, int start, int count, int slotBytes, const char* name, const char* part,
                          int region = 0)
{
    return {start, count * slotBytes, holds, name, region, slotBytes, Sent::Whole, part};
}

constexpr const RegionLayout& kUsa = kRegionLayouts[0];
constexpr const RegionLayout& kInt = kRegionLayouts[1];
constexpr const RegionLayout& kCan = kRegionLayouts[2];
constexpr int kNameBytes = kSlotBytes;
// The scrambler shares its block with calibration the radio keeps: a write
// sends it and the rest of the block after it byte by byte.
constexpr int kScramblerBlock = 0x20;
constexpr int kScramblerBlockEnd = 0x30;

const MemoryArea kAreas[] = {
    Value(addr::ModelCodeHead, 2, QT_TRANSLATE_NOOP("Records", "model code"), kSettings),
    Value(addr::AtisFlags, 1, QT_TRANSLATE_NOOP("Records", "ATIS switches"), kSettings),
    Value(addr::DisplayAndScan, 1, QT_TRANSLATE_NOOP("Records", "scan type, WX alert, dimmer, key beep, contrast"),
          kSettings),
    Value(addr::TrueMagAndOffset, 1, QT_TRANSLATE_NOOP("Records", "true/magnetic, time offset"), kSettings),
    Value(addr::DscFlags, 1, QT_TRANSLATE_NOOP("Records", "DSC settings"), kSettings),
    Value(kUsa.achByte, 2 * 3, QT_TRANSLATE_NOOP("Records", "A/B channels"), "ab"),
    Own(kScramblerBlock, addr::Scrambler - kScramblerBlock, Sent::Never),
    Value(addr::Scrambler, 1, QT_TRANSLATE_NOOP("Records", "scrambler"), kSettings, Sent::Singly),
    Own(addr::Scrambler + 1, kScramblerBlockEnd - addr::Scrambler - 1, Sent::Singly),
    Own(0x0030, 0x20, Sent::Never),
    Value(kUsa.enableStart, kPlanBitmapBytes, QT_TRANSLATE_NOOP("Records", "USA Enable bitmap"), kChannels),
    Value(kInt.enableStart, kPlanBitmapBytes, QT_TRANSLATE_NOOP("Records", "INT Enable bitmap"), kChannels),
    Value(kCan.enableStart, kPlanBitmapBytes, QT_TRANSLATE_NOOP("Records", "CAN Enable bitmap"), kChannels),
    Value(addr::WxEnable, kWxBitmapBytes, QT_TRANSLATE_NOOP("Records", "WX Enable bitmap"), kWx),
    Value(addr::ExpEnable, kExpBitmapBytes, QT_TRANSLATE_NOOP("Records", "EXP Enable bitmap"), kExp),
    Value(kUsa.scanStart, kPlanBitmapBytes, QT_TRANSLATE_NOOP("Records", "USA Scan bitmap"), kChannels),
    Value(kInt.scanStart, kPlanBitmapBytes, QT_TRANSLATE_NOOP("Records", "INT Scan bitmap"), kChannels),
    Value(kCan.scanStart, kPlanBitmapBytes, QT_TRANSLATE_NOOP("Records", "CAN Scan bitmap"), kChannels),
    Value(addr::WxScan, kWxBitmapBytes, QT_TRANSLATE_NOOP("Records", "WX Scan bitmap"), kWx),
    Value(addr::ExpScan, kExpBitmapBytes, QT_TRANSLATE_NOOP("Records", "EXP Scan bitmap"), kExp),
    List(Holds::ChannelFlags, kUsa.flagStart, kSlotCount, 1, "USA", kChannels, 0),
    List(Holds::ChannelFlags, kInt.flagStart, kSlotCount, 1, "INT", kChannels, 1),
    List(Holds::ChannelFlags, kCan.flagStart, kSlotCount, 1, "CAN", kChannels, 2),
    Value(addr::UserMmsid, kDigitFieldBytes, QT_TRANSLATE_NOOP("Records", "user MMSI"), "user-mmsi"),
    Value(addr::UserMmsiCount, 1, QT_TRANSLATE_NOOP("Records", "user MMSI count"), "user-mmsi"),
    Value(addr::AtisNo, kDigitFieldBytes, QT_TRANSLATE_NOOP("Records", "ATIS number"), kSettings),
    List(Holds::ExpEntries, addr::ExpEntries, kExpCount, 2, "EXP", kExp),
    Own(0x01B0, 0x30, Sent::Never),
    List(Holds::ChannelNames, kUsa.nameStart, kSlotCount, kNameBytes, "USA", "names", 0),
    List(Holds::ChannelNames, kInt.nameStart, kSlotCount, kNameBytes, "INT", "names", 1),
    List(Holds::ChannelNames, kCan.nameStart, kSlotCount, kNameBytes, "CAN", "names", 2),
    List(Holds::WxNames, addr::WxNames, kWxCount, kNameBytes, "WX", kWx),
    List(Holds::ExpNames, addr::ExpNames, kExpCount, kNameBytes, "EXP", kExp),
    List(Holds::Directory, addr::IndividualDirectory, kIndividualCount, kSlotBytes,
         QT_TRANSLATE_NOOP("Records", "individual"), "individual"),
    List(Holds::Directory, addr::GroupDirectory, kGroupCount, kSlotBytes, QT_TRANSLATE_NOOP("Records", "group"),
         "group"),
    Value(addr::ModelCodeTail, 2, QT_TRANSLATE_NOOP("Records", "model code"), kSettings),
};

constexpr MemoryArea kUnlisted = Own(0, kImageSize, Sent::Whole);
constexpr int kNoArea = -1;

}  // namespace

const MemoryArea& AreaAt(int address)
{
    static const std::array<int, kImageSize> areaOf = [] {
        std::array<int, kImageSize> of{};
        of.fill(kNoArea);
        for (int i = 0; i < static_cast<int>(std::size(kAreas)); ++i)
            for (int a = kAreas[i].start; a < kAreas[i].start + kAreas[i].size; ++a)
                of.at(a) = i;
        return of;
    }();
    if (address < 0 || address >= kImageSize || areaOf[address] == kNoArea)
        return kUnlisted;
    return kAreas[areaOf[address]];
}

const std::vector<std::string>& PartNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const MemoryArea& area : kAreas)
            if (std::find(list.begin(), list.end(), area.part) == list.end())
                list.push_back(area.part);
        return list;
    }();
    return names;
}

}  // namespace quorlink
