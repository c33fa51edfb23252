// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain: menus, toolbar, the tree and the data pane, the status bar, and
// every command the user can give.
#pragma once

#include "clone_protocol.h"
#include "edit_history.h"
#include "error_log.h"
#include "mmsi.h"
#include "navigation_tree.h"
#include "page_host.h"
#include "page_stack.h"
#include "port_names.h"
#include "transfer_runs.h"
#include "record_set.h"
#include "transfer_safety.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <QPointer>
#include <memory>

class QAction;
class QPrinter;
class QLabel;
class QMenu;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace quorlink {

struct Model;
struct TransferSetup;
class Prompt;
class CompareWindow;
enum class CompareSource;

struct WindowTimings {
    int pauseMs = 500;     // the pause that ends every long command
    int newDelayMs = 100;  // the deferred New waits for the menu to close
};

class MainWindow : public QMainWindow, public PageHost {
    Q_OBJECT

public:
    MainWindow(Model& model, Prompt& prompt, QString programFolder, WindowTimings timings = {});
    ~MainWindow() override;

    // What the pages may ask of the window.
    void SetPageHandler(Panel panel, PageHandler handler) override;
    void SetFieldHandler(Panel panel, FieldHandler handler) override;
    void AddRebuildStep(std::function<void()> step) override;
    void AddDirectoryColouring(std::function<void(DirectoryKind)> colour) override;
    Model& model() const override { return model_; }
    Prompt& prompt() const override { return prompt_; }
    const MidTable& Mids() const override { return mids_; }
    PageStack& Pages() override { return *pages_; }
    // Disables every page; the keyboard focus they held goes to the tree.
    void HideAllPages() override;
    NavigationTree& Tree() override { return *navigation_; }
    QTreeWidget* TreeWidget() const override { return tvTreeView_; }
    void SelectNodeByKey(const QString& key) override;
    void RefreshCurrentPage() override;
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    bool PageLoading() const override { return pageLoading_; }
    void SetCommitCheck(QWidget* field, std::function<bool()> check) override;
    bool CommitPendingEdit() override;
    bool RunTransferDialog(TransferMode mode) override;
    void StoreChange(const QString& name, QWidget* typingField = nullptr) override;

    // Opens a data file as File > Open does, without asking for its name.
    void OpenDataFile(const QString& path);

    // What the window shows, for the program, its tools and its tests.
    void UpdateTitle();
    // The tree texts and both directories' colours. Runs after every change
    // of the records as a whole (New, Open, a read, an image import, Import
    // Directory, Undo and Redo).
    void RefreshTreeAndColours();
    QString StatusText(int panel) const;
    int CurrentNodeIndex() const { return currentNodeIndex_; }
    const QString& HelpFile() const { return helpFile_; }
    void SetTransferTimings(const ProtocolTimings& timings) { transferTimings_ = timings; }
    // Replaces the system's list of serial ports (tests fill their own).
    void SetPortList(const PortList* ports) { portList_ = ports ? ports : &systemPorts_; }
    // Replaces the print dialog (tests print to a PDF file).
    void SetPrinterChooser(std::function<bool(QPrinter&)> choose) { choosePrinter_ = std::move(choose); }
    // Where backups and recovery copies go: the program's own folder.
    const QString& DataFolder() const { return programFolder_; }
    // Whether the records differ from those last opened, saved, read or made fresh.
    bool RecordsModified() const;

    // Layout, in twips.
    void SizeControls(double treeWidth);
    void SizeControls2(double treeWidth);
    double TreeWidthTwips() const;
    double WindowWidthTwips() const;

signals:
    // The page of a node was shown.
    void PageRequested(const QString& key, quorlink::Panel panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class SplitterHandle;
    class BusyScope;

    // Commands, as the menus and the toolbar run them.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    // A file from File > recent files; one that is gone leaves the list with a note.
    void OpenRecentFile(const QString& path);
    void mnuFileSave_Click() { SaveDataFile(true); }
    void mnuFileSaveAs_Click() { SaveDataFile(false); }
    void mnuFileSaveAsDefault_Click();
    void mnuFilePrint_Click();
    void mnuFilePrintToFile_Click();
    void mnuFileCompare_Click();
    // Loads the other side into a scratch model and opens the Compare window
    // (non-modal, deleted on close); null when nothing was loaded.
    CompareWindow* CompareWith(CompareSource source);
    // The editor's data against a data file or an image; nothing for an empty path.
    CompareWindow* CompareWithFile(const QString& path);
    void mnuFileRecover_Click();
    void mnuFileImportDirectory_Click();
    void mnuFileExportDirectory_Click();
    void mnuEditModel1_Click() { SwitchModel(1); }
    void mnuEditModel2_Click() { SwitchModel(0); }
    void mnuEditUndo_Click() { StepThroughHistory(true); }
    void mnuEditRedo_Click() { StepThroughHistory(false); }
    void mnuTransferProgram_Click();
    void mnuTransferRead_Click();
    void mnuOptionsSerialPort1_Click(int index);
    void mnuOptionsSerialPortDevice_Click();
    void mnuOptionsVerify_Click(bool on);
    // The write's change list, after the read that comes first; true writes.
    bool ApproveWriteChanges(const Model& radio);
    // Fresh data of the window's model, for the other side of a comparison.
    bool FreshLike(Model& scratch) const;
    CompareWindow* ShowComparison(const Model& scratch, const QString& origin);
    void AddRecoverCommand();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    void SaveHexImageCommand();   // Ctrl+F3 in the service mode
    void OpenHexImageCommand();   // Ctrl+F2 in the service mode
    void tbToolBar_ButtonClick(const QString& key);

    void RebuildAll();
    void UpdateModelMenu();
    // Names the device behind each COM item in its tooltip.
    void UpdatePortHints();
    // Sets status-bar panel 1.
    void SetHint(const QString& hint);
    // Sets status-bar panel 2, where the window tells what a command did
    // (after "Modified" while there are unsaved edits). The note stays until
    // the next command starts (CommitPendingEdit).
    void SetStateText(const QString& text);
    // The keyboard focus after a long command: to widget, or to the tree
    // when widget cannot take it.
    void GiveFocusBack(QWidget* widget);
    void ShowPage(QTreeWidgetItem* node);
    // After the page of key was shown: its field named field, in view and focused.
    void ShowField(const QString& key, const QString& field);
    void ColourDirectoryNodes(DirectoryKind kind);
    void SetPageLoading(bool on) override { pageLoading_ = on; }
    // The timings, help file, stored port devices, backups and check a transfer runs with now.
    TransferSetup TransferSetupNow();

    // Undo and redo.
    void BuildUndoItems(QMenu* edit);
    void StepThroughHistory(bool undo);
    void ShowStepPage(const QString& key);
    // The records were replaced as a whole (New, Open, a read, a model switch).
    void ClearHistory();
    void UpdateUndoItems();

    void BuildMenus();
    void AddDirectoryListCommands();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildCentralArea();
    void SetHelpContexts();
    void SaveDataFile(bool useCurrentName);
    void SwitchModel(int modelNumber);
    void DeferredNew();
    // Shortcuts and the recent files of the File menu.
    void AddFileMenuConveniences(QMenu* file);
    void AddRecentFile(const QString& path);
    void UpdateRecentMenu();
    // The help file at a context; when it is not there, the user guide at a section.
    void ShowHelpAt(int context, const QString& section);
    QString GuideSectionOf(const QWidget* focus) const;
    // Recovery copies and the "Modified" panel (main_window_safety.cpp).
    // False when the copy failed and the user chose to keep the edits.
    bool KeepDroppedEdits(const char* what);
    void MarkRecordsClean(bool imageAsLoaded);
    void UpdateModifiedPanel();
    TransferSafety Safety();

    void tvTreeView_NodeClick(QTreeWidgetItem* node);
    void tvTreeView_Click();
    void tvTreeView_Collapse(QTreeWidgetItem* node);
    void tvTreeView_Expand(QTreeWidgetItem* node);
    bool HandleKey(QObject* watched, class QKeyEvent* key);
    bool IsHistoryKey(const QKeyEvent& key) const;

    void imgSplitter_MouseDown();
    void imgSplitter_MouseMove(int x);
    void imgSplitter_MouseUp();
    void PlaceControls(double treeWidth, bool placeTabs);
    QSize SmallestWindowSize() const;
    void BuildSplitter(QWidget* central);

    Model& model_;
    Prompt& prompt_;
    QString programFolder_;
    ErrorLog log_;
    WindowTimings timings_;
    QString helpFile_;
    MidTable mids_;

    QTreeWidget* tvTreeView_ = nullptr;
    std::unique_ptr<NavigationTree> navigation_;
    QWidget* pictData_ = nullptr;
    std::unique_ptr<PageStack> pages_;
    QWidget* imgSplitter_ = nullptr;
    QWidget* picSplitter_ = nullptr;
    QLabel* statusPanels_[3] = {};  // panel 2 is an ElidedLabel
    QAction* mnuEditModel1_ = nullptr;
    QAction* mnuEditModel2_ = nullptr;
    QAction* serialPorts_[4] = {};
    QAction* recentBar_ = nullptr;
    QList<QAction*> recentActions_;
    QAction* mnuEditUndo_ = nullptr;
    QAction* mnuEditRedo_ = nullptr;
    QAction* mnuOptionsVerify_ = nullptr;
    QAction* mnuOptionsShowChanges_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* modifiedTimer_ = nullptr;

    bool pageLoading_ = false;
    int currentNodeIndex_ = -1;
    bool splitterDragging_ = false;
    QHash<QWidget*, std::function<bool()>> commitChecks_;
    QHash<int, PageHandler> pageHandlers_;
    QHash<int, FieldHandler> fieldHandlers_;
    QList<std::function<void()>> rebuildSteps_;
    QList<std::function<void(DirectoryKind)>> colourings_;
    EditHistory history_;
    QString shownKey_;        // node of the page on show: where a change is made
    bool replaying_ = false;  // an undo or redo is putting records back
    ProtocolTimings transferTimings_;
    std::function<bool(QPrinter&)> choosePrinter_;
    SystemPortList systemPorts_;
    const PortList* portList_ = &systemPorts_;
    RecordSet cleanRecords_;
    bool imageAsLoaded_ = false;  // MemoryImage is a raw image as opened, the records untouched since
    QString transferNotice_;      // a backup that failed during the last transfer
    QString stateText_;           // what the last command did, for panel 2 beside "Modified"
};

}  // namespace quorlink
