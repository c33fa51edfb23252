// SPDX-License-Identifier: GPL-3.0-or-later
#include "no_radio_help.h"

#include "clone_protocol.h"
#include "open_failure.h"
#include "serial_link.h"

#include <QCoreApplication>

namespace quorlink {

namespace {

struct NoRadioHelpTexts {
    Q_DECLARE_TR_FUNCTIONS(NoRadioHelpTexts)
};

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
    QStringList lines{heard ? NoRadioHelpTexts::tr("The answers on %1 broke off or were garbled. Check that:").arg(port)
                            : NoRadioHelpTexts::tr("No radio answered on %1. Check that:").arg(port),
                      NoRadioHelpTexts::tr("- the radio is switched on and in its clone mode;"),
                      NoRadioHelpTexts::tr("- the cable is plugged in firmly, at the radio and at the computer;"),
                      NoRadioHelpTexts::tr("- %1 is the cable's port. %2").arg(target.label, PortsListedHint())};
    // A programming cable is a USB adapter; the port a computer has of its own is another.
    if (listed && !listed->usb)
        lines << NoRadioHelpTexts::tr("%1 is a built-in serial port, with no USB id: the cable is rarely on it.")
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
    const std::string bare = CommunicationErrorText().toStdString();
    for (Message& message : checked.messages)
        if (message.text == bare)
            message.text += "\n\n" + NoRadioHelp(link).toStdString();
    return checked;
}

}  // namespace quorlink
