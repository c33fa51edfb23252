// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison.h"

#include "codecs.h"
#include "decoder.h"
#include "encoder.h"
#include "memory_map.h"
#include "mmsi.h"
#include "model.h"
#include "node_keys.h"
#include "regions.h"
#include "setting_texts.h"
#include "translatable.h"
#include "written_areas.h"

#include <cstdio>

namespace quorlink {

namespace {

using Bits = std::vector<ImageBits>;

// Where one channel's fields lie. A channel in no slot has none.
struct ChannelPlace {
    int slot;  // its bit in the bitmaps and its name slot; -1: none
    int enableStart;
    int scanStart;
    int flagByte;  // -1: none (WX); an EXP entry's is followed by the low byte of its index
    int nameStart;
};
struct EntryPlace {
    int start;
};
struct NoPlace {};

// One field as a page shows it. raw tells whether two records differ; shown
// is what the page would display (null: the raw text); bits is where the
// field lies in the image (null: it has no bits of its own and is compared by
// value). When two values would display alike (a Dimmer of 5 shows "OFF" as
// 0 does), the raw texts are given instead, and when those are alike too the
// field's bytes, so that no difference reads "OFF -> OFF".
template <class T, class P>
struct FieldRow {
    const char* caption;
    std::string (*raw)(const T&);
    std::string (*shown)(const Model&, const T&);
    Bits (*bits)(const P&);
};

Bits Run(int address, int count, std::uint8_t mask = 0xFF)
{
    Bits bits;
    for (int i = 0; i < count; ++i)
        bits.push_back({address + i, mask});
    return bits;
}

Bits At(int address, std::uint8_t mask) { return {{address, mask}}; }

// Bit n of a bitmap, the first in bit 7 of its first byte.
Bits BitmapBit(int start, int n)
{
    return n < 0 ? Bits{} : At(start + n / 8, static_cast<std::uint8_t>(0x80 >> n % 8));
}

Bits FlagBit(const ChannelPlace& p, int bit)
{
    return p.slot < 0 || p.flagByte < 0 ? Bits{} : At(p.flagByte, static_cast<std::uint8_t>(1 << bit));
}

Bits NameBytes(const ChannelPlace& p) { return p.slot < 0 ? Bits{} : Run(p.nameStart, kChannelNameLength); }

std::string OnOff(bool flag) { return flag ? "on" : "off"; }
std::string Quoted(const std::string& text) { return '"' + text + '"'; }
std::string Number(int value) { return std::to_string(value); }

std::string Frequency(double mhz)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", mhz);
    return text;
}

// The pages show an MMSI without the final "0" the radio stores after it.
std::string MmsiText(const std::string& stored)
{
    return stored.empty() ? QT_TRANSLATE_NOOP("Records", "(empty)") : ShownMmsi(stored);
}

// A list setting as the settings page shows it.
std::string Choice(const SettingChoices& choices, int value)
{
    const char* text = choices.TextOf(value);
    return text ? text : Number(value);
}

// As the Offset Time list shows it, without the blank that aligns " 0:00".
std::string OffsetText(int offsetTime)
{
    const std::string text = OffsetTimeText(offsetTime);
    if (text.empty())
        return Number(offsetTime);
    return text[0] == ' ' ? text.substr(1) : text;
}

std::string ExpPositionText(const Model& model, const ChannelRecord& c)
{
    const PlanTable& plan = model.ExpPlan;
    if (c.Position < plan.first() || c.Position > plan.last())
        return Number(c.Position);
    return Number(c.Position) + " (" + Frequency(plan.at(c.Position).RxFreq) + ")";
}

using ChannelRow = FieldRow<ChannelRecord, ChannelPlace>;
using EntryRow = FieldRow<DirectoryEntry, EntryPlace>;
using SettingRow = FieldRow<Model, NoPlace>;

// The channel editor, top to bottom.
const ChannelRow kExpPositionRow[] = {
    {QT_TRANSLATE_NOOP("Records", "Position"), [](const ChannelRecord& c) { return Number(c.Position); },
     ExpPositionText,
     [](const ChannelPlace& p) { return Bits{{p.flagByte, kExpIndexHighBits}, {p.flagByte + 1, 0xFF}}; }},
};
const ChannelRow kEditorRows[] = {
    {QT_TRANSLATE_NOOP("Records", "Enable"), [](const ChannelRecord& c) { return OnOff(c.Enable); }, nullptr,
     [](const ChannelPlace& p) { return BitmapBit(p.enableStart, p.slot); }},
    {QT_TRANSLATE_NOOP("Records", "Tx Enable"), [](const ChannelRecord& c) { return OnOff(c.TxEnable); }, nullptr,
     [](const ChannelPlace& p) { return FlagBit(p, kTxEnableBit); }},
    {QT_TRANSLATE_NOOP("Records", "Only Low Power"), [](const ChannelRecord& c) { return OnOff(c.LowPower); }, nullptr,
     [](const ChannelPlace& p) { return FlagBit(p, kHighPowerBit); }},
    {QT_TRANSLATE_NOOP("Records", "Power Up"), [](const ChannelRecord& c) { return OnOff(c.PowUp); }, nullptr,
     [](const ChannelPlace& p) { return FlagBit(p, kPowUpBit); }},
    {QT_TRANSLATE_NOOP("Records", "Duplex"), [](const ChannelRecord& c) { return OnOff(c.Duplex); }, nullptr,
     [](const ChannelPlace& p) { return FlagBit(p, kDuplexBit); }},
    {QT_TRANSLATE_NOOP("Records", "Scan Memory"), [](const ChannelRecord& c) { return OnOff(c.ScanMemory); }, nullptr,
     [](const ChannelPlace& p) { return BitmapBit(p.scanStart, p.slot); }},
    {QT_TRANSLATE_NOOP("Records", "VS Memory"), [](const ChannelRecord& c) { return OnOff(c.VsMemory); }, nullptr,
     [](const ChannelPlace& p) { return FlagBit(p, kVsMemoryBit); }},
    {QT_TRANSLATE_NOOP("Records", "name"), [](const ChannelRecord& c) { return Quoted(c.ChTag); }, nullptr, NameBytes},
};
// The columns of the WX page.
const ChannelRow kWxRows[] = {
    {QT_TRANSLATE_NOOP("Records", "Enable"), [](const ChannelRecord& c) { return OnOff(c.Enable); }, nullptr,
     [](const ChannelPlace& p) { return BitmapBit(p.enableStart, p.slot); }},
    {QT_TRANSLATE_NOOP("Records", "Scan"), [](const ChannelRecord& c) { return OnOff(c.ScanMemory); }, nullptr,
     [](const ChannelPlace& p) { return BitmapBit(p.scanStart, p.slot); }},
    {QT_TRANSLATE_NOOP("Records", "name"), [](const ChannelRecord& c) { return Quoted(c.ChTag); }, nullptr, NameBytes},
};
// An entry is in use while it holds an MMSI: Enable has no bits of its own.
const EntryRow kEntryRows[] = {
    {QT_TRANSLATE_NOOP("Records", "Enable"), [](const DirectoryEntry& e) { return OnOff(e.Enable); }, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("Records", "name"), [](const DirectoryEntry& e) { return Quoted(e.TagName); }, nullptr,
     [](const EntryPlace& p) { return Run(p.start + kDigitFieldBytes, kDirectoryNameLength); }},
    {QT_TRANSLATE_NOOP("Records", "MMSI"), [](const DirectoryEntry& e) { return e.Mmsid; },
     [](const Model&, const DirectoryEntry& e) { return MmsiText(e.Mmsid); },
     [](const EntryPlace& p) { return Run(p.start, kDigitFieldBytes); }},
};
// A setting's words and bits come from the memory map.
template <Setting kSetting>
Bits BitsOf(const NoPlace&)
{
    const SettingField& field = FieldOf(kSetting);
    return Run(field.address, field.bytes, field.mask());
}

template <Setting kSetting>
SettingRow Row(std::string (*raw)(const Model&), std::string (*shown)(const Model&, const Model&) = nullptr)
{
    return {FieldOf(kSetting).compared, raw, shown, BitsOf<kSetting>};
}

// The two tabs of the settings page, top to bottom.
const SettingRow kRadioSetupRows[] = {
    Row<Setting::Contrast>([](const Model& m) { return Number(m.Settings.Contrast); }),
    Row<Setting::Dimmer>([](const Model& m) { return Number(m.Settings.Dimmer); },
                         [](const Model&, const Model& m) { return Choice(kDimmerChoices, m.Settings.Dimmer); }),
    Row<Setting::OffsetTime>([](const Model& m) { return Number(m.Settings.OffsetTime); },
                             [](const Model&, const Model& m) { return OffsetText(m.Settings.OffsetTime); }),
    Row<Setting::KeyBeep>([](const Model& m) { return OnOff(m.Settings.KeyBeep); }),
    Row<Setting::WxAlert>([](const Model& m) { return OnOff(m.Settings.WxAlert); }),
    Row<Setting::ScanType>([](const Model& m) { return Number(m.Settings.ScanType); },
                           [](const Model&, const Model& m) { return Choice(kScanTypeChoices, m.Settings.ScanType); }),
    Row<Setting::Scrambler>(
        [](const Model& m) { return Number(m.Settings.Scrambler); },
        [](const Model&, const Model& m) { return Choice(kScramblerChoices, m.Settings.Scrambler); }),
    Row<Setting::TrueMag>([](const Model& m) { return OnOff(m.Settings.TrueMag); }),
};
const SettingRow kDscSetupRows[] = {
    Row<Setting::IndReply>([](const Model& m) { return OnOff(m.Settings.IndReply); }),
    Row<Setting::IndAck>([](const Model& m) { return OnOff(m.Settings.IndACK); }),
    Row<Setting::Ringer>([](const Model& m) { return Number(m.Settings.Ind); },
                         [](const Model&, const Model& m) { return Choice(kRingerChoices, m.Settings.Ind); }),
    Row<Setting::PosReply>([](const Model& m) { return OnOff(m.Settings.POSRR); }),
    Row<Setting::DscScan>([](const Model& m) { return OnOff(m.Settings.DscScan); }),
    Row<Setting::UserMmsi>([](const Model& m) { return m.Settings.UserMmsid; },
                           [](const Model&, const Model& m) { return MmsiText(m.Settings.UserMmsid); }),
    Row<Setting::Count>([](const Model& m) { return Number(UserMmsiCount(m)); }),
};

const char* const kRegionPlaces[] = {QT_TRANSLATE_NOOP("Records", "USA"), QT_TRANSLATE_NOOP("Records", "International"),
                                     QT_TRANSLATE_NOOP("Records", "Canada")};

std::string Hex(int value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

// At most eight bytes, each masked: "41 42 43 ...".
std::string HexBytes(const Image& image, const Bits& bits)
{
    constexpr std::size_t kShown = 8;
    std::string text;
    for (std::size_t i = 0; i < bits.size() && i < kShown; ++i)
        text += (i == 0 ? "" : " ") + Hex(image[bits[i].address] & bits[i].mask, 2);
    return bits.size() > kShown ? text + " ..." : text;
}

// Every field as its bits hold it: the directory entries after the first
// empty one and the index of an EXP entry that is off included.
void DecodeEveryField(Model& model, const Image& bytes)
{
    model.MemoryImage = bytes;
    DecodeRecords(bytes, model);
    for (DirectoryKind kind : {DirectoryKind::Individual, DirectoryKind::Group})
        DecodeDirectorySlots(bytes, model.DirectoryOf(kind), LayoutOf(kind).start, LayoutOf(kind).count);
    for (int n = 1; n <= model.ExpChannels.size() && n <= kExpCount; ++n) {
        const int entry = addr::ExpEntries + 2 * (n - 1);
        const int index = (bytes[entry] & kExpIndexHighBits) * 256 + bytes[entry + 1];
        model.ExpChannels.at(n).Position = static_cast<std::int16_t>(index);
    }
}

// One side as a radio holds it, or would after a write of it: its bytes, and
// its records as those bytes hold them. The page of data shows its own records.
struct Held {
    Held(const ComparedSide& side) : model(side.model), image(side.kind == SideKind::Image), decoded(side.model)
    {
        bytes = model.MemoryImage;
        if (!image) {
            if (EncodeImage(decoded)) {
                fromBytes = false;  // no write could send them: compared as they stand
                return;
            }
            bytes = decoded.MemoryImage;
        }
        DecodeEveryField(decoded, bytes);
    }
    const Model& shown() const { return image || !fromBytes ? decoded : model; }

    const Model& model;
    const bool image;
    Image bytes{};
    Model decoded;
    bool fromBytes = true;
};

struct Texts {
    std::string older, newer;
    bool Differ() const { return older != newer; }
};

class Collector {
public:
    Collector(const ComparedSide& older, const ComparedSide& newer)
        : older_(older), newer_(newer), byBits_(older_.fromBytes && newer_.fromBytes)
    {
    }

    // A field is listed when a bit of it differs; one with no bits of its own
    // when its values as the bytes hold them do. The texts are the first of
    // shown, raw and held that tell the two apart, else the field's bytes.
    void Field(const std::string& key, const TextTemplate& place, const TextTemplate& field, const Bits* bits,
               const std::vector<Texts>& texts)
    {
        if (bits)
            for (const ImageBits& b : *bits)
                claimed_[b.address] |= b.mask;
        if (!(bits && byBits_ ? Differ(*bits) : texts.back().Differ()))
            return;
        Texts chosen = bits ? Texts{HexBytes(older_.bytes, *bits), HexBytes(newer_.bytes, *bits)} : texts.back();
        for (auto it = texts.rbegin(); it != texts.rend(); ++it)
            if (it->Differ())
                chosen = *it;
        list.push_back(Difference{key, Filled(place), Filled(field), chosen.older, chosen.newer, false, false,
                                  bits ? *bits : Bits{}, place, field});
    }

    // get picks the record from a model.
    template <class T, class P, std::size_t N, class Get>
    void Rows(const std::string& key, const TextTemplate& place, const FieldRow<T, P> (&rows)[N], const P& where,
              Get get)
    {
        const T& a = get(older());
        const T& b = get(newer());
        const T& heldA = get(older_.decoded);
        const T& heldB = get(newer_.decoded);
        for (const FieldRow<T, P>& row : rows) {
            const Bits bits = row.bits ? row.bits(where) : Bits{};
            const Texts raw{row.raw(a), row.raw(b)};
            const Texts shown = row.shown ? Texts{row.shown(older(), a), row.shown(newer(), b)} : raw;
            Field(key, place, {row.caption, {}}, row.bits ? &bits : nullptr,
                  {shown, raw, {row.raw(heldA), row.raw(heldB)}});
        }
    }

    // The records each side's page shows, and as the bytes hold them.
    const Model& older() const { return older_.shown(); }
    const Model& newer() const { return newer_.shown(); }
    const Model& olderHeld() const { return older_.decoded; }
    const Model& newerHeld() const { return newer_.decoded; }
    const Image& olderBytes() const { return older_.bytes; }
    const Image& newerBytes() const { return newer_.bytes; }
    // The bits some field holds.
    std::uint8_t Claimed(int address) const { return claimed_[address]; }

    std::vector<Difference> list;

private:
    bool Differ(const Bits& bits) const
    {
        for (const ImageBits& b : bits)
            if (((older_.bytes[b.address] ^ newer_.bytes[b.address]) & b.mask) != 0 && IsWrittenAddress(b.address))
                return true;
        return false;
    }

    const Held older_;
    const Held newer_;
    const bool byBits_;
    Image claimed_{};
};

void CompareAbPage(Collector& c)
{
    for (bool aChannel : {true, false}) {
        for (Region region : kRegions) {
            const auto pick = [&](const Model& m) -> int {
                return aChannel ? m.Special.Ach(region) : m.Special.Bch(region);
            };
            const int a = pick(c.older()), b = pick(c.newer());
            const Bits bits = At(aChannel ? LayoutOf(region).achByte : LayoutOf(region).bchByte, 0xFF);
            const TextTemplate field{aChannel ? QT_TRANSLATE_NOOP("Records", "%1 A-Ch")
                                              : QT_TRANSLATE_NOOP("Records", "%1 B-Ch"),
                                     {kRegionPlaces[static_cast<int>(region)]}};
            c.Field(KeyText(NodeKey::Programmable), {QT_TRANSLATE_NOOP("Records", "A/B"), {}}, field, &bits,
                    {{ChannelNumberText(c.older(), region, a), ChannelNumberText(c.newer(), region, b)},
                     {Number(a), Number(b)},
                     {Number(pick(c.olderHeld())), Number(pick(c.newerHeld()))}});
        }
    }
}

void CompareRegion(Collector& c, Region region)
{
    const RegionLayout& layout = LayoutOf(region);
    const ChannelList& a = c.older().Channels(region);
    const ChannelList& b = c.newer().Channels(region);
    const PlanTable& plan = c.older().Plan(region);
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const int position = a[i].Position;
        const bool known = position >= plan.first() && position <= plan.last();
        const int slot = position >= 1 && position <= kSlotCount ? position - 1 : -1;
        const ChannelPlace where{slot, layout.enableStart, layout.scanStart, layout.flagStart + slot,
                                 layout.nameStart + kSlotBytes * slot};
        const TextTemplate place{QT_TRANSLATE_NOOP("Records", "%1 CH%2"),
                                 {kRegionPlaces[static_cast<int>(region)],
                                  known ? plan.at(position).Label : Number(position)}};
        c.Rows(ChildKeyText(RegionList(region), static_cast<int>(i)), place, kEditorRows, where,
               [&](const Model& m) -> const ChannelRecord& { return m.Channels(region)[i]; });
    }
}

void CompareWx(Collector& c)
{
    for (std::size_t i = 0; i < c.older().WxChannels.size() && i < c.newer().WxChannels.size(); ++i) {
        const int slot = static_cast<int>(i);
        char place[16];
        std::snprintf(place, sizeof place, "WX%02d", slot + 1);
        const ChannelPlace where{slot, addr::WxEnable, addr::WxScan, -1, addr::WxNames + kSlotBytes * slot};
        c.Rows(KeyText(NodeKey::Wx), {"%1", {place}}, kWxRows, where,
               [&](const Model& m) -> const ChannelRecord& { return m.WxChannels[i]; });
    }
}

void CompareExp(Collector& c)
{
    for (int n = 1; n <= c.older().ExpChannels.size() && n <= kExpCount; ++n) {
        const std::string key = ChildKeyText(NodeKey::Exp, n);
        const TextTemplate place{"EXP%1", {Number(n)}};
        const int slot = n - 1;
        const ChannelPlace where{slot, addr::ExpEnable, addr::ExpScan, addr::ExpEntries + 2 * slot,
                                 addr::ExpNames + kSlotBytes * slot};
        const auto get = [n](const Model& m) -> const ChannelRecord& { return m.ExpChannels.at(n); };
        c.Rows(key, place, kExpPositionRow, where, get);
        c.Rows(key, place, kEditorRows, where, get);
    }
}

void CompareDirectory(Collector& c, DirectoryKind kind)
{
    const bool individual = kind == DirectoryKind::Individual;
    const DirectoryLayout layout = LayoutOf(kind);
    for (int n = 1; n <= layout.count && n <= c.older().DirectoryOf(kind).size() &&
                    n <= c.newer().DirectoryOf(kind).size();
         ++n)
        c.Rows(ChildKeyText(DirectoryList(kind), n),
               {individual ? QT_TRANSLATE_NOOP("Records", "Individual ID%1")
                           : QT_TRANSLATE_NOOP("Records", "Group ID%1"),
                {Number(n)}},
               kEntryRows, EntryPlace{layout.start + kSlotBytes * (n - 1)},
               [&](const Model& m) -> const DirectoryEntry& { return m.DirectoryOf(kind).at(n); });
}

// Bits no field holds, as ranges of bytes. Between data and a radio only what
// a write sends counts; between two images the radio's own bytes are listed apart.
void CompareUnclaimedBits(Collector& c, bool twoImages)
{
    enum Kind { Same, Sent, Own };
    const Image& older = c.olderBytes();
    const Image& newer = c.newerBytes();
    const auto bitsOf = [&](int a) -> std::uint8_t {
        const std::uint8_t differ = older[a] ^ newer[a];
        return IsWrittenAddress(a) ? differ & ~c.Claimed(a) : differ;
    };
    const auto kindOf = [&](int a) {
        if (bitsOf(a) == 0)
            return Same;
        if (IsWrittenAddress(a))
            return Sent;
        return twoImages ? Own : Same;
    };
    for (int a = 0; a < kImageSize;) {
        const Kind kind = kindOf(a);
        if (kind == Same) {
            ++a;
            continue;
        }
        Bits bits{{a, bitsOf(a)}};
        while (a + 1 < kImageSize && kindOf(a + 1) == kind) {
            ++a;
            bits.push_back({a, bitsOf(a)});
        }
        const int first = bits.front().address;
        const TextTemplate place = first == a ? TextTemplate{QT_TRANSLATE_NOOP("Records", "byte 0x%1"), {Hex(first, 4)}}
                                              : TextTemplate{QT_TRANSLATE_NOOP("Records", "bytes 0x%1-0x%2"),
                                                             {Hex(first, 4), Hex(a, 4)}};
        const Bits whole = Run(first, a - first + 1);
        c.list.push_back(Difference{"", Filled(place), "", HexBytes(older, whole), HexBytes(newer, whole), true,
                                    kind == Own, std::move(bits), place, {}});
        ++a;
    }
}

}  // namespace

const char* Difference::Sentence() const
{
    const bool many = place.rfind("bytes", 0) == 0;
    if (unwritten)
        return many ? QT_TRANSLATE_NOOP("Records", "%1 differ; Program to Radio does not write them")
                    : QT_TRANSLATE_NOOP("Records", "%1 differs; Program to Radio does not write it");
    if (rawBytes)
        return many ? QT_TRANSLATE_NOOP("Records", "%1 differ; the editor does not show them")
                    : QT_TRANSLATE_NOOP("Records", "%1 differs; the editor does not show it");
    return QT_TRANSLATE_NOOP("Records", "%1: %2 %3 -> %4");
}

std::string Difference::Text() const { return Filled(Sentence(), {place, field, oldValue, newValue}); }

std::vector<Difference> CompareModels(const ComparedSide& older, const ComparedSide& newer)
{
    Collector c(older, newer);
    CompareAbPage(c);
    for (Region region : kRegions)
        CompareRegion(c, region);
    CompareWx(c);
    CompareExp(c);
    const auto whole = [](const Model& m) -> const Model& { return m; };
    const TextTemplate radioSetup{QT_TRANSLATE_NOOP("Records", "Radio Setup"), {}};
    const TextTemplate dscSetup{QT_TRANSLATE_NOOP("Records", "DSC Setup"), {}};
    c.Rows(KeyText(NodeKey::Setting), radioSetup, kRadioSetupRows, NoPlace{}, whole);
    c.Rows(KeyText(NodeKey::Setting), dscSetup, kDscSetupRows, NoPlace{}, whole);
    for (DirectoryKind kind : {DirectoryKind::Individual, DirectoryKind::Group})
        CompareDirectory(c, kind);
    CompareUnclaimedBits(c, older.kind == SideKind::Image && newer.kind == SideKind::Image);
    return std::move(c.list);
}

TextTemplate DifferenceCountWords(std::size_t count)
{
    return {count == 1 ? QT_TRANSLATE_NOOP("Records", "%1 difference") : QT_TRANSLATE_NOOP("Records", "%1 differences"),
            {std::to_string(count)}};
}

std::string DifferenceCount(std::size_t count) { return Filled(DifferenceCountWords(count)); }

}  // namespace quorlink
