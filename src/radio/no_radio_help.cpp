// SPDX-License-Identifier: GPL-3.0-or-later
#include "no_radio_help.h"

#include "open_failure.h"
#include "serial_link.h"

namespace quorlink {

namespace {

// The model check's message when the radio was not heard properly, and no more.
constexpr const char* kBareCommunicationError = "Communication Error!!";

}  // namespace

QString PortTried(const PortTarget& target, const std::optional<PortInfo>& listed)
{
    QStringList known;
    if (target.device != target.label)
        known << target.device;
    if (listed && !listed->Summary().isEmpty())
        known << listed->Summary();
    return known.isEmpty() ? target.label
                           : QStringLiteral("%1 (%2)").arg(target.label, known.join(QStringLiteral(", ")));
}

QString NoRadioHelp(const PortTarget& target, const std::optional<PortInfo>& listed, bool heard)
{
    const QString port = PortTried(target, listed);
    QStringList lines{heard ? QStringLiteral("The answers on %1 broke off or were garbled. Check that:").arg(port)
                            : QStringLiteral("No radio answered on %1. Check that:").arg(port),
                      QStringLiteral("- the radio is switched on and in its clone mode;"),
                      QStringLiteral("- the cable is plugged in firmly, at the radio and at the computer;"),
                      QStringLiteral("- %1 is the cable's port. ").arg(target.label) + PortsListedHint()};
    // A programming cable is a USB adapter; the port a computer has of its own is another.
    if (listed && !listed->usb)
        lines << QStringLiteral("%1 is a built-in serial port, with no USB id: the cable is rarely on it.")
                     .arg(listed->device);
    return lines.join(QLatin1Char('\n'));
}

QString NoRadioHelp(const SerialLink& link)
{
    const PortTarget target = link.Target();
    return NoRadioHelp(target, FindPort(link.Ports().Ports(), target.device), link.BytesReceived() > 0);
}

Outcome WithNoRadioHelp(const SerialLink& link, Outcome checked)
{
    for (Message& message : checked.messages)
        if (message.text == kBareCommunicationError)
            message.text += "\n\n" + NoRadioHelp(link).toStdString();
    return checked;
}

}  // namespace quorlink
