// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing two data sets: one edit of each kind gives exactly its lines.
#include "comparison.h"
#include "image_compare.h"
#include "model.h"
#include "support/sample_model.h"

#include <QtTest>

using namespace quorlink;
using Edit = void (*)(Model&);
Q_DECLARE_METATYPE(Edit)

class TestComparison : public QObject {
    Q_OBJECT

    static Model Fresh()
    {
        Model model;
        model.ModelNumber = 1;
        NewModel(model);
        return model;
    }

    static QStringList Lines(const std::vector<Difference>& list)
    {
        QStringList lines;
        for (const Difference& d : list)
            lines << QString::fromStdString(d.key + " | " + d.Text());
        return lines;
    }

private slots:
    void identicalModelsDiffer_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::newRow("fresh") << Edit([](Model&) {});
        QTest::newRow("every kind edited") << Edit([](Model& m) { test::ApplySampleEdits(m); });
    }
    void identicalModelsDiffer()
    {
        QFETCH(Edit, edit);
        Model a = Fresh(), b = Fresh();
        edit(a);
        edit(b);
        QCOMPARE(Lines(CompareModels(a, b)), QStringList());
    }

    // Each row edits the newer model; the lines are "key | text".
    void oneEditEach_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("A/B") << Edit([](Model& m) { m.Special.Ach(Region::Usa) = 37; m.Special.Bch(Region::Can) = 5; })
                             << QStringList{"P | A/B: USA A-Ch (None) -> 68", "P | A/B: Canada B-Ch (None) -> 06"};
        QTest::newRow("USA name") << Edit([](Model& m) { m.UsaChannels.at(13).ChTag = "CALL"; })
                                  << QStringList{"PU 13 | USA CH16: name \"DISTRESS\" -> \"CALL\""};
        QTest::newRow("channel flags") << Edit([](Model& m) {
            ChannelRecord& c = m.IntChannels.at(0);
            c.Enable = false;
            c.TxEnable = false;
            c.LowPower = c.PowUp = c.ScanMemory = c.VsMemory = true;
            m.CanChannels.at(3).Duplex = true;
        }) << QStringList{"PI 0 | International CH01: Enable on -> off",
                          "PI 0 | International CH01: Tx Enable on -> off",
                          "PI 0 | International CH01: Only Low Power off -> on",
                          "PI 0 | International CH01: Power Up off -> on",
                          "PI 0 | International CH01: Scan Memory off -> on",
                          "PI 0 | International CH01: VS Memory off -> on",
                          "PC 3 | Canada CH04A: Duplex off -> on"};
        QTest::newRow("WX") << Edit([](Model& m) {
            ChannelRecord& c = m.WxChannels.at(9);
            c.Enable = false;
            c.ScanMemory = true;
            c.ChTag = "NOAA";
        }) << QStringList{"PW | WX10: Enable on -> off", "PW | WX10: Scan off -> on",
                          "PW | WX10: name \"163.275MHZ\" -> \"NOAA\""};
        QTest::newRow("EXP") << Edit([](Model& m) {
            m.ExpChannels.at(3).Position = 5;
            m.ExpChannels.at(3).Enable = true;
            m.ExpChannels.at(4).Position = 6;  // disabled: the radio keeps no position
        }) << QStringList{"E 3 | EXP3: Position 0 (156.000) -> 5 (156.250)", "E 3 | EXP3: Enable off -> on"};
        QTest::newRow("settings") << Edit([](Model& m) {
            CommonSettings& s = m.Settings;
            s.Contrast = 5;
            s.Dimmer = 1;
            s.OffsetTime = 3;
            s.KeyBeep = s.WxAlert = s.IndReply = s.IndACK = s.POSRR = s.DscScan = false;
            s.ScanType = 1;
            s.Scrambler = 2;
            s.TrueMag = true;
            s.Ind = 0;
            s.UserMmsid = "3661234560";
            m.MemoryImage[addr::UserMmsiCount] = 3;
        }) << QStringList{"S | Radio Setup: Contrast 4 -> 5", "S | Radio Setup: Dimmer HI -> LO",
                          "S | Radio Setup: Offset Time 0:00 -> -9:00", "S | Radio Setup: Key Beep on -> off",
                          "S | Radio Setup: WX Alert on -> off", "S | Radio Setup: Scan Type Memory -> Priority",
                          "S | Radio Setup: Voice Scrambler OFF -> 1", "S | Radio Setup: True MAG off -> on",
                          "S | DSC Setup: Individual Reply on -> off", "S | DSC Setup: Individual ACK on -> off",
                          "S | DSC Setup: Individual Ringer 3 min -> 5 times",
                          "S | DSC Setup: POS Request Reply on -> off", "S | DSC Setup: DSC Scan on -> off",
                          "S | DSC Setup: User MMSI (empty) -> 366123456", "S | DSC Setup: Count 0 -> 3"};
        QTest::newRow("values that show alike") << Edit([](Model& m) {
            m.Settings.Scrambler = 9;           // shows "OFF" as 0 does
            m.Special.Ach(Region::Int) = 60;  // no such channel: "(None)" as 255
        }) << QStringList{"P | A/B: International A-Ch 255 -> 60", "S | Radio Setup: Voice Scrambler 0 -> 9"};
        QTest::newRow("directories") << Edit([](Model& m) {
            m.IndividualDirectory.at(3) = {true, "TUG", "3661234560"};
            m.GroupDirectory.at(10) = {true, "", "0366123450"};
        }) << QStringList{"SM 3 | Individual ID3: Enable off -> on", "SM 3 | Individual ID3: name \"\" -> \"TUG\"",
                          "SM 3 | Individual ID3: MMSI (empty) -> 366123456",
                          "SG 10 | Group ID10: Enable off -> on", "SG 10 | Group ID10: MMSI (empty) -> 036612345"};
        QTest::newRow("raw bytes") << Edit([](Model& m) {
            std::fill_n(m.MemoryImage.begin() + 0x1E00, 16, 0x00);
            m.MemoryImage[0x1FF0] = 0x12;
            m.Settings.AtisOnOffUSA = true;  // stored, never shown
        }) << QStringList{" | byte 0x000D differs; the editor does not show it",
                          " | bytes 0x1E00-0x1E0F differ; the editor does not show them",
                          " | byte 0x1FF0 differs; the editor does not show it"};
        QTest::newRow("tree order") << Edit([](Model& m) {
            m.MemoryImage[512 + 6 * 16 + 13] = 0;  // tail of a name slot
            m.GroupDirectory.at(1) = {true, "", "0366123450"};
            m.Settings.Contrast = 0;
            m.ExpChannels.at(40).ScanMemory = false;
            m.Special.Bch(Region::Usa) = 0;
        }) << QStringList{"P | A/B: USA B-Ch (None) -> 01A", "E 40 | EXP40: Scan Memory on -> off",
                          "S | Radio Setup: Contrast 4 -> 0", "SG 1 | Group ID1: Enable off -> on",
                          "SG 1 | Group ID1: MMSI (empty) -> 036612345",
                          " | byte 0x026D differs; the editor does not show it"};
    }
    void oneEditEach()
    {
        QFETCH(Edit, edit);
        QFETCH(QStringList, lines);
        Model older = Fresh(), newer = Fresh();
        edit(newer);
        const QStringList actual = Lines(CompareModels(older, newer));
        QCOMPARE(actual.join('\n'), lines.join('\n'));
    }

    // Two sides differ only where the bytes a write sends differ.
    void oneValueInTwoFormsIsNoDifference()
    {
        Model older = Fresh(), newer = Fresh();
        older.IndividualDirectory.at(1) = {true, "TUG", "3661234560"};
        newer.IndividualDirectory.at(1) = {true, "TUG~", "366123456"};  // nine digits; "~" is no letter of the radio
        newer.GroupDirectory.at(2).Enable = true;  // no MMSI: nothing of it is sent
        QCOMPARE(Lines(CompareModels(older, newer)), QStringList());
        newer.IndividualDirectory.at(1).TagName = "TUB";
        QCOMPARE(Lines(CompareModels(older, newer)), QStringList{"SM 1 | Individual ID1: name \"TUG\" -> \"TUB\""});
    }

    // The radio's own bytes are no difference between data and a radio, only between two raw images.
    void bytesAWriteNeverSends()
    {
        Model older = Fresh(), newer = Fresh();
        newer.MemoryImage[0x0021] = 0x11;
        std::fill_n(newer.MemoryImage.begin() + 0x0030, 32, 0x22);
        QCOMPARE(Lines(CompareModels(older, newer)), QStringList());
        QCOMPARE(Lines(CompareModels({older, SideKind::Image}, {newer, SideKind::Image})),
                 (QStringList{" | byte 0x0021 differs; Program to Radio does not write it",
                              " | bytes 0x0030-0x004F differ; Program to Radio does not write them"}));
    }

    // A difference only in bits no page shows is a raw byte where a write
    // sends it, and nothing where the encoder of data sets the bits itself;
    // the radio's own bytes count only between two raw images.
    void bitsNoPageShows_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("asData");   // listed between data as a byte the editor does not show
        QTest::addColumn<bool>("own");      // listed between two images as a byte a write skips
        QTest::newRow("DSC byte, its low bits") << 0x0010 << 0x03 << true << false;
        QTest::newRow("true/magnetic byte, bit 7") << 0x000F << 0x80 << true << false;  // the encoder keeps it
        QTest::newRow("flag byte, the plan's suffix bit") << 0x0090 << 0x01 << false << false;
        QTest::newRow("last own byte before the scrambler") << 0x0024 << 0xFF << false << true;
        QTest::newRow("first byte sent singly after it") << 0x0026 << 0xFF << true << false;
        QTest::newRow("last own byte of the second own run") << 0x01DF << 0xFF << false << true;
        QTest::newRow("first byte after it") << 0x01E0 << 0xFF << true << false;
    }
    void bitsNoPageShows()
    {
        QFETCH(int, address);
        QFETCH(int, bits);
        QFETCH(bool, asData);
        QFETCH(bool, own);
        Model older = Fresh(), newer = Fresh();
        newer.MemoryImage[address] ^= bits;
        const QString byte = " | byte 0x" + QString::number(address, 16).toUpper().rightJustified(4, '0') + " differs; ";
        const QStringList unshown{byte + "the editor does not show it"};
        QCOMPARE(Lines(CompareModels(older, newer)), asData ? unshown : QStringList{});
        QCOMPARE(Lines(CompareModels({older, SideKind::Image}, {newer, SideKind::Image})),
                 own ? QStringList{byte + "Program to Radio does not write it"} : unshown);
    }

    // Each side as a write takes it: a radio or an image byte for byte, data
    // as its records encode it. Bits a decode drops or a read resets still
    // differ, and a write that changes nothing lists nothing.
    void sidesAsAWriteTakesThem_data()
    {
        QTest::addColumn<Edit>("radio");    // edits the older side, an image
        QTest::addColumn<Edit>("written");  // edits the newer side
        QTest::addColumn<bool>("image");    // the newer side goes out as it stands
        QTest::addColumn<QStringList>("lines");
        const Edit readResets = [](Model& m) {
            for (int address : {0x000C, 0x0027, 0x01E0, 0x01E7})
                m.MemoryImage[address] = 0x55;
        };
        QTest::newRow("an image to the radio that holds it") << readResets << readResets << true << QStringList{};
        QTest::newRow("data over bytes a read resets")
            << readResets << Edit([](Model&) {}) << false
            << QStringList{" | byte 0x000C differs; the editor does not show it",
                           " | byte 0x0027 differs; the editor does not show it",
                           " | byte 0x01E0 differs; the editor does not show it",
                           " | byte 0x01E7 differs; the editor does not show it"};
        QTest::newRow("an index an EXP channel keeps while off")
            << Edit([](Model&) {}) << Edit([](Model& m) {
                   m.MemoryImage[addr::ExpEntries + 6] |= 0x01;
                   m.MemoryImage[addr::ExpEntries + 7] = 0x10;
               }) << true
            << QStringList{"E 4 | EXP4: Position 0 (156.000) -> 272 (155.225)"};
        QTest::newRow("bits a decode drops") << Edit([](Model&) {}) << Edit([](Model& m) {
            m.MemoryImage[0x0070] |= 0x40;                     // scan bit of a USA slot with no channel
            m.MemoryImage[0x0090] |= 0x06;                     // flag bits written 0
            test::PutHex(m.MemoryImage, 4400, "36 61 23 45 60");  // an entry behind the first empty one
        }) << true << QStringList{"SM 2 | Individual ID2: Enable off -> on",
                                  "SM 2 | Individual ID2: MMSI (empty) -> 366123456",
                                  " | byte 0x0070 differs; the editor does not show it",
                                  " | byte 0x0090 differs; the editor does not show it"};
    }
    void sidesAsAWriteTakesThem()
    {
        QFETCH(Edit, radio);
        QFETCH(Edit, written);
        QFETCH(bool, image);
        QFETCH(QStringList, lines);
        Model older = Fresh(), newer = Fresh();
        radio(older);
        written(newer);
        const QStringList actual =
            Lines(CompareModels({older, SideKind::Image}, {newer, image ? SideKind::Image : SideKind::Data}));
        QCOMPARE(actual.join('\n'), lines.join('\n'));
    }

    void rawBytesCarryTheirValues()
    {
        Model older = Fresh(), newer = Fresh();
        std::fill_n(newer.MemoryImage.begin() + 0x1E00, 10, 0x5A);
        const std::vector<Difference> list = CompareModels(older, newer);
        QCOMPARE(list.size(), std::size_t(1));
        QVERIFY(list[0].rawBytes && list[0].key.empty());
        QCOMPARE(list[0].oldValue, std::string("FF FF FF FF FF FF FF FF ..."));
        QCOMPARE(list[0].newValue, std::string("5A 5A 5A 5A 5A 5A 5A 5A ..."));
        QCOMPARE(DifferenceCount(1), std::string("1 difference"));
        QCOMPARE(DifferenceCount(0), std::string("0 differences"));
    }
};

QTEST_GUILESS_MAIN(TestComparison)
#include "tst_comparison.moc"
