// SPDX-License-Identifier: GPL-3.0-or-later
// Printing and the report window.
#include "report_commands.h"

#include "model.h"
#include "prompt.h"
#include "report_painter.h"
#include "report_window.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace quorlink {

namespace {

bool AskForPrinter(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

void ReportCommands::mnuFilePrint_Click()
{
    if (!CommitPendingEdit())
        return;
    QPrinter printer;
    const bool chosen = choosePrinter_ ? choosePrinter_(printer) : AskForPrinter(printer, window_);
    if (!chosen)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed = PaintReport(model_, printer);
    QApplication::restoreOverrideCursor();
    // A printer that is not set up refuses the job; say so rather than nothing.
    if (!printed)
        prompt_.Message(QStringLiteral("Quorlink"), tr("The report could not be printed."),
                        MessageIcon::Warning);
}

// No check step: the report shows what is stored, and an MMSI still being
// typed stays in its box, unchecked, for when the report is closed.
void ReportCommands::mnuFilePrintToFile_Click()
{
    shell_.SetStateText(QString(), QString());  // the previous command's note goes with the next command
    ReportWindow window(model_, prompt_, window_, timings_.pauseMs);
    window.exec();
}

}  // namespace quorlink
