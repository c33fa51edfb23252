// SPDX-License-Identifier: GPL-3.0-or-later
#include "open_failure.h"

namespace quorlink {

QString PortsListedHint()
{
    return QStringLiteral("Options > SerialPort > Device... (or quorlink-cli ports) lists the ports present.");
}

QString OpenFailureText(const PortTarget& target, const QString& reason, const QStringList& causes)
{
    QString port = target.label;
    if (target.device.isEmpty())
        port += QStringLiteral(" (no serial port)");
    else if (target.device != target.label)
        port += QStringLiteral(" (%1)").arg(target.device);
    QStringList lines{QStringLiteral("%1 could not be opened: %2").arg(port, reason)};
    return (lines + causes).join(QLatin1Char('\n'));
}

}  // namespace quorlink
