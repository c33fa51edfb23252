// How the port numbers COM1..COM4 of the settings and the menu find a device:
// an explicit device stored for COMn (ComPath/Device<n>) wins; otherwise COMn
// is the n-th serial port the system lists, USB adapters first, each group in
// the natural order of the device names (ttyUSB2 before ttyUSB10). Wherever a
// port is asked for, a device path may be given instead.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace quorlink {

struct SerialDevice {
    QString path;  // e.g. /dev/ttyUSB0
    bool usb = false;
};

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

QStringList OrderSerialDevices(QList<SerialDevice> devices);
// The system's serial ports in COMn order.
QStringList SerialDevices();

// "1".."4" or "COM1".."COM4" (any case) name a port number; text with a '/'
// names a device. Anything else is not a port.
std::optional<PortChoice> ParsePortChoice(const QString& text);

// Looks the device up now, so a change of settings or of plugged adapters
// counts at the next opening.
PortTarget ResolvePort(const PortChoice& choice);

}  // namespace quorlink
