// SPDX-License-Identifier: GPL-3.0-or-later
// Bit routines and the field codecs: names, packed digits, offset codes and
// the channel flag byte.
#include "bits.h"
#include "codecs.h"
#include "image_compare.h"

#include <QtTest>

using namespace quorlink;
using quorlink::test::Hex;
using quorlink::test::PutHex;

class TestBitsCodecs : public QObject {
    Q_OBJECT

private slots:
    void bitRoutines()
    {
        QCOMPARE(GetBit(0x80, 7), 1);
        QCOMPARE(GetBit(0x80, 6), 0);
        QCOMPARE(GetBit(0xFF, 8), 0);   // not a bit number
        QCOMPARE(GetBit(0xFF, -1), 0);

        std::uint8_t b = 0;
        SetBit(b, 1, 3);
        QCOMPARE(b, std::uint8_t(0x08));
        SetBit(b, 2, 4);                // only exactly 1 sets
        QCOMPARE(b, std::uint8_t(0x08));
        SetBit(b, -1, 3);               // a -1 "true" clears: callers pass BoolToBit
        QCOMPARE(b, std::uint8_t(0x00));
        b = 0x5A;
        SetBit(b, 1, 8);
        QCOMPARE(b, std::uint8_t(0x5A));

        QCOMPARE(GetBitField(0x7C, 2, 5), 3);
        QCOMPARE(GetBitField(0x7C, 3, 2), 4);
        QCOMPARE(GetBitField(0xFF, 0, 7), 0);
        QCOMPARE(GetBitField(0xFF, -2, 7), 0);

        b = 0xFF;
        QVERIFY(SetBitField(b, 2, 5, 1));
        QCOMPARE(b, std::uint8_t(0xDF));  // bits 5-4 = 01, others untouched
        b = 0;
        QVERIFY(SetBitField(b, 3, 2, 13));  // wider than the field: cut to 101
        QCOMPARE(b, std::uint8_t(0x05));
        b = 0x33;
        QVERIFY(!SetBitField(b, 3, 2, 256));
        QVERIFY(!SetBitField(b, 3, 2, -1));
        QCOMPARE(b, std::uint8_t(0x33));

        QVERIFY(TestBit(0x01, 1));
        QVERIFY(TestBit(0x80, 8));
        QVERIFY(!TestBit(0xFF, 0));
        QVERIFY(!TestBit(0xFF, 9));
        QCOMPARE(BitWeight(true, 1), 1);
        QCOMPARE(BitWeight(true, 8), 128);
        QCOMPARE(BitWeight(false, 8), 0);
        QCOMPARE(BitWeight(true, 9), 0);
        QCOMPARE(BitString(0xA5, 8), std::string("10100101"));
        QCOMPARE(BitString(0xA5, 3), std::string("101"));
        QCOMPARE(BoolToBit(true), 1);
        QCOMPARE(BoolToBit(false), 0);
    }

    void nameCharacters()
    {
        const std::string allowed =
            "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-+().*/ ";
        for (int code = 0; code < 256; ++code) {
            const char c = static_cast<char>(code);
            const bool inSet = allowed.find(c) != std::string::npos && code != 0;
            QCOMPARE(int(EncodeNameChar(std::string(1, c))), inSet ? code : 255);
            QCOMPARE(DecodeNameChar(static_cast<std::uint8_t>(code)),
                     inSet ? std::string(1, c) : std::string());
        }
        QCOMPARE(int(EncodeNameChar("")), 255);
    }

    void names_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("nine of twelve") << "SHIP/SHIP" << QByteArray("53 48 49 50 2F 53 48 49 50 FF FF FF")
                                        << "SHIP/SHIP";
        QTest::newRow("fourth outside the set") << "ABC#DEF" << QByteArray("41 42 43 FF 44 45 46 FF FF FF FF FF")
                                                << "ABC";
        QTest::newRow("trailing blanks") << "AB  " << QByteArray("41 42 20 20 FF FF FF FF FF FF FF FF") << "AB";
        QTest::newRow("longer than twelve") << "ABCDEFGHIJKLMNOP"
                                            << QByteArray("41 42 43 44 45 46 47 48 49 4A 4B 4C") << "ABCDEFGHIJKL";
        QTest::newRow("empty") << "" << QByteArray("FF FF FF FF FF FF FF FF FF FF FF FF") << "";
        QTest::newRow("lower case and leading blank") << " ab(1)" << QByteArray("20 61 62 28 31 29 FF FF FF FF FF FF")
                                                      << " ab(1)";
    }

    void names()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, decoded);
        Image image{};
        image.fill(0xEE);
        EncodeName(image, 512, text.toStdString(), 12);
        QCOMPARE(Hex(image, 512, 12), bytes);
        QCOMPARE(Hex(image, 524, 4), QByteArray("EE EE EE EE"));  // the slot's tail is never written
        QCOMPARE(Hex(image, 511, 1), QByteArray("EE"));
        QCOMPARE(QString::fromStdString(DecodeName(image, 512, 12)), decoded);
    }

    void nameAtTheEndOfTheImage()
    {
        Image image{};
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, EncodeName(image, kImageSize - 4, "ABCDEFGH", 12));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, DecodeName(image, kImageSize, 1));
    }

    void digits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("force");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("nine digits forced") << "123456789" << true << QByteArray("12 34 56 78 90") << "1234567890";
        QTest::newRow("nine digits") << "123456789" << false << QByteArray("12 34 56 78 9F") << "123456789";
        QTest::newRow("letter inside") << "12A45" << false << QByteArray("12 F4 5F FF FF") << "12";
        QTest::newRow("letter inside forced") << "12A45" << true << QByteArray("12 F4 5F FF F0") << "12";
        QTest::newRow("blanks only") << "   " << true << QByteArray("FF FF FF FF FF") << "";
        QTest::newRow("empty") << "" << false << QByteArray("FF FF FF FF FF") << "";
        QTest::newRow("ten digits forced") << "9876543219" << true << QByteArray("98 76 54 32 10") << "9876543210";
        QTest::newRow("more than ten") << "123456789012" << false << QByteArray("12 34 56 78 90") << "1234567890";
        QTest::newRow("leading blank") << " 12" << false << QByteArray("F1 2F FF FF FF") << "";
        QTest::newRow("group form") << "0123456780" << true << QByteArray("01 23 45 67 80") << "0123456780";
    }

    void digits()
    {
        QFETCH(QString, text);
        QFETCH(bool, force);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, decoded);
        Image image{};
        image.fill(0xEE);
        EncodeDigits(image, 336, text.toStdString(), force);
        QCOMPARE(Hex(image, 335, 7), QByteArray("EE ") + bytes + QByteArray(" EE"));
        QCOMPARE(QString::fromStdString(DecodeDigits(image, 336)), decoded);
    }

    void offsets_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("code");
        QTest::newRow("-12 h") << 0 << 0x0C;
        QTest::newRow("-1 h") << 11 << 0x01;
        QTest::newRow("none") << 12 << 0x10;
        QTest::newRow("+1 h") << 13 << 0x11;
        QTest::newRow("+12 h") << 24 << 0x1C;
        QTest::newRow("below range") << -3 << 0x0C;
        QTest::newRow("above range") << 30 << 0x1C;
    }

    void offsets()
    {
        QFETCH(int, index);
        QFETCH(int, code);
        QCOMPARE(int(EncodeOffset(index)), code);
        QCOMPARE(DecodeOffset(static_cast<std::uint8_t>(code)), std::clamp(index, 0, 24));
        // Bits 7-5 carry other settings and never change the offset.
        QCOMPARE(DecodeOffset(static_cast<std::uint8_t>(code | 0xE0)), std::clamp(index, 0, 24));
    }

    void offsetOddCodes()
    {
        QCOMPARE(DecodeOffset(0x1F), 12);
        QCOMPARE(DecodeOffset(0x00), 12);
        QCOMPARE(DecodeOffset(0x0F), 0);   // more than 12 hours counts as 12
        QCOMPARE(DecodeOffset(0x0D), 0);
        QCOMPARE(DecodeOffset(0x1D), 24);
        QCOMPARE(DecodeOffset(0x1E), 24);
        QCOMPARE(DecodeOffset(0xE0), 12);
    }

    void channelFlags()
    {
        ChannelRecord record;
        QCOMPARE(int(EncodeChannelFlags(record)), 0x10);  // all false: "not low power" is set
        record.TxEnable = record.Duplex = record.PowUp = record.VsMemory = record.DispayA = true;
        record.LowPower = true;
        QCOMPARE(int(EncodeChannelFlags(record)), 0xE9);

        ChannelRecord decoded;
        decoded.Position = 7;
        decoded.Enable = decoded.ScanMemory = decoded.DuplexSelectable = true;
        decoded.ChTag = "KEEP";
        DecodeChannelFlags(decoded, 0xE9 | 0x06);  // bits 2-1 ignored
        QVERIFY(decoded.TxEnable && decoded.Duplex && decoded.PowUp && decoded.LowPower);
        QVERIFY(decoded.VsMemory && decoded.DispayA);
        QCOMPARE(decoded.Position, std::int16_t(7));
        QVERIFY(decoded.Enable && decoded.ScanMemory && decoded.DuplexSelectable);
        QCOMPARE(decoded.ChTag, std::string("KEEP"));

        DecodeChannelFlags(decoded, 0x10);
        QVERIFY(!decoded.TxEnable && !decoded.Duplex && !decoded.PowUp && !decoded.LowPower);
        QVERIFY(!decoded.VsMemory && !decoded.DispayA);
    }
};

QTEST_APPLESS_MAIN(TestBitsCodecs)
#include "tst_bits_codecs.moc"
