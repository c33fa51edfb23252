// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory_map.h"

#include "regions.h"

#include <array>

namespace quorlink {

namespace {

constexpr MemoryArea Value(int start, int size, const char* name, Sent sent = Sent::Whole)
{
    return {start, size, Holds::Value, name, 0, 0, sent};
}

constexpr MemoryArea Own(int start, int size, Sent sent)
{
    return {start, size, Holds::RadioOwn, "radio's own area", 0, 0, sent};
}

constexpr MemoryArea List(Holds holds, int start, int count, int slotBytes, const char* name, int region = 0)
{
    return {start, count * slotBytes, holds, name, region, slotBytes, Sent::Whole};
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
    Value(addr::ModelCodeHead, 2, "model code"),
    Value(addr::AtisFlags, 1, "ATIS switches"),
    Value(addr::DisplayAndScan, 1, "scan type, WX alert, dimmer, key beep, contrast"),
    Value(addr::TrueMagAndOffset, 1, "true/magnetic, time offset"),
    Value(addr::DscFlags, 1, "DSC settings"),
    Value(kUsa.achByte, 2 * 3, "A/B channels"),
    Own(kScramblerBlock, addr::Scrambler - kScramblerBlock, Sent::Never),
    Value(addr::Scrambler, 1, "scrambler", Sent::Singly),
    Own(addr::Scrambler + 1, kScramblerBlockEnd - addr::Scrambler - 1, Sent::Singly),
    Own(0x0030, 0x20, Sent::Never),
    Value(kUsa.enableStart, kPlanBitmapBytes, "USA Enable bitmap"),
    Value(kInt.enableStart, kPlanBitmapBytes, "INT Enable bitmap"),
    Value(kCan.enableStart, kPlanBitmapBytes, "CAN Enable bitmap"),
    Value(addr::WxEnable, kWxBitmapBytes, "WX Enable bitmap"),
    Value(addr::ExpEnable, kExpBitmapBytes, "EXP Enable bitmap"),
    Value(kUsa.scanStart, kPlanBitmapBytes, "USA Scan bitmap"),
    Value(kInt.scanStart, kPlanBitmapBytes, "INT Scan bitmap"),
    Value(kCan.scanStart, kPlanBitmapBytes, "CAN Scan bitmap"),
    Value(addr::WxScan, kWxBitmapBytes, "WX Scan bitmap"),
    Value(addr::ExpScan, kExpBitmapBytes, "EXP Scan bitmap"),
    List(Holds::ChannelFlags, kUsa.flagStart, kSlotCount, 1, "USA", 0),
    List(Holds::ChannelFlags, kInt.flagStart, kSlotCount, 1, "INT", 1),
    List(Holds::ChannelFlags, kCan.flagStart, kSlotCount, 1, "CAN", 2),
    Value(addr::UserMmsid, kDigitFieldBytes, "user MMSI"),
    Value(addr::UserMmsiCount, 1, "user MMSI count"),
    Value(addr::AtisNo, kDigitFieldBytes, "ATIS number"),
    List(Holds::ExpEntries, addr::ExpEntries, kExpCount, 2, "EXP"),
    Own(0x01B0, 0x30, Sent::Never),
    List(Holds::ChannelNames, kUsa.nameStart, kSlotCount, kNameBytes, "USA", 0),
    List(Holds::ChannelNames, kInt.nameStart, kSlotCount, kNameBytes, "INT", 1),
    List(Holds::ChannelNames, kCan.nameStart, kSlotCount, kNameBytes, "CAN", 2),
    List(Holds::WxNames, addr::WxNames, kWxCount, kNameBytes, "WX"),
    List(Holds::ExpNames, addr::ExpNames, kExpCount, kNameBytes, "EXP"),
    List(Holds::Directory, addr::IndividualDirectory, kIndividualCount, kSlotBytes, "individual"),
    List(Holds::Directory, addr::GroupDirectory, kGroupCount, kSlotBytes, "group"),
    Value(addr::ModelCodeTail, 2, "model code"),
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

}  // namespace quorlink
