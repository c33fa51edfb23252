// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoder.h"

#include "bits.h"
#include "codecs.h"
#include "memory_map.h"
#include "record_movers.h"

#include <algorithm>

namespace quorlink {

namespace {

using FlagField = bool ChannelRecord::*;

void ReadBitmap(const Image& image, ChannelList& records, int start, int byteCount, FlagField field)
{
    const int total = std::min<int>(static_cast<int>(records.size()), byteCount * 8);
    for (int r = 0; r < total; ++r)
        records[static_cast<std::size_t>(r)].*field = GetBit(image.at(start + r / 8), 7 - r % 8) == 1;
}

int LimitTo(const ChannelList& records, int count)
{
    return std::min<int>(static_cast<int>(records.size()), count);
}

int TakeBits(const Image& image, Setting setting)
{
    const SettingField& field = FieldOf(setting);
    return GetBitField(image.at(field.address), field.width, field.top);
}

void ClearUnownedOffsetBits(Image& image)
{
    const int offsetByte = FieldOf(Setting::OffsetTime).address;
    image.at(offsetByte) &= SettingBitsAt(offsetByte);
}

}  // namespace

void ReadEnableBitmap(const Image& image, ChannelList& records, int start, int byteCount)
{
    ReadBitmap(image, records, start, byteCount, &ChannelRecord::Enable);
}

void ReadScanBitmap(const Image& image, ChannelList& records, int start, int byteCount)
{
    ReadBitmap(image, records, start, byteCount, &ChannelRecord::ScanMemory);
}

void ReadNames(const Image& image, ChannelList& records, int start, int count)
{
    for (int r = 0; r < LimitTo(records, count); ++r)
        records[static_cast<std::size_t>(r)].ChTag =
            DecodeName(image, start + kSlotBytes * r, kChannelNameLength);
}

void ReadChannelFlags(const Image& image, ChannelList& records, int start, int count)
{
    for (int r = 0; r < LimitTo(records, count); ++r)
        DecodeChannelFlags(records[static_cast<std::size_t>(r)], image.at(start + r));
}

void ReadExpEntries(const Image& image, ChannelList& records, int start, int count)
{
    for (int r = 0; r < LimitTo(records, count); ++r) {
        ChannelRecord& record = records[static_cast<std::size_t>(r)];
        const std::uint8_t flags = image.at(start + 2 * r);
        DecodeChannelFlags(record, flags);
        if (!record.Enable)
            continue;
        const int index = (flags & 3) * 256 + image.at(start + 2 * r + 1);
        if (index <= kExpLastIndex)
            record.Position = static_cast<std::int16_t>(index);
    }
}

void DecodeSettings(const Image& image, CommonSettings& s)
{
    s.ScanType = static_cast<std::int16_t>(TakeBits(image, Setting::ScanType));
    s.WxAlert = TakeBits(image, Setting::WxAlert) == 1;
    s.Dimmer = static_cast<std::int16_t>(TakeBits(image, Setting::Dimmer));
    s.Scrambler = static_cast<std::int16_t>(TakeBits(image, Setting::Scrambler));
    s.KeyBeep = TakeBits(image, Setting::KeyBeep) == 1;
    s.Contrast = static_cast<std::int16_t>(TakeBits(image, Setting::Contrast));

    s.TrueMag = TakeBits(image, Setting::TrueMag) == 1;
    const auto offsetCode = static_cast<std::uint8_t>(TakeBits(image, Setting::OffsetTime));
    s.OffsetTime = static_cast<std::int16_t>(DecodeOffset(offsetCode));

    s.IndReply = TakeBits(image, Setting::IndReply) == 1;
    s.IndACK = TakeBits(image, Setting::IndAck) == 1;
    s.POSRR = TakeBits(image, Setting::PosReply) == 1;
    s.DscScan = TakeBits(image, Setting::DscScan) == 1;
    s.Ind = static_cast<std::int16_t>(TakeBits(image, Setting::Ringer));

    s.UserMmsid = DecodeDigits(image, FieldOf(Setting::UserMmsi).address);

    s.AtisOnOffUSA = TakeBits(image, Setting::AtisUsa) == 1;
    s.AtisOnOffInternational = TakeBits(image, Setting::AtisInternational) == 1;
    s.AtisOnOffCanada = TakeBits(image, Setting::AtisCanada) == 1;
    s.AtisNo = DecodeDigits(image, FieldOf(Setting::AtisNumber).address);
}

void DecodeABChannels(const Image& image, SpecialChannels& special)
{
    for (Region region : kRegions) {
        special.Ach(region) = image.at(LayoutOf(region).achByte);
        special.Bch(region) = image.at(LayoutOf(region).bchByte);
    }
}

void DecodePlanChannels(const Image& image, ChannelList& list, const RegionLayout& layout)
{
    ChannelList slots(kSlotCount);
    ReadEnableBitmap(image, slots, layout.enableStart, kPlanBitmapBytes);
    ReadScanBitmap(image, slots, layout.scanStart, kPlanBitmapBytes);
    ReadNames(image, slots, layout.nameStart, kSlotCount);
    ReadChannelFlags(image, slots, layout.flagStart, kSlotCount);
    FromSlotOrder(list, slots, kSlotCount);
}

void DecodeWxChannels(const Image& image, ChannelList& wx)
{
    ReadEnableBitmap(image, wx, addr::WxEnable, kWxBitmapBytes);
    ReadScanBitmap(image, wx, addr::WxScan, kWxBitmapBytes);
    ReadNames(image, wx, addr::WxNames, kWxCount);
}

void DecodeExpChannels(const Image& image, OneBased<ChannelRecord>& exp)
{
    ChannelList& records = exp.items();
    ReadEnableBitmap(image, records, addr::ExpEnable, kExpBitmapBytes);
    ReadScanBitmap(image, records, addr::ExpScan, kExpBitmapBytes);
    ReadNames(image, records, addr::ExpNames, kExpCount);
    ReadExpEntries(image, records, addr::ExpEntries, kExpCount);  // needs Enable
}

void DecodeDirectorySlots(const Image& image, Directory& directory, int start, int count)
{
    for (int i = 1; i <= count; ++i) {
        const int entry = start + kSlotBytes * (i - 1);
        directory.at(i).Mmsid = DecodeDigits(image, entry);
        directory.at(i).TagName = DecodeName(image, entry + kDigitFieldBytes, kDirectoryNameLength);
        directory.at(i).Enable = !directory.at(i).Mmsid.empty();
    }
}

void DecodeDirectory(const Image& image, Directory& directory, int start, int count)
{
    DecodeDirectorySlots(image, directory, start, count);
    // The directory is packed: the first entry without an MMSI ends it.
    int i = 1;
    for (; i <= count && !directory.at(i).Mmsid.empty(); ++i)
        directory.at(i).Enable = true;
    for (; i <= count; ++i)
        directory.at(i) = DirectoryEntry{};
}

void DecodeImage(Model& model)
{
    DecodeRecords(model.MemoryImage, model);
    ClearUnownedOffsetBits(model.MemoryImage);
}

void DecodeRecords(const Image& image, Model& model)
{
    DecodeSettings(image, model.Settings);
    DecodeABChannels(image, model.Special);
    for (Region region : kRegions)
        DecodePlanChannels(image, model.Channels(region), LayoutOf(region));
    DecodeWxChannels(image, model.WxChannels);
    DecodeExpChannels(image, model.ExpChannels);
    for (DirectoryKind kind : {DirectoryKind::Individual, DirectoryKind::Group})
        DecodeDirectory(image, model.DirectoryOf(kind), LayoutOf(kind).start, LayoutOf(kind).count);
}

}  // namespace quorlink
