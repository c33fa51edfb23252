// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding an image into records and encoding records into the image.
#include "decoder.h"
#include "encoder.h"
#include "image_compare.h"
#include "model.h"

#include <QtTest>

using namespace quorlink;
using quorlink::test::Differences;
using quorlink::test::Hex;
using quorlink::test::PutHex;

class TestDecodeEncode : public QObject {
    Q_OBJECT

    Model model;

    const ChannelRecord* UsaChannelAtSlot(int slot) const
    {
        for (const ChannelRecord& r : model.UsaChannels)
            if (r.Position == slot + 1)
                return &r;
        return nullptr;
    }

private slots:
    void init()
    {
        model = Model();
        QVERIFY(!NewModel(model));
    }

    void settingsFromBits()
    {
        Image& image = model.MemoryImage;
        image[14] = 0xA9;   // scan type 1, WX alert 0, dimmer 2, beep 1, contrast 1
        image[15] = 0xE3;   // bits 7, 5 junk; true mag; offset -3 h
        image[16] = 0x58;   // reply 0, ACK 1, POSRR 0, DSC scan 1, Ind 2
        image[13] = 0xFD;   // ATIS USA and Canada on, International off
        image[37] = 200;
        PutHex(image, 336, "36 61 23 45 60");
        PutHex(image, 342, "12 3F FF FF FF");
        DecodeImage(model);
        const CommonSettings& s = model.Settings;
        QCOMPARE(int(s.ScanType), 1);
        QVERIFY(!s.WxAlert);
        QCOMPARE(int(s.Dimmer), 2);
        QVERIFY(s.KeyBeep);
        QCOMPARE(int(s.Contrast), 1);
        QVERIFY(s.TrueMag);
        QCOMPARE(int(s.OffsetTime), 9);
        QVERIFY(!s.IndReply && s.IndACK && !s.POSRR && s.DscScan);
        QCOMPARE(int(s.Ind), 2);
        QVERIFY(s.AtisOnOffUSA && !s.AtisOnOffInternational && s.AtisOnOffCanada);
        QCOMPARE(int(s.Scrambler), 200);
        QCOMPARE(s.UserMmsid, std::string("3661234560"));
        QCOMPARE(s.AtisNo, std::string("123"));
        QCOMPARE(int(image[15]), 0x43);  // bits 7 and 5 cleared by the decode itself

        QVERIFY(!EncodeImage(model));
        QCOMPARE(int(image[15]), 0x43);  // true mag back; 7 and 5 stay clear
        QCOMPARE(int(image[14]), 0xA9);
        QCOMPARE(int(image[16]), 0x58);
        QCOMPARE(int(image[13]), 0xFD);
    }

    // A read decodes the settings for its fix-up and then once more: the
    // second decode must still see the true-bearing bit.
    void decodingTwiceKeepsTrueMag()
    {
        model.MemoryImage[15] = 0xE3;
        Image scratch{};
        MakeDefaultImage(model, scratch);
        DecodeImage(model);
        QVERIFY(model.Settings.TrueMag);
        QCOMPARE(int(model.Settings.OffsetTime), 9);
        QVERIFY(!EncodeImage(model));
        QCOMPARE(int(model.MemoryImage[15]), 0x43);
    }

    void defaultImageDecodes()
    {
        Image defaults{};
        FillDefaultImage(defaults, 0);
        model.MemoryImage = defaults;
        DecodeImage(model);
        QCOMPARE(int(model.Settings.Contrast), 4);
        QCOMPARE(int(model.Settings.Dimmer), 3);
        QCOMPARE(int(model.Settings.ScanType), 0);
        QCOMPARE(int(model.Settings.OffsetTime), 12);
        QCOMPARE(int(model.Settings.Ind), 3);
        for (std::int16_t v : {model.Special.Ach(Region::Usa), model.Special.Bch(Region::Can)})
            QCOMPARE(int(v), 255);
        QVERIFY(model.Settings.UserMmsid.empty());
        QVERIFY(model.Settings.AtisNo.empty());
    }

    void abChannelsLeavePriorityAlone()
    {
        model.Special.Pch(Region::Int) = 17;
        PutHex(model.MemoryImage, 19, "00 01 02 03 04 05");
        DecodeImage(model);
        QCOMPARE(int(model.Special.Ach(Region::Usa)), 0);
        QCOMPARE(int(model.Special.Bch(Region::Usa)), 1);
        QCOMPARE(int(model.Special.Ach(Region::Int)), 2);
        QCOMPARE(int(model.Special.Bch(Region::Int)), 3);
        QCOMPARE(int(model.Special.Ach(Region::Can)), 4);
        QCOMPARE(int(model.Special.Bch(Region::Can)), 5);
        QCOMPARE(int(model.Special.Pch(Region::Int)), 17);
        model.Special.Ach(Region::Can) = 0x1FE;  // only the low byte goes in
        QVERIFY(!EncodeImage(model));
        QCOMPARE(int(model.MemoryImage[23]), 0xFE);
    }

    void unavailableSlotIsDropped()
    {
        const std::vector<ChannelRecord> before = model.UsaChannels;
        model.MemoryImage[80] |= 0x40;            // slot 1: USA "02", not available
        PutHex(model.MemoryImage, 512 + 16, "41 42 43");
        model.MemoryImage[145] = 0xFF;
        DecodeImage(model);
        for (std::size_t i = 0; i < before.size(); ++i)
            QCOMPARE(model.UsaChannels[i], before[i]);
        QVERIFY(!EncodeImage(model));
        QCOMPARE(int(model.MemoryImage[80]), 0xAF);
        QCOMPARE(int(model.MemoryImage[145]), 0x10);
        QCOMPARE(Hex(model.MemoryImage, 512 + 16, 12), QByteArray("FF FF FF FF FF FF FF FF FF FF FF FF"));
    }

    void planChannelFromSlot()
    {
        // Slot 5: USA "06", SAFETY. Radio says: disabled, scanned, named, low power, no A.
        model.MemoryImage[80] &= ~0x04;
        model.MemoryImage[112] = 0x04;
        PutHex(model.MemoryImage, 512 + 5 * 16, "42 4F 41 54 FF");
        model.MemoryImage[149] = 0xE9;  // tx, duplex, power up, low power, VS, A bit set
        DecodeImage(model);
        const ChannelRecord* r = UsaChannelAtSlot(5);
        QVERIFY(r);
        QVERIFY(!r->Enable);
        QVERIFY(r->ScanMemory);
        QCOMPARE(r->ChTag, std::string("BOAT"));
        QVERIFY(r->TxEnable && r->Duplex && r->PowUp && r->LowPower && r->VsMemory);
        QVERIFY(!r->DispayA);  // the plan label "06" decides, not the image
        QVERIFY(!r->DuplexSelectable);
        QCOMPARE(int(r->Position), 6);
        QVERIFY(!EncodeImage(model));
        QCOMPARE(int(model.MemoryImage[149]), 0xE8);
    }

    void disabledChannelStillWritten()
    {
        ChannelRecord* r = &model.UsaChannels.at(0);  // "01A", slot 0
        r->Enable = false;
        r->ChTag = "HOME";
        QVERIFY(!EncodeImage(model));
        QCOMPARE(int(model.MemoryImage[80]), 0x2F);
        QCOMPARE(Hex(model.MemoryImage, 512, 5), QByteArray("48 4F 4D 45 FF"));
        QCOMPARE(int(model.MemoryImage[144]), 0x91);
    }

    void wxChannels()
    {
        PutHex(model.MemoryImage, 104, "80 7F");  // WX01, WX10 on; bits after WX10 junk
        PutHex(model.MemoryImage, 136, "00 FF");
        PutHex(model.MemoryImage, 3584 + 9 * 16, "57 58 31 30 FF");
        DecodeImage(model);
        QVERIFY(model.WxChannels[0].Enable);
        QVERIFY(!model.WxChannels[1].Enable);
        QVERIFY(!model.WxChannels[8].Enable);
        QVERIFY(model.WxChannels[9].Enable);
        QVERIFY(model.WxChannels[8].ScanMemory && model.WxChannels[9].ScanMemory);
        QVERIFY(!model.WxChannels[0].ScanMemory);
        QCOMPARE(model.WxChannels[9].ChTag, std::string("WX10"));
        QVERIFY(model.WxChannels[9].Duplex);  // not read from the image
        QVERIFY(!EncodeImage(model));
        QCOMPARE(Hex(model.MemoryImage, 104, 2), QByteArray("80 40"));
        QCOMPARE(Hex(model.MemoryImage, 136, 2), QByteArray("00 C0"));
    }

    void expEntries()
    {
        model.MemoryImage[106] = 0xE0;            // EXP 1, 2, 3 enabled
        PutHex(model.MemoryImage, 352, "81 05  01 2C  82 FF  07 33");
        DecodeImage(model);
        const ChannelRecord& e1 = model.ExpChannels.at(1);
        QCOMPARE(int(e1.Position), 261);
        QVERIFY(e1.TxEnable);
        QVERIFY(e1.DispayA);
        QVERIFY(e1.LowPower);
        QCOMPARE(int(model.ExpChannels.at(2).Position), 0);   // 300 is beyond the plan
        QCOMPARE(int(model.ExpChannels.at(3).Position), 0);   // 767 likewise
        QCOMPARE(int(model.ExpChannels.at(4).Position), 0);   // disabled keeps its Position
        QVERIFY(model.ExpChannels.at(4).DispayA);

        model.ExpChannels.at(4).Position = 140;
        QVERIFY(!EncodeImage(model));
        // Bits 2-0 carry the index and the A bit is dropped; beyond-plan entries
        // get the record's Position back; a disabled one gets no index at all.
        QCOMPARE(Hex(model.MemoryImage, 352, 8), QByteArray("81 05 00 00 80 00 00 00"));
    }

    void expEncoding()
    {
        ChannelRecord& r = model.ExpChannels.at(1);
        r = ChannelRecord{};
        r.Position = 261;
        r.Enable = true;
        r.DispayA = true;
        QVERIFY(!EncodeImage(model));
        QCOMPARE(Hex(model.MemoryImage, 352, 2), QByteArray("11 05"));
        r.Enable = false;
        QVERIFY(!EncodeImage(model));
        QCOMPARE(Hex(model.MemoryImage, 352, 2), QByteArray("10 00"));
        QCOMPARE(int(model.MemoryImage[106]) & 0x80, 0);
    }

    void directoryIsPacked()
    {
        const int start = 4384;
        PutHex(model.MemoryImage, start, "36 61 23 45 60  41 4C 50 48 41 FF FF FF FF FF");
        PutHex(model.MemoryImage, start + 16, "36 61 11 11 10  FF FF FF FF FF FF FF FF FF FF");
        PutHex(model.MemoryImage, start + 32, "FF FF FF FF FF  43 FF FF FF FF FF FF FF FF FF");
        PutHex(model.MemoryImage, start + 48, "36 61 99 99 90  44 45 4C 54 41 FF FF FF FF FF");
        DecodeImage(model);
        const Directory& d = model.IndividualDirectory;
        QCOMPARE(d.at(1), (DirectoryEntry{true, "ALPHA", "3661234560"}));
        QCOMPARE(d.at(2), (DirectoryEntry{true, "", "3661111110"}));
        for (int i = 3; i <= 40; ++i)
            QCOMPARE(d.at(i), DirectoryEntry{});
        QVERIFY(!EncodeImage(model));
        QCOMPARE(Hex(model.MemoryImage, start + 48, 15),
                 QByteArray("FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF"));
    }

    void directoryGapOnEncode()
    {
        Directory& g = model.GroupDirectory;
        g.at(1) = {true, "FLEET", "0123456780"};
        g.at(2) = {false, "NAMED", ""};
        g.at(3) = {true, "LATER", "0999999990"};
        model.MemoryImage[5120 + 15] = 0x77;  // byte 15 of an entry is never written
        QVERIFY(!EncodeImage(model));
        QCOMPARE(Hex(model.MemoryImage, 5120, 16),
                 QByteArray("01 23 45 67 80 46 4C 45 45 54 FF FF FF FF FF 77"));
        QCOMPARE(Hex(model.MemoryImage, 5136, 15),
                 QByteArray("FF FF FF FF FF 4E 41 4D 45 44 FF FF FF FF FF"));
        DecodeImage(model);
        QCOMPARE(g.at(1), (DirectoryEntry{true, "FLEET", "0123456780"}));
        for (int i = 2; i <= 10; ++i)
            QCOMPARE(g.at(i), DirectoryEntry{});
    }

    void fullDirectory_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("lastEntry");
        QTest::addColumn<QByteArray>("lastBytes");
        QTest::newRow("individual, 40 entries") << int(DirectoryKind::Individual) << 4384 + 39 * 16
                                                << QByteArray("01 00 00 04 00 4E 34 30 FF");
        QTest::newRow("group, 10 entries") << int(DirectoryKind::Group) << 5120 + 9 * 16
                                           << QByteArray("01 00 00 01 00 4E 31 30 FF");
    }

    // Every entry used: the last one goes into the image and comes back.
    void fullDirectory()
    {
        QFETCH(int, kind);
        QFETCH(int, lastEntry);
        QFETCH(QByteArray, lastBytes);
        Directory& d = model.DirectoryOf(DirectoryKind(kind));
        for (int i = 1; i <= d.size(); ++i)
            d.at(i) = {true, "N" + std::to_string(i), "0" + std::to_string(10000000 + i) + "0"};
        const Directory full = d;
        QVERIFY(!EncodeImage(model));
        QCOMPARE(Hex(model.MemoryImage, lastEntry, 9), lastBytes);
        d = Directory(d.size());
        DecodeImage(model);
        QVERIFY(d == full);
    }

    void overflowLeavesImageUntouched_data()
    {
        QTest::addColumn<int>("field");
        QTest::newRow("scrambler 256") << 0;
        QTest::newRow("contrast 300") << 1;
        QTest::newRow("dimmer -1") << 2;
        QTest::newRow("ind 999") << 3;
    }

    void overflowLeavesImageUntouched()
    {
        QFETCH(int, field);
        model.UsaChannels.at(0).ChTag = "CHANGED";
        switch (field) {
        case 0: model.Settings.Scrambler = 256; break;
        case 1: model.Settings.Contrast = 300; break;
        case 2: model.Settings.Dimmer = -1; break;
        default: model.Settings.Ind = 999; break;
        }
        const Image before = model.MemoryImage;
        const Fault fault = EncodeImage(model);
        QVERIFY(fault);
        QCOMPARE(fault.number, 6);
        QCOMPARE(fault.description, std::string("Overflow"));
        QVERIFY(Differences(model.MemoryImage, before).isEmpty());
    }

    void wideFieldsAreCut()
    {
        model.Settings.Contrast = 13;  // 1101: three bits kept
        model.Settings.Dimmer = 6;     // 110
        QVERIFY(!EncodeImage(model));
        QCOMPARE(int(model.MemoryImage[14]) & 0x07, 5);
        QCOMPARE((int(model.MemoryImage[14]) >> 4) & 0x03, 2);
        model.Settings.OffsetTime = 40;  // clamped
        QVERIFY(!EncodeImage(model));
        QCOMPARE(int(model.MemoryImage[15]) & 0x1F, 0x1C);
    }

    void recordOutsideSlotsIsNotWritten()
    {
        model.UsaChannels.at(0).Position = 70;
        QVERIFY(!EncodeImage(model));
        QCOMPARE(int(model.MemoryImage[80]) & 0x80, 0);
        QCOMPARE(int(model.MemoryImage[144]), 0x10);
    }

    void encodeTwiceIsStable()
    {
        model.Settings.UserMmsid = "366123456";
        model.IndividualDirectory.at(1) = {true, "A", "3661234560"};
        QVERIFY(!EncodeImage(model));
        const Image first = model.MemoryImage;
        QVERIFY(!EncodeImage(model));
        QVERIFY(Differences(model.MemoryImage, first).isEmpty());
        QCOMPARE(Hex(model.MemoryImage, 336, 5), QByteArray("36 61 23 45 60"));
    }
};

QTEST_APPLESS_MAIN(TestDecodeEncode)
#include "tst_decode_encode.moc"
