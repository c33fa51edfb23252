// SPDX-License-Identifier: GPL-3.0-or-later
// Why a COM port will not open, in Windows terms: a port is there when the
// system knows its name, and Windows gives a port to one program at a time,
// so a refused opening means another program holds it.
#include "open_failure.h"

#include "port_system.h"

namespace quorlink {

DeviceFacts LookAtDevice(const QString& device, const SystemView&)
{
    DeviceFacts facts;
    facts.exists = !device.isEmpty() && DevicePresent(device);
    return facts;
}

QStringList CauseLines(const PortTarget& target, const DeviceFacts& facts, bool refused)
{
    if (target.device.isEmpty())
        return {OpenFailureTexts::tr("No serial port is present for %1. Plug the cable in, or choose its port: %2")
                    .arg(target.label, PortsListedHint())};
    if (!facts.exists)
        return {OpenFailureTexts::tr("There is no port %1: the cable is unplugged or its driver is not installed. "
                                     "Device Manager shows the cable under Ports (COM & LPT) with its COM number when "
                                     "it is plugged in and its driver works. %2")
                    .arg(target.device, PortsListedHint())};
    if (refused)
        return {OpenFailureTexts::tr("%1 is in use by another program (Windows lets one program at a time open a "
                                     "port). Close it and try again.")
                    .arg(target.device)};
    return {};
}

}  // namespace quorlink
