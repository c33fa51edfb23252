// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder.h"

#include "bits.h"
#include "codecs.h"
#include "memory_map.h"
#include "record_movers.h"

#include <algorithm>

namespace quorlink {

namespace {

using FlagField = bool ChannelRecord::*;

// Eight records to a byte, the first in bit 7. When the records run out
// before byteCount bytes are written, the byte in progress is written too,
// even with no record in it.
void WriteBitmap(Image& image, const ChannelList& records, int start, int byteCount, FlagField field)
{
    int written = 0;
    int inByte = 0;
    int byte = 0;
    for (const ChannelRecord& record : records) {
        if (written >= byteCount)
            return;
        byte += BitWeight(record.*field, 8 - inByte);
        if (++inByte == 8) {
            image.at(start + written++) = static_cast<std::uint8_t>(byte);
            byte = 0;
            inByte = 0;
        }
    }
    if (written < byteCount)
        image.at(start + written) = static_cast<std::uint8_t>(byte);
}

int LimitTo(const ChannelList& records, int count)
{
    return std::min<int>(static_cast<int>(records.size()), count);
}

// A flag's bit is set only by exactly 1.
void PutFlag(Image& image, Setting setting, int value)
{
    const SettingField& field = FieldOf(setting);
    SetBit(image.at(field.address), value, field.top);
}

// False, and the byte left alone, when value does not fit a byte.
bool PutBits(Image& image, Setting setting, int value)
{
    const SettingField& field = FieldOf(setting);
    return SetBitField(image.at(field.address), field.width, field.top, value);
}

}  // namespace

void WriteEnableBitmap(Image& image, const ChannelList& records, int start, int byteCount)
{
    WriteBitmap(image, records, start, byteCount, &ChannelRecord::Enable);
}

void WriteScanBitmap(Image& image, const ChannelList& records, int start, int byteCount)
{
    WriteBitmap(image, records, start, byteCount, &ChannelRecord::ScanMemory);
}

void WriteNames(Image& image, const ChannelList& records, int start, int count)
{
    for (int r = 0; r < LimitTo(records, count); ++r)
        EncodeName(image, start + kSlotBytes * r, records[static_cast<std::size_t>(r)].ChTag,
                   kChannelNameLength);
}

void WriteChannelFlags(Image& image, const ChannelList& records, int start, int count)
{
    for (int r = 0; r < LimitTo(records, count); ++r)
        image.at(start + r) = EncodeChannelFlags(records[static_cast<std::size_t>(r)]);
}

void WriteExpEntries(Image& image, const ChannelList& records, int start, int count)
{
    for (int r = 0; r < LimitTo(records, count); ++r) {
        const ChannelRecord& record = records[static_cast<std::size_t>(r)];
        const int flags = EncodeChannelFlags(record) & ~kExpIndexHighBits;
        std::uint8_t& first = image.at(start + 2 * r);
        std::uint8_t& second = image.at(start + 2 * r + 1);
        if (record.Enable) {
            first = static_cast<std::uint8_t>(flags + (record.Position & 0x700) / 256);
            second = static_cast<std::uint8_t>(record.Position & 0xFF);
        } else {
            first = static_cast<std::uint8_t>(flags);
            second = 0;
        }
    }
}

Fault EncodeSettings(Image& image, const CommonSettings& s)
{
    PutFlag(image, Setting::ScanType, s.ScanType);
    PutFlag(image, Setting::WxAlert, BoolToBit(s.WxAlert));
    if (!PutBits(image, Setting::Dimmer, s.Dimmer) || !PutBits(image, Setting::Scrambler, s.Scrambler))
        return OverflowFault();
    PutFlag(image, Setting::KeyBeep, BoolToBit(s.KeyBeep));
    if (!PutBits(image, Setting::Contrast, s.Contrast))
        return OverflowFault();

    PutFlag(image, Setting::TrueMag, BoolToBit(s.TrueMag));
    PutBits(image, Setting::OffsetTime, EncodeOffset(s.OffsetTime));

    PutFlag(image, Setting::IndReply, BoolToBit(s.IndReply));
    PutFlag(image, Setting::IndAck, BoolToBit(s.IndACK));
    PutFlag(image, Setting::PosReply, BoolToBit(s.POSRR));
    PutFlag(image, Setting::DscScan, BoolToBit(s.DscScan));
    if (!PutBits(image, Setting::Ringer, s.Ind))
        return OverflowFault();

    EncodeDigits(image, FieldOf(Setting::UserMmsi).address, s.UserMmsid, true);

    PutFlag(image, Setting::AtisUsa, BoolToBit(s.AtisOnOffUSA));
    PutFlag(image, Setting::AtisInternational, BoolToBit(s.AtisOnOffInternational));
    PutFlag(image, Setting::AtisCanada, BoolToBit(s.AtisOnOffCanada));
    EncodeDigits(image, FieldOf(Setting::AtisNumber).address, s.AtisNo, false);
    return {};
}

void EncodeABChannels(Image& image, const SpecialChannels& special)
{
    for (Region region : kRegions) {
        image.at(LayoutOf(region).achByte) = static_cast<std::uint8_t>(special.Ach(region) & 0xFF);
        image.at(LayoutOf(region).bchByte) = static_cast<std::uint8_t>(special.Bch(region) & 0xFF);
    }
}

void EncodePlanChannels(Image& image, const ChannelList& list, const RegionLayout& layout)
{
    const ChannelList slots = ToSlotOrder(list, kSlotCount);
    WriteEnableBitmap(image, slots, layout.enableStart, kPlanBitmapBytes);
    WriteScanBitmap(image, slots, layout.scanStart, kPlanBitmapBytes);
    WriteNames(image, slots, layout.nameStart, kSlotCount);
    WriteChannelFlags(image, slots, layout.flagStart, kSlotCount);
}

void EncodeWxChannels(Image& image, const ChannelList& wx)
{
    WriteEnableBitmap(image, wx, addr::WxEnable, kWxBitmapBytes);
    WriteScanBitmap(image, wx, addr::WxScan, kWxBitmapBytes);
    WriteNames(image, wx, addr::WxNames, kWxCount);
}

void EncodeExpChannels(Image& image, const OneBased<ChannelRecord>& exp)
{
    const ChannelList& records = exp.items();
    WriteEnableBitmap(image, records, addr::ExpEnable, kExpBitmapBytes);
    WriteScanBitmap(image, records, addr::ExpScan, kExpBitmapBytes);
    WriteNames(image, records, addr::ExpNames, kExpCount);
    WriteExpEntries(image, records, addr::ExpEntries, kExpCount);
}

void EncodeDirectory(Image& image, const Directory& directory, int start, int count)
{
    for (int i = 1; i <= count; ++i) {
        const int entry = start + kSlotBytes * (i - 1);
        EncodeDigits(image, entry, directory.at(i).Mmsid, true);
        EncodeName(image, entry + kDigitFieldBytes, directory.at(i).TagName, kDirectoryNameLength);
    }
}

Fault EncodeImage(Model& model)
{
    Image image = model.MemoryImage;
    if (Fault fault = EncodeSettings(image, model.Settings))
        return fault;
    EncodeABChannels(image, model.Special);
    for (Region region : kRegions)
        EncodePlanChannels(image, model.Channels(region), LayoutOf(region));
    EncodeWxChannels(image, model.WxChannels);
    EncodeExpChannels(image, model.ExpChannels);
    for (DirectoryKind kind : {DirectoryKind::Individual, DirectoryKind::Group})
        EncodeDirectory(image, model.DirectoryOf(kind), LayoutOf(kind).start, LayoutOf(kind).count);
    model.MemoryImage = image;
    return {};
}

}  // namespace quorlink
