// SPDX-License-Identifier: GPL-3.0-or-later
// A file error as the log and the user see it: a number in the old style
// of file errors, and the system's own reason.
#pragma once

#include "fault.h"

#include <QFileDevice>

namespace quorlink {

Fault FileFault(const QFileDevice& file);
Fault FileFault(QFileDevice::FileError error, const QString& reason, const QString& path);
// A fault when something that is not a regular file (a folder, a device, a
// pipe, a socket) sits at path, links followed; none when the path is free.
Fault SpecialFileFault(const QString& path);

}  // namespace quorlink
