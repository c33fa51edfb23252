// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_fault.h"

#include "latin1.h"
#include "whole_file_platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

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
    const QString why =
        reason.isEmpty() ? QLatin1String(QT_TRANSLATE_NOOP("FileFaultTexts", "File access error")) : reason;
    return Fault{number, ToStdString(why)};
}

Fault SpecialFileFault(const QString& path)
{
    const QString reason = platform::SpecialFileReason(path);
    return reason.isEmpty() ? Fault{} : FileFault(QFileDevice::OpenError, reason, path);
}

QString FaultText(const Fault& fault)
{
    return QCoreApplication::translate("FileFaultTexts", fault.description.c_str());
}

Fault FileFault(const QFileDevice& file)
{
    return FileFault(file.error(), file.errorString(), file.fileName());
}

}  // namespace quorlink
