// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain: the shell of the editor: menus, toolbar, the tree and the data
// pane, the status bar and the layout. The commands are the command
// classes' (file, transfer, history, safety, compare, directory list,
// report and help commands); the data is the Document's.
#pragma once

#include "command_shell.h"
#include "document.h"
#include "error_log.h"
#include "mmsi.h"
#include "page_host.h"
#include "page_router.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QTreeWidget;

namespace quorlink {

struct Model;
class Prompt;
class CompareCommands;
class DirectoryListCommands;
class FileCommands;
class HelpCommands;
class HistoryCommands;
class ReportCommands;
class SafetyCommands;
class TransferCommands;

class MainWindow : public QMainWindow, public PageHost, public CommandShell {
    Q_OBJECT

public:
    // dataFolder: where backups and recovery copies go; empty: the one the command line uses too (DataFolder()).
    MainWindow(Model& model, Prompt& prompt, QString programFolder, WindowTimings timings = {},
               const QString& dataFolder = {});
    ~MainWindow() override;

    // What the pages may ask of the window.
    const Model& model() const override { return document_.Records(); }
    Prompt& prompt() const override { return prompt_; }
    const MidTable& Mids() const override { return mids_; }
    void SelectNodeByKey(const QString& key) override { router_->SelectNodeByKey(key); }
    void RefreshCurrentPage() override { router_->RefreshCurrentPage(); }
    void SetCommitCheck(QWidget* field, std::function<bool()> check) override;
    bool CommitPendingEdit() override;
    bool RunTransferDialog(TransferMode mode) override;
    void Edit(const QString& name, const std::function<void(Model&)>& change,
              QWidget* typingField = nullptr) override;

    // What the commands may ask of the window.
    void UpdateTitle() override;
    void SetHint(const QString& hint) override;
    void SetStateText(const QString& text, const QString& path) override;
    void RebuildAll() override;
    void OpenDataFile(const QString& path) override;
    void CompareWithFile(const QString& path) override;
    TransferSetup TransferSetupNow() override;
    QString HelpFile() const override;

    // The parts of the window, for the program, its tools and its tests.
    Document& Data() { return document_; }
    TransferCommands& Transfers() { return *transfers_; }
    ReportCommands& Reports() { return *reports_; }
    const HelpCommands& Help() const { return *help_; }
    PageStack& Pages() { return router_->Pages(); }
    NavigationTree& Tree() { return router_->Tree(); }
    QTreeWidget* TreeWidget() const { return router_->TreeWidget(); }
    int CurrentNodeIndex() const { return router_->CurrentNodeIndex(); }
    void RefreshTreeAndColours() { router_->RefreshTreeAndColours(); }
    QString StatusText(int panel) const;

    // Layout, in twips.
    void SizeControls(double treeWidth);
    void SizeControls2(double treeWidth);
    double TreeWidthTwips() const;
    double WindowWidthTwips() const;
    double TwipsPerPixelX() const;
    double TwipsPerPixelY() const;

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

    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildCentralArea();
    void UpdateModelMenu();
    void SwitchModel(int modelNumber);
    void tbToolBar_ButtonClick(const QString& key);
    // Panel 2: "Modified" while the records differ from the clean ones, and the note.
    void UpdateModifiedPanel();
    bool HandleKey(QObject* watched, class QKeyEvent* key);

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
    MidTable mids_;
    Document document_;

    QTreeWidget* tvTreeView_ = nullptr;
    QWidget* pictData_ = nullptr;
    std::unique_ptr<PageRouter> router_;
    QWidget* imgSplitter_ = nullptr;
    QWidget* picSplitter_ = nullptr;
    QLabel* statusPanels_[3] = {};  // panels 1 and 2 are ElidedLabels
    QAction* mnuEditModel1_ = nullptr;
    QAction* mnuEditModel2_ = nullptr;

    // The commands, by theme; children of the window.
    HelpCommands* help_ = nullptr;
    FileCommands* files_ = nullptr;
    TransferCommands* transfers_ = nullptr;
    HistoryCommands* history_ = nullptr;
    CompareCommands* compare_ = nullptr;
    SafetyCommands* safety_ = nullptr;
    DirectoryListCommands* directoryLists_ = nullptr;
    ReportCommands* reports_ = nullptr;

    bool splitterDragging_ = false;
    QHash<QWidget*, std::function<bool()>> commitChecks_;
    QString stateText_;  // what the last command did, for panel 2 beside "Modified"
    QString statePath_;  // the file named in it, the part a narrow panel cuts short
};

}  // namespace quorlink
