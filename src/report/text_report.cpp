// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_report.h"

#include "formatters.h"
#include "model.h"

namespace quorlink {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr int kSettingLabelWidth = 18;

class Report {
public:
    void First(const std::string& line) { text += line; }
    void NewLine(const std::string& line) { text += kCrLf + line; }
    void EmptyLine() { text += kCrLf; }
    std::string text;
};

// A plan entry by index, or null when the index names none: the cells that
// need it are left out and the rest of the row is still printed.
const PlanEntry* EntryAt(const PlanTable& plan, int index)
{
    return index >= plan.first() && index <= plan.last() ? &plan.at(index) : nullptr;
}

void AppendSpecialChannelSection(Report& r, const Model& model)
{
    r.First("##### Programable Channel Common #####");
    std::string header = PadText("", 20);
    for (const char* region : {"USA", "International", "CANADA"})
        header += PadText(region, 20);
    r.NewLine(header);
    for (bool aChannel : {true, false}) {
        std::string line = PadText(aChannel ? "A-ch" : "B-ch", 20);
        for (Region region : kRegions) {
            const int value = aChannel ? model.Special.Ach(region) : model.Special.Bch(region);
            line += PadText(ChannelNumberText(model, region, value), 20);
        }
        r.NewLine(line);
    }
}

void Setting(Report& r, const char* label, const std::string& value)
{
    r.NewLine(LabelField(label, kSettingLabelWidth) + value);
}

void AppendCommonSettingSection(Report& r, const Model& model)
{
    const CommonSettings& s = model.Settings;
    const std::vector<std::string> offsets = BuildOffsetTimeList();
    r.EmptyLine();
    r.NewLine("##### Common Setting #####");
    r.NewLine("--- Radio ---");
    Setting(r, "ContrastLevel", std::to_string(s.Contrast));
    Setting(r, "Dimmer Status:", DimmerText(s.Dimmer));
    const bool offsetKnown = s.OffsetTime >= 0 && s.OffsetTime < static_cast<int>(offsets.size());
    Setting(r, "OffsetTime", offsetKnown ? offsets[static_cast<std::size_t>(s.OffsetTime)] : "");
    Setting(r, "KeyBeep", YesNoText(s.KeyBeep));
    Setting(r, "Wx Alert", YesNoText(s.WxAlert));
    Setting(r, "ScanType", ScanTypeText(s.ScanType));
    Setting(r, "Voice Scrambler:", ScramblerText(s.Scrambler));
    Setting(r, "True MAG", YesNoText(s.TrueMag));
    r.EmptyLine();
    r.NewLine("--- Dsc ---");
    Setting(r, "Indivisual Reply", YesNoText(s.IndReply));
    Setting(r, "Indivisual ACK", YesNoText(s.IndACK));
    Setting(r, "Indivisual Ringer", RingerText(s.Ind));
    Setting(r, "POS Request Reply", YesNoText(s.POSRR));
    Setting(r, "DscScan", YesNoText(s.DscScan));
    Setting(r, "UserMmsi", PadText(s.UserMmsid, 11) + "----- " + LabelField("Count", 7) +
                               std::to_string(UserMmsiCount(model)));
    r.text += kCrLf;
}

// The cells from ENABLE to CH Name, shared by region and EXP rows.
std::string ChannelCells(const ChannelRecord& c, const PlanEntry* entry)
{
    std::string cells = PadText(EnableText(c.Enable), 8);
    if (entry) {
        cells += PadText(FormatFrequency(c.Duplex ? entry->DuplexRxFreq : entry->RxFreq), 9);
        cells += PadText(FormatFrequency(entry->TxFreq), 9);
    }
    cells += PadText(TxText(c.TxEnable), 4) + PadText(LowPowerText(c.LowPower), 5) +
             PadText(PowerUpText(c.PowUp), 4) + PadText(DuplexText(c.Duplex), 5) +
             PadText(ScanText(c.ScanMemory), 5) + PadText(VsText(c.VsMemory), 4) + PadText(c.ChTag, 12);
    return cells;
}

void AppendChannelSection(Report& r, const Model& model, Region region)
{
    static const char* const kBanners[] = {"##### Programable USA Channel #####",
                                           "##### Programable International Channel #####",
                                           "##### Programable Canada Channel #####"};
    r.EmptyLine();
    r.NewLine(kBanners[static_cast<int>(region)]);
    r.NewLine("CH   ENABLE  RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  CH Name");
    r.NewLine("---  ------  -------  -------  --  ---  --  ---  ---  --  ------------");
    for (const ChannelRecord& c : model.Channels(region)) {
        const PlanEntry* entry = EntryAt(model.Plan(region), c.Position);
        r.NewLine((entry ? PadText(entry->Label, 5) : "") + ChannelCells(c, entry));
    }
}

void AppendWxSection(Report& r, const Model& model)
{
    r.EmptyLine();
    r.NewLine("##### Programable Wx Channel #####");
    r.NewLine("CH  ENABLE  MEM  CH Name");
    r.NewLine("--  ------  ---  ------------");
    for (std::size_t i = 0; i < model.WxChannels.size(); ++i) {
        const ChannelRecord& c = model.WxChannels[i];
        r.NewLine(PadText(std::to_string(i + 1), 4) + PadText(EnableText(c.Enable), 8) +
                  PadText(ScanText(c.ScanMemory), 5) + PadText(c.ChTag, 12));
    }
}

void AppendExpSection(Report& r, const Model& model)
{
    r.EmptyLine();
    r.NewLine("##### Programable Exp Channel #####");
    r.NewLine("CH  POS  ENABLE  RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  CH Name");
    r.NewLine("--  ---  ------  -------  -------  --  ---  --  ---  ---  --  ------------");
    for (int i = 1; i <= model.ExpChannels.size(); ++i) {
        const ChannelRecord& c = model.ExpChannels.at(i);
        r.NewLine(PadText(std::to_string(i), 4) + PadText(std::to_string(c.Position), 5) +
                  ChannelCells(c, EntryAt(model.ExpPlan, c.Position)));
    }
}

void AppendDirectorySection(Report& r, const Directory& directory, const char* banner, const char* titles)
{
    r.EmptyLine();
    r.NewLine(banner);
    r.NewLine(titles);
    r.NewLine("---  ----------    ---------");
    for (int i = 1; i <= directory.size(); ++i) {
        const DirectoryEntry& e = directory.at(i);
        r.NewLine(PadText(std::to_string(i), 5) + PadText(e.TagName, 14) + PadText(e.Mmsid, 9));
    }
}

}  // namespace

std::string BuildTextReport(const Model& model)
{
    Report r;
    AppendSpecialChannelSection(r, model);
    AppendCommonSettingSection(r, model);
    for (Region region : kRegions)
        AppendChannelSection(r, model, region);
    AppendWxSection(r, model);
    AppendExpSection(r, model);
    AppendDirectorySection(r, model.IndividualDirectory, "##### Memory ID Setting #####",
                           "No.  Station Name  MMSI");
    AppendDirectorySection(r, model.GroupDirectory, "##### Group ID Setting #####",
                           "No.  Group Name    MMSI");
    return r.text;
}

}  // namespace quorlink
