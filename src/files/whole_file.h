// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing files so that a file is either complete or not touched
// at all, and only regular files: a device, a pipe or a socket at the path is
// refused before anything is opened.
#pragma once

#include "fault.h"

#include <QByteArray>
#include <QString>

class QFile;

namespace quorlink {

// Writes bytes to a new file beside path and renames it over path only when
// every byte reached the disk; a full disk or a size limit leaves the old
// file as it was. A symbolic link is followed: the file it names is replaced
// and the link stays. The fault carries the system's reason.
Fault WriteWholeFile(const QString& path, const QByteArray& bytes);

// Whether WriteWholeFile could start on path now (the new file beside it can
// be made), without changing anything; for work that should not begin when
// its result cannot be kept.
Fault ProbeWholeFile(const QString& path);

// Opens an existing regular file for reading. A pipe is refused at once
// instead of waiting for a writer that never comes.
Fault OpenRegularFile(QFile& file, const QString& path);

// Like WriteWholeFile, for a file that must not replace another: the complete file
// appears under path only if no file had that name. taken tells that case
// apart from other failures. It does not wait for the disk to confirm.
Fault WriteNewWholeFile(const QString& path, const QByteArray& bytes, bool& taken);

}  // namespace quorlink
