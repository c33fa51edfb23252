// Printing and the report window.
#include "main_window.h"

namespace quorlink {

void MainWindow::mnuFilePrint_Click()
{
    if (!CommitPendingEdit())
        return;
    emit PrintRequested();
}

void MainWindow::mnuFilePrintToFile_Click() { emit ReportWindowRequested(); }

}  // namespace quorlink

namespace quorlink {
bool MainWindow::RunTransferDialog(int) { return false; }  // TEMPORARY until the transfer dialog lands
}
