// SPDX-License-Identifier: GPL-3.0-or-later
// File > Compare With...: the editor's data against a file, the radio or
// the last read of this radio. The other side is loaded into a scratch model,
// so the editor's data, its file and its title stay as they are.
#include "main_window.h"

#include "compare_window.h"
#include "data_file.h"
#include "hex_file.h"
#include "latin1.h"
#include "model.h"
#include "outcome_box.h"
#include "prompt.h"
#include "read_backups.h"
#include "recover_dialog.h"
#include "transfer_dialog.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace quorlink {

namespace {

const QString kCompareFilter =
    QStringLiteral("dat files(*.dat)|*.dat|hex files(*.hex)|*.hex|All files(*.*)|*.*");

// The file commands' outcome says what went wrong.
bool LoadForCompare(Prompt& prompt, Model& scratch, const QString& path, const FileContext& context)
{
    const Outcome loaded =
        IsRawImageFile(path) ? ReadHexFileAs(scratch, path, context) : FileRead2(scratch, path, context);
    ShowOutcome(prompt, loaded);
    return loaded.done();
}

}  // namespace

void MainWindow::mnuFileCompare_Click()
{
    if (!CommitPendingEdit())
        return;
    const bool lastRead = !LastReadOfRadio(programFolder_, model_).isEmpty();
    if (const std::optional<CompareSource> source = AskCompareSource(this, lastRead))
        CompareWith(*source);
}

CompareWindow* MainWindow::CompareWithFile(const QString& path)
{
    Model scratch;
    if (path.isEmpty() || !FreshLike(scratch) ||
        !LoadForCompare(prompt_, scratch, path, FileContext{log_, timings_.pauseMs}))
        return nullptr;
    return ShowComparison(scratch, QFileInfo(path).fileName());
}

bool MainWindow::FreshLike(Model& scratch) const
{
    scratch.ModelNumber = model_.ModelNumber;
    scratch.PortNumber = model_.PortNumber;
    scratch.VariantCode = model_.VariantCode;
    scratch.DiagnosticMode = model_.DiagnosticMode;
    return !NewModel(scratch);
}

CompareWindow* MainWindow::CompareWith(CompareSource source)
{
    Model scratch;
    if (!FreshLike(scratch))
        return nullptr;
    const FileContext context{log_, timings_.pauseMs};
    QString origin;
    switch (source) {
    case CompareSource::File:
        return CompareWithFile(prompt_.OpenFileName(kCompareFilter));
    case CompareSource::Radio: {
        TransferDialog dialog(scratch, prompt_, log_, TransferMode::Read, TransferSetupNow(), this);
        dialog.exec();
        if (!dialog.TransferDone())
            return nullptr;
        origin = QStringLiteral("the radio");
        break;
    }
    case CompareSource::LastRead: {
        const QString path = LastReadOfRadio(programFolder_, model_);
        if (path.isEmpty()) {
            prompt_.Message(QStringLiteral("Compare"),
                            QStringLiteral("No read of a radio with this model and user MMSI was kept."),
                            MessageIcon::Information);
            return nullptr;
        }
        if (!LoadForCompare(prompt_, scratch, path, context))
            return nullptr;
        origin = QStringLiteral("the last read of this radio (%1)").arg(QFileInfo(path).fileName());
        break;
    }
    }
    return ShowComparison(scratch, origin);
}

CompareWindow* MainWindow::ShowComparison(const Model& scratch, const QString& origin)
{
    auto* window = new CompareWindow(CompareModels(scratch, model_),
                                     QStringLiteral("Old: %1    New: the editor's data").arg(origin), prompt_,
                                     [this](const QString& key, const QString& field) {
                                         SelectNodeByKey(key);
                                         ShowField(key, field);
                                         activateWindow();
                                         raise();
                                     },
                                     this);
    window->show();
    return window;
}

void MainWindow::AddRecoverCommand()
{
    QMenu* file = menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    auto* action = new QAction(QStringLiteral("Re&cover..."), file);
    action->setObjectName(QStringLiteral("mnuFileRecover"));
    file->insertAction(file->findChild<QAction*>(QStringLiteral("mnuFileBar3")), action);
    connect(action, &QAction::triggered, this, &MainWindow::mnuFileRecover_Click);
}

void MainWindow::mnuFileRecover_Click()
{
    if (!CommitPendingEdit())
        return;
    const RecoverChoice choice = AskRecoverChoice(this, ListKeptCopies(DataFolder()));
    if (choice.path.isEmpty())
        return;
    if (choice.compare)
        CompareWithFile(choice.path);
    else
        OpenDataFile(choice.path);
}

}  // namespace quorlink
