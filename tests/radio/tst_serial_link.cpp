// SPDX-License-Identifier: GPL-3.0-or-later
// The link's primitives over a real pseudo-terminal: what each wait consumes,
// the order of its tests, its deadline, and that it sleeps instead of spinning.
#include "radio_rig.h"

#include <QElapsedTimer>
#include <QTimer>
#include <ctime>

using namespace quorlink;
using namespace quorlink::test;

namespace {

double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace

class TestSerialLink : public QObject {
    Q_OBJECT

    std::unique_ptr<RadioRig> rig;

    // Bytes from the radio, and back once they wait in the port.
    void Arrive(const QByteArray& bytes)
    {
        rig->radio.SendRaw(bytes);
        QTRY_COMPARE(rig->port.BytesWaiting(), qint64(bytes.size()));
    }

private slots:
    void init()
    {
        rig = std::make_unique<RadioRig>();
        QVERIFY(rig->started);
        rig->radio.AddFault({sim::FaultKind::NoAnswer, -1, -1, -1, 0});
        QVERIFY(rig->link.PortOpen());
    }

    void cleanup() { rig.reset(); }

    void openingAnOpenPortKeepsIt()
    {
        QVERIFY(rig->link.PortOpen());
        QVERIFY(rig->port.IsOpen());
        rig->link.ClosePort();
        QVERIFY(!rig->port.IsOpen());
        rig->link.ClosePort();
        QVERIFY(!rig->port.IsOpen());
    }

    void sendPutsTheBytesOnTheLineAtOnce()
    {
        // No event runs between the send and the check.
        rig->link.Send(QByteArray(1, '\x18'));
        QVERIFY(rig->radio.InputPending());
    }

    // A reply's first byte must be the one asked for: anything else means
    // the line is out of step, and the byte is not left for the next wait.
    void takeByteRefusesAnotherFirstByte()
    {
        Arrive(QByteArray::fromHex("3101"));
        QCOMPARE(rig->link.TakeByte(0x01, 300), WaitResult::Unasked);
        QCOMPARE(rig->link.TakeByte(0x01, 300), WaitResult::Done);
        QCOMPARE(rig->link.TakeByte(0x01, 50), WaitResult::TimedOut);
    }

    void waitByteDropsTheBytesBeforeTheExpectedOne()
    {
        Arrive(QByteArray::fromHex("31320177"));
        QCOMPARE(rig->link.WaitByte(0x01, 300), WaitResult::Done);
        QCOMPARE(rig->port.BytesWaiting(), qint64(1));
        QCOMPARE(rig->port.Read(1), QByteArray("\x77"));
    }

    void waitByteTimesOutJustAfterItsDeadlineWithoutSpinning()
    {
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = CpuSeconds();
        QCOMPARE(rig->link.WaitByte(0x01, 250), WaitResult::TimedOut);
        const qint64 elapsed = clock.elapsed();
        const double cpu = CpuSeconds() - cpuBefore;
        QVERIFY2(elapsed > 250 && elapsed < 320, qPrintable(QString::number(elapsed)));
        QVERIFY2(cpu < 0.25 * elapsed / 1000.0, qPrintable(QStringLiteral("cpu %1 s").arg(cpu)));
    }

    void cancelWinsOverAByteAlreadyWaiting()
    {
        Arrive(QByteArray(1, '\x01'));
        rig->link.SetCancelCheck([] { return true; });
        QCOMPARE(rig->link.WaitByte(0x01, 300), WaitResult::Cancelled);
        QVERIFY(rig->link.state().CancelFlag);
    }

    void cancelFromAWindowEventEndsTheWait()
    {
        QTimer::singleShot(30, [this] { rig->link.state().CancelFlag = true; });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(rig->link.WaitByte(0x01, 3000), WaitResult::Cancelled);
        QVERIFY(clock.elapsed() < 1000);
    }

    void timeOutWinsOverAMatchOnTheSameTurn()
    {
        // A deadline already behind us: the first turn reads the expected
        // byte, yet tests the deadline before the match.
        Arrive(QByteArray(1, '\x01'));
        QCOMPARE(rig->link.WaitByte(0x01, -1), WaitResult::TimedOut);
        QCOMPARE(rig->port.BytesWaiting(), qint64(0));
    }

    // A modal box (Help pressed during a transfer) holds a turn past the
    // deadline: a byte that came meanwhile counts; without one the wait
    // times out as soon as the box is gone.
    void aTurnHeldByAModalBox_data()
    {
        QTest::addColumn<bool>("answered");
        QTest::newRow("byte came") << true;
        QTest::newRow("nothing came") << false;
    }

    void aTurnHeldByAModalBox()
    {
        QFETCH(bool, answered);
        QTimer::singleShot(10, this, [this, answered] {
            if (answered)
                rig->radio.SendRaw(QByteArray(1, '\x01'));
            QEventLoop box;  // as the box's exec() runs one
            QTimer::singleShot(300, &box, &QEventLoop::quit);
            box.exec();
        });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(rig->link.WaitByte(0x01, 100), answered ? WaitResult::Done : WaitResult::TimedOut);
        QVERIFY2(clock.elapsed() < 400, qPrintable(QString::number(clock.elapsed())));
    }

    void receiveFrame_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("result");
        QTest::newRow("seven bytes ending in CR") << QByteArray("120933\r") << int(WaitResult::Done);
        QTest::newRow("seventh byte a line feed") << QByteArray("120933\n") << int(WaitResult::BadEnd);
        QTest::newRow("a byte behind the frame") << QByteArray("120933\r\r") << int(WaitResult::Done);
        QTest::newRow("cut short") << QByteArray("12093") << int(WaitResult::TimedOut);
    }

    void receiveFrame()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, result);
        rig->link.state().CancelFlag = true;  // cleared at entry
        rig->radio.SendRaw(bytes);
        QByteArray buffer(7, 'x');
        QCOMPARE(int(rig->link.ReceiveFrame(buffer, 150)), result);
        QVERIFY(!rig->link.state().CancelFlag);
        if (result == int(WaitResult::TimedOut))
            QCOMPARE(buffer, QByteArray(7, 'x'));
        else
            QCOMPARE(buffer, QByteArray("120933x"));  // the CR slot is left as it was
        if (result == int(WaitResult::Done))  // what came behind a frame is left for the exchange to judge
            QCOMPARE(rig->link.UnaskedBytes(), bytes.size() > 7);
    }

    void receiveFrameWaitsForALateRest()
    {
        rig->radio.SendRaw("120");
        rig->radio.SendRaw("933\r", 60);
        QByteArray buffer(7, '\0');
        QCOMPARE(rig->link.ReceiveFrame(buffer, 150), WaitResult::Done);
    }

    void aLineThatHangsUpEndsTheWaitAsAPortFault()
    {
        rig->radio.HangUp();
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(rig->link.WaitByte(0x01, 2000), WaitResult::PortFault);
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(rig->link.PortFault());
        rig->link.ClosePort();
        QVERIFY(!rig->link.PortOpen());  // nothing to open any more
        QVERIFY(!rig->link.PortFault());
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_serial_link.moc"
