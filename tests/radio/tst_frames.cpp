// SPDX-License-Identifier: GPL-3.0-or-later
// Frames, checksums and hex digits, against the bytes our protocol notes give,
// on both sides: the program's frame code and the emulator's own.
#include "frame.h"
#include "radio_frames.h"

#include <QtTest>

using namespace quorlink;

namespace {

// A reply as ReceiveFrame leaves it: the frame without SOH, the CR slot kept.
QByteArray ReceivedPart(const QByteArray& frame) { return frame.mid(1); }

}  // namespace

class TestFrames : public QObject {
    Q_OBJECT

private slots:
    void hexDigits()
    {
        QCOMPARE(ByteToHex(0x00), QByteArray("00"));
        QCOMPARE(ByteToHex(0x0A), QByteArray("0A"));
        QCOMPARE(ByteToHex(0xBC), QByteArray("BC"));
        QCOMPARE(ByteToHex(0xFF), QByteArray("FF"));
        for (int value = 0; value < 256; ++value) {
            const QByteArray hex = ByteToHex(static_cast<std::uint8_t>(value));
            QCOMPARE(HexToByte(hex.at(0), hex.at(1)), value);
            QCOMPARE(HexToByte(hex.toLower().at(0), hex.toLower().at(1)), value);
        }
        QCOMPARE(HexToByte('G', '0'), -1);
        QCOMPARE(HexToByte('0', ' '), -1);
        QCOMPARE(HexToByte('\0', '1'), -1);
    }

    void checksumIsInvertedSum()
    {
        // "140000": 0x31+0x34+4*0x30 = 0x125; NOT -> 0xDA.
        QCOMPARE(int(FrameChecksum("140000", 0, 5)), 0xDA);
        QCOMPARE(int(FrameChecksum("x140000x", 1, 6)), 0xDA);
        QCOMPARE(int(FrameChecksum(QByteArray(1, '\0'), 0, 0)), 0xFF);
        // A sum of exactly 256 wraps to 0 before the inversion.
        QCOMPARE(int(FrameChecksum(QByteArray("\x80\x80"), 0, 1)), 0xFF);
    }

    void workedRequests_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("expected");
        const std::uint8_t zero = 0x00;
        QTest::newRow("read 16 at 0x0000") << BuildRequest(ReadBlockCommand, 0x0000)
                                           << QByteArray::fromHex("0131343030303044410D");
        QTest::newRow("read 1 at 0x1FFE") << BuildRequest(ReadByteCommand, 0x1FFE)
                                          << QByteArray::fromHex("0131323146464539410D");
        QTest::newRow("write 0x00 at 0x0155") << BuildRequest(WriteByteCommand, 0x0155, &zero, 1)
                                              << QByteArray::fromHex("01313130313535303037320D");
    }

    void workedRequests()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, expected);
        QCOMPARE(frame.toHex(' '), expected.toHex(' '));
    }

    void blockWriteCarriesSixteenBytesInOrder()
    {
        std::uint8_t data[16];
        for (int i = 0; i < 16; ++i)
            data[i] = static_cast<std::uint8_t>(0xF0 + i);
        const QByteArray frame = BuildRequest(WriteBlockCommand, 0x1230, data, 16);
        QCOMPARE(frame.size(), 42);
        QCOMPARE(frame.mid(1, 6), QByteArray("131230"));
        QCOMPARE(frame.mid(7, 32), QByteArray("F0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF"));
        QCOMPARE(frame.mid(39, 2), ByteToHex(FrameChecksum(frame, 1, 38)));
        QCOMPARE(frame.back(), '\r');
        QCOMPARE(BuildRequest(ReadBlockCommand, 0x1FF0).size(), 10);
        QCOMPARE(BuildRequest(WriteByteCommand, 0, data, 1).size(), 12);
    }

    void workedReplyFromTheRadioSide()
    {
        const QByteArray expected = QByteArray::fromHex("013132303933330D");
        QCOMPARE(sim::ReplyFrame(0x12, QByteArray(1, '\x09')).toHex(' '), expected.toHex(' '));
        QCOMPARE(CheckReply(ReceivedPart(expected)), 0x12);
    }

    void radioSideReadsTheWorkedRequests()
    {
        const sim::RadioRequest read = sim::ParseRequestBody("121FFE9A");
        QVERIFY(read.valid);
        QCOMPARE(read.command, 0x12);
        QCOMPARE(read.address, 0x1FFE);
        const sim::RadioRequest write = sim::ParseRequestBody("1101550072");
        QVERIFY(write.valid);
        QCOMPARE(write.data, QByteArray(1, '\0'));
        QVERIFY(!sim::ParseRequestBody("121FFE9B").valid);   // sum off by one
        QVERIFY(!sim::ParseRequestBody("121ffe9a").valid);   // the radio wants upper case
        QVERIFY(!sim::ParseRequestBody("1101550072FF").valid);  // too long for 0x11
    }

    void checkReply_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("result");
        const QByteArray block = QByteArray::fromHex("00112233445566778899AABBCCDDEEFF");
        QTest::newRow("block") << sim::ReplyFrame(0x14, block) << 0x14;
        QTest::newRow("one byte") << sim::ReplyFrame(0x12, QByteArray(1, '\x5A')) << 0x12;
        sim::ReplyStyle lower;
        lower.lowerCaseSum = true;
        // "1200" has the sum 0x3C: a letter to lower.
        QTest::newRow("lower-case sum") << sim::ReplyFrame(0x12, QByteArray(1, '\x00'), lower) << 0;
        sim::ReplyStyle bad;
        bad.sumOffset = 1;
        QTest::newRow("bad sum") << sim::ReplyFrame(0x14, block, bad) << 0;
        sim::ReplyStyle other;
        other.commandOverride = 0x12;
        QTest::newRow("other command, sum right") << sim::ReplyFrame(0x14, block, other) << 0x12;
        other.commandOverride = 0x15;
        QTest::newRow("not a command") << sim::ReplyFrame(0x14, block, other) << 0;
        // Lower-case data digits are fine as long as the sum covers them.
        QByteArray lowerData = "12ab";
        lowerData += ByteToHex(FrameChecksum(lowerData, 0, 3)) + '\r';
        QTest::newRow("lower-case data") << QByteArray(1, '\x01') + lowerData << 0x12;
    }

    void checkReply()
    {
        QFETCH(QByteArray, frame);
        QFETCH(int, result);
        QCOMPARE(CheckReply(ReceivedPart(frame)), result);
    }

    void lowerCaseSumReallyHasLetters()
    {
        sim::ReplyStyle lower;
        lower.lowerCaseSum = true;
        const QByteArray frame = sim::ReplyFrame(0x12, QByteArray(1, '\x00'), lower);
        const QByteArray sum = frame.mid(frame.size() - 3, 2);
        QVERIFY2(sum != sum.toUpper(), sum.constData());
    }
};

QTEST_GUILESS_MAIN(TestFrames)
#include "tst_frames.moc"
