// Which device a port name means, and the words the user gets when it will
// not open.
#include "open_failure.h"
#include "port_names.h"

#include <QTemporaryFile>
#include <QtTest>

using namespace quorlink;

class TestPortNames : public QObject {
    Q_OBJECT

private slots:
    void usbAdaptersFirstInNaturalOrder()
    {
        const QStringList ordered = OrderSerialDevices({
            {QStringLiteral("/dev/ttyS1"), false},
            {QStringLiteral("/dev/ttyUSB10"), true},
            {QStringLiteral("/dev/ttyS0"), false},
            {QStringLiteral("/dev/ttyUSB2"), true},
            {QStringLiteral("/dev/ttyACM0"), true},
            {QStringLiteral("/dev/ttyS10"), false},
            {QStringLiteral("/dev/ttyS2"), false},
        });
        QCOMPARE(ordered, (QStringList{"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS0",
                                       "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS10"}));
    }

    void parsePortChoice_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");   // -1: not a port
        QTest::addColumn<QString>("device");
        QTest::newRow("1") << "1" << 1 << "";
        QTest::newRow("4") << "4" << 4 << "";
        QTest::newRow("COM2") << "COM2" << 2 << "";
        QTest::newRow("com3") << "com3" << 3 << "";
        QTest::newRow("0") << "0" << -1 << "";
        QTest::newRow("5") << "5" << -1 << "";
        QTest::newRow("+1") << "+1" << -1 << "";
        QTest::newRow("empty") << "" << -1 << "";
        QTest::newRow("bare name") << "ttyUSB0" << -1 << "";
        QTest::newRow("device") << "/dev/ttyUSB0" << 0 << "/dev/ttyUSB0";
        QTest::newRow("relative path") << "./radio" << 0 << "./radio";
    }

    void parsePortChoice()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QFETCH(QString, device);
        const std::optional<PortChoice> choice = ParsePortChoice(text);
        QCOMPARE(choice.has_value(), number >= 0);
        if (choice) {
            QCOMPARE(choice->number, number);
            QCOMPARE(choice->device, device);
        }
    }

    void aDevicePathIsItsOwnName()
    {
        const PortTarget target = ResolvePort(PortChoice{0, QStringLiteral("/dev/ttyUSB7")});
        QCOMPARE(target.label, QStringLiteral("/dev/ttyUSB7"));
        QCOMPARE(target.device, QStringLiteral("/dev/ttyUSB7"));
    }

    void openFailureText_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("text");
        QTest::newRow("numbered") << "COM1" << "/dev/ttyUSB0" << ""
                                  << "COM1 (/dev/ttyUSB0) could not be opened: why";
        QTest::newRow("no device") << "COM4" << "" << "" << "COM4 (no serial port) could not be opened: why";
        QTest::newRow("path") << "/dev/ttyS0" << "/dev/ttyS0" << "" << "/dev/ttyS0 could not be opened: why";
        QTest::newRow("permission")
            << "COM2" << "/dev/ttyACM0" << "dialout"
            << "COM2 (/dev/ttyACM0) could not be opened: why\nYou must be a member of the group \"dialout\" "
               "that owns /dev/ttyACM0: sudo usermod -aG dialout $USER, then log out and in again.";
    }

    void openFailureText()
    {
        QFETCH(QString, label);
        QFETCH(QString, device);
        QFETCH(QString, group);
        QFETCH(QString, text);
        QCOMPARE(OpenFailureText(PortTarget{label, device}, QStringLiteral("why"), group), text);
    }

    void noGroupHintForABusyDevice()
    {
        // Permission refused on a device we may read and write: it is locked
        // or in use, and joining a group would not help.
        QTemporaryFile device;
        QVERIFY(device.open());
        QCOMPARE(MissingGroup(device.fileName(), true), QString());
        QCOMPARE(MissingGroup(device.fileName(), false), QString());
    }
};

QTEST_GUILESS_MAIN(TestPortNames)
#include "tst_port_names.moc"
