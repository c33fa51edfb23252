// SPDX-License-Identifier: GPL-3.0-or-later
// Where the file dialogs open. On Windows the program is started in its own
// folder, where nobody keeps their files: there a dialog opens where the user
// last chose a file (kept in the settings), or in Documents the first time.
// Elsewhere it opens where the toolkit would, in the folder the program was
// started from, as a command run there expects.
#pragma once

#include <QString>

namespace quorlink {

// The folder a file dialog starts in; empty leaves the choice to the toolkit.
QString DialogStartFolder();
// A file the user chose in a dialog: its folder is where the next one opens.
void RememberDialogFolder(const QString& chosenPath);

}  // namespace quorlink
