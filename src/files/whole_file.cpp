// SPDX-License-Identifier: GPL-3.0-or-later
#include "whole_file.h"

#include "file_fault.h"
#include "latin1.h"
#include "stamped_files.h"
#include "whole_file_posix.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QRegularExpression>
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

// The copy keeps the file's extension, so that it opens as the file did.
QString CopyExtension(const QString& path)
{
    static const QRegularExpression kPlain(QStringLiteral("^[A-Za-z0-9]{1,8}$"));
    const QString suffix = QFileInfo(path).suffix();
    return QLatin1Char('.') + (kPlain.match(suffix).hasMatch() ? suffix : QStringLiteral("old"));
}

// A save cut short in place would leave the file spoilt, so its old content
// is kept first; the copy's name is short, the file's own may not be.
Fault WriteInPlace(const QString& target, const QByteArray& bytes, InPlaceSave& inPlace)
{
    QFile old;
    if (Fault fault = OpenRegularFile(old, target))
        return fault;
    const QByteArray previous = old.readAll();
    if (old.error() != QFileDevice::NoError)
        return FileFault(old.error(), old.errorString(), target);
    old.close();
    const StampedFile copy = WriteStampedFile(inPlace.keepFolder, QString(), QStringLiteral("-in-place"),
                                              CopyExtension(target), previous, QDateTime::currentDateTime());
    if (!copy.failure.isEmpty())
        return FileFault(QFileDevice::WriteError,
                         QStringLiteral("Its folder cannot be written, and its content could not be kept "
                                        "before writing over it: %1")
                             .arg(copy.failure),
                         target);
    if (Fault fault = posix::OverwriteInPlace(target, bytes)) {
        fault.description += ToStdString(QStringLiteral("; its previous content is kept in %1")
                                              .arg(QDir::toNativeSeparators(copy.path)));
        return fault;
    }
    inPlace.keptAs = copy.path;
    return {};
}

// The file a save ends in: special files refused, links followed as the
// system would follow them.
Fault SaveTarget(const QString& path, QString& target)
{
    if (Fault fault = SpecialFileFault(path))
        return fault;
    return posix::ResolveSaveTarget(path, target);
}

}  // namespace

Fault WriteWholeFile(const QString& path, const QByteArray& bytes, InPlaceSave* inPlace)
{
    QString target;
    if (Fault fault = SaveTarget(path, target))
        return fault;
    bool folderLocked = false;
    const Fault fault = posix::ReplaceWhole(target, &bytes, folderLocked);
    if (!fault || !folderLocked || !inPlace || inPlace->keepFolder.isEmpty() || !QFileInfo::exists(target) ||
        !posix::MayWrite(target))
        return fault;
    return WriteInPlace(target, bytes, *inPlace);
}

QString InPlaceNote(const QString& path, const InPlaceSave& inPlace)
{
    return QStringLiteral("%1 was written over in place, as its folder cannot be written; its previous content "
                          "is kept in %2")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(inPlace.keptAs));
}

Fault ProbeWholeFile(const QString& path)
{
    QString target;
    if (Fault fault = SaveTarget(path, target))
        return fault;
    bool folderLocked = false;
    return posix::ReplaceWhole(target, nullptr, folderLocked);
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
