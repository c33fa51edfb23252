// SPDX-License-Identifier: GPL-3.0-or-later
// Options > Language: the system's language or one the program offers, kept
// for the next start; the words on screen change only then.
#pragma once

class QMenu;

namespace quorlink {

class Prompt;

// Adds a separator and the Language submenu at the end of options.
void AddLanguageMenu(QMenu* options, Prompt& prompt);

}  // namespace quorlink
