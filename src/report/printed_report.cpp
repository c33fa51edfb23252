// SPDX-License-Identifier: GPL-3.0-or-later
#include "printed_report.h"

#include "formatters.h"
#include "model.h"

namespace quorlink {

namespace {

class PageBuilder {
public:
    explicit PageBuilder(const char* banner) { Line({{banner, 0}}); }
    void Line(std::vector<PrintCell> cells) { page.lines.push_back(PrintLine{std::move(cells)}); }
    // Titles and their rule of hyphens at the same columns.
    void Titles(const std::vector<std::pair<const char*, int>>& titles, const std::vector<double>& columns)
    {
        std::vector<PrintCell> names;
        std::vector<PrintCell> rule;
        for (std::size_t i = 0; i < titles.size(); ++i) {
            names.push_back({titles[i].first, columns[i]});
            rule.push_back({std::string(static_cast<std::size_t>(titles[i].second), '-'), columns[i]});
        }
        Line(std::move(names));
        Line(std::move(rule));
    }
    PrintPage page;
};

const PlanEntry* EntryAt(const PlanTable& plan, int index)
{
    return index >= plan.first() && index <= plan.last() ? &plan.at(index) : nullptr;
}

// The cells from ENABLE to CH Name at the given columns; a record whose
// Position names no entry prints no frequencies.
void ChannelCells(std::vector<PrintCell>& line, const ChannelRecord& c, const PlanEntry* entry,
                  const std::vector<double>& columns)
{
    std::size_t i = 0;
    line.push_back({EnableText(c.Enable), columns[i++]});
    if (entry) {
        line.push_back({FormatFrequency(c.Duplex ? entry->DuplexRxFreq : entry->RxFreq), columns[i]});
        line.push_back({FormatFrequency(entry->TxFreq), columns[i + 1]});
    }
    i += 2;
    const std::string flags[] = {TxText(c.TxEnable), LowPowerText(c.LowPower), PowerUpText(c.PowUp),
                                 DuplexText(c.Duplex), ScanText(c.ScanMemory), VsText(c.VsMemory), c.ChTag};
    for (const std::string& text : flags)
        line.push_back({text, columns[i++]});
}

PrintPage SpecialChannelPage(const Model& model)
{
    PageBuilder b("##### Programable Channel Common #####");
    b.Line({{"USA", 20}, {"International", 40}, {"CANADA", 60}});
    for (bool aChannel : {true, false}) {
        std::vector<PrintCell> line{{aChannel ? "A-ch" : "B-ch", 0}};
        double column = 20;
        for (Region region : kRegions) {
            const int value = aChannel ? model.Special.Ach(region) : model.Special.Bch(region);
            line.push_back({ChannelNumberText(model, region, value), column});
            column += 20;
        }
        b.Line(std::move(line));
    }
    return b.page;
}

PrintPage CommonSettingPage(const Model& model)
{
    const CommonSettings& s = model.Settings;
    const std::vector<std::string> offsets = BuildOffsetTimeList();
    const bool offsetKnown = s.OffsetTime >= 0 && s.OffsetTime < static_cast<int>(offsets.size());
    PageBuilder b("##### Common Setting #####");
    auto setting = [&b](const char* label, const std::string& value) { b.Line({{label, 0}, {": " + value, 48}}); };
    b.Line({{"-- Radio --", 0}});
    setting("ContrastLevel", std::to_string(s.Contrast));
    setting("Dimmer Status", DimmerText(s.Dimmer));
    setting("OffsetTime", offsetKnown ? offsets[static_cast<std::size_t>(s.OffsetTime)] : "");
    setting("KeyBeep", YesNoText(s.KeyBeep));
    setting("Wx Alert", YesNoText(s.WxAlert));
    setting("ScanType", ScanTypeText(s.ScanType));
    setting("Voice Scrambler", ScramblerText(s.Scrambler));
    setting("True MAG", YesNoText(s.TrueMag));
    b.Line({{"--  Dsc  --", 0}});
    setting("Indivisual reply", YesNoText(s.IndReply));
    setting("Indivisual ACK", YesNoText(s.IndACK));
    setting("Indivisual Ringer", RingerText(s.Ind));
    setting("POS Request Reply", YesNoText(s.POSRR));
    setting("DscScan", YesNoText(s.DscScan));
    b.Line({{"UserMmsi", 0}, {": " + s.UserMmsid, 48}, {"----- Count", 70},
            {": " + std::to_string(UserMmsiCount(model)), 119}});
    return b.page;
}

PrintPage ChannelPage(const Model& model, Region region)
{
    static const char* const kBanners[] = {"##### Programable USA Channel #####",
                                           "##### Programable International Channel #####",
                                           "##### Programable Canada Channel #####"};
    const std::vector<double> columns = {0, 12, 31, 52, 73, 82, 94, 104, 116, 128, 137};
    PageBuilder b(kBanners[static_cast<int>(region)]);
    b.Titles({{"CH", 3}, {"ENABLE", 6}, {"RX(MHz)", 7}, {"TX(MHz)", 7}, {"TX", 2}, {"LOW", 3}, {"UP", 2},
              {"DUP", 3}, {"MEM", 3}, {"VS", 2}, {"CH Name", 12}},
             columns);
    const std::vector<double> cellColumns(columns.begin() + 1, columns.end());
    for (const ChannelRecord& c : model.Channels(region)) {
        const PlanEntry* entry = EntryAt(model.Plan(region), c.Position);
        std::vector<PrintCell> line;
        if (entry)
            line.push_back({entry->Label, 0});
        ChannelCells(line, c, entry, cellColumns);
        b.Line(std::move(line));
    }
    return b.page;
}

PrintPage WxPage(const Model& model)
{
    PageBuilder b("##### Programable WX Channel #####");
    b.Titles({{"CH", 2}, {"ENABLE", 5}, {"MEM", 3}, {"CH Name", 12}}, {0, 9, 28, 40});
    for (std::size_t i = 0; i < model.WxChannels.size(); ++i) {
        const ChannelRecord& c = model.WxChannels[i];
        b.Line({{std::to_string(i + 1), 0}, {EnableText(c.Enable), 9}, {ScanText(c.ScanMemory), 28}, {c.ChTag, 40}});
    }
    return b.page;
}

PrintPage ExpPage(const Model& model)
{
    const std::vector<double> columns = {0, 9, 21, 40, 61, 82, 92, 104, 113, 125, 137, 146};
    PageBuilder b("##### Programable EXP Channel #####");
    b.Titles({{"CH", 2}, {"POS", 3}, {"ENABLE", 6}, {"RX(MHz)", 7}, {"TX(MHz)", 7}, {"TX", 2}, {"LOW", 3},
              {"UP", 2}, {"DUP", 3}, {"MEM", 3}, {"VS", 2}, {"CH Name", 12}},
             columns);
    const std::vector<double> cellColumns(columns.begin() + 2, columns.end());
    for (int n = 1; n <= model.ExpChannels.size(); ++n) {
        const ChannelRecord& c = model.ExpChannels.at(n);
        std::vector<PrintCell> line{{std::to_string(n), 0}, {std::to_string(c.Position), 9}};
        ChannelCells(line, c, EntryAt(model.ExpPlan, c.Position), cellColumns);
        b.Line(std::move(line));
    }
    return b.page;
}

PrintPage DirectoryPage(const Directory& directory, const char* banner)
{
    PageBuilder b(banner);
    b.Titles({{"No.", 2}, {"CH Name", 12}, {"MMSI", 9}}, {0, 19, 50});
    for (int i = 1; i <= directory.size(); ++i)
        b.Line({{std::to_string(i), 0}, {directory.at(i).TagName, 19}, {directory.at(i).Mmsid, 50}});
    return b.page;
}

}  // namespace

std::vector<PrintPage> BuildPrintedReport(const Model& model)
{
    std::vector<PrintPage> pages;
    if (model.ModelNumber == 1)
        pages.push_back(SpecialChannelPage(model));
    pages.push_back(CommonSettingPage(model));
    for (Region region : kRegions)
        pages.push_back(ChannelPage(model, region));
    pages.push_back(WxPage(model));
    pages.push_back(ExpPage(model));
    pages.push_back(DirectoryPage(model.IndividualDirectory, "##### Individual ID #####"));
    pages.push_back(DirectoryPage(model.GroupDirectory, "##### Group ID #####"));
    return pages;
}

std::string PageHeaderText(const Model& model, int page, int pageCount)
{
    return model.ModelName() + " Quorlink --- Page " + std::to_string(page) + " of " + std::to_string(pageCount);
}

}  // namespace quorlink
