// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer_safety.h"

#include "model.h"

namespace quorlink {

QString BackUpTransfer(const TransferSafety& safety, const Model& model, const Image& image, BackupKind kind)
{
    if (safety.dataFolder.isEmpty())
        return {};
    const StampedFile backup = SaveBackup(safety.dataFolder, model.ModelName(), image, kind);
    if (!backup.failure.isEmpty() && safety.notify)
        safety.notify(QStringLiteral("The backup of this %1 could not be saved: %2")
                          .arg(kind == BackupKind::Write ? QStringLiteral("write") : QStringLiteral("read"),
                               backup.failure));
    return backup.path;
}

}  // namespace quorlink
