// SPDX-License-Identifier: GPL-3.0-or-later
// The C library's stat gives every file of a drive the same number there, so
// files are told apart by their volume and file index instead.
#include "standard_streams.h"

#include <QDir>
#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace quorlink::cli {

namespace {

std::optional<FileIdentity> IdentityOf(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle, &info))
        return std::nullopt;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return std::nullopt;
    const std::uint64_t index = (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return FileIdentity{info.dwVolumeSerialNumber, index};
}

}  // namespace

std::optional<FileIdentity> RegularFileIdentity(const QString& path)
{
    // Opened for no access at all: only its identity is read, and nothing is locked.
    const QString native = QDir::toNativeSeparators(path);
    HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(native.utf16()), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const std::optional<FileIdentity> identity = IdentityOf(handle);
    CloseHandle(handle);
    return identity;
}

std::optional<FileIdentity> StreamIdentity(std::FILE* stream)
{
    if (stream == nullptr || _fileno(stream) < 0)
        return std::nullopt;
    const intptr_t handle = _get_osfhandle(_fileno(stream));
    if (handle == -1)
        return std::nullopt;
    return IdentityOf(reinterpret_cast<HANDLE>(handle));
}

std::size_t WriteBytesAsTheyAre(std::FILE* out, const QByteArray& bytes)
{
    std::fflush(out);
    const int descriptor = _fileno(out);
    const int mode = _setmode(descriptor, _O_BINARY);
    const std::size_t written = std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), out);
    std::fflush(out);
    const int error = errno;
    if (mode != -1)
        _setmode(descriptor, mode);
    errno = error;
    return written;
}

}  // namespace quorlink::cli
