// SPDX-License-Identifier: GPL-3.0-or-later
// File > New, Open, Save, Save As, Save As Default and the recent files, and
// the raw images of the service mode.
#pragma once

#include "command_shell.h"

#include <QCoreApplication>
#include <QList>

class QAction;
class QMenu;
class QTimer;

namespace quorlink {

class FileCommands : public WindowCommands {
    Q_DECLARE_TR_FUNCTIONS(FileCommands)

public:
    explicit FileCommands(const CommandContext& context);

    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    // Opens a data file as File > Open does, without asking for its name.
    void OpenDataFile(const QString& path);
    void mnuFileSave_Click() { SaveDataFile(true); }
    void mnuFileSaveAs_Click() { SaveDataFile(false); }
    void mnuFileSaveAsDefault_Click();
    void SaveHexImageCommand();   // Ctrl+F3 in the service mode
    void OpenHexImageCommand();   // Ctrl+F2 in the service mode
    // The New as File > New runs it, once the menu has closed.
    void ScheduleNew();
    // Shortcuts and the recent files of the File menu.
    void AddFileMenuConveniences(QMenu* file);

private:
    void DeferredNew();
    void SaveDataFile(bool useCurrentName);
    // A file from File > recent files; one that is gone leaves the list with a note.
    void OpenRecentFile(const QString& path);
    void AddRecentFile(const QString& path);
    void UpdateRecentMenu();

    QTimer* timer1_ = nullptr;
    QAction* recentBar_ = nullptr;
    QList<QAction*> recentActions_;
};

}  // namespace quorlink
