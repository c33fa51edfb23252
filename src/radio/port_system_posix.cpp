// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_system.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>

namespace quorlink {

QString StableLinkFolder() { return QStringLiteral("/dev/serial/by-id"); }

bool NamesDevice(const QString& text) { return text.contains(QLatin1Char('/')); }

QString DefaultDevice(int number, const QStringList& listed)
{
    return number >= 1 && number <= listed.size() ? listed.at(number - 1) : QString();
}

QString DeviceName(const QSerialPortInfo& info) { return info.systemLocation(); }

QString DeviceToOpen(const QString& device)
{
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return canonical.isEmpty() ? device : canonical;
}

const char* PortNamesHelp()
{
    return QT_TRANSLATE_NOOP("PortSystemTexts",
                             "PORT is 1..4 (COM1..COM4 as the editor counts them) or a device path such as "
                             "/dev/ttyUSB0\nor /dev/serial/by-id/usb-...\n");
}

bool DevicePresent(const QString& device) { return QFileInfo::exists(device); }

}  // namespace quorlink
