// SPDX-License-Identifier: GPL-3.0-or-later
// File > Compare With...: the editor's data against a file, the radio or
// the last read of this radio.
#pragma once

#include "command_shell.h"

#include <QCoreApplication>

namespace quorlink {

class CompareWindow;
enum class CompareSource;

class CompareCommands : public WindowCommands {
    Q_DECLARE_TR_FUNCTIONS(CompareCommands)

public:
    explicit CompareCommands(const CommandContext& context);

    void mnuFileCompare_Click();
    // Loads the other side into a scratch model and opens the Compare window
    // (non-modal, deleted on close); null when nothing was loaded. lastRead is
    // the backup CompareSource::LastRead loads (LastReadOfRadio).
    CompareWindow* CompareWith(CompareSource source, const QString& lastRead);
    // The editor's data against a data file or an image; nothing for an empty path.
    CompareWindow* CompareWithFile(const QString& path);

private:
    // Fresh data of the window's model, for the other side of a comparison.
    bool FreshLike(Model& scratch) const;
    // scratch is an image (a radio's memory, a raw image file) or data.
    CompareWindow* ShowComparison(const Model& scratch, bool image, const QString& origin);
};

}  // namespace quorlink
