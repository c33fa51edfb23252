// SPDX-License-Identifier: GPL-3.0-or-later
// A file error as the log and the user see it: a number in the old style
// of file errors, and the system's own reason.
#pragma once

#include "fault.h"

#include <QFileDevice>

namespace quorlink {

// What the program itself finds wrong with a file, in the words of its faults.
inline constexpr const char* kNotRegularFile = QT_TRANSLATE_NOOP("FileFaultTexts", "not a regular file");
inline constexpr const char* kIsDirectory = QT_TRANSLATE_NOOP("FileFaultTexts", "Is a directory");
inline constexpr const char* kWrittenIncompletely =
    QT_TRANSLATE_NOOP("FileFaultTexts", "The file could not be written completely");
// The same with what they name, filled in with QString::arg.
inline constexpr const char* kReadOnly = QT_TRANSLATE_NOOP("FileFaultTexts", "%1 is read-only");
inline constexpr const char* kPlantedLink = QT_TRANSLATE_NOOP(
    "FileFaultTexts", "Permission denied: the link %1 in a folder all users share belongs to another user");
inline constexpr const char* kNotKeptInPlace = QT_TRANSLATE_NOOP(
    "FileFaultTexts", "Its folder cannot be written, and its content could not be kept before writing over it: %1");
inline constexpr const char* kReservedName = QT_TRANSLATE_NOOP("FileFaultTexts", "%1 is a name Windows keeps for a device");
inline constexpr const char* kKeptInPlace =
    QT_TRANSLATE_NOOP("FileFaultTexts", "%1; its previous content is kept in %2");

Fault FileFault(const QFileDevice& file);
// A fault's description as the user reads it. Descriptions stay English, as
// the error log keeps them; the words this program writes are marked in the
// context "FileFaultTexts" and come out in the user's language, the system's
// own reasons as the system gave them.
QString FaultText(const Fault& fault);
Fault FileFault(QFileDevice::FileError error, const QString& reason, const QString& path);
// A fault when something that is not a regular file (a folder, a device, a
// pipe, a socket) sits at path, links followed; none when the path is free.
Fault SpecialFileFault(const QString& path);

}  // namespace quorlink
