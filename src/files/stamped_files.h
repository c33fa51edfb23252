// SPDX-License-Identifier: GPL-3.0-or-later
// Files that carry the time they were made in their names and never replace
// one another: the backups of transfers and the recovery copies of edits.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace quorlink {

struct StampedFile {
    QString path;           // the file written
    QString failure;        // why nothing was written, in the user's language; empty on success
    QString loggedFailure;  // the same in English, for the error log
};

// Writes bytes to <folder>/<head><YYYYMMDD-HHMMSS><tail><extension>,
// creating the folder. When that name is taken (a second file in the same
// second) the next free one of <tail>-2, <tail>-3, ... is used.
StampedFile WriteStampedFile(const QString& folder, const QString& head, const QString& tail,
                             const QString& extension, const QByteArray& bytes, const QDateTime& when);

// The files of folder named that way, newest first; tailPattern is a regular
// expression for the tail (without the -N).
QStringList StampedFiles(const QString& folder, const QString& head, const QString& tailPattern,
                         const QString& extension);

}  // namespace quorlink
