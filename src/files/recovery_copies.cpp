// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery_copies.h"

#include "data_file.h"

#include <QFile>

namespace quorlink {

namespace {
const QString kAnyCommand = QStringLiteral("-[a-z]+(?:-[a-z]+)*");
const QString kExtension = QStringLiteral(".dat");
}  // namespace

QString RecoveryFolder(const QString& dataFolder) { return dataFolder + QStringLiteral("/recovery"); }

StampedFile SaveRecoveryCopy(const Model& model, const QString& dataFolder, const QString& what,
                             const QDateTime& when)
{
    const StampedFile copy = WriteStampedFile(RecoveryFolder(dataFolder), QString(), QLatin1Char('-') + what,
                                              kExtension, FormatDataFile(model, DataFileScope::Whole), when);
    if (copy.failure.isEmpty()) {
        // By name, a copy dated in the future (a clock set back since) is the
        // newest; the one just written is kept whatever its place.
        QStringList copies = RecoveryCopies(dataFolder);
        copies.removeOne(copy.path);
        for (int i = kRecoveryCopiesKept - 1; i < copies.size(); ++i)
            QFile::remove(copies[i]);
    }
    return copy;
}

QStringList RecoveryCopies(const QString& dataFolder)
{
    return StampedFiles(RecoveryFolder(dataFolder), QString(), kAnyCommand, kExtension);
}

}  // namespace quorlink
