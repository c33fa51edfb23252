// SPDX-License-Identifier: GPL-3.0-or-later
// File > Import Directory... and Export Directory...: the directories to and
// from a list that clubs and fleets keep in a spreadsheet.
#pragma once

#include "command_shell.h"

#include <QCoreApplication>

class QMenu;

namespace quorlink {

class PageHost;

class DirectoryListCommands : public WindowCommands {
    Q_DECLARE_TR_FUNCTIONS(DirectoryListCommands)

public:
    DirectoryListCommands(const CommandContext& context, PageHost& host);

    void AddDirectoryListCommands(QMenu* file);

private:
    void mnuFileImportDirectory_Click();
    void mnuFileExportDirectory_Click();

    PageHost& host_;  // where an import is stored as a change
};

}  // namespace quorlink
