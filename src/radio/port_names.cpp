#include "port_names.h"

#include "settings_store.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

namespace quorlink {

namespace {

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

}  // namespace

QStringList OrderSerialDevices(QList<SerialDevice> devices)
{
    std::stable_sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
        if (a.usb != b.usb)
            return a.usb;
        return NaturalKey(a.path) < NaturalKey(b.path);
    });
    QStringList paths;
    for (const SerialDevice& device : devices)
        paths << device.path;
    return paths;
}

QStringList SerialDevices()
{
    QList<SerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices.append({info.systemLocation(), info.hasVendorIdentifier() || IsUsbName(info.portName())});
    return OrderSerialDevices(devices);
}

std::optional<PortChoice> ParsePortChoice(const QString& text)
{
    if (text.contains(QLatin1Char('/')))
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

PortTarget ResolvePort(const PortChoice& choice)
{
    if (choice.number == 0 && !choice.device.isEmpty())
        return {choice.device, choice.device};
    const QString label = QStringLiteral("COM%1").arg(choice.number);
    const QString stored = choice.number > 0 ? SettingsStore::PortDevice(choice.number) : QString();
    if (!stored.isEmpty())
        return {label, stored};
    const QStringList devices = SerialDevices();
    if (choice.number >= 1 && choice.number <= devices.size())
        return {label, devices.at(choice.number - 1)};
    return {label, {}};
}

}  // namespace quorlink
