// SPDX-License-Identifier: GPL-3.0-or-later
#include "backups.h"

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
    return WriteStampedFile(BackupsFolder(dataFolder), Head(modelName), Tail(kind), kExtension, bytes, when);
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

bool IsMemoryImageFile(const QString& path)
{
    Image image{};
    if (QFileInfo(path).size() != kImageSize || !ReadImageBytes(path, image))
        return false;
    const int head = HeadCode(image);
    return head == TailCode(image) && (head == kModelCode7100 || head == kModelCode5100);
}

}  // namespace quorlink
