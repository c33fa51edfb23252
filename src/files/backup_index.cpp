// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup_index.h"

#include "backups.h"
#include "whole_file.h"
#include "written_areas.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace quorlink {

namespace {

// One line a note, its fields separated by tabs:
//   made    <file>
//   write   <outcome word>  <before-write file or ->  <sent file or ->
const QByteArray kHeader = "# Quorlink: the order the backups here were made in, and how each write ended.\n";
constexpr qint64 kLargestIndex = 16 * 1024 * 1024;

struct OutcomeWords {
    WriteOutcome outcome;
    const char* word;  // in the index
    const char* text;  // for the user (KeptCopyWords translates it)
};
constexpr OutcomeWords kOutcomes[] = {
    {WriteOutcome::Complete, "complete", QT_TRANSLATE_NOOP("KeptCopyWords", "write complete")},
    {WriteOutcome::Unverified, "unverified", QT_TRANSLATE_NOOP("KeptCopyWords", "written, not verified")},
    {WriteOutcome::VerifyError, "verify-error", QT_TRANSLATE_NOOP("KeptCopyWords", "written, verify error")},
    {WriteOutcome::Cancelled, "cancelled", QT_TRANSLATE_NOOP("KeptCopyWords", "cancelled before writing")},
    {WriteOutcome::Failed, "failed", QT_TRANSLATE_NOOP("KeptCopyWords", "failed before writing")},
    {WriteOutcome::CutShort, "cut-short", QT_TRANSLATE_NOOP("KeptCopyWords", "cut short")},
};

const OutcomeWords& WordsOf(WriteOutcome outcome)
{
    return *std::find_if(std::begin(kOutcomes), std::end(kOutcomes),
                         [outcome](const OutcomeWords& w) { return w.outcome == outcome; });
}

QString IndexPath(const QString& dataFolder)
{
    return BackupsFolder(dataFolder) + QLatin1Char('/') + BackupIndexName();
}

QByteArray IndexBytes(const QString& path)
{
    QFile file(path);
    if (OpenRegularFile(file, path) || file.size() > kLargestIndex)
        return {};
    return file.readAll();
}

QByteArray Field(const QString& path) { return path.isEmpty() ? QByteArray("-") : QFileInfo(path).fileName().toUtf8(); }

QString NameOf(const QByteArray& field) { return field == "-" ? QString() : QString::fromUtf8(field); }

// Notes are added by writing the whole index anew: it is either as it was or complete.
Fault AddNote(const QString& dataFolder, const QByteArray& note)
{
    const QString path = IndexPath(dataFolder);
    QByteArray bytes = IndexBytes(path);
    if (bytes.isEmpty())
        bytes = kHeader;
    else if (!bytes.endsWith('\n'))
        bytes += '\n';
    return WriteWholeFile(path, bytes + note + '\n');
}

bool LoadImage(const QString& dataFolder, const QString& name, Image& image)
{
    return !name.isEmpty() && ReadImageBytes(BackupsFolder(dataFolder) + QLatin1Char('/') + name, image);
}

}  // namespace

QString WriteOutcomeText(WriteOutcome outcome) { return QLatin1String(WordsOf(outcome).text); }

QString BackupIndexName() { return QStringLiteral("index.txt"); }

Fault NoteBackupMade(const QString& dataFolder, const QString& backupPath)
{
    return AddNote(dataFolder, "made\t" + Field(backupPath));
}

Fault NoteWriteOutcome(const QString& dataFolder, WriteOutcome outcome, const QString& beforePath,
                       const QString& sentPath)
{
    return AddNote(dataFolder, QByteArray("write\t") + WordsOf(outcome).word + '\t' + Field(beforePath) + '\t' +
                                   Field(sentPath));
}

BackupIndex ReadBackupIndex(const QString& dataFolder)
{
    BackupIndex index;
    for (const QByteArray& line : IndexBytes(IndexPath(dataFolder)).split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 2 && fields[0] == "made") {
            index.made.insert(NameOf(fields[1]), static_cast<int>(index.made.size()));
            continue;
        }
        if (fields.size() != 4 || fields[0] != "write")
            continue;
        const auto words = std::find_if(std::begin(kOutcomes), std::end(kOutcomes),
                                        [&](const OutcomeWords& w) { return fields[1] == w.word; });
        if (words != std::end(kOutcomes))
            index.writes.append({words->outcome, NameOf(fields[2]), NameOf(fields[3])});
    }
    return index;
}

bool IsPartlyWrittenBy(const Image& image, const Image& sent, const Image& before)
{
    bool reached = true;  // still within what the write sent before it stopped
    bool tookSent = false;
    bool tookBefore = false;
    for (int a = 0; a < kImageSize; ++a) {
        if (!IsWrittenAddress(a))
            continue;
        if (sent[a] == before[a]) {
            if (image[a] != sent[a])
                return false;
            continue;
        }
        if (reached && image[a] == sent[a]) {
            tookSent = true;
            continue;
        }
        reached = false;
        if (image[a] != before[a])
            return false;
        tookBefore = true;
    }
    return tookSent && tookBefore;
}

WriteHistory::WriteHistory(const QString& dataFolder) : index_(ReadBackupIndex(dataFolder))
{
    for (int i = static_cast<int>(index_.writes.size()) - 1; i >= 0; --i) {
        Kept kept{i, {}, {}};
        if (LoadImage(dataFolder, index_.writes[i].sent, kept.sent) &&
            LoadImage(dataFolder, index_.writes[i].before, kept.before))
            kept_.append(kept);
    }
}

const WriteRun* WriteHistory::LeftPartlyWritten(const Image& image) const
{
    for (const Kept& kept : kept_)
        if (IsPartlyWrittenBy(image, kept.sent, kept.before))
            return &index_.writes[kept.write];
    return nullptr;
}

QString LastWholeBeforeWrite(const QString& dataFolder, const QString& beforePath)
{
    const WriteHistory history(dataFolder);
    QString path = beforePath;
    Image image{};
    // Each step goes to an earlier write; a loop in a damaged index ends with the count.
    for (qsizetype step = 0; step <= history.Index().writes.size(); ++step) {
        if (!ReadImageBytes(path, image))
            return step == 0 ? path : QString();  // nothing is known against the first
        const WriteRun* earlier = history.LeftPartlyWritten(image);
        if (earlier == nullptr)
            return path;
        if (earlier->before.isEmpty())
            return {};
        path = BackupsFolder(dataFolder) + QLatin1Char('/') + earlier->before;
    }
    return {};
}

}  // namespace quorlink
