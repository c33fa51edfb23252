// SPDX-License-Identifier: GPL-3.0-or-later
// How the port numbers COM1..COM4 of the settings and the menu find a device:
// an explicit device stored for COMn (ComPath/Device<n>) wins; otherwise COMn
// is the n-th serial port the system lists, USB adapters first, each group in
// the natural order of the device names (ttyUSB2 before ttyUSB10). Wherever a
// port is asked for, a device path may be given instead.
#pragma once

#include "port_system.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace quorlink {

// One serial port the system lists now.
struct PortInfo {
    QString device;        // e.g. /dev/ttyUSB0
    QString byIdLink;      // /dev/serial/by-id/..., stable across sockets; empty when none
    QString description;   // e.g. FT232R USB UART
    QString manufacturer;  // e.g. FTDI
    QString serialNumber;
    int vendorId = -1;     // USB ids, -1 when unknown
    int productId = -1;
    bool usb = false;

    // "0403:6001", or empty without USB ids.
    QString VidPid() const;
    // The device's name without its folder: ttyUSB0.
    QString Name() const;
    // "FTDI FT232R USB UART (0403:6001)" with what is known.
    QString Summary() const;
};

// The ports present now. The program asks the system; tests fill their own.
class PortList {
public:
    virtual ~PortList() = default;
    // In COMn order.
    virtual QList<PortInfo> Ports() const = 0;
};

class SystemPortList : public PortList {
public:
    explicit SystemPortList(QString byIdFolder = StableLinkFolder());
    QList<PortInfo> Ports() const override;

private:
    QString byIdFolder_;
};

// The devices stored for COM1..COM4 (element n - 1 for COMn, empty when none).
using StoredDevices = QStringList;
QString StoredDevice(const StoredDevices& stored, int number);

// A port as the user names it: a number, or a device path (number 0).
struct PortChoice {
    int number = 0;
    QString device;
};

// A port ready to open: the name the user knows and the device behind it.
struct PortTarget {
    QString label;   // "COM2", or the device path itself
    QString device;  // empty when no device stands behind the number
};

QList<PortInfo> OrderPorts(QList<PortInfo> ports);
// The by-id link of each device in folder, keyed by the device it points to.
QHash<QString, QString> ByIdLinks(const QString& folder);

// "1".."4" or "COM1".."COM4" (any case) name a port number; a device path
// (or, on Windows, any other COM name) names a device. Anything else is not a port.
std::optional<PortChoice> ParsePortChoice(const QString& text);

// Callers look the ports up at each opening, so a change of settings or of
// plugged adapters counts at once.
PortTarget ResolvePort(const PortChoice& choice, const StoredDevices& stored, const QList<PortInfo>& ports);

// The listed port that path names, directly or through its link; nothing when none.
std::optional<PortInfo> FindPort(const QList<PortInfo>& ports, const QString& path);

// The numbers 1..4 whose COMn means port now.
QList<int> NumbersOf(const PortInfo& port, const StoredDevices& stored, const QList<PortInfo>& ports);

// What COMn means now: "/dev/ttyUSB0, FTDI FT232R USB UART (0403:6001)".
QString PortMeaning(int number, const StoredDevices& stored, const QList<PortInfo>& ports);
// The same after the port's name: "COM1: /dev/ttyUSB0, ...".
QString PortHint(int number, const StoredDevices& stored, const QList<PortInfo>& ports);

}  // namespace quorlink
