// SPDX-License-Identifier: GPL-3.0-or-later
#include "whole_file_platform.h"

#include "file_fault.h"
#include "windows_error.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <windows.h>

namespace quorlink::platform {

namespace {

constexpr int kMostLinks = 40;
constexpr int kNameTries = 100;

std::wstring Native(const QString& path)
{
    return QFileInfo(path).absoluteFilePath().replace(QLatin1Char('/'), QLatin1Char('\\')).toStdWString();
}

Fault SystemFault(QFileDevice::FileError error, DWORD number, const QString& path)
{
    return FileFault(number == ERROR_ACCESS_DENIED ? QFileDevice::PermissionsError : error, WindowsErrorText(number), path);
}

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9 name devices in every folder, with
// any extension, and blanks before it ("nul.dat" and "nul .dat" are the null
// device too).
bool IsReservedName(const QString& path)
{
    static const QRegularExpression kReserved(
        QStringLiteral("^(con|prn|aux|nul|conin\\$|conout\\$|com[0-9¹²³]|lpt[0-9¹²³]) *(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    QString name = QFileInfo(path).fileName();
    while (name.endsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return kReserved.match(name).hasMatch();
}

// \\.\ and \\?\GLOBALROOT name devices and pipes, not files.
bool IsDeviceNamespace(const QString& path)
{
    const QString native = QString(path).replace(QLatin1Char('/'), QLatin1Char('\\'));
    return native.startsWith(QLatin1String("\\\\.\\")) ||
           native.startsWith(QLatin1String("\\\\?\\GLOBALROOT"), Qt::CaseInsensitive);
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    void Close()
    {
        if (Valid())
            CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

Fault WriteAll(HANDLE handle, const QByteArray& bytes, const QString& path)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        DWORD n = 0;
        const DWORD chunk = DWORD(std::min<qsizetype>(bytes.size() - written, 1 << 20));
        if (!WriteFile(handle, bytes.constData() + written, chunk, &n, nullptr))
            return SystemFault(QFileDevice::WriteError, GetLastError(), path);
        if (n == 0)
            return FileFault(QFileDevice::WriteError, QLatin1String(kWrittenIncompletely), path);
        written += n;
    }
    return {};
}

QString PartName(const QString& folder)
{
    return folder +
           QStringLiteral("/.quorlink-%1.part").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// A new part file in folder, made for this save alone.
HANDLE CreatePart(const QString& folder, QString& part, DWORD& error)
{
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int i = 0; i < kNameTries && handle == INVALID_HANDLE_VALUE; ++i) {
        part = PartName(folder);
        handle =
            CreateFileW(Native(part).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        error = handle == INVALID_HANDLE_VALUE ? GetLastError() : 0;
        if (error && error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            break;
    }
    return handle;
}

}  // namespace

QString SpecialFileReason(const QString& path)
{
    if (IsReservedName(path))
        return QLatin1String(kReservedName).arg(QFileInfo(path).fileName());
    if (IsDeviceNamespace(path))
        return QLatin1String(kNotRegularFile);
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    return info.isDir() ? QLatin1String(kIsDirectory) : QLatin1String(kNotRegularFile);
}

Fault ResolveSaveTarget(const QString& path, QString& target)
{
    target = path;
    for (int hops = 0; hops <= kMostLinks; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return {};
        const QString next = info.symLinkTarget();
        if (next.isEmpty())
            return FileFault(QFileDevice::OpenError,
                             QLatin1String(QT_TRANSLATE_NOOP("FileFaultTexts", "The link cannot be followed")), path);
        target = next;
    }
    return SystemFault(QFileDevice::OpenError, ERROR_CANT_RESOLVE_FILENAME, path);
}

Fault ReplaceWhole(const QString& target, const QByteArray* bytes, bool& folderLocked)
{
    folderLocked = false;
    QString part;
    DWORD error = 0;
    Handle file(CreatePart(QFileInfo(target).absolutePath(), part, error));
    if (!file.Valid()) {
        folderLocked = error == ERROR_ACCESS_DENIED;
        return SystemFault(QFileDevice::OpenError, error, target);
    }
    Fault fault;
    if (bytes)
        fault = WriteAll(file.get(), *bytes, target);
    if (!fault && bytes && !FlushFileBuffers(file.get()))
        fault = SystemFault(QFileDevice::WriteError, GetLastError(), target);
    file.Close();
    const std::wstring from = Native(part);
    if (!fault && bytes &&
        !MoveFileExW(from.c_str(), Native(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        fault = SystemFault(QFileDevice::WriteError, GetLastError(), target);
    if (fault || !bytes)
        DeleteFileW(from.c_str());
    return fault;
}

Fault OverwriteInPlace(const QString& target, const QByteArray& bytes)
{
    if (const QString reason = SpecialFileReason(target); !reason.isEmpty())
        return FileFault(QFileDevice::OpenError, reason, target);
    Handle file(CreateFileW(Native(target).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return SystemFault(QFileDevice::OpenError, GetLastError(), target);
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return FileFault(QFileDevice::OpenError, QLatin1String(kNotRegularFile), target);
    if (Fault fault = WriteAll(file.get(), bytes, target))
        return fault;
    if (!SetEndOfFile(file.get()) || !FlushFileBuffers(file.get()))
        return SystemFault(QFileDevice::WriteError, GetLastError(), target);
    return {};
}

bool MayWrite(const QString& path)
{
    const DWORD attributes = GetFileAttributesW(Native(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    Handle probe(CreateFileW(Native(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return probe.Valid();
}

bool IsReadOnly(const QString& path)
{
    const DWORD attributes = GetFileAttributesW(Native(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

Fault OpenRegular(QFile& file, const QString& path)
{
    const QString reason = SpecialFileReason(path);
    if (!reason.isEmpty())
        return FileFault(QFileDevice::OpenError, reason, path);
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileFault(file);
    return {};
}

Fault WriteNew(const QString& path, const QByteArray& bytes, bool& taken)
{
    taken = false;
    QString part;
    DWORD error = 0;
    Handle file(CreatePart(QFileInfo(path).absolutePath(), part, error));
    if (!file.Valid())
        return SystemFault(QFileDevice::OpenError, error, path);
    Fault fault = WriteAll(file.get(), bytes, path);
    file.Close();
    // Without MOVEFILE_REPLACE_EXISTING the move refuses a name that is taken.
    if (!fault && !MoveFileExW(Native(part).c_str(), Native(path).c_str(), 0)) {
        const DWORD moveError = GetLastError();
        taken = moveError == ERROR_ALREADY_EXISTS || moveError == ERROR_FILE_EXISTS;
        fault = SystemFault(QFileDevice::WriteError, moveError, path);
    }
    if (fault)
        DeleteFileW(Native(part).c_str());
    return fault;
}

}  // namespace quorlink::platform
