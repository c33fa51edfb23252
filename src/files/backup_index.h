// SPDX-License-Identifier: GPL-3.0-or-later
// What the backups' names cannot say, kept beside them in
// <data folder>/backups/index.txt: the order they were made in (two in one
// second carry the same time) and what became of each write they were kept
// for. The backups themselves stay as they are; a lost or damaged index only
// loses these notes.
#pragma once

#include "fault.h"
#include "image_layout.h"

#include <QHash>
#include <QList>
#include <QString>

namespace quorlink {

// How a write that kept backups ended.
enum class WriteOutcome { Complete, Unverified, VerifyError, Cancelled, Failed, CutShort };

// "write complete", "cut short", ... as the lists of backups say it, in
// English (KeptCopyWords gives the user's language).
QString WriteOutcomeText(WriteOutcome outcome);

struct WriteRun {
    WriteOutcome outcome;
    QString before;  // file name of its before-write backup; empty: none
    QString sent;    // file name of the backup of what it sent; empty: none
};

struct BackupIndex {
    QHash<QString, int> made;  // file name -> its place in the order the backups were made
    QList<WriteRun> writes;    // oldest first
};

QString BackupIndexName();

// Notes a backup just made (its path); the index is written through the safe writer.
Fault NoteBackupMade(const QString& dataFolder, const QString& backupPath);
// Notes how a write ended and which backups it kept (paths; empty: none).
Fault NoteWriteOutcome(const QString& dataFolder, WriteOutcome outcome, const QString& beforePath,
                       const QString& sentPath);

// The index as it stands; empty when there is none or it cannot be read.
BackupIndex ReadBackupIndex(const QString& dataFolder);

// Whether the radio an image was read from held a partly written memory: on
// the bytes a write sends, the image is what an earlier write sent up to
// some address and what the radio held before that write from there on,
// and it is neither of them whole.
bool IsPartlyWrittenBy(const Image& image, const Image& sent, const Image& before);

// The writes of the index that kept both their backups, with those images.
class WriteHistory {
public:
    explicit WriteHistory(const QString& dataFolder);

    const BackupIndex& Index() const { return index_; }
    // The write whose cut-short memory the image holds; nullptr when none.
    const WriteRun* LeftPartlyWritten(const Image& image) const;

private:
    struct Kept {
        int write;  // in index_.writes
        Image sent;
        Image before;
    };
    BackupIndex index_;
    QList<Kept> kept_;  // newest first
};

// The newest before-write backup of the same radio that held a whole memory:
// beforePath itself, or, when that was read from a radio an earlier write
// left partly written, that write's before-write backup (and so on). Empty
// when that backup is gone.
QString LastWholeBeforeWrite(const QString& dataFolder, const QString& beforePath);

}  // namespace quorlink
