// SPDX-License-Identifier: GPL-3.0-or-later
// The images every read from the radio leaves behind, found again:
// <data folder>/backups/<MODEL>-<YYYYMMDD-HHMMSS>-read.hex, each the raw
// 8192 bytes as the radio sent them.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <string>

namespace quorlink {

struct Model;

struct ReadBackup {
    QString path;
    QDateTime taken;  // from the name
    std::string userMmsi;  // as the image stores it
};

// The read backups of one model, newest first (see ReadBackups). Files that are not regular
// files of exactly one image of that model by its content, or whose names do
// not follow the pattern, are left out.
QList<ReadBackup> ListReadBackups(const QString& dataFolder, const QString& modelName);

// The newest read backup of the model's radio: same model, same user MMSI
// as the model's settings. Empty when there is none.
QString LastReadOfRadio(const QString& dataFolder, const Model& model);

}  // namespace quorlink
