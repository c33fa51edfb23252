// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder.h"

#include "bits.h"
#include "codecs.h"
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

bool StoreByte(Image& image, int address, int value)
{
    if (value < 0 || value > 255)
        return false;
    image.at(address) = static_cast<std::uint8_t>(value);
    return true;
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
    std::uint8_t& display = image.at(addr::DisplayAndScan);
    SetBit(display, s.ScanType, 7);
    SetBit(display, BoolToBit(s.WxAlert), 6);
    if (!SetBitField(display, 2, 5, s.Dimmer) || !StoreByte(image, addr::Scrambler, s.Scrambler))
        return OverflowFault();
    SetBit(display, BoolToBit(s.KeyBeep), 3);
    if (!SetBitField(display, 3, 2, s.Contrast))
        return OverflowFault();

    std::uint8_t& offset = image.at(addr::TrueMagAndOffset);
    SetBit(offset, BoolToBit(s.TrueMag), 6);
    SetBitField(offset, 5, 4, EncodeOffset(s.OffsetTime));

    std::uint8_t& dsc = image.at(addr::DscFlags);
    SetBit(dsc, BoolToBit(s.IndReply), 7);
    SetBit(dsc, BoolToBit(s.IndACK), 6);
    SetBit(dsc, BoolToBit(s.POSRR), 5);
    SetBit(dsc, BoolToBit(s.DscScan), 4);
    if (!SetBitField(dsc, 2, 3, s.Ind))
        return OverflowFault();

    EncodeDigits(image, addr::UserMmsid, s.UserMmsid, true);

    std::uint8_t& atis = image.at(addr::AtisFlags);
    SetBit(atis, BoolToBit(s.AtisOnOffUSA), 2);
    SetBit(atis, BoolToBit(s.AtisOnOffInternational), 1);
    SetBit(atis, BoolToBit(s.AtisOnOffCanada), 0);
    EncodeDigits(image, addr::AtisNo, s.AtisNo, false);
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
