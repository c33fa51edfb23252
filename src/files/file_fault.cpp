// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_fault.h"

#include "latin1.h"
#include "whole_file_platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <iterator>

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

namespace {

constexpr const char* kFilledIn[] = {kReadOnly, kPlantedLink, kNotKeptInPlace, kReservedName, kKeptInPlace};

QString Translated(const QString& english)
{
    for (const char* text : kFilledIn) {
        QString pattern = QRegularExpression::escape(QLatin1String(text));
        pattern.replace(QRegularExpression(QStringLiteral("\\\\%\\d")), QStringLiteral("(.*)"));
        const QRegularExpressionMatch match =
            QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'),
                               QRegularExpression::DotMatchesEverythingOption).match(english);
        if (!match.hasMatch())
            continue;
        QString shown = QCoreApplication::translate("FileFaultTexts", text);
        for (int i = 1; i <= match.lastCapturedIndex(); ++i)
            shown = shown.arg(Translated(match.captured(i)));
        return shown;
    }
    return QCoreApplication::translate("FileFaultTexts", english.toUtf8().constData());
}

}  // namespace

QString FaultText(const Fault& fault) { return Translated(ToQString(fault.description)); }

Fault FileFault(const QFileDevice& file)
{
    return FileFault(file.error(), file.errorString(), file.fileName());
}

}  // namespace quorlink
