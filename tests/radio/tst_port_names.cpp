// SPDX-License-Identifier: GPL-3.0-or-later
// Which device a port name means, and the words the user gets when it will
// not open, with the causes found on the system.
#include "open_failure.h"
#include "port_names.h"

#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quorlink;

Q_DECLARE_METATYPE(quorlink::DeviceFacts)

namespace {

PortInfo Port(const char* name)
{
    PortInfo port;
    port.device = QStringLiteral("/dev/") + QLatin1String(name);
    port.usb = port.Name().startsWith("ttyUSB") || port.Name().startsWith("ttyACM");
    return port;
}

SystemView NoBrltty()
{
    SystemView view;
    view.brlttyPrograms.clear();
    return view;
}

// The causes a user without rights (nobody) is told, found in a child
// process that gives up root.
QString CausesAsNobody(const QString& device)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        const bool dropped = setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
        const QByteArray text = dropped ? CauseLines(PortTarget{device, device}, LookAtDevice(device, NoBrltty()), true)
                                              .join('\n').toUtf8()
                                        : QByteArray("could not become nobody");
        const bool written = write(pipeEnds[1], text.constData(), text.size()) == text.size();
        _exit(written ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    QFile from;
    from.open(pipeEnds[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QString text = QString::fromUtf8(from.readAll());
    waitpid(child, nullptr, 0);
    return text;
}

}  // namespace

class TestPortNames : public QObject {
    Q_OBJECT

private slots:
    void usbAdaptersFirstInNaturalOrder()
    {
        QList<PortInfo> ports;
        for (const char* name : {"ttyS1", "ttyUSB10", "ttyS0", "ttyUSB2", "ttyACM0", "ttyS10", "ttyS2"})
            ports.append(Port(name));
        QStringList ordered;
        for (const PortInfo& port : OrderPorts(ports))
            ordered << port.Name();
        QCOMPARE(ordered, (QStringList{"ttyACM0", "ttyUSB2", "ttyUSB10", "ttyS0", "ttyS1", "ttyS2", "ttyS10"}));
    }

    void resolvePort_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("device");
        const QStringList none{"", "", "", ""};
        QTest::newRow("COM1 is the first listed") << "1" << none << "COM1" << "/dev/ttyUSB0";
        QTest::newRow("COM3 after the adapters") << "3" << none << "COM3" << "/dev/ttyS0";
        QTest::newRow("COM4 beyond the list") << "4" << none << "COM4" << "";
        QTest::newRow("stored device wins") << "1" << QStringList{"/dev/serial/by-id/usb-x", "", "", ""} << "COM1"
                                            << "/dev/serial/by-id/usb-x";
        QTest::newRow("stored for another") << "2" << QStringList{"/dev/ttyS9", "", "", ""} << "COM2" << "/dev/ttyUSB1";
        QTest::newRow("device path") << "/dev/ttyUSB7" << none << "/dev/ttyUSB7" << "/dev/ttyUSB7";
    }

    void resolvePort()
    {
        QFETCH(QString, choice);
        QFETCH(QStringList, stored);
        QFETCH(QString, label);
        QFETCH(QString, device);
        const QList<PortInfo> ports{Port("ttyUSB0"), Port("ttyUSB1"), Port("ttyS0")};
        const PortTarget target = ResolvePort(*ParsePortChoice(choice), stored, ports);
        QCOMPARE(target.label, label);
        QCOMPARE(target.device, device);
    }

    void byIdLinksNameTheirDevices()
    {
        QTemporaryDir dir;
        QFile(dir.filePath("ttyUSB3")).open(QIODevice::WriteOnly);
        QVERIFY(QDir(dir.path()).mkdir("by-id"));
        QVERIFY(QFile::link("../ttyUSB3", dir.filePath("by-id/usb-FTDI_FT232R_A1-if00-port0")));
        QVERIFY(QFile::link("../gone", dir.filePath("by-id/usb-gone")));
        const QHash<QString, QString> links = ByIdLinks(dir.filePath("by-id"));
        QCOMPARE(links.size(), 1);
        QCOMPARE(links.value(dir.filePath("ttyUSB3")), dir.filePath("by-id/usb-FTDI_FT232R_A1-if00-port0"));
        PortInfo port = Port("ttyUSB3");
        port.device = dir.filePath("ttyUSB3");
        QCOMPARE(FindPort({Port("ttyS0"), port}, dir.filePath("by-id/usb-FTDI_FT232R_A1-if00-port0"))->device,
                 port.device);
        QVERIFY(!FindPort({port}, dir.filePath("by-id/usb-gone")));
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

    void openFailureText_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("text");
        QTest::newRow("numbered") << "COM1" << "/dev/ttyUSB0" << "COM1 (/dev/ttyUSB0) could not be opened: why";
        QTest::newRow("no device") << "COM4" << "" << "COM4 (no serial port) could not be opened: why";
        QTest::newRow("path") << "/dev/ttyS0" << "/dev/ttyS0" << "/dev/ttyS0 could not be opened: why";
    }

    void openFailureText()
    {
        QFETCH(QString, label);
        QFETCH(QString, device);
        QFETCH(QString, text);
        QCOMPARE(OpenFailureText(PortTarget{label, device}, QStringLiteral("why")), text);
    }

    void causeLines_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<DeviceFacts>("facts");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("text");
        const QString listed = "Options > SerialPort > Device... (or quorlink-cli ports) lists the ports present.";
        DeviceFacts missing;
        missing.exists = false;
        QTest::newRow("no port") << "" << missing << false
                                 << "No serial port is present for COM2. Plug the cable in, or choose its port: " + listed;
        QTest::newRow("no device") << "/dev/ttyUSB4" << missing << false
                                   << "There is no device /dev/ttyUSB4. Plug the cable in, or choose its port: " + listed;
        DeviceFacts unplugged = missing;
        unplugged.byIdLink = true;
        QTest::newRow("by-id gone") << "/dev/serial/by-id/usb-A" << unplugged << false
                                    << "The cable is unplugged: /dev/serial/by-id/usb-A is there only while it is "
                                       "plugged in. Plug it in and try again.";
        DeviceFacts claimed = missing;
        claimed.claimedAdapter = "1a86:7523 (CH340)";
        QTest::newRow("brltty") << "" << claimed << false
                                << "The USB serial adapter 1a86:7523 (CH340) is plugged in but has no serial port: the "
                                   "braille display service brltty has claimed it. Unless you use a braille display, "
                                   "run: sudo systemctl mask brltty-udev.service brltty.service (or sudo apt remove "
                                   "brltty), then unplug the cable and plug it in again.\nNo serial port is present "
                                   "for COM2. Plug the cable in, or choose its port: " + listed;
        DeviceFacts denied;
        denied.accessible = false;
        denied.inGroup = false;
        denied.owner = "root";
        denied.group = "dialout";
        denied.mode = "crw-rw----";
        QTest::newRow("not in group") << "/dev/ttyUSB0" << denied << true
                                      << "/dev/ttyUSB0 belongs to the group \"dialout\" (owner root, mode crw-rw----), "
                                         "and you are not a member of it. Fix: sudo usermod -aG dialout $USER, then "
                                         "log out and in again.";
        // Joining root or disk gives far more than the port, a group without rw bits nothing.
        const QString udevRule = " Joining a group is not the fix: install the udev rule 70-quorlink-serial.rules (it "
                                 "comes with the Debian package), which gives the cable to the user at the desktop, "
                                 "then plug the cable in again.";
        DeviceFacts rootOnly = denied;
        rootOnly.group = "root";
        rootOnly.mode = "crw-------";
        QTest::newRow("root only") << "/dev/ttyUSB0" << rootOnly << true
                                   << "/dev/ttyUSB0 belongs to the group \"root\" (owner root, mode crw-------), which "
                                      "does not let its group read and write it." + udevRule;
        DeviceFacts disk = denied;
        disk.group = "disk";
        QTest::newRow("system group") << "/dev/ttyUSB0" << disk << true
                                      << "/dev/ttyUSB0 belongs to the group \"disk\" (owner root, mode crw-rw----), a "
                                         "group meant for more than serial ports." + udevRule;
        DeviceFacts joined = denied;
        joined.joinedGroup = true;
        QTest::newRow("joined lately") << "/dev/ttyUSB0" << joined << true
                                       << "/dev/ttyUSB0 belongs to the group \"dialout\" (owner root, mode "
                                          "crw-rw----). You joined that group after you logged in: log out and in again.";
        DeviceFacts held;
        held.holderPid = 4242;
        held.holderName = "minicom";
        QTest::newRow("busy") << "/dev/ttyUSB0" << held << true
                              << "/dev/ttyUSB0 is in use by minicom (process 4242). Close that program and try again.";
        held.holderName = "ModemManager";
        QTest::newRow("modem manager") << "/dev/ttyUSB0" << held << true
                                       << "ModemManager (process 4242) is probing /dev/ttyUSB0 for a modem. Wait a few "
                                          "seconds and try again. To stop it for good, install the udev rule of the "
                                          "Debian package, or run: sudo systemctl stop ModemManager";
        QTest::newRow("taken, holder unseen") << "/dev/ttyUSB0" << DeviceFacts{} << true
                                              << "/dev/ttyUSB0 is in use by another program. Close it and try again.";
        QTest::newRow("nothing found") << "/dev/ttyUSB0" << DeviceFacts{} << false << "";
    }

    void causeLines()
    {
        QFETCH(QString, device);
        QFETCH(DeviceFacts, facts);
        QFETCH(bool, refused);
        QFETCH(QString, text);
        QCOMPARE(CauseLines(PortTarget{"COM2", device}, facts, refused).join('\n'), text);
    }

    void aMissingDeviceIsSeen()
    {
        const DeviceFacts facts = LookAtDevice("/nonexistent/ttyQ9", NoBrltty());
        QVERIFY(!facts.exists);
        QVERIFY(facts.claimedAdapter.isEmpty());
    }

    void aDeviceInAGroupTheUserIsNotIn()
    {
        // A node of the group dialout, read and written by its group only,
        // as seen by a user outside the group.
        if (getuid() != 0)
            QSKIP("choosing the node's group and leaving it takes root");
        const struct group* dialout = getgrnam("dialout");
        if (dialout == nullptr)
            QSKIP("no group dialout here");
        QTemporaryFile node(QDir::tempPath() + "/ttyQXXXXXX");
        QVERIFY(node.open());
        QVERIFY(::chown(QFile::encodeName(node.fileName()).constData(), 0, dialout->gr_gid) == 0);
        QVERIFY(::chmod(QFile::encodeName(node.fileName()).constData(), 0660) == 0);
        QCOMPARE(CausesAsNobody(node.fileName()),
                 node.fileName() + " belongs to the group \"dialout\" (owner root, mode -rw-rw----), and you are not "
                                   "a member of it. Fix: sudo usermod -aG dialout $USER, then log out and in again.");
    }
};
QTEST_GUILESS_MAIN(TestPortNames)
#include "tst_port_names.moc"
