// SPDX-License-Identifier: GPL-3.0-or-later
// File > Compare With...: the editor's data against a file, the radio or
// the last read of this radio. The other side is loaded into a scratch model,
// so the editor's data, its file and its title stay as they are.
#include "compare_commands.h"

#include "compare_window.h"
#include "comparison.h"
#include "data_file.h"
#include "document.h"
#include "file_filters.h"
#include "hex_file.h"
#include "model.h"
#include "outcome_box.h"
#include "page_router.h"
#include "prompt.h"
#include "read_backups.h"
#include "recover_dialog.h"
#include "transfer_dialog.h"

#include <QFileInfo>

namespace quorlink {

namespace {

// The file commands' outcome says what went wrong. A raw image keeps every bit.
bool LoadForCompare(Prompt& prompt, Model& scratch, const QString& path, const FileContext& context)
{
    const Outcome loaded =
        IsRawImageFile(path) ? ReadImageAsItStands(scratch, path, context) : FileRead2(scratch, path, context);
    ShowOutcome(prompt, loaded);
    return loaded.done();
}

}  // namespace

CompareCommands::CompareCommands(const CommandContext& context) : WindowCommands(context) {}

void CompareCommands::mnuFileCompare_Click()
{
    if (!CommitPendingEdit())
        return;
    const QString lastRead = LastReadOfRadio(document_.DataFolder(), document_.Records());
    if (const std::optional<CompareSource> source = AskCompareSource(window_, !lastRead.isEmpty()))
        CompareWith(*source, lastRead);
}

CompareWindow* CompareCommands::CompareWithFile(const QString& path)
{
    Model scratch;
    if (path.isEmpty() || !FreshLike(scratch) ||
        !LoadForCompare(prompt_, scratch, path, FileContext{log_, timings_.pauseMs}))
        return nullptr;
    return ShowComparison(scratch, IsRawImageFile(path), QFileInfo(path).fileName());
}

bool CompareCommands::FreshLike(Model& scratch) const
{
    const Model& records = document_.Records();
    scratch.ModelNumber = records.ModelNumber;
    scratch.PortNumber = records.PortNumber;
    scratch.VariantCode = records.VariantCode;
    scratch.DiagnosticMode = records.DiagnosticMode;
    return !NewModel(scratch);
}

CompareWindow* CompareCommands::CompareWith(CompareSource source, const QString& lastRead)
{
    Model scratch;
    if (!FreshLike(scratch))
        return nullptr;
    const FileContext context{log_, timings_.pauseMs};
    QString origin;
    switch (source) {
    case CompareSource::File:
        return CompareWithFile(prompt_.OpenFileName(CompareFilter()));
    case CompareSource::Radio: {
        // The radio's memory as it sent it, not as the read fix-up leaves it.
        TransferSetup setup = shell_.TransferSetupNow();
        setup.safety.received = [&scratch](const Image& image) { scratch.MemoryImage = image; };
        TransferDialog dialog(scratch, prompt_, log_, TransferMode::Read, setup, window_);
        dialog.exec();
        if (!dialog.TransferDone())
            return nullptr;
        origin = tr("the radio");
        break;
    }
    case CompareSource::LastRead: {
        if (lastRead.isEmpty()) {
            prompt_.Message(tr("Compare"), tr("No read of a radio with this model and user MMSI was kept."),
                            MessageIcon::Information);
            return nullptr;
        }
        if (!LoadForCompare(prompt_, scratch, lastRead, context))
            return nullptr;
        origin = tr("the last read of this radio (%1)").arg(QFileInfo(lastRead).fileName());
        break;
    }
    }
    return ShowComparison(scratch, true, origin);
}

CompareWindow* CompareCommands::ShowComparison(const Model& scratch, bool image, const QString& origin)
{
    const ComparedSide older{scratch, image ? SideKind::Image : SideKind::Data};
    const ComparedSide newer{document_.Records(), document_.SendImageAsIs() ? SideKind::Image : SideKind::Data};
    auto* window = new CompareWindow(CompareModels(older, newer),
                                     tr("Old: %1    New: the editor's data").arg(origin), prompt_,
                                     [this](const QString& key, const QString& field) {
                                         pages_.SelectNodeByKey(key);
                                         pages_.ShowField(key, field);
                                         window_->activateWindow();
                                         window_->raise();
                                     },
                                     window_);
    window->show();
    return window;
}

}  // namespace quorlink
