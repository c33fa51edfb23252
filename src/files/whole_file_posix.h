// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of a whole-file save that depend on how POSIX systems keep files:
// links, folder permissions and the rename that swaps a new file in.
#pragma once

#include "fault.h"

#include <QByteArray>
#include <QString>

namespace quorlink::posix {

// The file a save to path writes: path itself, or the end of the links it
// names. Refuses a loop of links, and, as the kernel's protected-symlinks
// rule does when a file is opened, a link in a sticky, world-writable folder
// (such as /tmp) that belongs neither to the user nor to the folder's owner:
// another user may have planted it to have the save overwrite a file of
// ours. The save itself swaps a new file in by name, which that rule does
// not watch.
Fault ResolveSaveTarget(const QString& path, QString& target);

// Writes bytes to a new file in target's folder and renames it over target
// once the disk has them all; the new file takes target's permissions when
// target exists. Without bytes it only tries whether the new file can be
// made. folderLocked tells that no new file could be made in the folder for
// want of permission.
Fault ReplaceWhole(const QString& target, const QByteArray* bytes, bool& folderLocked);

// Writes bytes over the start of an existing file and cuts it to their length.
Fault OverwriteInPlace(const QString& target, const QByteArray& bytes);

// Whether the user may write to the existing file at path.
bool MayWrite(const QString& path);

}  // namespace quorlink::posix
