// SPDX-License-Identifier: GPL-3.0-or-later
#include "whole_file.h"

#include "file_fault.h"
#include "latin1.h"
#include "stamped_files.h"
#include "whole_file_platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QRegularExpression>

namespace quorlink {

namespace {

struct WholeFileTexts {
    Q_DECLARE_TR_FUNCTIONS(WholeFileTexts)
};

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
        return FileFault(QFileDevice::WriteError, QLatin1String(kNotKeptInPlace).arg(copy.loggedFailure), target);
    if (Fault fault = platform::OverwriteInPlace(target, bytes)) {
        fault.description = ToStdString(QLatin1String(kKeptInPlace)
                                            .arg(ToQString(fault.description), QDir::toNativeSeparators(copy.path)));
        return fault;
    }
    inPlace.keptAs = copy.path;
    return {};
}

// The file a save ends in: special files refused, links followed as the
// system would follow them. The rename that puts the new file in place
// would replace a read-only file like any other where the folder allows it:
// it is refused here, alike on every system.
Fault SaveTarget(const QString& path, QString& target)
{
    if (Fault fault = SpecialFileFault(path))
        return fault;
    if (Fault fault = platform::ResolveSaveTarget(path, target))
        return fault;
    if (platform::IsReadOnly(target))
        return FileFault(QFileDevice::PermissionsError,
                         QLatin1String(kReadOnly).arg(QDir::toNativeSeparators(target)), path);
    return {};
}

}  // namespace

Fault WriteWholeFile(const QString& path, const QByteArray& bytes, InPlaceSave* inPlace)
{
    QString target;
    if (Fault fault = SaveTarget(path, target))
        return fault;
    bool folderLocked = false;
    const Fault fault = platform::ReplaceWhole(target, &bytes, folderLocked);
    if (!fault || !folderLocked || !inPlace || inPlace->keepFolder.isEmpty() || !QFileInfo::exists(target) ||
        !platform::MayWrite(target))
        return fault;
    return WriteInPlace(target, bytes, *inPlace);
}

QString InPlaceNote(const QString& path, const InPlaceSave& inPlace)
{
    return WholeFileTexts::tr("%1 was written over in place, as its folder cannot be written; its previous content "
                              "is kept in %2")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(inPlace.keptAs));
}

Fault ProbeWholeFile(const QString& path)
{
    QString target;
    if (Fault fault = SaveTarget(path, target))
        return fault;
    bool folderLocked = false;
    return platform::ReplaceWhole(target, nullptr, folderLocked);
}

Fault OpenRegularFile(QFile& file, const QString& path)
{
    if (Fault fault = SpecialFileFault(path))  // opening a device may already act on it
        return fault;
    return platform::OpenRegular(file, path);
}

Fault WriteNewWholeFile(const QString& path, const QByteArray& bytes, bool& taken)
{
    return platform::WriteNew(path, bytes, taken);
}

}  // namespace quorlink
