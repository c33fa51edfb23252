// SPDX-License-Identifier: GPL-3.0-or-later
#include "open_failure.h"

namespace quorlink {

QString PortsListedHint()
{
    return OpenFailureTexts::tr("Options > SerialPort > Device... (or quorlink-cli ports) lists the ports present.");
}

QString OpenFailureText(const PortTarget& target, const QString& reason, const QStringList& causes)
{
    QString port = target.label;
    if (target.device.isEmpty())
        port = OpenFailureTexts::tr("%1 (no serial port)").arg(target.label);
    else if (target.device != target.label)
        port = QStringLiteral("%1 (%2)").arg(target.label, target.device);
    QStringList lines{OpenFailureTexts::tr("%1 could not be opened: %2").arg(port, reason)};
    return (lines + causes).join(QLatin1Char('\n'));
}

}  // namespace quorlink
