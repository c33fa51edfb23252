// SPDX-License-Identifier: GPL-3.0-or-later
// File > Recover...: the recovery copies the document kept of dropped edits,
// opened again or compared with the editor's data.
#pragma once

#include "command_shell.h"

#include <QCoreApplication>

class QMenu;

namespace quorlink {

class SafetyCommands : public WindowCommands {
    Q_DECLARE_TR_FUNCTIONS(SafetyCommands)

public:
    using WindowCommands::WindowCommands;

    void AddRecoverCommand(QMenu* file);

private:
    void mnuFileRecover_Click();
};

}  // namespace quorlink
