// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace quorlink {

namespace {

bool IsInstalledExecutableFolder(const QString& executableFolder)
{
    return QFileInfo::exists(executableFolder + QStringLiteral("/../share/applications/quorlink.desktop"));
}

// Whether a file can be made in folder, tried rather than read from the
// permission bits: Windows' access lists (a program installed for all users
// under Program Files), a read-only mount or an immutable folder refuse only
// a file that is tried.
bool CanMakeFileIn(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.quorlink-probe-XXXXXX"));
    return probe.open();
}

}  // namespace

QString PerUserDataFolder()
{
    const QString folder = DataFolder();
    QDir().mkpath(folder);
    return folder;
}

QString DataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Quorlink");
}

QString ProgramFolder() { return ProgramFolderFor(QCoreApplication::applicationDirPath()); }

QString ProgramFolderFor(const QString& executableFolder)
{
    if (!IsInstalledExecutableFolder(executableFolder) && CanMakeFileIn(executableFolder))
        return executableFolder;
    return PerUserDataFolder();
}

QString HelpFilePath(const QString& programFolder, const QString& fileName)
{
    return HelpFilePathFor(programFolder, QCoreApplication::applicationDirPath(), fileName);
}

QString HelpFilePathFor(const QString& programFolder, const QString& executableFolder, const QString& fileName)
{
    const QString own = programFolder + QLatin1Char('/') + fileName;
    if (QFileInfo::exists(own))
        return own;
    const QString shared = QDir::cleanPath(executableFolder + QStringLiteral("/../share/quorlink/") + fileName);
    return QFileInfo::exists(shared) ? shared : own;
}

QString UserGuidePath() { return UserGuidePathFor(QCoreApplication::applicationDirPath()); }

QString UserGuidePathFor(const QString& executableFolder)
{
    const QString candidates[] = {
        QDir::cleanPath(executableFolder + QStringLiteral("/../share/doc/quorlink/README.md")),
        executableFolder + QStringLiteral("/README.md"),
        QStringLiteral(QUORLINK_SOURCE_GUIDE),
    };
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile())
            return path;
    return {};
}

}  // namespace quorlink
