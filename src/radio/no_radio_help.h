// SPDX-License-Identifier: GPL-3.0-or-later
// What the user reads when a port opens but no radio answers on it: the port
// tried and what to check. Only the model check, the first exchange of every
// run, gets it: once a radio has answered that, it is there.
#pragma once

#include "outcome.h"
#include "port_names.h"

#include <QString>
#include <optional>

namespace quorlink {

class SerialLink;

// "COM1 (/dev/ttyUSB0, FTDI FT232R USB UART (0403:6001))", with what is known.
QString PortTried(const PortTarget& target, const std::optional<PortInfo>& listed);

// heard: bytes came back, but no answer a radio gives.
QString NoRadioHelp(const PortTarget& target, const std::optional<PortInfo>& listed, bool heard);
// The same for the port the link opened last, and what came back on it.
QString NoRadioHelp(const SerialLink& link);

// A communication error of the model check that gives no other reason gets
// the help as its second paragraph; any other outcome stays as it is.
Outcome WithNoRadioHelp(const SerialLink& link, Outcome checked);

}  // namespace quorlink
