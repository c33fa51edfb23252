// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the program keeps of a radio's memory and of dropped edits, in
// one list: the backups of transfers and the recovery copies, newest first,
// each with what it is, the model and the user MMSI it holds. Backups are
// judged by their content, not their names, and with the notes of the
// backups' index: what became of each write, and which were read from a
// radio that an earlier write left partly written.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace quorlink {

// The words of a copy (kind, outcome, radio) are English, as the command
// line lists them for scripts; KeptCopyWords gives them in the user's language.
struct KeptCopy {
    QString path;
    QDateTime when;  // from the name; a file named otherwise: when it was last changed
    // "read", "before write", "written", "radio image", "not a radio image", "dropped edits (new)", ...
    QString kind;
    QString model;   // "MR7100A" as the content says; empty when it does not
    QString mmsi;    // the user MMSI as the pages show it; empty when none
    QString outcome;  // what became of the write a backup was kept for ("cut short", ...); empty: no such note
    QString radio;    // "partly written" when read from a radio an earlier write left partly written
    int made = -1;    // its place in the order backups were made; -1: not noted
};

struct KeptCopies {
    QList<KeptCopy> copies;
    // Why the backups folder lists nothing: it does not exist yet, or
    // something else stands where it belongs. Empty when it is a folder.
    QString backupsNote;  // in the user's language
    bool backupsFolderBroken = false;  // no backup can be kept until it is put right
};

KeptCopies ListKeptCopies(const QString& dataFolder);

// A copy's kind, outcome or radio as the window shows them.
QString KeptCopyWords(const QString& words);

}  // namespace quorlink
