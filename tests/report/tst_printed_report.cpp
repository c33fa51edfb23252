// SPDX-License-Identifier: GPL-3.0-or-later
// The printed report's pages, lines and columns, before any painting.
#include "model.h"
#include "printed_report.h"
#include "support/sample_model.h"

#include <QtTest>

using namespace quorlink;

namespace {

std::string Banner(const PrintPage& page) { return page.lines.at(0).cells.at(0).text; }

// The cell at column c of the first line whose first cell is first.
std::string CellAt(const PrintPage& page, const std::string& first, double column)
{
    for (const PrintLine& line : page.lines)
        if (!line.cells.empty() && line.cells[0].text == first)
            for (const PrintCell& cell : line.cells)
                if (cell.columnMm == column)
                    return cell.text;
    return "(none)";
}

}  // namespace

class TestPrintedReport : public QObject {
    Q_OBJECT

    Model model;

private slots:
    void init()
    {
        model = Model();
        model.ModelNumber = 1;
        QVERIFY(!NewModel(model));
        test::ApplySampleEdits(model);
    }

    void pagesOfEachModel()
    {
        std::vector<PrintPage> pages = BuildPrintedReport(model);
        QCOMPARE(pages.size(), std::size_t(9));
        QCOMPARE(Banner(pages[0]), std::string("##### Programable Channel Common #####"));
        QCOMPARE(Banner(pages[5]), std::string("##### Programable WX Channel #####"));
        QCOMPARE(Banner(pages[6]), std::string("##### Programable EXP Channel #####"));
        QCOMPARE(Banner(pages[7]), std::string("##### Individual ID #####"));
        QCOMPARE(Banner(pages[8]), std::string("##### Group ID #####"));
        QCOMPARE(PageHeaderText(model, 1, 9), std::string("MR7100A Quorlink --- Page 1 of 9"));
        model.ModelNumber = 0;
        pages = BuildPrintedReport(model);
        QCOMPARE(pages.size(), std::size_t(8));
        QCOMPARE(Banner(pages[0]), std::string("##### Common Setting #####"));
        QCOMPARE(PageHeaderText(model, 8, 8), std::string("MR5100A Quorlink --- Page 8 of 8"));
    }

    void specialChannelPage()
    {
        model.Special.Bch(Region::Int) = 1;  // the International "02" slot exists
        model.Special.Ach(Region::Can) = 63;
        const PrintPage page = BuildPrintedReport(model)[0];
        QCOMPARE(CellAt(page, "A-ch", 20), std::string("16"));
        QCOMPARE(CellAt(page, "A-ch", 40), std::string("06"));
        QCOMPARE(CellAt(page, "A-ch", 60), std::string("(None)"));
        QCOMPARE(CellAt(page, "B-ch", 20), std::string("09"));
        QCOMPARE(CellAt(page, "B-ch", 40), std::string("02"));
        QCOMPARE(CellAt(page, "USA", 40), std::string("International"));
    }

    void commonSettingsPage()
    {
        model.MemoryImage[341] = 7;
        const PrintPage page = BuildPrintedReport(model)[1];
        QCOMPARE(page.lines[1].cells[0].text, std::string("-- Radio --"));
        QCOMPARE(CellAt(page, "Dimmer Status", 48), std::string(": LO"));
        QCOMPARE(CellAt(page, "Voice Scrambler", 48), std::string(": 02"));
        QCOMPARE(CellAt(page, "OffsetTime", 48), std::string(": -9:00"));
        QCOMPARE(CellAt(page, "--  Dsc  --", 0), std::string("--  Dsc  --"));
        QCOMPARE(CellAt(page, "Indivisual reply", 48), std::string(": Yes"));
        QCOMPARE(CellAt(page, "Indivisual Ringer", 48), std::string(": 15 times"));
        QCOMPARE(CellAt(page, "UserMmsi", 48), std::string(": 3669876540"));
        QCOMPARE(CellAt(page, "UserMmsi", 70), std::string("----- Count"));
        QCOMPARE(CellAt(page, "UserMmsi", 119), std::string(": 7"));
        QCOMPARE(page.lines.size(), std::size_t(1 + 1 + 8 + 1 + 6));  // no empty line before the DSC part
    }

    void channelPages()
    {
        model.UsaChannels.at(0).ChTag = "A NAME LONGER THAN TWELVE";
        const PrintPage usa = BuildPrintedReport(model)[2];
        QCOMPARE(usa.lines.size(), std::size_t(3 + 55));
        QCOMPARE(usa.lines[1].cells.size(), std::size_t(11));
        QCOMPARE(usa.lines[2].cells[2].text, std::string("-------"));
        QCOMPARE(usa.lines[2].cells[2].columnMm, 31.0);
        QCOMPARE(CellAt(usa, "01A", 137), std::string("A NAME LONGER THAN TWELVE"));  // not cut
        QCOMPARE(CellAt(usa, "15", 52), std::string("---.---"));
        QCOMPARE(CellAt(usa, "20", 31), std::string("161.600"));
        const PrintPage wx = BuildPrintedReport(model)[5];
        QCOMPARE(wx.lines[2].cells[1].text, std::string("-----"));  // five hyphens under ENABLE
        QCOMPARE(CellAt(wx, "10", 40), std::string("NOAA 10"));
        const PrintPage exp = BuildPrintedReport(model)[6];
        QCOMPARE(CellAt(exp, "1", 9), std::string("261"));
        QCOMPARE(CellAt(exp, "1", 146), std::string("EXP ONE"));
        QCOMPARE(CellAt(exp, "40", 61), std::string("156.800"));
    }

    void directoryPages()
    {
        const std::vector<PrintPage> pages = BuildPrintedReport(model);
        const PrintPage& individual = pages[7];
        QCOMPARE(individual.lines.size(), std::size_t(3 + 40));
        QCOMPARE(individual.lines[1].cells[1].text, std::string("CH Name"));
        QCOMPARE(CellAt(individual, "1", 50), std::string("3661234560"));  // all ten digits
        QCOMPARE(CellAt(individual, "40", 19), std::string());
        QCOMPARE(pages[8].lines.size(), std::size_t(3 + 10));
        QCOMPARE(CellAt(pages[8], "1", 50), std::string("0366123450"));
    }

    void handEditedPositions()
    {
        model.UsaChannels.at(0).Position = 300;
        model.ExpChannels.at(2).Position = -5;
        const std::vector<PrintPage> pages = BuildPrintedReport(model);
        QCOMPARE(pages[2].lines[3].cells.size(), std::size_t(8));  // no label, no frequencies
        QCOMPARE(CellAt(pages[6], "2", 9), std::string("-5"));
    }
};

QTEST_APPLESS_MAIN(TestPrintedReport)
#include "tst_printed_report.moc"
