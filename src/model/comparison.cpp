// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison.h"

#include "decoder.h"
#include "encoder.h"
#include "memory_map.h"
#include "mmsi.h"
#include "model.h"
#include "node_keys.h"
#include "setting_texts.h"
#include "written_areas.h"

#include <cstdio>

namespace quorlink {

namespace {

// One field as a page shows it. raw tells whether two records differ; shown
// is what the page would display (null: the raw text). When two different
// raw values would display alike (a Dimmer of 5 shows "OFF" as 0 does), the
// raw texts are given instead, so that no difference reads "OFF -> OFF".
template <class T>
struct FieldRow {
    const char* caption;
    std::string (*raw)(const T&);
    std::string (*shown)(const Model&, const T&);
};

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
    return stored.empty() ? "(empty)" : ShownMmsi(stored);
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

using ChannelRow = FieldRow<ChannelRecord>;
using EntryRow = FieldRow<DirectoryEntry>;
using SettingRow = FieldRow<Model>;

// The channel editor, top to bottom.
const ChannelRow kExpPositionRow[] = {
    {"Position", [](const ChannelRecord& c) { return Number(c.Position); }, ExpPositionText},
};
const ChannelRow kEditorRows[] = {
    {"Enable", [](const ChannelRecord& c) { return OnOff(c.Enable); }, nullptr},
    {"Tx Enable", [](const ChannelRecord& c) { return OnOff(c.TxEnable); }, nullptr},
    {"Only Low Power", [](const ChannelRecord& c) { return OnOff(c.LowPower); }, nullptr},
    {"Power Up", [](const ChannelRecord& c) { return OnOff(c.PowUp); }, nullptr},
    {"Duplex", [](const ChannelRecord& c) { return OnOff(c.Duplex); }, nullptr},
    {"Scan Memory", [](const ChannelRecord& c) { return OnOff(c.ScanMemory); }, nullptr},
    {"VS Memory", [](const ChannelRecord& c) { return OnOff(c.VsMemory); }, nullptr},
    {"name", [](const ChannelRecord& c) { return Quoted(c.ChTag); }, nullptr},
};
// The columns of the WX page.
const ChannelRow kWxRows[] = {
    {"Enable", [](const ChannelRecord& c) { return OnOff(c.Enable); }, nullptr},
    {"Scan", [](const ChannelRecord& c) { return OnOff(c.ScanMemory); }, nullptr},
    {"name", [](const ChannelRecord& c) { return Quoted(c.ChTag); }, nullptr},
};
const EntryRow kEntryRows[] = {
    {"Enable", [](const DirectoryEntry& e) { return OnOff(e.Enable); }, nullptr},
    {"name", [](const DirectoryEntry& e) { return Quoted(e.TagName); }, nullptr},
    {"MMSI", [](const DirectoryEntry& e) { return e.Mmsid; },
     [](const Model&, const DirectoryEntry& e) { return MmsiText(e.Mmsid); }},
};
// The two tabs of the settings page, top to bottom.
const SettingRow kRadioSetupRows[] = {
    {"Contrast", [](const Model& m) { return Number(m.Settings.Contrast); }, nullptr},
    {"Dimmer", [](const Model& m) { return Number(m.Settings.Dimmer); },
     [](const Model&, const Model& m) { return Choice(kDimmerChoices, m.Settings.Dimmer); }},
    {"Offset Time", [](const Model& m) { return Number(m.Settings.OffsetTime); },
     [](const Model&, const Model& m) { return OffsetText(m.Settings.OffsetTime); }},
    {"Key Beep", [](const Model& m) { return OnOff(m.Settings.KeyBeep); }, nullptr},
    {"WX Alert", [](const Model& m) { return OnOff(m.Settings.WxAlert); }, nullptr},
    {"Scan Type", [](const Model& m) { return Number(m.Settings.ScanType); },
     [](const Model&, const Model& m) { return Choice(kScanTypeChoices, m.Settings.ScanType); }},
    {"Voice Scrambler", [](const Model& m) { return Number(m.Settings.Scrambler); },
     [](const Model&, const Model& m) { return Choice(kScramblerChoices, m.Settings.Scrambler); }},
    {"True MAG", [](const Model& m) { return OnOff(m.Settings.TrueMag); }, nullptr},
};
const SettingRow kDscSetupRows[] = {
    {"Individual Reply", [](const Model& m) { return OnOff(m.Settings.IndReply); }, nullptr},
    {"Individual ACK", [](const Model& m) { return OnOff(m.Settings.IndACK); }, nullptr},
    {"Individual Ringer", [](const Model& m) { return Number(m.Settings.Ind); },
     [](const Model&, const Model& m) { return Choice(kRingerChoices, m.Settings.Ind); }},
    {"POS Request Reply", [](const Model& m) { return OnOff(m.Settings.POSRR); }, nullptr},
    {"DSC Scan", [](const Model& m) { return OnOff(m.Settings.DscScan); }, nullptr},
    {"User MMSI", [](const Model& m) { return m.Settings.UserMmsid; },
     [](const Model&, const Model& m) { return MmsiText(m.Settings.UserMmsid); }},
    {"Count", [](const Model& m) { return Number(UserMmsiCount(m)); }, nullptr},
};

const char* const kRegionPlaces[] = {"USA", "International", "Canada"};

// Two sides are compared as the radio would hold them: a field differs only
// where the bytes a write sends differ (a nine-digit MMSI and its stored
// ten-digit form, or a name and its folding to the radio's letters, are one
// value). What is listed is what each side's page shows.
class Collector {
public:
    Collector(const Model& older, const Model& newer)
        : older_(older), newer_(newer), olderHeld_(AsRadioHolds(older)), newerHeld_(AsRadioHolds(newer))
    {
    }

    // get picks the record from a model.
    template <class T, std::size_t N, class Get>
    void Rows(const std::string& key, const std::string& place, const FieldRow<T> (&rows)[N], Get get)
    {
        const T& a = get(older_);
        const T& b = get(newer_);
        for (const FieldRow<T>& row : rows) {
            if (row.raw(get(olderHeld_)) == row.raw(get(newerHeld_)))
                continue;
            const std::string rawA = row.raw(a), rawB = row.raw(b);
            std::string shownA = row.shown ? row.shown(older_, a) : rawA;
            std::string shownB = row.shown ? row.shown(newer_, b) : rawB;
            if (shownA == shownB) {
                shownA = rawA;
                shownB = rawB;
            }
            Add(Difference{key, place, row.caption, shownA, shownB, false});
        }
    }

    void Add(Difference difference) { list.push_back(std::move(difference)); }

    const Model& older() const { return older_; }
    const Model& newer() const { return newer_; }
    const Model& olderHeld() const { return olderHeld_; }
    const Model& newerHeld() const { return newerHeld_; }

    std::vector<Difference> list;

private:
    // The records and image as a write would leave them in the radio;
    // records that cannot be written are compared as they stand.
    static Model AsRadioHolds(const Model& model)
    {
        Model held = model;
        if (EncodeImage(held))
            return held;
        DecodeImage(held);
        // Every slot is sent, also those behind the first empty one.
        for (DirectoryKind kind : {DirectoryKind::Individual, DirectoryKind::Group})
            DecodeDirectorySlots(held.MemoryImage, held.DirectoryOf(kind), LayoutOf(kind).start, LayoutOf(kind).count);
        return held;
    }

    const Model& older_;
    const Model& newer_;
    const Model olderHeld_;
    const Model newerHeld_;
};

void CompareAbPage(Collector& c)
{
    for (bool aChannel : {true, false}) {
        for (Region region : kRegions) {
            const auto pick = [&](const Model& m) { return aChannel ? m.Special.Ach(region) : m.Special.Bch(region); };
            if (pick(c.olderHeld()) == pick(c.newerHeld()))
                continue;
            const int a = pick(c.older()), b = pick(c.newer());
            std::string textA = ChannelNumberText(c.older(), region, a);
            std::string textB = ChannelNumberText(c.newer(), region, b);
            if (textA == textB) {
                textA = Number(a);
                textB = Number(b);
            }
            const std::string field = std::string(kRegionPlaces[static_cast<int>(region)]) +
                                      (aChannel ? " A-Ch" : " B-Ch");
            c.Add(Difference{KeyText(NodeKey::Programmable), "A/B", field, textA, textB, false});
        }
    }
}

void CompareRegion(Collector& c, Region region)
{
    const ChannelList& a = c.older().Channels(region);
    const ChannelList& b = c.newer().Channels(region);
    const PlanTable& plan = c.older().Plan(region);
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const int position = a[i].Position;
        const bool known = position >= plan.first() && position <= plan.last();
        const std::string place =
            std::string(kRegionPlaces[static_cast<int>(region)]) + " CH" +
            (known ? plan.at(position).Label : Number(position));
        c.Rows(ChildKeyText(RegionList(region), static_cast<int>(i)), place, kEditorRows,
               [&](const Model& m) -> const ChannelRecord& { return m.Channels(region)[i]; });
    }
}

void CompareWx(Collector& c)
{
    for (std::size_t i = 0; i < c.older().WxChannels.size() && i < c.newer().WxChannels.size(); ++i) {
        char place[8];
        std::snprintf(place, sizeof place, "WX%02d", static_cast<int>(i + 1));
        c.Rows(KeyText(NodeKey::Wx), place, kWxRows,
               [&](const Model& m) -> const ChannelRecord& { return m.WxChannels[i]; });
    }
}

void CompareExp(Collector& c)
{
    for (int n = 1; n <= c.older().ExpChannels.size(); ++n) {
        const std::string key = ChildKeyText(NodeKey::Exp, n), place = "EXP" + Number(n);
        const auto get = [n](const Model& m) -> const ChannelRecord& { return m.ExpChannels.at(n); };
        // The radio keeps no position for a disabled EXP channel.
        if (get(c.older()).Enable || get(c.newer()).Enable)
            c.Rows(key, place, kExpPositionRow, get);
        c.Rows(key, place, kEditorRows, get);
    }
}

void CompareDirectory(Collector& c, DirectoryKind kind)
{
    const bool individual = kind == DirectoryKind::Individual;
    for (int n = 1; n <= c.older().DirectoryOf(kind).size() && n <= c.newer().DirectoryOf(kind).size(); ++n)
        c.Rows(ChildKeyText(DirectoryList(kind), n), (individual ? "Individual ID" : "Group ID") + Number(n),
               kEntryRows, [&](const Model& m) -> const DirectoryEntry& { return m.DirectoryOf(kind).at(n); });
}

std::string Hex(int value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

std::string HexBytes(const Image& image, int first, int last)
{
    constexpr int kShown = 8;
    std::string text;
    for (int a = first; a <= last && a < first + kShown; ++a)
        text += (a == first ? "" : " ") + Hex(image[a], 2);
    return last - first + 1 > kShown ? text + " ..." : text;
}

// Bytes no page shows. Between data and a radio only what a write sends
// counts; two raw images also differ in the radio's own bytes, listed apart.
void CompareUnshownBytes(Collector& c, const Image& older, const Image& newer, ComparedSides sides)
{
    enum Kind { Same, Sent, Own };
    // Bits a page shows differ as fields; every other bit (the radio's own,
    // or a field no page shows, as the ATIS values) is compared as raw bytes.
    const auto kindOf = [&](int a) {
        if (((older[a] ^ newer[a]) & ~PageBits(a)) == 0)
            return Same;
        if (IsWrittenAddress(a))
            return Sent;
        return sides == ComparedSides::TwoImages ? Own : Same;
    };
    for (int a = 0; a < kImageSize;) {
        const Kind kind = kindOf(a);
        if (kind == Same) {
            ++a;
            continue;
        }
        const int first = a;
        while (a + 1 < kImageSize && kindOf(a + 1) == kind)
            ++a;
        const std::string place =
            first == a ? "byte 0x" + Hex(first, 4) : "bytes 0x" + Hex(first, 4) + "-0x" + Hex(a, 4);
        Difference difference{"", place, "", HexBytes(older, first, a), HexBytes(newer, first, a), true};
        difference.unwritten = kind == Own;
        c.Add(std::move(difference));
        ++a;
    }
}

}  // namespace

std::string Difference::Text() const
{
    const bool many = place.rfind("bytes", 0) == 0;
    if (unwritten)
        return place + (many ? " differ; Program to Radio does not write them"
                             : " differs; Program to Radio does not write it");
    if (rawBytes)
        return place + (many ? " differ; the editor does not show them" : " differs; the editor does not show it");
    return place + ": " + field + " " + oldValue + " -> " + newValue;
}

std::vector<Difference> CompareModels(const Model& older, const Model& newer, ComparedSides sides)
{
    Collector c(older, newer);
    CompareAbPage(c);
    for (Region region : kRegions)
        CompareRegion(c, region);
    CompareWx(c);
    CompareExp(c);
    const auto whole = [](const Model& m) -> const Model& { return m; };
    c.Rows(KeyText(NodeKey::Setting), "Radio Setup", kRadioSetupRows, whole);
    c.Rows(KeyText(NodeKey::Setting), "DSC Setup", kDscSetupRows, whole);
    for (DirectoryKind kind : {DirectoryKind::Individual, DirectoryKind::Group})
        CompareDirectory(c, kind);
    CompareUnshownBytes(c, c.olderHeld().MemoryImage, c.newerHeld().MemoryImage, sides);
    return std::move(c.list);
}

std::string DifferenceCount(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " difference" : " differences");
}

}  // namespace quorlink
