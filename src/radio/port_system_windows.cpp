// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_system.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QStringList>

#include <windows.h>

namespace quorlink {

namespace {

// "COM7", "com12", or the device path "\\.\COM7".
const QRegularExpression kComName(QStringLiteral("^(\\\\\\\\\\.\\\\)?COM([0-9]+)$"),
                                  QRegularExpression::CaseInsensitiveOption);

}  // namespace

QString StableLinkFolder()
{
    return {};
}

// COM1..COM4 are the port numbers of the menu; every other COM name, and a
// device path, is a device.
bool NamesDevice(const QString& text)
{
    const QRegularExpressionMatch match = kComName.match(text.trimmed());
    return match.hasMatch() && (!match.captured(1).isEmpty() || match.captured(2).toInt() > 4);
}

QString DefaultDevice(int number, const QStringList&)
{
    return number >= 1 ? QStringLiteral("COM%1").arg(number) : QString();
}

QString DeviceName(const QSerialPortInfo& info)
{
    return info.portName();
}

QString DeviceToOpen(const QString& device) { return device; }

const char* PortNamesHelp()
{
    return QT_TRANSLATE_NOOP("PortSystemTexts",
                             "PORT is 1..4 (COM1..COM4) or any other COM port, such as COM7 for a USB cable\n"
                             "(quorlink-cli ports lists them).\n");
}

bool DevicePresent(const QString& device)
{
    QString name = device;
    if (name.startsWith(QLatin1String("\\\\.\\")))
        name.remove(0, 4);
    wchar_t target[512];
    return QueryDosDeviceW(reinterpret_cast<const wchar_t*>(name.utf16()), target, 512) != 0;
}

}  // namespace quorlink
