// SPDX-License-Identifier: GPL-3.0-or-later
// The model check: four single bytes, both copies of the model code, a block
// read as their marker, and the messages of each way it can fail.
#include "radio_rig.h"
#include "transfer_runs.h"

#include <tuple>

using namespace quorlink;
using namespace quorlink::test;

struct ListedPorts : PortList {
    QList<PortInfo> ports;
    QList<PortInfo> Ports() const override { return ports; }
};

class TestModelCheck : public QObject {
    Q_OBJECT

private slots:
    void readsTheFourCodeBytesInOrder()
    {
        RadioRig rig;
        QVERIFY(rig.started);
        QVERIFY(rig.Shown(rig.protocol.ReadDataChkModel()));
        QVERIFY(rig.prompt.shown.isEmpty());
        QVERIFY(!rig.port.IsOpen());
        QCOMPARE(Exchanges(rig.radio), (ExchangeList{{0x12, 0}, {0x12, 1}, {0x12, 0x1FFE}, {0x12, 0x1FFF}, kBlockMarker}));
        QCOMPARE(rig.radio.requests().at(2).raw.toHex(' '),
                 QByteArray::fromHex("0131323146464539410D").toHex(' '));
    }

    void passes_data()
    {
        QTest::addColumn<int>("radioCode");
        QTest::addColumn<int>("modelNumber");
        QTest::newRow("MR7100A, model 1") << int(sim::kCode7100) << 1;
        QTest::newRow("MR5100A, model 0") << int(sim::kCode5100) << 0;
        QTest::newRow("MR5100A, model 2") << int(sim::kCode5100) << 2;
    }

    void passes()
    {
        QFETCH(int, radioCode);
        QFETCH(int, modelNumber);
        RadioRig rig(static_cast<std::uint16_t>(radioCode), modelNumber);
        QVERIFY(rig.started);
        QVERIFY(rig.Shown(rig.protocol.ReadDataChkModel()));
        QVERIFY(rig.prompt.shown.isEmpty());
    }

    void wrongModel_data()
    {
        QTest::addColumn<int>("modelNumber");
        QTest::addColumn<int>("tailLow");
        QTest::addColumn<bool>("otherCodeAnswered");
        QTest::newRow("copies differ") << 1 << 0xBD << false;
        QTest::newRow("the other model's radio") << 0 << 0xBC << false;
        QTest::newRow("radio answers another code") << 1 << 0xBC << true;
    }

    void wrongModel()
    {
        QFETCH(int, modelNumber);
        QFETCH(int, tailLow);
        QFETCH(bool, otherCodeAnswered);
        RadioRig rig(sim::kCode7100, modelNumber);
        QVERIFY(rig.started);
        rig.radio.memory()[0x1FFF] = static_cast<std::uint8_t>(tailLow);
        if (otherCodeAnswered)
            rig.radio.AddFault({sim::FaultKind::OtherModelCode, -1, -1, -1, 0});
        QVERIFY(rig.prompt.Show(rig.protocol.ReadDataChkModel()).failed());
        QCOMPARE(rig.prompt.shown.size(), 1);
        QCOMPARE(rig.prompt.shown[0].title, QStringLiteral("Read from Radio"));
        QCOMPARE(rig.prompt.shown[0].text, QStringLiteral("ModelName Error !!"));
        QCOMPARE(rig.prompt.shown[0].icon, MessageIcon::Critical);
        QCOMPARE(Exchanges(rig.radio), (ExchangeList{{0x12, 0}, {0x12, 1}, {0x12, 0x1FFE}, {0x12, 0x1FFF}, kBlockMarker}));
    }

    void noAnswerStopsTheCheck()
    {
        RadioRig rig;
        QVERIFY(rig.started);
        rig.radio.AddFault({sim::FaultKind::NoAnswer, 0x12, 1, 2, 0});
        QVERIFY(rig.prompt.Show(rig.protocol.ReadDataChkModel()).failed());
        QCOMPARE(Exchanges(rig.radio), (ExchangeList{{0x12, 0}, {0x12, 1}, kCan, kBlockMarker, {0x12, 0}, {0x12, 1}}));
        QCOMPARE(rig.prompt.shown.size(), 1);
        QCOMPARE(rig.prompt.shown[0].title, QStringLiteral("Model Check"));
        QCOMPARE(rig.prompt.shown[0].text, QStringLiteral("Communication Error!!"));
        QCOMPARE(rig.prompt.shown[0].icon, MessageIcon::Critical);
        QVERIFY(!rig.port.IsOpen());
    }

    // A port with no radio on it: every run says, below the model check's
    // error, the port it tried and what to check. A silent line costs one
    // request and one marker; a radio of the other model gets no checklist.
    void noRadioOnThePort_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("fault");   // on every request
        QTest::addColumn<int>("listed");  // how the system lists the port: 0 not, 1 built in, 2 a USB cable
        QTest::addColumn<QString>("said");  // %1: the device
        const QString checks = " Check that:\n- the radio is switched on and in its clone mode;\n- the cable is "
                               "plugged in firmly, at the radio and at the computer;\n- COM1 is the cable's port. "
                               "Options > SerialPort > Device... (or quorlink-cli ports) lists the ports present.";
        const QString silent = "Communication Error!!\n\nNo radio answered on COM1 (%1)." + checks;
        const int noAnswer = int(sim::FaultKind::NoAnswer);
        QTest::newRow("read") << int(TransferMode::Read) << noAnswer << 0 << silent;
        QTest::newRow("write, built-in port")
            << int(TransferMode::Program) << noAnswer << 1
            << silent + "\n%1 is a built-in serial port, with no USB id: the cable is rarely on it.";
        QTest::newRow("clear, garbled") << int(TransferMode::Clear) << int(sim::FaultKind::BadChecksum) << 2
                                        << "Communication Error!!\n\nThe answers on COM1 (%1, FTDI (0403:6001)) "
                                           "broke off or were garbled." + checks;
        QTest::newRow("other model") << 0 << int(sim::FaultKind::OtherModelCode) << 1 << "ModelName Error !!";
    }

    void noRadioOnThePort()
    {
        QFETCH(int, mode);
        QFETCH(int, fault);
        QFETCH(int, listed);
        QFETCH(QString, said);
        RadioRig rig;
        QVERIFY(rig.started);
        rig.radio.AddFault({sim::FaultKind(fault), -1, -1, -1, 0});
        const QString device = rig.radio.SlavePath();
        PortInfo port;
        port.device = device;
        if (listed == 2)
            std::tie(port.manufacturer, port.vendorId, port.productId, port.usb) =
                std::tuple("FTDI", 0x0403, 0x6001, true);
        ListedPorts ports;
        if (listed > 0)
            ports.ports << port;
        rig.link.UsePort(PortChoice{1, {}});
        rig.link.UseDevices({device}, &ports);
        rig.Shown(mode == 0 ? RunReadTransfer(rig.protocol)
                  : mode == 1 ? RunWriteTransfer(rig.protocol) : RunClearTransfer(rig.protocol));
        QCOMPARE(rig.prompt.shown.size(), 1);
        QCOMPARE(rig.prompt.shown[0].title, said.startsWith("Model") ? "Read from Radio" : "Model Check");
        QCOMPARE(rig.prompt.shown[0].text, said.arg(device));
        if (fault == int(sim::FaultKind::NoAnswer))
            QCOMPARE(Exchanges(rig.radio), (ExchangeList{{0x12, 0}, kCan, kBlockMarker}));
    }

    void cancelEndsTheCheckSilently()
    {
        RadioRig rig;
        QVERIFY(rig.started);
        rig.radio.AddFault({sim::FaultKind::NoAnswer, 0x12, 0x1FFE, -1, 0});
        connect(&rig.radio, &sim::RadioEmulator::requestLogged, this, [&](const sim::LoggedRequest& entry) {
            if (entry.request.address == 0x1FFE)
                rig.link.state().CancelFlag = true;
        });
        QVERIFY(rig.prompt.Show(rig.protocol.ReadDataChkModel()).cancelled());
        QVERIFY(rig.link.state().CancelFlag);
        QVERIFY(rig.prompt.shown.isEmpty());
        QVERIFY(!rig.port.IsOpen());
        QCOMPARE(Exchanges(rig.radio).size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestModelCheck)
#include "tst_model_check.moc"
