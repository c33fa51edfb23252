// SPDX-License-Identifier: GPL-3.0-or-later
// The default image of both models, a fresh model, the model-code check,
// the read fix-up, the service-mode switch and the record movers.
#include "decoder.h"
#include "encoder.h"
#include "image_compare.h"
#include "model.h"
#include "record_movers.h"

#include <QtTest>

using namespace quorlink;
using quorlink::test::Differences;
using quorlink::test::Hex;
using quorlink::test::PutHex;

namespace {

// Written out from the radio's memory map, independently of the program's tables.
Image ExpectedDefault(const char* code)
{
    Image image;
    image.fill(0xFF);
    PutHex(image, 0, code);
    PutHex(image, 2, "00 00 00 00 00 00 0F 0F 00 07 00 00 7C 10 FC 3C 3C");
    PutHex(image, 25, "00 00 00 00");
    PutHex(image, 37, "00 04 00");
    PutHex(image, 80, "AF FF FF FA FF FF FD 56  FF FF FF FF D7 F9 FF E0  FF FF F7 FF 7F F9 FF F0");
    PutHex(image, 104, "FF C0 00 00 00 00 00");
    PutHex(image, 341, "00");
    PutHex(image, 480, "07 0A 07 07 07 0A 07 07");
    PutHex(image, 8190, code);
    return image;
}

}  // namespace

class TestDefaultImage : public QObject {
    Q_OBJECT

private slots:
    void defaultImageOfEachModel_data()
    {
        QTest::addColumn<int>("modelNumber");
        QTest::addColumn<QByteArray>("code");
        QTest::newRow("MR5100A") << 0 << QByteArray("13 EC");
        QTest::newRow("MR7100A") << 1 << QByteArray("1B BC");
        QTest::newRow("any other number") << 7 << QByteArray("13 EC");
    }

    void defaultImageOfEachModel()
    {
        QFETCH(int, modelNumber);
        QFETCH(QByteArray, code);
        Image image{};
        FillDefaultImage(image, modelNumber);
        const QString diff = Differences(image, ExpectedDefault(code.constData()));
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }

    void planBitmapsEqualAvailability()
    {
        Model model;
        Image image{};
        FillDefaultImage(image, 0);
        const int starts[] = {80, 88, 96};
        for (Region region : kRegions) {
            for (int slot = 0; slot < 64; ++slot) {
                const bool bit = (image[starts[int(region)] + slot / 8] >> (7 - slot % 8)) & 1;
                QCOMPARE(bit, model.Plan(region).at(slot + 1).Available);
            }
        }
    }

    void modelNames()
    {
        Model model;
        QCOMPARE(model.ModelName(), std::string("MR5100A"));
        QCOMPARE(int(model.ModelCode()), 5100);
        model.ModelNumber = 1;
        QCOMPARE(model.ModelName(), std::string("MR7100A"));
        QCOMPARE(int(model.ModelCode()), 7100);
        model.ModelNumber = -1;
        QCOMPARE(model.ModelName(), std::string("MR5100A"));
        QCOMPARE(model.VariantCode, std::string("RV48"));
    }

    void newModelFollowsTheModelNumber()
    {
        Model model;
        QVERIFY(!NewModel(model));
        QCOMPARE(Hex(model.MemoryImage, 0, 2), QByteArray("13 EC"));
        QCOMPARE(Hex(model.MemoryImage, 8190, 2), QByteArray("13 EC"));
        model.ModelNumber = 1;
        QVERIFY(!NewModel(model));
        QCOMPARE(Hex(model.MemoryImage, 0, 2), QByteArray("1B BC"));
        QCOMPARE(Hex(model.MemoryImage, 8190, 2), QByteArray("1B BC"));
    }

    void newModelState()
    {
        Model model;
        model.CurrentFilePath = "/tmp/boat.dat";
        model.IndividualDirectory.at(1) = {true, "X", "1234567890"};
        QVERIFY(!NewModel(model));
        const CommonSettings& s = model.Settings;
        QCOMPARE(int(s.Contrast), 4);
        QCOMPARE(int(s.Dimmer), 3);
        QVERIFY(s.KeyBeep && s.WxAlert && s.IndReply && s.IndACK && s.POSRR && s.DscScan);
        QCOMPARE(int(s.Ind), 3);
        QCOMPARE(int(s.ScanType), 0);
        QVERIFY(!s.TrueMag);
        QCOMPARE(int(s.OffsetTime), 12);
        QCOMPARE(int(s.Scrambler), 0);
        QVERIFY(!s.AtisOnOffUSA && !s.AtisOnOffInternational && !s.AtisOnOffCanada);
        QVERIFY(s.UserMmsid.empty() && s.AtisNo.empty());
        for (Region region : kRegions) {
            QCOMPARE(int(model.Special.Ach(region)), 255);
            QCOMPARE(int(model.Special.Bch(region)), 255);
        }
        QCOMPARE(Hex(model.MemoryImage, 19, 6), QByteArray("FF FF FF FF FF FF"));
        QCOMPARE(model.IndividualDirectory.at(1), DirectoryEntry{});
        QVERIFY(model.CurrentFilePath.empty());
        QCOMPARE(UserMmsiCount(model), 0);

        // The fresh image is what the records encode to.
        QCOMPARE(Hex(model.MemoryImage, 80, 8), QByteArray("AF FF FF FA FF FF FD 56"));
        QCOMPARE(int(model.MemoryImage[144]), 0x91);  // "01A": Tx, not low power, A suffix
        const Image before = model.MemoryImage;
        QVERIFY(!EncodeImage(model));
        QVERIFY(Differences(model.MemoryImage, before).isEmpty());
    }

    // The EXP records of a fresh model come from the default image: the flag
    // bytes and scan bitmap there are still 0xFF, only the Enable bitmap is 0.
    void freshExpChannels()
    {
        Model model;
        QVERIFY(!NewModel(model));
        for (const ChannelRecord& r : model.ExpChannels.items()) {
            QCOMPARE(r.Position, std::int16_t(0));
            QVERIFY(!r.Enable);
            QVERIFY(r.ScanMemory);
            QVERIFY(r.TxEnable && r.Duplex && r.PowUp && !r.LowPower && r.VsMemory);
            QVERIFY(r.DuplexSelectable);
            QCOMPARE(r.ChTag, std::string());
        }
        QCOMPARE(Hex(model.MemoryImage, 352, 4), QByteArray("F8 00 F8 00"));
    }

    void modelCodeCheck()
    {
        Model model;
        QVERIFY(ModelCodeMatches(model, 5100, 5100));
        QVERIFY(!ModelCodeMatches(model, 5100, 7100));
        QVERIFY(!ModelCodeMatches(model, 7100, 5100));
        QVERIFY(!ModelCodeMatches(model, 7100, 7100));
        model.ModelNumber = 1;
        QVERIFY(ModelCodeMatches(model, 7100, 7100));
        QVERIFY(!ModelCodeMatches(model, 5100, 5100));
        Image image{};
        FillDefaultImage(image, 1);
        QCOMPARE(HeadCode(image), 7100);
        QCOMPARE(TailCode(image), 7100);
    }

    void readFixup()
    {
        Model model;
        model.MemoryImage.fill(0x55);
        Image defaults{};
        FillDefaultImage(defaults, 0);
        ApplyReadFixups(model, defaults);
        QCOMPARE(int(model.MemoryImage[12]), 0);
        QCOMPARE(int(model.MemoryImage[39]), 0);
        QCOMPARE(Hex(model.MemoryImage, 479, 10), QByteArray("55 07 0A 07 07 07 0A 07 07 55"));
        QCOMPARE(int(model.MemoryImage[11]), 0x55);
        QCOMPARE(int(model.MemoryImage[13]), 0x55);
        QCOMPARE(int(model.MemoryImage[38]), 0x55);
    }

    // MakeDefaultImage fills its target but decodes the settings from MemoryImage.
    void makeDefaultImageDecodesTheModelsImage()
    {
        Model model;
        QVERIFY(!NewModel(model));
        model.MemoryImage[37] = 42;
        model.MemoryImage[19] = 3;
        Image scratch{};
        MakeDefaultImage(model, scratch);
        QCOMPARE(int(model.Settings.Scrambler), 42);
        QCOMPARE(int(model.Special.Ach(Region::Usa)), 3);
        QCOMPARE(int(scratch[37]), 0);
        QCOMPARE(int(scratch[19]), 0xFF);
    }

    void diagnosticSwitch_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("diagnostic");
        QTest::newRow("exact") << "/K" << true;
        QTest::newRow("lower case, blanks") << "  /k  " << true;
        QTest::newRow("further text") << "/K extra" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("other switch") << "/X" << false;
        QTest::newRow("blanks only") << "   " << false;
    }

    void diagnosticSwitch()
    {
        QFETCH(QString, line);
        QFETCH(bool, diagnostic);
        QCOMPARE(IsDiagnosticCommandLine(line.toStdString()), diagnostic);
    }

    void commandLineFromArguments()
    {
        const char* args[] = {"quorlink", "/k", "more"};
        QCOMPARE(JoinCommandLine(3, args), std::string("/k more"));
        QCOMPARE(JoinCommandLine(1, args), std::string());
    }

    void slotOrder()
    {
        ChannelList list(3);
        list[0].Position = 2;
        list[0].ChTag = "FIRST";
        list[1].Position = 65;  // outside the bySlot: dropped
        list[2].Position = 2;   // same slot: the later one wins
        list[2].ChTag = "LATER";
        list[2].DispayA = true;
        const ChannelList bySlot = ToSlotOrder(list, 64);
        QCOMPARE(bySlot.size(), std::size_t(64));
        QCOMPARE(bySlot[1].ChTag, std::string("LATER"));
        QCOMPARE(bySlot[1].Position, std::int16_t(2));
        QCOMPARE(bySlot[0], ChannelRecord{});

        ChannelList target(1);
        target[0].Position = 2;
        target[0].DuplexSelectable = true;
        ChannelList source(64);
        source[1].Position = 9;
        source[1].DispayA = true;
        source[1].Enable = source[1].LowPower = source[1].PowUp = source[1].Duplex = true;
        source[1].TxEnable = source[1].ScanMemory = source[1].VsMemory = true;
        source[1].ChTag = "NEW";
        FromSlotOrder(target, source, 64);
        QCOMPARE(target[0].Position, std::int16_t(2));
        QVERIFY(target[0].DuplexSelectable);
        QVERIFY(!target[0].DispayA);
        QVERIFY(target[0].Enable && target[0].LowPower && target[0].PowUp && target[0].Duplex);
        QVERIFY(target[0].TxEnable && target[0].ScanMemory && target[0].VsMemory);
        QCOMPARE(target[0].ChTag, std::string("NEW"));
    }

    void oneBasedBounds()
    {
        Directory directory(10);
        directory.at(1).Mmsid = "1";
        directory.at(10).Mmsid = "10";
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, directory.at(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, directory.at(11));
        ClearDirectory(directory);
        QCOMPARE(directory.at(10), DirectoryEntry{});
    }
};

QTEST_APPLESS_MAIN(TestDefaultImage)
#include "tst_default_image.moc"
