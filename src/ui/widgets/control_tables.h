// SPDX-License-Identifier: GPL-3.0-or-later
// Per-control constants of the main window: status-bar hints and help
// context numbers, looked up by object name ("chkDEnable(3)" finds the row
// of "chkDEnable").
#pragma once

#include <QString>

namespace quorlink {

extern const QString kTreeHint;  // "[Up]/[Down]/[Left]/[Right]:Change of a Selection item."
// The tree's hint as the status bar shows it: kTreeHint in the user's language.
QString TreeHint();

// The hint for a control, or a null string when it has none.
QString HintFor(const QString& objectName);
// The help context number of a control, or 0.
int HelpContextFor(const QString& objectName);

constexpr int kHelpContentsContext = 1001;
constexpr int kTransferHelpContext = 1012;

}  // namespace quorlink
