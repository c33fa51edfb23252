// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies: before a command drops edits that were never saved, the
// records go, without a question, to <data folder>/recovery as an ordinary
// data file named <YYYYMMDD-HHMMSS>-<command>.dat. The newest few are kept.
#pragma once

#include "stamped_files.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace quorlink {

struct Model;

constexpr int kRecoveryCopiesKept = 20;

QString RecoveryFolder(const QString& dataFolder);

// what names the command, e.g. "new" or "model-switch" (lower case letters and dashes).
StampedFile SaveRecoveryCopy(const Model& model, const QString& dataFolder, const QString& what,
                             const QDateTime& when = QDateTime::currentDateTime());

// Newest first.
QStringList RecoveryCopies(const QString& dataFolder);

}  // namespace quorlink
