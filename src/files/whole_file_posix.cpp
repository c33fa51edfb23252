// SPDX-License-Identifier: GPL-3.0-or-later
#include "whole_file_platform.h"

#include "file_fault.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <thread>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorlink::platform {

namespace {

// As many links as the kernel follows before it gives up with ELOOP.
constexpr int kMostLinks = 40;
constexpr int kNameTries = 100;

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

Fault SystemFault(QFileDevice::FileError error, int number, const QString& path)
{
    return FileFault(error, qt_error_string(number), path);
}

Fault WriteAll(int fd, const QByteArray& bytes, const QString& path)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, std::size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? SystemFault(QFileDevice::WriteError, errno, path)
                         : FileFault(QFileDevice::WriteError,
                                     QLatin1String(kWrittenIncompletely), path);
        written += n;
    }
    return {};
}

Fault Sync(int fd, const QString& path)
{
    return ::fdatasync(fd) == 0 ? Fault{} : SystemFault(QFileDevice::WriteError, errno, path);
}

// The link belongs to whoever could have planted it: refused unless that is
// the user or the folder's owner, who could change the folder anyway.
bool PlantedByAnother(const QString& link, const struct stat& linkInfo)
{
    struct stat folder {};
    if (::stat(Native(QFileInfo(link).absolutePath()).constData(), &folder) != 0)
        return false;
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return shared && linkInfo.st_uid != ::geteuid() && linkInfo.st_uid != folder.st_uid;
}

}  // namespace

QString SpecialFileReason(const QString& path)
{
    struct stat info {};
    if (::stat(Native(path).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    return S_ISDIR(info.st_mode) ? QLatin1String(kIsDirectory) : QLatin1String(kNotRegularFile);
}

Fault ResolveSaveTarget(const QString& path, QString& target)
{
    target = path;
    for (int hops = 0; hops <= kMostLinks; ++hops) {
        struct stat info {};
        if (::lstat(Native(target).constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return {};  // a new file, or the end of the links
        if (PlantedByAnother(target, info))
            return FileFault(QFileDevice::PermissionsError, QLatin1String(kPlantedLink).arg(target), path);
        const QString next = QFileInfo(target).symLinkTarget();
        if (next.isEmpty())
            return SystemFault(QFileDevice::OpenError, errno, path);
        target = next;
    }
    return SystemFault(QFileDevice::OpenError, ELOOP, path);
}

Fault ReplaceWhole(const QString& target, const QByteArray* bytes, bool& folderLocked)
{
    folderLocked = false;
    struct stat old {};
    const bool exists = ::stat(Native(target).constData(), &old) == 0;
    // A short name: the target's own may be near the longest a folder takes.
    const QString folder = QFileInfo(target).absolutePath();
    QString part;
    int fd = -1;
    for (int i = 0; i < kNameTries && fd < 0; ++i) {
        part = folder + QStringLiteral("/.quorlink-%1.part").arg(QRandomGenerator::global()->generate(), 8, 16,
                                                                   QLatin1Char('0'));
        fd = ::open(Native(part).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int error = errno;
        folderLocked = error == EACCES || error == EPERM;
        return SystemFault(QFileDevice::OpenError, error, target);
    }
    Fault fault;
    if (exists && ::fchmod(fd, old.st_mode & 07777) != 0)
        fault = SystemFault(QFileDevice::PermissionsError, errno, target);
    if (!fault && bytes)
        fault = WriteAll(fd, *bytes, target);
    if (!fault && bytes)
        fault = Sync(fd, target);
    ::close(fd);
    if (!fault && bytes && ::rename(Native(part).constData(), Native(target).constData()) != 0)
        fault = SystemFault(QFileDevice::WriteError, errno, target);
    if (fault || !bytes)
        ::unlink(Native(part).constData());
    return fault;
}

Fault OverwriteInPlace(const QString& target, const QByteArray& bytes)
{
    const int fd = ::open(Native(target).constData(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return SystemFault(QFileDevice::OpenError, errno, target);
    struct stat info {};
    Fault fault;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        fault = FileFault(QFileDevice::OpenError, QLatin1String(kNotRegularFile), target);
    if (!fault)
        fault = WriteAll(fd, bytes, target);
    if (!fault && ::ftruncate(fd, bytes.size()) != 0)
        fault = SystemFault(QFileDevice::WriteError, errno, target);
    if (!fault)
        fault = Sync(fd, target);
    ::close(fd);
    return fault;
}

bool MayWrite(const QString& path)
{
    return ::faccessat(AT_FDCWD, Native(path).constData(), W_OK, AT_EACCESS) == 0;
}

bool IsReadOnly(const QString& path)
{
    struct stat info {};
    if (::stat(Native(path).constData(), &info) != 0)
        return false;
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || !MayWrite(path);
}

Fault OpenRegular(QFile& file, const QString& path)
{
    // Non-blocking, in case a pipe took the file's place since the look.
    const int fd = ::open(Native(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return SystemFault(QFileDevice::OpenError, errno, path);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileFault(QFileDevice::OpenError, QLatin1String(kNotRegularFile), path);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileFault(file.error(), file.errorString(), path);
    }
    return {};
}

Fault WriteNew(const QString& path, const QByteArray& bytes, bool& taken)
{
    taken = false;
    QTemporaryFile part(QFileInfo(path).absolutePath() + QStringLiteral("/.XXXXXX.part"));
    if (!part.open())
        return FileFault(part);
    if (part.write(bytes) != bytes.size() || !part.flush())
        return FileFault(QFileDevice::WriteError,
                         part.errorString().isEmpty() ? QLatin1String(kWrittenIncompletely)
                                                      : part.errorString(),
                         path);
    // A hard link, unlike a rename, refuses a name that is taken; the part
    // file's own name goes away with it.
    if (::link(Native(part.fileName()).constData(), Native(path).constData()) != 0) {
        const int error = errno;
        taken = error == EEXIST;
        return FileFault(QFileDevice::WriteError, QString::fromLocal8Bit(std::strerror(error)), path);
    }
    // Waiting for the disk would cost a transfer tens of milliseconds; the
    // complete file is in the system's hands already, and reaches the disk
    // on this thread's own time.
    const int handle = ::dup(part.handle());
    if (handle >= 0)
        std::thread([handle] {
            ::fdatasync(handle);
            ::close(handle);
        }).detach();
    return {};
}

}  // namespace quorlink::platform
