// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_names.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

namespace quorlink {

namespace {

struct PortNamesTexts {
    Q_DECLARE_TR_FUNCTIONS(PortNamesTexts)
};

// Name without its trailing number, and the number (-1 when none), so that
// ttyUSB2 sorts before ttyUSB10.
std::pair<QString, long long> NaturalKey(const QString& path)
{
    static const QRegularExpression trailingNumber(QStringLiteral("^(.*?)(\\d+)$"));
    const QRegularExpressionMatch match = trailingNumber.match(path);
    if (!match.hasMatch())
        return {path, -1};
    return {match.captured(1), match.captured(2).toLongLong()};
}

bool IsUsbName(const QString& name)
{
    return name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"));
}

QString Canonical(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

}  // namespace

QString PortInfo::VidPid() const
{
    if (vendorId < 0 || productId < 0)
        return {};
    return QStringLiteral("%1:%2").arg(vendorId, 4, 16, QLatin1Char('0')).arg(productId, 4, 16, QLatin1Char('0'));
}

QString PortInfo::Name() const { return QFileInfo(device).fileName(); }

QString PortInfo::Summary() const
{
    QStringList parts;
    if (!manufacturer.isEmpty())
        parts << manufacturer;
    if (!description.isEmpty() && description != manufacturer)
        parts << description;
    if (!VidPid().isEmpty())
        parts << QStringLiteral("(%1)").arg(VidPid());
    return parts.join(QLatin1Char(' '));
}

SystemPortList::SystemPortList(QString byIdFolder) : byIdFolder_(std::move(byIdFolder)) {}

QList<PortInfo> SystemPortList::Ports() const
{
    const QHash<QString, QString> links = ByIdLinks(byIdFolder_);
    QList<PortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortInfo port;
        port.device = DeviceName(info);
        port.byIdLink = links.value(Canonical(port.device));
        port.description = info.description();
        port.manufacturer = info.manufacturer();
        port.serialNumber = info.serialNumber();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            port.vendorId = info.vendorIdentifier();
            port.productId = info.productIdentifier();
        }
        port.usb = info.hasVendorIdentifier() || IsUsbName(info.portName());
        ports.append(port);
    }
    return OrderPorts(ports);
}

QHash<QString, QString> ByIdLinks(const QString& folder)
{
    QHash<QString, QString> links;
    if (folder.isEmpty())
        return links;
    // Sorted, so that of an adapter's several links the same one wins each time.
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::System | QDir::Files, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString target = entry.canonicalFilePath();
        if (!target.isEmpty() && !links.contains(target))
            links.insert(target, entry.absoluteFilePath());
    }
    return links;
}

QString StoredDevice(const StoredDevices& stored, int number)
{
    return number >= 1 && number <= stored.size() ? stored.at(number - 1) : QString();
}

QList<PortInfo> OrderPorts(QList<PortInfo> ports)
{
    std::stable_sort(ports.begin(), ports.end(), [](const PortInfo& a, const PortInfo& b) {
        if (a.usb != b.usb)
            return a.usb;
        return NaturalKey(a.device) < NaturalKey(b.device);
    });
    return ports;
}

std::optional<PortChoice> ParsePortChoice(const QString& text)
{
    if (NamesDevice(text))
        return PortChoice{0, text};
    QString digits = text.trimmed();
    if (digits.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
        digits = digits.mid(3);
    bool ok = false;
    const int number = digits.toInt(&ok);
    if (!ok || number < 1 || number > 4 || digits.size() != 1)
        return std::nullopt;
    return PortChoice{number, {}};
}

PortTarget ResolvePort(const PortChoice& choice, const StoredDevices& stored, const QList<PortInfo>& ports)
{
    if (choice.number == 0 && !choice.device.isEmpty())
        return {choice.device, choice.device};
    const QString label = QStringLiteral("COM%1").arg(choice.number);
    const QString device = StoredDevice(stored, choice.number);
    if (!device.isEmpty())
        return {label, device};
    QStringList listed;
    for (const PortInfo& port : ports)
        listed << port.device;
    return {label, DefaultDevice(choice.number, listed)};
}

std::optional<PortInfo> FindPort(const QList<PortInfo>& ports, const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    const QString canonical = Canonical(path);
    for (const PortInfo& port : ports)
        if (port.device == path || port.byIdLink == path || Canonical(port.device) == canonical)
            return port;
    return std::nullopt;
}

QList<int> NumbersOf(const PortInfo& port, const StoredDevices& stored, const QList<PortInfo>& ports)
{
    QList<int> numbers;
    for (int number = 1; number <= 4; ++number) {
        const std::optional<PortInfo> found = FindPort(ports, ResolvePort({number, {}}, stored, ports).device);
        if (found && found->device == port.device)
            numbers << number;
    }
    return numbers;
}

QString PortMeaning(int number, const StoredDevices& stored, const QList<PortInfo>& ports)
{
    const QString device = ResolvePort({number, {}}, stored, ports).device;
    if (device.isEmpty())
        return PortNamesTexts::tr("no serial port present");
    const std::optional<PortInfo> port = FindPort(ports, device);
    if (!port)
        return DevicePresent(device) ? device : PortNamesTexts::tr("%1 (not plugged in)").arg(device);
    const QString summary = port->Summary();
    return summary.isEmpty() ? device : device + QStringLiteral(", ") + summary;
}

QString PortHint(int number, const StoredDevices& stored, const QList<PortInfo>& ports)
{
    return QStringLiteral("COM%1: %2").arg(number).arg(PortMeaning(number, stored, ports));
}

}  // namespace quorlink
