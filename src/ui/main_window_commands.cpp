// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the main window: files, model switch, serial port, help.
#include "main_window.h"

#include "about_box.h"
#include "backups.h"
#include "control_tables.h"
#include "data_file.h"
#include "hex_file.h"
#include "file_path.h"
#include "model.h"
#include "outcome_box.h"
#include "prompt.h"
#include "settings_store.h"
#include "transfer_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>

namespace quorlink {

namespace {
const QString kDataFilter = QStringLiteral("dat files(*.dat)|*.dat|All files(*.*)|*.*");
// Open also finds the backups: raw images load by their content.
const QString kOpenFilter = kDataFilter + QStringLiteral("|Radio images (*.hex)|*.hex");
const QString kHexFilter = QStringLiteral("hex files(*.hex)|*.hex|All files(*.*)|*.*");

// Shows how a file command ended; true when it is done.
bool Told(Prompt& prompt, const Outcome& outcome)
{
    ShowOutcome(prompt, outcome);
    return outcome.done();
}
}  // namespace

// Busy pointer and a disabled window for the length of a command. Disabling
// the window takes the keyboard focus away; at the end it goes back where it
// was, or to the tree after a command that shows the data afresh (New, Open).
class MainWindow::BusyScope {
public:
    enum class FocusAfter { WhereItWas, Tree };

    explicit BusyScope(MainWindow* window, FocusAfter after = FocusAfter::WhereItWas)
        : window_(window), focus_(after == FocusAfter::Tree ? window->tvTreeView_ : window->focusWidget())
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        window_->setEnabled(false);
    }
    ~BusyScope()
    {
        window_->setEnabled(true);
        QApplication::restoreOverrideCursor();
        window_->GiveFocusBack(focus_);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    MainWindow* window_;
    QPointer<QWidget> focus_;
};

// A control that is gone, hidden or greyed out now cannot take the keyboard;
// the tree can, so that Up and Down work at once.
void MainWindow::GiveFocusBack(QWidget* widget)
{
    if (widget == nullptr || !widget->isVisible() || !widget->isEnabled())
        widget = tvTreeView_;
    widget->setFocus(Qt::OtherFocusReason);
}

void MainWindow::SetCommitCheck(QWidget* field, std::function<bool()> check)
{
    commitChecks_.insert(field, std::move(check));
}

// A field that validates itself when it loses the focus still has it while a
// menu or toolbar command runs; the command asks it first. The window's own
// focus widget is asked, not the application's: a box that was just shown
// (the model switch's question) holds the application's focus until the
// window is active again, and the field being edited is still this window's.
// Every command asks it first, so the note the previous command left in
// panel 2 goes here too.
bool MainWindow::CommitPendingEdit()
{
    SetStateText(QString());
    QWidget* focused = focusWidget();
    const auto check = commitChecks_.constFind(focused);
    if (check == commitChecks_.constEnd() || !focused->isEnabled())
        return true;
    return (*check)();
}

void MainWindow::mnuFileNew_Click()
{
    if (!CommitPendingEdit())
        return;
    timer1_->start(timings_.newDelayMs);
}

void MainWindow::DeferredNew()
{
    timer1_->stop();
    {
        BusyScope busy(this, BusyScope::FocusAfter::Tree);
        if (!KeepDroppedEdits("new"))
            return;
        Pause(timings_.pauseMs);
        RebuildAll();
        RefreshCurrentPage();
    }
    repaint();
}

void MainWindow::mnuFileOpen_Click()
{
    if (!CommitPendingEdit())
        return;
    const QString path = prompt_.OpenFileName(kOpenFilter);
    if (path.isEmpty())
        return;
    OpenDataFile(path);
}

void MainWindow::OpenDataFile(const QString& path)
{
    BusyScope busy(this, BusyScope::FocusAfter::Tree);
    // A backup is a raw image whatever its name: it loads as the image import does.
    const bool image = IsRawImageFile(path);
    const FileContext context{log_, timings_.pauseMs};
    // Read aside first: a file that fails to open drops no edits.
    Model scratch = model_;
    bool opened = false;
    if (image) {
        Image bytes{};
        const bool whole = ReadImageBytes(path, bytes);
        opened = Told(prompt_, ReadHexFileAs(scratch, path, context));
        // The records are the import's; the image keeps every bit of the
        // file, so that writing it restores the radio exactly.
        if (opened && whole)
            scratch.MemoryImage = bytes;
    } else
        opened = Told(prompt_, FileRead2(scratch, path, context));
    if (opened && !KeepDroppedEdits("open"))
        return;
    if (opened) {
        model_ = std::move(scratch);
        model_.CurrentFilePath = PathText(path);
        UpdateTitle();
        AddRecentFile(path);
        ClearHistory();
    }
    RefreshCurrentPage();
    RefreshTreeAndColours();
    if (opened)
        MarkRecordsClean(image);
}

void MainWindow::SaveDataFile(bool useCurrentName)
{
    if (!CommitPendingEdit())
        return;
    // A raw image taken over as the current file never receives the text format.
    const bool haveName = !model_.CurrentFilePath.empty() && !IsRawImageFile(PathOf(model_.CurrentFilePath));
    const QString path = useCurrentName && haveName ? PathOf(model_.CurrentFilePath)
                                                    : prompt_.SaveFileName(kDataFilter);
    if (path.isEmpty())
        return;
    BusyScope busy(this);
    if (Told(prompt_, SaveFileAs(model_, path, FileContext{log_, timings_.pauseMs, DataFolder()}))) {
        model_.CurrentFilePath = PathText(path);
        UpdateTitle();
        AddRecentFile(path);
        MarkRecordsClean(imageAsLoaded_);
    }
}

void MainWindow::mnuFileSaveAsDefault_Click()
{
    if (!CommitPendingEdit())
        return;
    BusyScope busy(this);
    const QString path = DefaultFilePath(programFolder_, model_);
    if (Told(prompt_, SaveFileAsDefault(model_, path, FileContext{log_, timings_.pauseMs, DataFolder()})))
        SetStateText(QStringLiteral("Default file saved as %1").arg(QDir::toNativeSeparators(path)));
}

void MainWindow::SaveHexImageCommand()
{
    if (!CommitPendingEdit())
        return;
    const QString path = prompt_.SaveFileName(kHexFilter);
    if (path.isEmpty())
        return;
    BusyScope busy(this);
    if (Told(prompt_, SaveHexImage(model_, path, FileContext{log_, timings_.pauseMs, DataFolder()})))
        MarkRecordsClean(false);
}

void MainWindow::OpenHexImageCommand()
{
    if (!CommitPendingEdit())
        return;
    const QString path = prompt_.OpenFileName(kHexFilter);
    if (path.isEmpty())
        return;
    BusyScope busy(this, BusyScope::FocusAfter::Tree);
    Model scratch = model_;
    if (!Told(prompt_, ReadHexFileAs(scratch, path, FileContext{log_, timings_.pauseMs})))
        return;
    if (!KeepDroppedEdits("open"))
        return;
    model_ = std::move(scratch);
    ClearHistory();
    RefreshCurrentPage();
    RefreshTreeAndColours();
    model_.CurrentFilePath = PathText(path);
    UpdateTitle();
    MarkRecordsClean(false);
}

void MainWindow::SwitchModel(int modelNumber)
{
    if ((modelNumber == 1) == (model_.ModelNumber == 1)) {
        UpdateModelMenu();  // a click on the checked item must not uncheck it
        return;
    }
    const QString chosen = modelNumber == 1 ? QStringLiteral("MR7100A") : QStringLiteral("MR5100A");
    const Answer answer = prompt_.Message(QStringLiteral("MR7100A/MR5100A QOR"),
                                          QStringLiteral("Do yo make new QOR Data for ") + chosen + QLatin1Char('?'),
                                          MessageIcon::Exclamation, MessageButtons::OkCancel);
    if (answer != Answer::Ok) {
        UpdateModelMenu();
        return;
    }
    // A field being typed into is checked first. Refused, it switches the
    // model but keeps the data, edits and all, until the next New: nothing
    // is dropped, so nothing is kept and the edits are still unsaved.
    const bool makeNew = CommitPendingEdit();
    if (makeNew) {
        // Kept under the old model's name; the New that follows then finds nothing to keep.
        if (!KeepDroppedEdits("model-switch")) {
            UpdateModelMenu();
            return;
        }
        MarkRecordsClean(false);
    }
    model_.ModelNumber = modelNumber;
    ClearHistory();
    UpdateModelMenu();
    SettingsStore::StoreModelNumber(modelNumber);
    if (makeNew)
        timer1_->start(timings_.newDelayMs);  // the New, as File > New runs it
}

void MainWindow::mnuOptionsSerialPort1_Click(int index)
{
    model_.PortNumber = static_cast<std::int16_t>(index + 1);
    for (int i = 0; i < 4; ++i)
        serialPorts_[i]->setChecked(i == index);
    if (isVisible())
        SettingsStore::StorePortNumber(index + 1);
}

TransferSetup MainWindow::TransferSetupNow()
{
    // An opened backup goes back to the radio exactly as it was read, unless it was edited.
    TransferSafety safety = Safety();
    safety.sendImageAsIs = imageAsLoaded_ && !RecordsModified();
    return TransferSetup{transferTimings_, helpFile_, SettingsStore::PortDevices(), safety};
}

bool MainWindow::RunTransferDialog(TransferMode mode)
{
    TransferSetup setup = TransferSetupNow();
    // Edits are dropped only once a whole read is in hand to replace them.
    if (mode == TransferMode::Read)
        setup.safety.beforeReplacing = [this] { return KeepDroppedEdits("read"); };
    TransferDialog dialog(model_, prompt_, log_, mode, setup, this);
    dialog.exec();
    return dialog.TransferDone();
}

void MainWindow::mnuTransferProgram_Click()
{
    if (!CommitPendingEdit())
        return;
    RunTransferDialog(TransferMode::Program);
}

void MainWindow::mnuTransferRead_Click()
{
    if (!CommitPendingEdit())
        return;
    if (!RunTransferDialog(TransferMode::Read))
        return;
    ClearHistory();
    RefreshCurrentPage();
    RefreshTreeAndColours();
    model_.CurrentFilePath.clear();
    UpdateTitle();
    MarkRecordsClean(false);
    if (!transferNotice_.isEmpty())
        SetHint(transferNotice_);  // the refreshed page put its own hint there
}

void MainWindow::mnuHelpContents_Click() { ShowHelpAt(kHelpContentsContext, QString()); }

void MainWindow::mnuHelpAbout_Click()
{
    AboutBox about(model_, this);
    about.exec();
}

void MainWindow::tbToolBar_ButtonClick(const QString& key)
{
    if (key == QLatin1String("New"))
        mnuFileNew_Click();
    else if (key == QLatin1String("Open"))
        mnuFileOpen_Click();
    else if (key == QLatin1String("Save"))
        mnuFileSave_Click();
    else if (key == QLatin1String("SaveAsDefault"))
        mnuFileSaveAsDefault_Click();
    else if (key == QLatin1String("Print"))
        mnuFilePrint_Click();
    else if (key == QLatin1String("Program"))
        mnuTransferProgram_Click();
    else if (key == QLatin1String("Read"))
        mnuTransferRead_Click();
}

}  // namespace quorlink
