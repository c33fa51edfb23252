// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_shell.h"

#include "document.h"
#include "page_router.h"
#include "prompt.h"

#include <QDir>
#include <QTreeWidget>

namespace quorlink {

WindowCommands::WindowCommands(const CommandContext& context)
    : QObject(context.window), window_(context.window), shell_(context.shell), pages_(context.pages),
      document_(context.document), model_(context.document.Records()), prompt_(context.prompt), log_(context.log),
      timings_(context.timings), programFolder_(context.programFolder)
{
}

WindowDisabledWhileBusy WindowCommands::DisableWindow(FocusAfter after) const
{
    return WindowDisabledWhileBusy(window_, pages_.TreeWidget(), after);
}

void WindowCommands::NoteDone(const QString& what, const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    shell_.SetStateText(what.arg(shown), shown);
}

QString WindowCommands::AskOpenName(const QString& filter)
{
    return CommitPendingEdit() ? prompt_.OpenFileName(filter) : QString();
}

QString WindowCommands::AskSaveName(const QString& filter)
{
    return CommitPendingEdit() ? prompt_.SaveFileName(filter) : QString();
}

}  // namespace quorlink
