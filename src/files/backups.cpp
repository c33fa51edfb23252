// SPDX-License-Identifier: GPL-3.0-or-later
#include "backups.h"

#include "backup_index.h"
#include "latin1.h"
#include "model.h"

#include <QFile>
#include <QFileInfo>

namespace quorlink {

namespace {

const QString kExtension = QStringLiteral(".hex");

QString Tail(BackupKind kind)
{
    switch (kind) {
    case BackupKind::Read: return QStringLiteral("-read");
    case BackupKind::BeforeWrite: return QStringLiteral("-before-write");
    case BackupKind::Write: break;
    }
    return QStringLiteral("-write");
}

QString Head(const std::string& modelName) { return ToQString(modelName) + QLatin1Char('-'); }

}  // namespace

QString BackupsFolder(const QString& dataFolder) { return dataFolder + QStringLiteral("/backups"); }

StampedFile SaveBackup(const QString& dataFolder, const std::string& modelName, const Image& image,
                       BackupKind kind, const QDateTime& when)
{
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()), kImageSize);
    const StampedFile backup =
        WriteStampedFile(BackupsFolder(dataFolder), Head(modelName), Tail(kind), kExtension, bytes, when);
    // Without the note only the order within one second is lost: the backup stands.
    if (backup.failure.isEmpty())
        NoteBackupMade(dataFolder, backup.path);
    return backup;
}

QStringList ReadBackups(const QString& dataFolder, const std::string& modelName)
{
    return StampedFiles(BackupsFolder(dataFolder), Head(modelName), Tail(BackupKind::Read), kExtension);
}

bool ReadImageBytes(const QString& path, Image& image)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) &&
           file.read(reinterpret_cast<char*>(image.data()), kImageSize) == kImageSize;
}

QString ImageModelName(const Image& image)
{
    const int head = HeadCode(image);
    if (head != TailCode(image))
        return {};
    Model model;
    model.ModelNumber = head == kModelCode7100 ? 1 : 2;
    return head == model.ModelCode() ? ToQString(model.ModelName()) : QString();
}

bool ReadMemoryImageFile(const QString& path, Image& image)
{
    const QFileInfo info(path);
    return !info.isSymLink() && info.size() == kImageSize && ReadImageBytes(path, image) &&
           !ImageModelName(image).isEmpty();
}

bool IsMemoryImageFile(const QString& path)
{
    Image image{};
    return QFileInfo(path).size() == kImageSize && ReadImageBytes(path, image) && !ImageModelName(image).isEmpty();
}

}  // namespace quorlink
