// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing files so that a file is either complete or not touched
// at all, and only regular files: a device, a pipe or a socket at the path is
// refused before anything is opened. The one exception to "complete or not
// touched", a file written over in place, keeps a copy of what it held first.
#pragma once

#include "fault.h"

#include <QByteArray>
#include <QString>

class QFile;

namespace quorlink {

// For a file that may be written in a folder that may not: where its old
// content is kept before the save writes over it in place, and where it was.
struct InPlaceSave {
    QString keepFolder;  // empty: such a save is refused
    QString keptAs;      // the copy, after a save that went in place
};

// Writes bytes to a new file beside path and renames it over path only when
// every byte reached the disk; a full disk or a size limit leaves the old
// file as it was. A symbolic link is followed: the file it names is replaced
// and the link stays; a loop of links, or a link another user left in a
// folder all users share (such as /tmp), is refused. When the folder cannot
// be written but the file can, and inPlace names a keep folder, the old
// content is copied there first and the file written over in place. A
// read-only file is refused ("... is read-only") and stays. The fault
// carries the system's reason.
Fault WriteWholeFile(const QString& path, const QByteArray& bytes, InPlaceSave* inPlace = nullptr);

// "... was written over in place, as its folder cannot be written; its
// previous content is kept in ..." for the user.
QString InPlaceNote(const QString& path, const InPlaceSave& inPlace);

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
