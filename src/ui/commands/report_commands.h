// SPDX-License-Identifier: GPL-3.0-or-later
// File > Print and Print to File.
#pragma once

#include "command_shell.h"

#include <QCoreApplication>
#include <functional>

class QPrinter;

namespace quorlink {

class ReportCommands : public WindowCommands {
    Q_DECLARE_TR_FUNCTIONS(ReportCommands)

public:
    using WindowCommands::WindowCommands;

    void mnuFilePrint_Click();
    void mnuFilePrintToFile_Click();
    // Replaces the print dialog (tests print to a PDF file).
    void SetPrinterChooser(std::function<bool(QPrinter&)> choose) { choosePrinter_ = std::move(choose); }

private:
    std::function<bool(QPrinter&)> choosePrinter_;
};

}  // namespace quorlink
