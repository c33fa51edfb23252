// SPDX-License-Identifier: GPL-3.0-or-later
// File > Import Directory... and Export Directory...: the directories to and
// from a list that clubs and fleets keep in a spreadsheet.
#include "main_window.h"

#include "directory_csv.h"
#include "latin1.h"
#include "model.h"
#include "prompt.h"

#include <QMenu>
#include <QMenuBar>

namespace quorlink {

namespace {

const QString kListFilter = QStringLiteral("csv files(*.csv)|*.csv|All files(*.*)|*.*");
const QString kImportTitle = QStringLiteral("Import Directory");
const QString kExportTitle = QStringLiteral("Export Directory");
constexpr int kRowsShown = 20;  // a longer report is cut: the box must fit on the screen

QString ImportSummary(const DirectoryImport& result)
{
    QStringList lines{QStringLiteral("%1 entries added.").arg(result.added)};
    const int count = static_cast<int>(result.rows.size());
    for (int i = 0; i < count && i < kRowsShown; ++i)
        lines << DescribeRow(result.rows[std::size_t(i)]);
    if (count > kRowsShown)
        lines << QStringLiteral("... and %1 more rows not taken as they stood.").arg(count - kRowsShown);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

// Placed after the print commands, ahead of the separator before Exit, so
// that the specified items keep their places.
void MainWindow::AddDirectoryListCommands()
{
    QMenu* file = menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    QAction* beforeExit = file->findChild<QAction*>(QStringLiteral("mnuFileBar3"));
    auto add = [&](const char* name, const char* caption, void (MainWindow::*command)()) {
        auto* action = new QAction(QString::fromLatin1(caption), file);
        action->setObjectName(QLatin1String(name));
        file->insertAction(beforeExit, action);
        connect(action, &QAction::triggered, this, command);
    };
    QAction* bar = new QAction(file);
    bar->setSeparator(true);
    bar->setObjectName(QStringLiteral("mnuFileBarDirectory"));
    file->insertAction(beforeExit, bar);
    add("mnuFileImportDirectory", "&Import Directory...", &MainWindow::mnuFileImportDirectory_Click);
    add("mnuFileExportDirectory", "&Export Directory...", &MainWindow::mnuFileExportDirectory_Click);
}

void MainWindow::mnuFileImportDirectory_Click()
{
    if (!CommitPendingEdit())
        return;
    const QString path = prompt_.OpenFileName(kListFilter);
    if (path.isEmpty())
        return;
    DirectoryImport result;
    if (const Fault fault = ImportDirectoryFile(model_, path, result)) {
        prompt_.Message(kImportTitle, ToQString(fault.description), MessageIcon::Exclamation);
        return;
    }
    StoreChange(kImportTitle);  // the whole import is one step
    RefreshCurrentPage();
    RefreshTreeAndColours();
    prompt_.Message(kImportTitle, ImportSummary(result),
                    result.rows.empty() ? MessageIcon::Information : MessageIcon::Exclamation);
}

void MainWindow::mnuFileExportDirectory_Click()
{
    if (!CommitPendingEdit())
        return;
    const QString path = prompt_.SaveFileName(kListFilter);
    if (path.isEmpty())
        return;
    if (const Fault fault = ExportDirectoryFile(model_, path))
        prompt_.Message(kExportTitle, ToQString(fault.description), MessageIcon::Exclamation);
}

}  // namespace quorlink
