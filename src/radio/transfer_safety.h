// SPDX-License-Identifier: GPL-3.0-or-later
// What a whole run does besides talking to the radio: a backup of what was
// read or is about to be written, the note of how a write ended, and the
// check after a write.
#pragma once

#include "backup_index.h"
#include "backups.h"
#include "outcome.h"
#include "transfer_state.h"

#include <QString>
#include <functional>

namespace quorlink {

struct Model;

struct TransferSafety {
    QString dataFolder;  // backups go to its backups folder; empty: no backups
    bool verifyAfterWriting = false;
    // Told when a backup could not be saved; the transfer goes on regardless,
    // except for the before-write backup (see writeWithoutBackup).
    std::function<void(const QString& text)> notify;
    // MemoryImage is a backup opened unchanged: it goes out as it is instead
    // of being encoded from the records, so the radio gets it back exactly.
    bool sendImageAsIs = false;
    // Asked after a complete read, before its data replace the editor's
    // (the moment to keep edits that would be lost); false ends the run as a
    // cancel does.
    std::function<bool()> beforeReplacing = {};
    // A write first reads the whole radio and keeps it as a before-write
    // backup; the guard of the own MMSI then takes it from that read.
    bool readFirst = false;
    // Shown what the radio holds before a read-first write (its records as
    // a read would give them, its image as the radio sent it); false writes
    // nothing and ends the run as a cancel does. sent is what the write
    // would send; narrowed to some of the changes, it is what goes out and
    // what the verification checks, and the own MMSI guard then asks only
    // when it still changes the radio's MMSI.
    std::function<bool(const Model& radio, Image& sent)> approveChanges = {};
    // Asked, with why, when the before-write backup could not be saved: the
    // radio's memory would then be kept nowhere once written. true writes
    // without it; false ends the run as a cancel does. Unset: the run fails
    // with that message before anything is written.
    std::function<bool(const QString& text)> writeWithoutBackup = {};
    // Given a complete read's image as the radio sent it, before the read
    // fix-up, when the read has replaced the model's.
    std::function<void(const Image& received)> received = {};
};

// Saves the backup and returns its path; a failure only reaches notify.
QString BackUpTransfer(const TransferSafety& safety, const Model& model, const Image& image, BackupKind kind);

// Saves what the radio held before a write as its before-write backup (its
// path in path). Done when the write may go on; otherwise the run's end, the
// run's flags set.
Outcome KeepBeforeWrite(const TransferSafety& safety, TransferState& state, const Model& model, const Image& radio,
                        QString& path);

// Notes how a write that kept backups ended; a note that cannot be kept reaches notify.
void NoteWrite(const TransferSafety& safety, WriteOutcome outcome, const QString& before, const QString& sent);

}  // namespace quorlink
