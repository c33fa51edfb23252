// SPDX-License-Identifier: GPL-3.0-or-later
#include "read_backups.h"

#include "backups.h"
#include "codecs.h"
#include "latin1.h"
#include "model.h"

#include <QFileInfo>

namespace quorlink {

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
            backups.append({path, taken, DecodeDigits(image, addr::UserMmsid)});
    }
    return backups;
}

QString LastReadOfRadio(const QString& dataFolder, const Model& model)
{
    for (const ReadBackup& backup : ListReadBackups(dataFolder, ToQString(model.ModelName())))
        if (backup.userMmsi == model.Settings.UserMmsid)
            return backup.path;
    return {};
}

}  // namespace quorlink
