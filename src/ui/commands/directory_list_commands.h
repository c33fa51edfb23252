// SPDX-License-Identifier: GPL-3.0-or-later
// File > Import Directory... and Export Directory...: the directories to and
// from a list that clubs and fleets keep in a spreadsheet.
#pragma once

#include "command_shell.h"

#include <QCoreApplication>

class QMenu;

namespace quorlink {


class DirectoryListCommands : public WindowCommands {
    Q_DECLARE_TR_FUNCTIONS(DirectoryListCommands)

public:
    using WindowCommands::WindowCommands;

    void AddDirectoryListCommands(QMenu* file);

private:
    void mnuFileImportDirectory_Click();
    void mnuFileExportDirectory_Click();
};

}  // namespace quorlink
