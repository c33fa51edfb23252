// SPDX-License-Identifier: GPL-3.0-or-later
#include "whole_file.h"

#include "file_fault.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cstring>
#include <thread>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorlink {

namespace {

Fault OpenFault(const QString& path)
{
    return FileFault(QFileDevice::OpenError, qt_error_string(errno), path);
}

}  // namespace

Fault WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    if (Fault fault = SpecialFileFault(path))
        return fault;
    QSaveFile file(path);
    // Unbuffered, so that a short write shows at once: a buffered one can be
    // cut short while the buffer is flushed and still be committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FileFault(file);
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const Fault fault = FileFault(QFileDevice::WriteError,
                                          file.errorString().isEmpty() || file.error() == QFileDevice::NoError
                                              ? QStringLiteral("The file could not be written completely")
                                              : file.errorString(),
                                          path);
            file.cancelWriting();
            return fault;
        }
        written += n;
    }
    if (!file.commit())
        return FileFault(file);
    return {};
}

Fault ProbeWholeFile(const QString& path)
{
    if (Fault fault = SpecialFileFault(path))
        return fault;
    QSaveFile file(path);  // the unfinished new file goes with it
    if (!file.open(QIODevice::WriteOnly))
        return FileFault(file);
    file.cancelWriting();
    return {};
}

Fault OpenRegularFile(QFile& file, const QString& path)
{
    if (Fault fault = SpecialFileFault(path))  // opening a device may already act on it
        return fault;
    // Non-blocking, in case a pipe took the file's place since the look.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return OpenFault(path);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileFault(QFileDevice::OpenError, QStringLiteral("not a regular file"), path);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileFault(file.error(), file.errorString(), path);
    }
    return {};
}

Fault WriteNewWholeFile(const QString& path, const QByteArray& bytes, bool& taken)
{
    taken = false;
    QTemporaryFile part(QFileInfo(path).absolutePath() + QStringLiteral("/.XXXXXX.part"));
    if (!part.open())
        return FileFault(part);
    if (part.write(bytes) != bytes.size() || !part.flush())
        return FileFault(QFileDevice::WriteError,
                         part.errorString().isEmpty() ? QStringLiteral("The file could not be written completely")
                                                      : part.errorString(),
                         path);
    // A hard link, unlike a rename, refuses a name that is taken; the part
    // file's own name goes away with it.
    if (::link(QFile::encodeName(part.fileName()).constData(), QFile::encodeName(path).constData()) != 0) {
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

}  // namespace quorlink
