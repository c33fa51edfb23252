// SPDX-License-Identifier: GPL-3.0-or-later
// Backups of the radio's memory: every read keeps the bytes as they came
// from the radio, every write the image it is about to send, as raw image
// files in <data folder>/backups, each noted in its index (backup_index.h).
// Nothing deletes them.
#pragma once

#include "image_layout.h"
#include "stamped_files.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <string>

namespace quorlink {

// What a backup holds: a read as it came, what the radio held just before a
// write, or the image a write sent.
enum class BackupKind { Read, Write, BeforeWrite };

QString BackupsFolder(const QString& dataFolder);

// <MODEL>-<YYYYMMDD-HHMMSS>-read.hex, -write.hex or -before-write.hex; never replaces a file.
StampedFile SaveBackup(const QString& dataFolder, const std::string& modelName, const Image& image,
                       BackupKind kind, const QDateTime& when = QDateTime::currentDateTime());

// The read backups of a model, newest first.
QStringList ReadBackups(const QString& dataFolder, const std::string& modelName);

// The first 8192 bytes of a file as they are, for a restore that must not
// go through the decoder's tidying up; false when there are fewer.
bool ReadImageBytes(const QString& path, Image& image);

// Whether the file is a raw memory image by its content: a regular file of
// exactly 8192 bytes with one model's code at both ends.
bool IsMemoryImageFile(const QString& path);
// The same for a backup, which is never taken through a link; the image is read into image.
bool ReadMemoryImageFile(const QString& path, Image& image);

// "MR7100A" or "MR5100A" by the model code at both ends of the image; empty
// when the ends differ or hold no model's code.
QString ImageModelName(const Image& image);

}  // namespace quorlink
