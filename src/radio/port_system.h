// SPDX-License-Identifier: GPL-3.0-or-later
// What a port name means on this system. On Linux COM1..COM4 are the first
// serial ports the system lists and a device is named by its path; on
// Windows COMn is the system's own COMn and any COM name names a port.
// port_system_posix.cpp and port_system_windows.cpp say which.
#pragma once

#include <QString>

class QSerialPortInfo;

namespace quorlink {

// The folder of stable links to serial devices; empty where there is none.
QString StableLinkFolder();

// Whether text the user typed names a device rather than a port number.
bool NamesDevice(const QString& text);

// The device that COMn stands for when none is stored for it, given the
// devices listed, in COMn order; empty when there is none.
QString DefaultDevice(int number, const QStringList& listed);

// The name the program opens a listed port by.
QString DeviceName(const QSerialPortInfo& info);

// The name to open device by: on Linux a by-id link opens as the device it
// points to, so that the lock file is the one other programs look for.
QString DeviceToOpen(const QString& device);

// What a port may be named, for the command line's help: English, marked in
// the context "PortSystemTexts" (QCoreApplication::translate gives the user's language).
const char* PortNamesHelp();

// Whether a device of that name is present now.
bool DevicePresent(const QString& device);

}  // namespace quorlink
