// SPDX-License-Identifier: GPL-3.0-or-later
#include "read_backups.h"

#include "backups.h"
#include "codecs.h"
#include "latin1.h"
#include "model.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

namespace quorlink {

namespace {

// The user MMSI stored in a backup, or nothing when the file cannot be read.
std::optional<std::string> UserMmsiOf(const QString& path)
{
    Image image{};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) ||
        file.read(reinterpret_cast<char*>(image.data()), kImageSize) != kImageSize)
        return std::nullopt;
    return DecodeDigits(image, addr::UserMmsid);
}

}  // namespace

QList<ReadBackup> ListReadBackups(const QString& dataFolder, const QString& modelName)
{
    QList<ReadBackup> backups;
    for (const QString& path : ReadBackups(dataFolder, ToStdString(modelName))) {
        const QFileInfo info(path);
        Image image{};
        if (!ReadMemoryImageFile(path, image) || ImageModelName(image) != modelName)
            continue;
        const QDateTime taken =
            QDateTime::fromString(info.fileName().mid(modelName.size() + 1, 15), QStringLiteral("yyyyMMdd-HHmmss"));
        if (taken.isValid())
            backups.append({path, taken});
    }
    return backups;
}

QString LastReadOfRadio(const QString& dataFolder, const Model& model)
{
    for (const ReadBackup& backup : ListReadBackups(dataFolder, ToQString(model.ModelName())))
        if (UserMmsiOf(backup.path) == model.Settings.UserMmsid)
            return backup.path;
    return {};
}

}  // namespace quorlink
