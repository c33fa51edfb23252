// SPDX-License-Identifier: GPL-3.0-or-later
// What users expect of a desktop editor beyond the classic menus: shortcuts
// for the file commands and the list of recently used files.
#include "main_window.h"

#include "prompt.h"
#include "settings_store.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <utility>

namespace quorlink {

namespace {
constexpr int kRecentFileCount = 8;
}  // namespace

void MainWindow::AddFileMenuConveniences(QMenu* file)
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

void MainWindow::UpdateRecentMenu()
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

void MainWindow::AddRecentFile(const QString& path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList paths = SettingsStore::RecentFiles();
    paths.removeAll(full);
    paths.prepend(full);
    SettingsStore::StoreRecentFiles(paths.mid(0, kRecentFileCount));
    UpdateRecentMenu();
}

void MainWindow::OpenRecentFile(const QString& path)
{
    if (!CommitPendingEdit())
        return;
    if (!QFileInfo(path).isFile()) {
        QStringList paths = SettingsStore::RecentFiles();
        paths.removeAll(path);
        SettingsStore::StoreRecentFiles(paths);
        UpdateRecentMenu();
        prompt_.Message(windowTitle(),
                        QStringLiteral("%1 is no longer there; it was taken off the list of recent files.")
                            .arg(QDir::toNativeSeparators(path)),
                        MessageIcon::Information);
        return;
    }
    OpenDataFile(path);
}

}  // namespace quorlink
