// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of a whole-file save and of a safe opening that depend on how
// the system keeps files: links, folder permissions, the rename that swaps
// a new file in, and what counts as a special file. One file per system
// implements them (whole_file_posix.cpp, whole_file_windows.cpp).
#pragma once

#include "fault.h"

#include <QByteArray>
#include <QString>

class QFile;

namespace quorlink::platform {

// Why path names something other than a regular file ("Is a directory",
// "not a regular file"); empty for a regular file or nothing at all.
QString SpecialFileReason(const QString& path);

// The file a save to path writes: path itself, or the end of the links it
// names. Refuses a loop of links, and a link another user may have planted
// to have the save overwrite a file of ours.
Fault ResolveSaveTarget(const QString& path, QString& target);

// Writes bytes to a new file in target's folder and puts it in target's
// place once the disk has them all; the new file keeps target's permissions
// when target exists. Without bytes it only tries whether the new file can
// be made. folderLocked tells that no new file could be made in the folder
// for want of permission.
Fault ReplaceWhole(const QString& target, const QByteArray* bytes, bool& folderLocked);

// Writes bytes over the start of an existing file and cuts it to their length.
Fault OverwriteInPlace(const QString& target, const QByteArray& bytes);

// Whether the user may write to the existing file at path.
bool MayWrite(const QString& path);

// Whether the existing file at path is read-only: on Windows by its
// attribute; on POSIX systems when it has no write permission at all (which
// binds root too) or none for this user. False when nothing is there.
bool IsReadOnly(const QString& path);

// Opens path for reading if it is a regular file, without waiting on a pipe.
Fault OpenRegular(QFile& file, const QString& path);

// Writes a complete new file under path only if no file has that name;
// taken tells that case apart. It does not wait for the disk to confirm.
Fault WriteNew(const QString& path, const QByteArray& bytes, bool& taken);

}  // namespace quorlink::platform
