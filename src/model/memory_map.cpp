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
constexpr int kScramblerBlockEnd = kScramblerBlock + kBlockSize;

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

constexpr SettingField Flag(Setting setting, int address, int bit, const char* compared, const char* label)
{
    return {setting, address, 1, bit, 1, compared, label};
}

constexpr SettingField Bits(Setting setting, int address, int top, int width, const char* compared, const char* label)
{
    return {setting, address, 1, top, width, compared, label};
}

constexpr SettingField Digits(Setting setting, int address, const char* compared, const char* label)
{
    return {setting, address, kDigitFieldBytes, 7, 8, compared, label};
}


// In the order of Setting.
constexpr SettingField kSettingFields[] = {
    Bits(Setting::Contrast, addr::DisplayAndScan, 2, 3,
         QT_TRANSLATE_NOOP("Records", "Contrast"),
         QT_TRANSLATE_NOOP("SettingsRows", "Contrast Level")),
    Bits(Setting::Dimmer, addr::DisplayAndScan, 5, 2,
         QT_TRANSLATE_NOOP("Records", "Dimmer"),
         QT_TRANSLATE_NOOP("SettingsRows", "Dimmer Status")),
    Bits(Setting::OffsetTime, addr::TrueMagAndOffset, 4, 5,
         QT_TRANSLATE_NOOP("Records", "Offset Time"),
         QT_TRANSLATE_NOOP("SettingsRows", "Offset Time")),
    Flag(Setting::KeyBeep, addr::DisplayAndScan, 3,
         QT_TRANSLATE_NOOP("Records", "Key Beep"),
         QT_TRANSLATE_NOOP("SettingsRows", "Key Beep")),
    Flag(Setting::WxAlert, addr::DisplayAndScan, 6,
         QT_TRANSLATE_NOOP("Records", "WX Alert"),
         QT_TRANSLATE_NOOP("SettingsRows", "WX Alert")),
    Flag(Setting::ScanType, addr::DisplayAndScan, 7,
         QT_TRANSLATE_NOOP("Records", "Scan Type"),
         QT_TRANSLATE_NOOP("SettingsRows", "Scan Type")),
    Bits(Setting::Scrambler, addr::Scrambler, 7, 8,
         QT_TRANSLATE_NOOP("Records", "Voice Scrambler"),
         QT_TRANSLATE_NOOP("SettingsRows", "Voice Scrambler")),
    Flag(Setting::TrueMag, addr::TrueMagAndOffset, 6,
         QT_TRANSLATE_NOOP("Records", "True MAG"),
         QT_TRANSLATE_NOOP("SettingsRows", "True MAG")),
    Flag(Setting::IndReply, addr::DscFlags, 7,
         QT_TRANSLATE_NOOP("Records", "Individual Reply"),
         QT_TRANSLATE_NOOP("SettingsRows", "Individual Reply")),
    Flag(Setting::IndAck, addr::DscFlags, 6,
         QT_TRANSLATE_NOOP("Records", "Individual ACK"),
         QT_TRANSLATE_NOOP("SettingsRows", "Individual ACK")),
    Bits(Setting::Ringer, addr::DscFlags, 3, 2,
         QT_TRANSLATE_NOOP("Records", "Individual Ringer"),
         QT_TRANSLATE_NOOP("SettingsRows", "Individual Ringer")),
    Flag(Setting::PosReply, addr::DscFlags, 5,
         QT_TRANSLATE_NOOP("Records", "POS Request Reply"),
         QT_TRANSLATE_NOOP("SettingsRows", "POS Request Reply")),
    Flag(Setting::DscScan, addr::DscFlags, 4,
         QT_TRANSLATE_NOOP("Records", "DSC Scan"),
         QT_TRANSLATE_NOOP("SettingsRows", "DSC Scan")),
    Digits(Setting::UserMmsi, addr::UserMmsid,
         QT_TRANSLATE_NOOP("Records", "User MMSI"),
         QT_TRANSLATE_NOOP("SettingsRows", "User MMSI")),
    Bits(Setting::Count, addr::UserMmsiCount, 7, 8,
         QT_TRANSLATE_NOOP("Records", "Count"),
         QT_TRANSLATE_NOOP("SettingsRows", "Count")),
    Flag(Setting::AtisUsa, addr::AtisFlags, 2, nullptr, nullptr),
    Flag(Setting::AtisInternational, addr::AtisFlags, 1, nullptr, nullptr),
    Flag(Setting::AtisCanada, addr::AtisFlags, 0, nullptr, nullptr),
    Digits(Setting::AtisNumber, addr::AtisNo, nullptr, nullptr),
};

constexpr bool InSettingOrder()
{
    for (std::size_t i = 0; i < std::size(kSettingFields); ++i)
        if (static_cast<std::size_t>(kSettingFields[i].setting) != i)
            return false;
    return true;
}
static_assert(InSettingOrder(), "FieldOf finds a setting by its place");

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

const SettingField& FieldOf(Setting setting)
{
    return kSettingFields[static_cast<std::size_t>(setting)];
}

std::uint8_t SettingBitsAt(int address)
{
    std::uint8_t bits = 0;
    for (const SettingField& field : kSettingFields)
        if (address >= field.address && address < field.address + field.bytes)
            bits |= field.mask();
    return bits;
}

const char* SettingLabelOf(const std::string& compared)
{
    for (const SettingField& field : kSettingFields)
        if (field.compared && compared == field.compared)
            return field.label;
    return nullptr;
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
