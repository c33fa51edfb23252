// SPDX-License-Identifier: GPL-3.0-or-later
// One request with its retry: every kind of bad answer costs one attempt, and
// the line is brought back in step (CAN, a marker) before the next; answers
// that are late but within their time limits cost nothing. Every request is
// followed by its marker.
#include "frame.h"
#include "radio_rig.h"

using namespace quorlink;
using namespace quorlink::test;

using FaultKind = sim::FaultKind;

Q_DECLARE_METATYPE(quorlink::sim::FaultKind)

namespace {

// A request that failed once, the line brought back, the request again.
ExchangeList Retried(QPair<int, int> request, QPair<int, int> marker = kMarker)
{
    return {request, kCan, marker, request, marker};
}

// A 0x14 reply whose sum is right but whose data digits are not all hex.
QByteArray NonHexReply()
{
    const QByteArray body = "14" + QByteArray("GG") + QByteArray(30, '0');
    int sum = 0;
    for (char c : body)
        sum += static_cast<unsigned char>(c);
    return '\x01' + body + QByteArray::number(255 - sum % 256, 16).toUpper().rightJustified(2, '0') + '\r';
}

}  // namespace

class TestExchanges : public QObject {
    Q_OBJECT

    std::unique_ptr<RadioRig> rig;

    bool BlockMatches(const Image& target, int address) const
    {
        return std::equal(target.begin() + address, target.begin() + address + 16,
                          rig->radio.memory().begin() + address);
    }

private slots:
    void init()
    {
        rig = std::make_unique<RadioRig>();
        QVERIFY(rig->started);
        rig->radio.memory() = PatternMemory(sim::kCode7100);
        QVERIFY(rig->link.PortOpen());
    }

    void cleanup() { rig.reset(); }

    void retryAfterABadAnswer_data()
    {
        QTest::addColumn<FaultKind>("kind");
        QTest::addColumn<int>("delayMs");
        QTest::newRow("no answer") << FaultKind::NoAnswer << 0;
        QTest::newRow("lower-case checksum") << FaultKind::LowerCaseChecksum << 0;
        QTest::newRow("bad checksum") << FaultKind::BadChecksum << 0;
        QTest::newRow("wrong command code") << FaultKind::WrongCommand << 0;
        QTest::newRow("line feed for CR") << FaultKind::MissingCr << 0;
        QTest::newRow("a byte too many") << FaultKind::ExtraBytes << 0;
        QTest::newRow("last byte missing") << FaultKind::Truncated << 0;
        // Four pieces: the last comes three delays after the SOH.
        QTest::newRow("rest after the frame time-out") << FaultKind::SplitReply << kFrameTimeoutMs / 2;
    }

    void retryAfterABadAnswer()
    {
        QFETCH(FaultKind, kind);
        QFETCH(int, delayMs);
        rig->radio.AddFault({kind, 0x14, 0x0100, 1, delayMs});
        Image target{};
        QCOMPARE(rig->protocol.ReadBlock(target, 0x0100), Exchanged::Done);
        QVERIFY(!rig->link.state().CancelFlag);
        QCOMPARE(Exchanges(rig->radio), Retried({0x14, 0x0100}));
        QVERIFY(BlockMatches(target, 0x0100));
    }

    void lateButInTimeCostsNothing_data()
    {
        QTest::addColumn<FaultKind>("kind");
        QTest::addColumn<int>("delayMs");
        QTest::newRow("split within the frame time-out") << FaultKind::SplitReply << kFrameTimeoutMs / 6;
        QTest::newRow("delay within the reply time-out") << FaultKind::Delay << kReplyTimeoutMs / 2;
        // As a slow adapter hands a reply over; the program's frame time-out is 1 s.
        QTest::newRow("four parts 150 ms apart") << FaultKind::SplitReply << -150;
    }

    void lateButInTimeCostsNothing()
    {
        QFETCH(FaultKind, kind);
        QFETCH(int, delayMs);
        if (delayMs < 0) {
            rig->protocol.Timings.frameTimeoutMs = ProtocolTimings{}.frameTimeoutMs;
            rig->radio.SetPace(960);
            delayMs = -delayMs;
        }
        rig->radio.AddFault({kind, 0x14, 0x0100, 1, delayMs});
        Image target{};
        QCOMPARE(rig->protocol.ReadBlock(target, 0x0100), Exchanged::Done);
        QCOMPARE(Exchanges(rig->radio), (ExchangeList{{0x14, 0x0100}, kMarker}));
        QVERIFY(BlockMatches(target, 0x0100));
    }

    // Replies carry no address. Paced as on a cable, a reply that comes just
    // after its time-out, or comes twice, must never answer a later request.
    void lateOrRepeatedRepliesNeverShiftTheBlocks_data()
    {
        QTest::addColumn<FaultKind>("kind");
        QTest::addColumn<int>("delayMs");
        QTest::newRow("reply just after the time-out") << FaultKind::Delay << kReplyTimeoutMs + 30;
        QTest::newRow("reply sent twice") << FaultKind::Repeat << 0;
    }

    void lateOrRepeatedRepliesNeverShiftTheBlocks()
    {
        QFETCH(FaultKind, kind);
        QFETCH(int, delayMs);
        rig->radio.SetPace(960);
        rig->radio.AddFault({kind, 0x14, 0x0120, 1, delayMs});
        Image target{};
        for (int address = 0x0100; address < 0x0180; address += 16) {
            QVERIFY2(rig->protocol.ReadBlock(target, address) == Exchanged::Done && BlockMatches(target, address),
                     qPrintable(QString::number(address, 16)));
        }
    }

    // A whole reply already waiting answers nothing yet asked: the line is
    // brought back before the request is sent, not after it took the stale one.
    void staleBytesBeforeARequest()
    {
        rig->radio.SendRaw(QByteArray::fromHex("01") + "14" + QByteArray(32, '0') + "9A\r");
        QTRY_COMPARE(rig->port.BytesWaiting(), qint64(38));
        Image target{};
        QCOMPARE(rig->protocol.ReadBlock(target, 0x0110), Exchanged::Done);
        QCOMPARE(Exchanges(rig->radio), (ExchangeList{kCan, kMarker, {0x14, 0x0110}, kMarker}));
        QVERIFY(BlockMatches(target, 0x0110));
    }

    void bothAttemptsFailing()
    {
        rig->radio.AddFault({FaultKind::BadChecksum, 0x12, 0x0042, 2, 0});
        Image target{};
        target[0x42] = 0xA5;
        QCOMPARE(rig->protocol.ReadByte(target, 0x0042), Exchanged::Failed);
        QVERIFY(!rig->link.state().CancelFlag);
        QCOMPARE(Exchanges(rig->radio), (ExchangeList{{0x12, 0x42}, kCan, kBlockMarker, {0x12, 0x42}}));
        QCOMPARE(int(target[0x42]), 0xA5);
        QVERIFY(rig->prompt.shown.isEmpty());  // the operation, not the exchange, tells the user
    }

    void retryCountSetsTheAttempts()
    {
        rig->protocol.RetryCount = 2;
        rig->radio.AddFault({FaultKind::NoAnswer, 0x14, 0x0200, 2, 0});
        Image target{};
        QCOMPARE(rig->protocol.ReadBlock(target, 0x0200), Exchanged::Done);
        QCOMPARE(Exchanges(rig->radio), (ExchangeList{{0x14, 0x200}, kCan, kMarker, {0x14, 0x200}, kCan, kMarker,
                                                      {0x14, 0x200}, kMarker}));

        rig->radio.ClearLog();
        rig->protocol.RetryCount = 0;
        rig->radio.AddFault({FaultKind::NoAnswer, 0x14, 0x0300, 1, 0});
        QCOMPARE(rig->protocol.ReadBlock(target, 0x0300), Exchanged::Failed);
        QCOMPARE(Exchanges(rig->radio), (ExchangeList{{0x14, 0x300}}));
    }

    void workedReplyOverTheLine()
    {
        rig->radio.memory()[0x1234] = 0x09;
        Image target{};
        QCOMPARE(rig->protocol.ReadByte(target, 0x1234), Exchanged::Done);
        QCOMPARE(rig->radio.sent().left(8).toHex(' '), QByteArray::fromHex("013132303933330D").toHex(' '));
        QCOMPARE(int(target[0x1234]), 0x09);
    }

    void digitsThatAreNotHexSpoilTheAnswer()
    {
        rig->radio.AddFault({FaultKind::NoAnswer, 0x14, 0x0100, 1, 0});
        bool answered = false;
        connect(&rig->radio, &sim::RadioEmulator::requestLogged, this, [&](const sim::LoggedRequest&) {
            if (!answered)
                rig->radio.SendRaw(NonHexReply());
            answered = true;
        });
        Image target{};
        QCOMPARE(rig->protocol.ReadBlock(target, 0x0100), Exchanged::Done);
        QCOMPARE(Exchanges(rig->radio), Retried({0x14, 0x0100}));
        QVERIFY(BlockMatches(target, 0x0100));
    }

    void writeAnswers_data()
    {
        QTest::addColumn<FaultKind>("kind");
        QTest::newRow("junk before the ACK") << FaultKind::ExtraBytes;
        QTest::newRow("another byte instead of ACK") << FaultKind::BadChecksum;
        QTest::newRow("no ACK") << FaultKind::NoAnswer;
    }

    void writeAnswers()
    {
        QFETCH(FaultKind, kind);
        for (int i = 0; i < 16; ++i)
            rig->model.MemoryImage[0x0700 + i] = static_cast<std::uint8_t>(0x30 + i);
        rig->radio.AddFault({kind, 0x13, 0x0700, 1, 0});
        QCOMPARE(rig->protocol.WriteBlock(0x0700), Exchanged::Done);
        QCOMPARE(Exchanges(rig->radio), Retried({0x13, 0x0700}));
        QVERIFY(std::equal(rig->radio.memory().begin() + 0x0700, rig->radio.memory().begin() + 0x0710,
                           rig->model.MemoryImage.begin() + 0x0700));
    }

    void cancelDuringTheWaitEndsWithoutRetry()
    {
        rig->radio.AddFault({FaultKind::NoAnswer, 0x14, 0x0100, -1, 0});
        // As a Cancel button handler run by the wait's event processing.
        connect(&rig->radio, &sim::RadioEmulator::requestLogged, this,
                [&](const sim::LoggedRequest&) { rig->link.state().CancelFlag = true; });
        Image target{};
        QCOMPARE(rig->protocol.ReadBlock(target, 0x0100), Exchanged::Cancelled);
        QVERIFY(rig->link.state().CancelFlag);
        QCOMPARE(Exchanges(rig->radio), (ExchangeList{{0x14, 0x0100}}));
    }
};

QTEST_GUILESS_MAIN(TestExchanges)
#include "tst_exchanges.moc"
