// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_folder.h"

namespace quorlink {

QString DialogStartFolder() { return {}; }

void RememberDialogFolder(const QString&) {}

}  // namespace quorlink
