// What the user reads when a port will not open: which port, which device,
// the system's reason, and for a refused permission, the group to join.
#pragma once

#include "port_names.h"

#include <QString>

namespace quorlink {

// One line naming the port and the reason; a second line with the hint when
// missingGroup names the group that owns the device.
QString OpenFailureText(const PortTarget& target, const QString& reason, const QString& missingGroup);

// The group that owns the device when this user may not read and write it
// (the system refused permission), else empty.
QString MissingGroup(const QString& device, bool permissionDenied);

}  // namespace quorlink
