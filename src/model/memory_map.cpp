// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory_map.h"

#include "regions.h"

#include <array>

namespace quorlink {

namespace {

constexpr MemoryArea Shown(int start, int size, const char* name, std::uint8_t ownBits = 0, Sent sent = Sent::Whole)
{
    return {start, size, Holds::Value, name, 0, ownBits, 0, 0, true, sent};
}

// Ours, but no page shows it.
constexpr MemoryArea Hidden(int start, int size, const char* name)
{
    return {start, size, Holds::Value, name, 0, 0, 0, 0, false, Sent::Whole};
}

constexpr MemoryArea Own(int start, int size, Sent sent)
{
    return {start, size, Holds::RadioOwn, "radio's own area", 0, 0xFF, 0, 0, false, sent};
}

constexpr MemoryArea List(Holds holds, int start, int count, int slotBytes, int usedBytes, const char* name,
                          int region = 0, std::uint8_t ownBits = 0)
{
    return {start, count * slotBytes, holds, name, region, ownBits, slotBytes, usedBytes, true, Sent::Whole};
}

constexpr const RegionLayout& kUsa = kRegionLayouts[0];
constexpr const RegionLayout& kInt = kRegionLayouts[1];
constexpr const RegionLayout& kCan = kRegionLayouts[2];
constexpr int kNameBytes = kSlotBytes;
constexpr int kEntryBytes = kDigitFieldBytes + kDirectoryNameLength;
// The scrambler shares its block with calibration the radio keeps: a write
// sends it and the rest of the block after it byte by byte.
constexpr int kScramblerBlock = 0x20;
constexpr int kScramblerBlockEnd = 0x30;
// A channel plan's flag byte: bit 0 (the "A" suffix) is the plan's, not the user's.
constexpr std::uint8_t kPlanSuffixBit = 0x01;

const MemoryArea kAreas[] = {
    Hidden(addr::ModelCodeHead, 2, "model code"),
    Hidden(addr::AtisFlags, 1, "ATIS switches"),
    Shown(addr::DisplayAndScan, 1, "scan type, WX alert, dimmer, key beep, contrast"),
    Shown(addr::TrueMagAndOffset, 1, "true/magnetic, time offset", 0xA0),
    Shown(addr::DscFlags, 1, "DSC settings", 0x03),
    Shown(kUsa.achByte, 2 * 3, "A/B channels"),
    Own(kScramblerBlock, addr::Scrambler - kScramblerBlock, Sent::Never),
    Shown(addr::Scrambler, 1, "scrambler", 0, Sent::Singly),
    Own(addr::Scrambler + 1, kScramblerBlockEnd - addr::Scrambler - 1, Sent::Singly),
    Own(0x0030, 0x20, Sent::Never),
    Shown(kUsa.enableStart, kPlanBitmapBytes, "USA Enable bitmap"),
    Shown(kInt.enableStart, kPlanBitmapBytes, "INT Enable bitmap"),
    Shown(kCan.enableStart, kPlanBitmapBytes, "CAN Enable bitmap"),
    Shown(addr::WxEnable, kWxBitmapBytes, "WX Enable bitmap"),
    Shown(addr::ExpEnable, kExpBitmapBytes, "EXP Enable bitmap"),
    Shown(kUsa.scanStart, kPlanBitmapBytes, "USA Scan bitmap"),
    Shown(kInt.scanStart, kPlanBitmapBytes, "INT Scan bitmap"),
    Shown(kCan.scanStart, kPlanBitmapBytes, "CAN Scan bitmap"),
    Shown(addr::WxScan, kWxBitmapBytes, "WX Scan bitmap"),
    Shown(addr::ExpScan, kExpBitmapBytes, "EXP Scan bitmap"),
    List(Holds::ChannelFlags, kUsa.flagStart, kSlotCount, 1, 1, "USA", 0, kPlanSuffixBit),
    List(Holds::ChannelFlags, kInt.flagStart, kSlotCount, 1, 1, "INT", 1, kPlanSuffixBit),
    List(Holds::ChannelFlags, kCan.flagStart, kSlotCount, 1, 1, "CAN", 2, kPlanSuffixBit),
    Shown(addr::UserMmsid, kDigitFieldBytes, "user MMSI"),
    Shown(addr::UserMmsiCount, 1, "user MMSI count"),
    Hidden(addr::AtisNo, kDigitFieldBytes, "ATIS number"),
    List(Holds::ExpEntries, addr::ExpEntries, kExpCount, 2, 2, "EXP"),
    Own(0x01B0, 0x30, Sent::Never),
    List(Holds::ChannelNames, kUsa.nameStart, kSlotCount, kNameBytes, kChannelNameLength, "USA", 0),
    List(Holds::ChannelNames, kInt.nameStart, kSlotCount, kNameBytes, kChannelNameLength, "INT", 1),
    List(Holds::ChannelNames, kCan.nameStart, kSlotCount, kNameBytes, kChannelNameLength, "CAN", 2),
    List(Holds::WxNames, addr::WxNames, kWxCount, kNameBytes, kChannelNameLength, "WX"),
    List(Holds::ExpNames, addr::ExpNames, kExpCount, kNameBytes, kChannelNameLength, "EXP"),
    List(Holds::Directory, addr::IndividualDirectory, kIndividualCount, kSlotBytes, kEntryBytes, "individual"),
    List(Holds::Directory, addr::GroupDirectory, kGroupCount, kSlotBytes, kEntryBytes, "group"),
    Hidden(addr::ModelCodeTail, 2, "model code"),
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

std::uint8_t PageBits(int address)
{
    const MemoryArea& area = AreaAt(address);
    if (!area.shown || (area.slotBytes > 0 && (address - area.start) % area.slotBytes >= area.usedBytes))
        return 0;
    return static_cast<std::uint8_t>(~area.ownBits);
}

}  // namespace quorlink
