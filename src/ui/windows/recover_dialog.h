// SPDX-License-Identifier: GPL-3.0-or-later
// File > Recover...: the backups of transfers and the recovery copies of
// dropped edits, newest first, with what became of each write and which were
// read from a partly written radio, to open one or to compare it with the
// data in the window. A backups folder that cannot hold backups is said above the list.
#pragma once

#include "kept_copies.h"

#include <QString>

class QWidget;

namespace quorlink {

struct RecoverChoice {
    QString path;  // empty: closed without a choice
    bool compare = false;
};

RecoverChoice AskRecoverChoice(QWidget* parent, const KeptCopies& kept);

}  // namespace quorlink
