// SPDX-License-Identifier: GPL-3.0-or-later
#include "kept_copies.h"

#include "backup_index.h"
#include "backups.h"
#include "codecs.h"
#include "ini_reader.h"
#include "latin1.h"
#include "mmsi.h"
#include "recovery_copies.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace quorlink {

namespace {

struct KeptCopiesTexts {
    Q_DECLARE_TR_FUNCTIONS(KeptCopiesTexts)
};

const QString kStamp = QStringLiteral("yyyyMMdd-HHmmss");

struct BackupTail {
    const char* tail;
    const char* kind;
};
// Longest first: "-before-write" also ends in "-write".
constexpr BackupTail kBackupTails[] = {{"-before-write", QT_TRANSLATE_NOOP("KeptCopyWords", "before write")},
                                       {"-write", QT_TRANSLATE_NOOP("KeptCopyWords", "written")},
                                       {"-read", QT_TRANSLATE_NOOP("KeptCopyWords", "read")}};
constexpr const char* kWrittenKind = "written";
constexpr const char* kDroppedEdits = QT_TRANSLATE_NOOP("KeptCopyWords", "dropped edits (%1)");
const QRegularExpression kDroppedEditsKind(QStringLiteral("^dropped edits \\((.*)\\)$"));

// A copy and, for two made in one second that the index does not order, the -N of its name.
struct Found {
    KeptCopy copy;
    int n = 1;
};

QString MmsiText(const std::string& stored) { return ToQString(ShownMmsi(stored)); }

// What a backup's name says: when, and which kind; a name of another form says nothing.
void TakeName(const QFileInfo& info, Found& found)
{
    static const QRegularExpression name(QStringLiteral("^MR\\d{4}A-(\\d{8}-\\d{6})(-[a-z-]+?)(?:-(\\d+))?\\.hex$"));
    const QRegularExpressionMatch match = name.match(info.fileName());
    const QDateTime when = match.hasMatch() ? QDateTime::fromString(match.captured(1), kStamp) : QDateTime();
    found.copy.when = when.isValid() ? when : info.lastModified();
    if (!match.hasMatch() || !when.isValid())
        return;
    found.n = match.captured(3).isEmpty() ? 1 : match.captured(3).toInt();
    const auto tail = std::find_if(std::begin(kBackupTails), std::end(kBackupTails),
                                   [&](const BackupTail& t) { return match.captured(2) == QLatin1String(t.tail); });
    if (tail != std::end(kBackupTails))
        found.copy.kind = QLatin1String(tail->kind);
}

void TakeNotes(const BackupIndex& index, const QString& name, KeptCopy& copy)
{
    copy.made = index.made.value(name, -1);
    for (const WriteRun& run : index.writes)
        if (run.before == name || run.sent == name)
            copy.outcome = WriteOutcomeText(run.outcome);
}

// Every file of the folder, judged by its content: a radio image (its model
// by the code at both ends), or not one.
void AddBackups(const QString& folder, const WriteHistory& history, QList<Found>& list)
{
    const QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::System, QDir::Name)) {
        if (info.fileName() == BackupIndexName())
            continue;
        Found found;
        found.copy.path = info.filePath();
        TakeName(info, found);
        TakeNotes(history.Index(), info.fileName(), found.copy);
        Image image{};
        if (!ReadMemoryImageFile(info.filePath(), image)) {
            found.copy.kind = QLatin1String(QT_TRANSLATE_NOOP("KeptCopyWords", "not a radio image"));
            list.append(found);
            continue;
        }
        if (found.copy.kind.isEmpty())
            found.copy.kind = QLatin1String(QT_TRANSLATE_NOOP("KeptCopyWords", "radio image"));
        found.copy.model = ImageModelName(image);
        found.copy.mmsi = MmsiText(DecodeDigits(image, addr::UserMmsid));
        if (found.copy.kind != QLatin1String(kWrittenKind) && history.LeftPartlyWritten(image))
            found.copy.radio = QLatin1String(QT_TRANSLATE_NOOP("KeptCopyWords", "partly written"));
        list.append(found);
    }
}

QString FolderNote(const QFileInfo& folder, bool& broken)
{
    const QString shown = QDir::toNativeSeparators(folder.filePath());
    broken = folder.exists() || folder.isSymLink();
    if (!broken)
        return KeptCopiesTexts::tr("No backup has been kept yet: the backups folder %1 does not exist.").arg(shown);
    if (!folder.isDir())
        return KeptCopiesTexts::tr("%1 is not a folder: no backup can be kept until it is moved away.").arg(shown);
    if (!folder.isReadable() || !folder.isExecutable())
        return KeptCopiesTexts::tr("The backups folder %1 cannot be read.").arg(shown);
    broken = false;
    return {};
}

void AddRecoveryCopies(const QString& dataFolder, QList<Found>& list)
{
    static const QRegularExpression name(QStringLiteral("^(\\d{8}-\\d{6})-([a-z-]+?)(?:-\\d+)?\\.dat$"));
    for (const QString& path : RecoveryCopies(dataFolder)) {
        const QRegularExpressionMatch match = name.match(QFileInfo(path).fileName());
        QFile file(path);
        IniLookup ini;
        if (!match.hasMatch() || !file.open(QIODevice::ReadOnly) ||
            !ini.Load(file, [](const QByteArray& section) { return section == "main" || section == "setcom"; }))
            continue;
        Found found;
        found.copy.path = path;
        found.copy.when = QDateTime::fromString(match.captured(1), kStamp);
        found.copy.kind = QLatin1String(kDroppedEdits).arg(match.captured(2));
        found.copy.model = ReadIniValue(ini, "MAIN", "MODEL");
        found.copy.mmsi = MmsiText(ToStdString(ReadIniValue(ini, "SETCOM", "UserMmsid")));
        list.append(found);
    }
}

// Newest first; two of one second in the order they were made.
bool Newer(const Found& a, const Found& b)
{
    if (a.copy.when != b.copy.when)
        return a.copy.when > b.copy.when;
    if (a.copy.made >= 0 && b.copy.made >= 0)
        return a.copy.made > b.copy.made;
    return a.n > b.n;
}

}  // namespace

QString KeptCopyWords(const QString& words)
{
    const QRegularExpressionMatch dropped = kDroppedEditsKind.match(words);
    if (dropped.hasMatch())
        return QCoreApplication::translate("KeptCopyWords", kDroppedEdits).arg(dropped.captured(1));
    return QCoreApplication::translate("KeptCopyWords", words.toLatin1().constData());
}

KeptCopies ListKeptCopies(const QString& dataFolder)
{
    KeptCopies kept;
    QList<Found> list;
    const QFileInfo folder(BackupsFolder(dataFolder));
    kept.backupsNote = FolderNote(folder, kept.backupsFolderBroken);
    if (kept.backupsNote.isEmpty())
        AddBackups(folder.filePath(), WriteHistory(dataFolder), list);
    AddRecoveryCopies(dataFolder, list);
    std::stable_sort(list.begin(), list.end(), Newer);
    for (const Found& found : list)
        kept.copies.append(found.copy);
    return kept;
}

}  // namespace quorlink
