// SPDX-License-Identifier: GPL-3.0-or-later
// What a whole run does besides talking to the radio: a backup of what was
// read or is about to be written, the note of how a write ended, and the
// check after a write.
#pragma once

#include "backup_index.h"
#include "backups.h"
#include "outcome.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace quorlink {

struct Model;

struct TransferSafety {
    QString dataFolder;  // backups go to its backups folder; empty: no backups
    bool verifyAfterWriting = false;
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

// A backup that could not be saved, or a note that could not be kept, ends
// no transfer (except the before-write backup, see writeWithoutBackup): it is
// said in notes, which the run's outcome carries.
using Notes = std::vector<std::string>;

// Saves the backup and returns its path.
QString BackUpTransfer(const TransferSafety& safety, const Model& model, const Image& image, BackupKind kind,
                       Notes& notes);

// Saves what the radio held before a write as its before-write backup (its
// path in path). Done when the write may go on; otherwise the run's end.
Outcome KeepBeforeWrite(const TransferSafety& safety, const Model& model, const Image& radio, QString& path);

// Notes how a write that kept backups ended beside its backups.
void NoteWrite(const TransferSafety& safety, WriteOutcome outcome, const QString& before, const QString& sent,
               Notes& notes);

}  // namespace quorlink
