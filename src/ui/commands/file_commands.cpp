// SPDX-License-Identifier: GPL-3.0-or-later
// The file commands of the main window, and what users expect of a desktop
// editor beyond the classic menus: shortcuts for the file commands and the
// list of recently used files.
#include "file_commands.h"

#include "data_file.h"
#include "document.h"
#include "file_filters.h"
#include "file_path.h"
#include "hex_file.h"
#include "model.h"
#include "outcome_box.h"
#include "page_router.h"
#include "prompt.h"
#include "settings_store.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>
#include <utility>

namespace quorlink {

namespace {
// Shows how a file command ended; true when it is done.
bool Told(Prompt& prompt, const Outcome& outcome)
{
    ShowOutcome(prompt, outcome);
    return outcome.done();
}

constexpr int kRecentFileCount = 8;
}  // namespace

FileCommands::FileCommands(const CommandContext& context) : WindowCommands(context)
{
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, &FileCommands::DeferredNew);
}

void FileCommands::mnuFileNew_Click()
{
    if (!CommitPendingEdit())
        return;
    ScheduleNew();
}

void FileCommands::ScheduleNew() { timer1_->start(timings_.newDelayMs); }

void FileCommands::DeferredNew()
{
    timer1_->stop();
    {
        const auto busy = DisableWindow(FocusAfter::Tree);
        if (!document_.KeepDroppedEdits("new"))
            return;
        Pause(timings_.pauseMs);
        shell_.RebuildAll();
        pages_.RefreshCurrentPage();
    }
    window_->repaint();
}

void FileCommands::mnuFileOpen_Click()
{
    const QString path = AskOpenName(OpenFilter());
    if (path.isEmpty())
        return;
    OpenDataFile(path);
}

void FileCommands::OpenDataFile(const QString& path)
{
    const auto busy = DisableWindow(FocusAfter::Tree);
    // A backup is a raw image whatever its name: it loads as the image import does.
    const bool image = IsRawImageFile(path);
    const FileContext context{log_, timings_.pauseMs};
    // Read aside first: a file that fails to open drops no edits.
    Model scratch = document_.Records();
    bool opened = false;
    // The records are the import's; the image keeps every bit of the file,
    // so that writing it restores the radio exactly.
    if (image)
        opened = Told(prompt_, ReadImageAsItStands(scratch, path, context));
    else
        opened = Told(prompt_, FileRead2(scratch, path, context));
    if (opened && !document_.KeepDroppedEdits("open"))
        return;
    if (opened) {
        document_.ReplaceRecords([&scratch](Model& model) { model = std::move(scratch); },
                                 {Document::Source::File::Set, path, true, image});
        shell_.UpdateTitle();
        AddRecentFile(path);
    }
    pages_.ShowReplacedRecords();
}

void FileCommands::SaveDataFile(bool useCurrentName)
{
    if (!CommitPendingEdit())
        return;
    // A raw image taken over as the current file never receives the text format.
    const Model& records = document_.Records();
    const bool haveName = !records.CurrentFilePath.empty() && !IsRawImageFile(PathOf(records.CurrentFilePath));
    const QString path = useCurrentName && haveName ? PathOf(records.CurrentFilePath)
                                                    : prompt_.SaveFileName(DataFilter());
    if (path.isEmpty())
        return;
    const auto busy = DisableWindow();
    const FileContext context{log_, timings_.pauseMs, document_.DataFolder()};
    if (Told(prompt_, document_.WriteOut([&](Model& model) { return SaveFileAs(model, path, context); }))) {
        document_.SetCurrentFile(path);
        shell_.UpdateTitle();
        AddRecentFile(path);
        document_.MarkRecordsClean(document_.ImageAsLoaded());
        NoteDone(tr("Saved as %1"), path);
    }
}

void FileCommands::mnuFileSaveAsDefault_Click()
{
    if (!CommitPendingEdit())
        return;
    const auto busy = DisableWindow();
    const QString path = DefaultFilePath(programFolder_, document_.Records());
    const FileContext context{log_, timings_.pauseMs, document_.DataFolder()};
    if (Told(prompt_, document_.WriteOut([&](Model& model) { return SaveFileAsDefault(model, path, context); })))
        NoteDone(tr("Default file saved as %1"), path);
}

void FileCommands::SaveHexImageCommand()
{
    const QString path = AskSaveName(HexFilter());
    if (path.isEmpty())
        return;
    const auto busy = DisableWindow();
    const FileContext context{log_, timings_.pauseMs, document_.DataFolder()};
    if (Told(prompt_, document_.WriteOut([&](Model& model) { return SaveHexImage(model, path, context); }))) {
        document_.MarkRecordsClean(false);
        NoteDone(tr("Image exported to %1"), path);
    }
}

void FileCommands::OpenHexImageCommand()
{
    const QString path = AskOpenName(HexFilter());
    if (path.isEmpty())
        return;
    const auto busy = DisableWindow(FocusAfter::Tree);
    Model scratch = document_.Records();
    if (!Told(prompt_, ReadHexFileAs(scratch, path, FileContext{log_, timings_.pauseMs})))
        return;
    if (!document_.KeepDroppedEdits("open"))
        return;
    document_.ReplaceRecords([&scratch](Model& model) { model = std::move(scratch); },
                             {Document::Source::File::Set, path, true, false});
    pages_.ShowReplacedRecords();
    shell_.UpdateTitle();
}

void FileCommands::AddFileMenuConveniences(QMenu* file)
{
    const std::pair<const char*, QKeyCombination> shortcuts[] = {
        {"mnuFileNew", Qt::CTRL | Qt::Key_N},
        {"mnuFileOpen", Qt::CTRL | Qt::Key_O},
        {"mnuFileSave", Qt::CTRL | Qt::Key_S},
        {"mnuFilePrint", Qt::CTRL | Qt::Key_P},
    };
    for (const auto& [name, keys] : shortcuts)
        file->findChild<QAction*>(QLatin1String(name))->setShortcut(QKeySequence(keys));

    // The recent files sit between a separator of their own and the one above E&xit.
    QAction* exitBar = file->findChild<QAction*>(QStringLiteral("mnuFileBar3"));
    recentBar_ = new QAction(file);
    recentBar_->setSeparator(true);
    recentBar_->setObjectName(QStringLiteral("mnuFileRecentBar"));
    file->insertAction(exitBar, recentBar_);
    for (int i = 0; i < kRecentFileCount; ++i) {
        auto* action = new QAction(file);
        action->setObjectName(QStringLiteral("mnuFileRecent(%1)").arg(i));
        connect(action, &QAction::triggered, this, [this, action] { OpenRecentFile(action->data().toString()); });
        file->insertAction(exitBar, action);
        recentActions_.append(action);
    }
    UpdateRecentMenu();
}

void FileCommands::UpdateRecentMenu()
{
    const QStringList paths = SettingsStore::RecentFiles();
    recentBar_->setVisible(!paths.isEmpty());
    for (int i = 0; i < recentActions_.size(); ++i) {
        QAction* action = recentActions_[i];
        action->setVisible(i < paths.size());
        if (i >= paths.size())
            continue;
        QString shown = QDir::toNativeSeparators(paths[i]);
        action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown.replace(QLatin1Char('&'), QLatin1String("&&"))));
        action->setData(paths[i]);
    }
}

void FileCommands::AddRecentFile(const QString& path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList paths = SettingsStore::RecentFiles();
    paths.removeAll(full);
    paths.prepend(full);
    SettingsStore::StoreRecentFiles(paths.mid(0, kRecentFileCount));
    UpdateRecentMenu();
}

void FileCommands::OpenRecentFile(const QString& path)
{
    if (!CommitPendingEdit())
        return;
    if (!QFileInfo(path).isFile()) {
        QStringList paths = SettingsStore::RecentFiles();
        paths.removeAll(path);
        SettingsStore::StoreRecentFiles(paths);
        UpdateRecentMenu();
        prompt_.Message(window_->windowTitle(),
                        tr("%1 is no longer there; it was taken off the list of recent files.")
                            .arg(QDir::toNativeSeparators(path)),
                        MessageIcon::Information);
        return;
    }
    OpenDataFile(path);
}

}  // namespace quorlink
