// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_fault.h"

#include "latin1.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace quorlink {

namespace {
constexpr int kFileNotFound = 53;
constexpr int kDeviceIoError = 57;
constexpr int kPermissionDenied = 70;
constexpr int kPathFileAccessError = 75;
}  // namespace

Fault FileFault(QFileDevice::FileError error, const QString& reason, const QString& path)
{
    int number = kPathFileAccessError;
    const QFileInfo info(path);
    if (error == QFileDevice::PermissionsError || (info.exists() && !info.isDir() && !info.isReadable()))
        number = kPermissionDenied;
    else if (!info.exists() && error == QFileDevice::OpenError)
        number = kFileNotFound;
    else if (error == QFileDevice::ReadError || error == QFileDevice::WriteError)
        number = kDeviceIoError;
    return Fault{number, ToStdString(reason.isEmpty() ? QStringLiteral("File access error") : reason)};
}

Fault SpecialFileFault(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    return FileFault(QFileDevice::OpenError,
                     S_ISDIR(info.st_mode) ? QStringLiteral("Is a directory") : QStringLiteral("not a regular file"),
                     path);
}

Fault FileFault(const QFileDevice& file)
{
    return FileFault(file.error(), file.errorString(), file.fileName());
}

}  // namespace quorlink
