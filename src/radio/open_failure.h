// SPDX-License-Identifier: GPL-3.0-or-later
// What the user reads when a port will not open: which port, which device,
// the system's reason, and then each cause found on this system with its fix.
// A cause is named only when its check holds.
#pragma once

#include "port_names.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace quorlink {

// The words of a failed opening, the same on every system.
struct OpenFailureTexts {
    Q_DECLARE_TR_FUNCTIONS(OpenFailureTexts)
};

// What the system shows about a device. LookAtDevice gathers it; tests fill it by hand.
struct DeviceFacts {
    bool exists = true;
    bool byIdLink = false;       // named through /dev/serial/by-id, whose links live only while plugged in
    bool accessible = true;      // this process may read and write it
    QString owner, group, mode;  // "root", "dialout", "crw-rw----"
    bool inGroup = true;         // this process has the device's group now
    bool joinedGroup = false;    // the user is listed in the group, but this login started before
    qint64 holderPid = 0;        // who holds the device, by its lock file or /proc
    QString holderName;
    QString claimedAdapter;      // "1a86:7523 (CH340)": on USB without a serial port while brltty is installed
    qint64 modemManagerPid = 0;  // ModemManager runs
    bool modemManagerIgnores = false;  // udev tells ModemManager to leave the device alone
};

// Where the system's state is read; tests point it elsewhere.
struct SystemView {
    QString proc = QStringLiteral("/proc");
    QString usbDevices = QStringLiteral("/sys/bus/usb/devices");
    QString udevData = QStringLiteral("/run/udev/data");
    QStringList lockFolders = {QStringLiteral("/var/lock"), QStringLiteral("/etc/locks"),
                               QStringLiteral("/var/spool/locks"), QStringLiteral("/var/spool/uucp"),
                               QStringLiteral("/tmp"), QStringLiteral("/var/tmp"),
                               QStringLiteral("/var/lock/lockdev"), QStringLiteral("/run/lock")};
    QStringList brlttyPrograms = {QStringLiteral("/usr/bin/brltty"), QStringLiteral("/bin/brltty"),
                                  QStringLiteral("/usr/sbin/brltty")};
};

// device may be empty (no port behind a number): only the adapters are looked at then.
DeviceFacts LookAtDevice(const QString& device, const SystemView& view = {});

// One line per cause found, each with its fix. refused: the system refused
// the opening for lack of rights or because the device is taken.
QStringList CauseLines(const PortTarget& target, const DeviceFacts& facts, bool refused);

// Where the user finds the ports present, for advice to choose another.
QString PortsListedHint();

// The first line names the port and the system's reason; the causes follow.
QString OpenFailureText(const PortTarget& target, const QString& reason, const QStringList& causes = {});

}  // namespace quorlink
