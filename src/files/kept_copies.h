// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the program keeps of a radio's memory and of dropped edits, in
// one list: the backups of transfers and the recovery copies, newest first,
// each with what it is, the model and the user MMSI it holds.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace quorlink {

struct KeptCopy {
    QString path;
    QDateTime when;  // from the name
    QString kind;    // "read", "before write", "written", "dropped edits (new)", ...
    QString model;   // "MR7100A"; empty when the file does not say
    QString mmsi;    // the user MMSI as the pages show it; empty when none
};

QList<KeptCopy> ListKeptCopies(const QString& dataFolder);

}  // namespace quorlink
