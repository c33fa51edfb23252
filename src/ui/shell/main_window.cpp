// SPDX-License-Identifier: GPL-3.0-or-later
// Construction of the main window: menus, toolbar, status bar, tree and
// data pane, and the start-up sequence.
#include "main_window.h"

#include "compare_commands.h"
#include "control_tables.h"
#include "directory_list_commands.h"
#include "elided_label.h"
#include "file_commands.h"
#include "help_commands.h"
#include "history_commands.h"
#include "language_menu.h"
#include "latin1.h"
#include "menu_items.h"
#include "mid_resource.h"
#include "model.h"
#include "install_pages.h"
#include "program_folder.h"
#include "prompt.h"
#include "report_commands.h"
#include "safety_commands.h"
#include "settings_store.h"
#include "transfer_commands.h"
#include "transfer_dialog.h"
#include "tree_lines_style.h"
#include "window_title.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace quorlink {

namespace {

constexpr double kInitialWidthPixels = 607;
constexpr double kInitialHeightPixels = 444;
constexpr double kInitialTreeTwips = 2500;

}  // namespace

MainWindow::MainWindow(Model& model, Prompt& prompt, QString programFolder, WindowTimings timings,
                       const QString& dataFolder)
    : model_(model), prompt_(prompt), programFolder_(std::move(programFolder)), log_(programFolder_),
      timings_(timings), mids_(LoadShippedMidTable()),
      document_(model, prompt, dataFolder.isEmpty() ? DataFolder() : dataFolder),
      router_(std::make_unique<PageRouter>(this, document_, [this](const QString& hint) { SetHint(hint); }))
{
    setObjectName(QStringLiteral("frmMain"));
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    model_.VariantCode = "RV48";
    connect(router_.get(), &PageRouter::PageRequested, this, &MainWindow::PageRequested);
    const CommandContext context{this, *this, *router_, document_, prompt_, log_, timings_, programFolder_};
    help_ = new HelpCommands(context);
    files_ = new FileCommands(context);
    transfers_ = new TransferCommands(context);
    history_ = new HistoryCommands(context);
    compare_ = new CompareCommands(context);
    safety_ = new SafetyCommands(context);
    directoryLists_ = new DirectoryListCommands(context);
    reports_ = new ReportCommands(context);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    BuildCentralArea();
    connect(&document_, &Document::Changed, this, &MainWindow::UpdateModifiedPanel);

    SettingsStore::Load(model_);
    UpdateModelMenu();
    transfers_->mnuOptionsSerialPort1_Click(model_.PortNumber - 1);  // hidden still: only marks the entry

    setMinimumSize(SmallestWindowSize());
    resize(qRound(kInitialWidthPixels), qRound(kInitialHeightPixels));
    BuildPlanTables(model_);
    InstallPages(*this, *router_);
    RebuildAll();
    help_->SetHelpContexts();
    SizeControls(kInitialTreeTwips);
    // Large type or a longer language may need more room than the twips give.
    ensurePolished();  // the pages' sizes as the desktop's style and font make them
    setMinimumSize(SmallestWindowSize());
    resize(size().expandedTo(minimumSize()));

    QApplication::restoreOverrideCursor();
    setEnabled(true);
    qApp->installEventFilter(this);  // key preview: the window sees every key first
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddAction(file, "mnuFileNew", tr("&New")), &QAction::triggered, files_, &FileCommands::mnuFileNew_Click);
    connect(AddAction(file, "mnuFileOpen", tr("&Open")), &QAction::triggered, files_, &FileCommands::mnuFileOpen_Click);
    AddSeparator(file, "mnuFileBar1");
    connect(AddAction(file, "mnuFileSave", tr("&Save")), &QAction::triggered, files_, &FileCommands::mnuFileSave_Click);
    connect(AddAction(file, "mnuFileSaveAs", tr("Save &As...")), &QAction::triggered, files_,
            &FileCommands::mnuFileSaveAs_Click);
    QAction* saveAsDefault = AddAction(file, "mnuFileSaveAsDefault", tr("Save As &Default"));
    saveAsDefault->setVisible(false);  // reachable from the toolbar only
    connect(saveAsDefault, &QAction::triggered, files_, &FileCommands::mnuFileSaveAsDefault_Click);
    AddSeparator(file, "mnuFileBar2");
    connect(AddAction(file, "mnuFilePrint", tr("&Print")), &QAction::triggered, reports_,
            &ReportCommands::mnuFilePrint_Click);
    connect(AddAction(file, "mnuFilePrintToFile", tr("P&rint to File")), &QAction::triggered, reports_,
            &ReportCommands::mnuFilePrintToFile_Click);
    AddSeparator(file, "mnuFileBarCompare");  // the additions follow the specified items
    connect(AddAction(file, "mnuFileCompare", tr("Co&mpare With...")), &QAction::triggered, compare_,
            &CompareCommands::mnuFileCompare_Click);
    AddSeparator(file, "mnuFileBar3");
    connect(AddAction(file, "mnuFileExit", tr("E&xit")), &QAction::triggered, this, &QWidget::close);
    directoryLists_->AddDirectoryListCommands(file);  // before the recent files, which end just above E&xit
    safety_->AddRecoverCommand(file);
    files_->AddFileMenuConveniences(file);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QMenu* models = edit->addMenu(tr("&Model"));
    models->setObjectName(QStringLiteral("mnuEditModel"));
    mnuEditModel1_ = AddAction(models, "mnuEditModel1", QStringLiteral("&MR7100A"));
    mnuEditModel2_ = AddAction(models, "mnuEditModel2", QStringLiteral("M&R5100A"));
    for (QAction* a : {mnuEditModel1_, mnuEditModel2_})
        a->setCheckable(true);
    connect(mnuEditModel1_, &QAction::triggered, this, [this] { SwitchModel(1); });
    connect(mnuEditModel2_, &QAction::triggered, this, [this] { SwitchModel(0); });
    AddSeparator(edit, "mnuEditBar1");
    history_->BuildUndoItems(edit);

    QMenu* transfer = menuBar()->addMenu(tr("&Transfer"));
    transfer->setObjectName(QStringLiteral("mnuTransfer"));
    connect(AddAction(transfer, "mnuTransferProgram", tr("&Program to Radio")), &QAction::triggered, transfers_,
            &TransferCommands::mnuTransferProgram_Click);
    connect(AddAction(transfer, "mnuTransferRead", tr("&Read from Radio")), &QAction::triggered, transfers_,
            &TransferCommands::mnuTransferRead_Click);

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    transfers_->AddOptionItems(options);
    AddLanguageMenu(options, prompt_);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(AddAction(help, "mnuHelpContents", tr("&Contents")), &QAction::triggered, help_,
            &HelpCommands::mnuHelpContents_Click);
    AddSeparator(help, "mnuHelpBar0");
    connect(AddAction(help, "mnuHelpAbout", tr("&About QOR Version")), &QAction::triggered, help_,
            &HelpCommands::mnuHelpAbout_Click);
}

void MainWindow::BuildToolBar()
{
    QToolBar* toolbar = addToolBar(tr("Toolbar"));
    toolbar->setObjectName(QStringLiteral("tbToolBar"));
    toolbar->setMovable(false);
    const struct { const char* key; const char* tip; const char* icon; QStyle::StandardPixmap fallback; } buttons[] = {
        {"New", QT_TR_NOOP("New"), "document-new", QStyle::SP_FileIcon},
        {"Open", QT_TR_NOOP("Open..."), "document-open", QStyle::SP_DialogOpenButton},
        {"Save", QT_TR_NOOP("Save"), "document-save", QStyle::SP_DialogSaveButton},
        {"SaveAsDefault", QT_TR_NOOP("Save As Default"), "document-save-as", QStyle::SP_DriveHDIcon},
        {"Print", QT_TR_NOOP("Print"), "document-print", QStyle::SP_FileDialogDetailedView},
        {"Program", QT_TR_NOOP("Program to Radio"), "go-up", QStyle::SP_ArrowUp},
        {"Read", QT_TR_NOOP("Read from Radio"), "go-down", QStyle::SP_ArrowDown},
    };
    for (const auto& b : buttons) {
        const QString key = QLatin1String(b.key);
        const QIcon icon = QIcon::fromTheme(QLatin1String(b.icon), style()->standardIcon(b.fallback));
        // The buttons show only their icons; the text is what a screen reader says of them.
        QAction* action = toolbar->addAction(icon, tr(b.tip));
        action->setObjectName(key);
        action->setToolTip(tr(b.tip));
        connect(action, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
}

void MainWindow::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < 3; ++i) {
        // Of a long note in panel 2 its path is cut in the middle; the note is whole in its tooltip.
        // The hint in panel 1 is cut at its end only where the window is too narrow for it
        // (large type), and is whole in its tooltip too.
        statusPanels_[i] = i == 2 ? new QLabel(bar) : new ElidedLabel(bar);
        statusPanels_[i]->setObjectName(QStringLiteral("sbStatusBarPanel%1").arg(i + 1));
        bar->addPermanentWidget(statusPanels_[i], i == 0 ? 1 : 0);
    }
    statusPanels_[1]->setMinimumWidth(60);
}

void MainWindow::BuildCentralArea()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    setCentralWidget(central);

    tvTreeView_ = new QTreeWidget(central);
    tvTreeView_->setObjectName(QStringLiteral("tvTreeView"));
    tvTreeView_->setAccessibleName(tr("Radio memory"));  // its headers are hidden: a screen reader needs a name
    tvTreeView_->setHeaderHidden(true);
    tvTreeView_->setRootIsDecorated(true);
    tvTreeView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvTreeView_->setFrameShape(QFrame::Box);
    auto* lines = new TreeLinesStyle;
    lines->setParent(tvTreeView_);
    tvTreeView_->setStyle(lines);
    // Long node texts scroll instead of being cut short.
    tvTreeView_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tvTreeView_->header()->setStretchLastSection(false);
    QFont bold = tvTreeView_->font();
    bold.setBold(true);
    tvTreeView_->setFont(bold);
    pictData_ = new QFrame(central);
    pictData_->setObjectName(QStringLiteral("pictData"));
    static_cast<QFrame*>(pictData_)->setFrameShape(QFrame::StyledPanel);
    router_->Attach(tvTreeView_, pictData_);
    BuildSplitter(central);
}

QString MainWindow::StatusText(int panel) const { return statusPanels_[panel - 1]->text(); }

void MainWindow::SetHint(const QString& hint) { static_cast<ElidedLabel*>(statusPanels_[0])->SetWholeText(hint); }

void MainWindow::SetStateText(const QString& text, const QString& path)
{
    stateText_ = text;
    statePath_ = path;
    UpdateModifiedPanel();
}

void MainWindow::UpdateModifiedPanel()
{
    QString text = stateText_;
    if (document_.RecordsModified())
        text = stateText_.isEmpty() ? tr("Modified") : tr("Modified  %1").arg(stateText_);
    static_cast<ElidedLabel*>(statusPanels_[1])->SetWholeText(text, statePath_);
}

void MainWindow::UpdateModelMenu()
{
    mnuEditModel1_->setChecked(model_.ModelNumber == 1);
    mnuEditModel2_->setChecked(model_.ModelNumber != 1);
    statusPanels_[2]->setText(ToQString(model_.ModelName()));
}

void MainWindow::UpdateTitle() { setWindowTitle(WindowTitle(model_)); }

void MainWindow::paintEvent(QPaintEvent* event)
{
    statusPanels_[2]->setText(ToQString(model_.ModelName()));
    QMainWindow::paintEvent(event);
}

void MainWindow::RebuildAll()
{
    const PageLoadingScope loading(*this);
    document_.ReplaceRecords([](Model& model) { NewModel(model); }, {});
    router_->Rebuild();
    SetHint(QString());
    SelectNodeByKey(TreeKey(NodeKey::Setting));
    UpdateTitle();
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
    SetStateText(QString(), QString());
    QWidget* focused = focusWidget();
    const auto check = commitChecks_.constFind(focused);
    if (check == commitChecks_.constEnd() || !focused->isEnabled())
        return true;
    return (*check)();
}

void MainWindow::OpenDataFile(const QString& path) { files_->OpenDataFile(path); }

void MainWindow::CompareWithFile(const QString& path) { compare_->CompareWithFile(path); }

TransferSetup MainWindow::TransferSetupNow() { return transfers_->TransferSetupNow(); }

QString MainWindow::HelpFile() const { return help_->HelpFile(); }

bool MainWindow::RunTransferDialog(TransferMode mode) { return transfers_->RunTransferDialog(mode); }

void MainWindow::Edit(const QString& name, const std::function<void(Model&)>& change, QWidget* typingField)
{
    document_.Edit(name, router_->ShownKey(), typingField, change);
}

void MainWindow::SwitchModel(int modelNumber)
{
    if ((modelNumber == 1) == (model_.ModelNumber == 1)) {
        UpdateModelMenu();  // a click on the checked item must not uncheck it
        return;
    }
    const QString chosen = modelNumber == 1 ? QStringLiteral("MR7100A") : QStringLiteral("MR5100A");
    const Answer answer = prompt_.Message(QStringLiteral("MR7100A/MR5100A QOR"),
                                          tr("Do yo make new QOR Data for %1?").arg(chosen),
                                          MessageIcon::Exclamation, MessageButtons::OkCancel);
    if (answer != Answer::Ok) {
        UpdateModelMenu();
        return;
    }
    // A field being typed into is checked first. Refused, it switches the
    // model but keeps the data, edits and all, until the next New: nothing
    // is dropped, so nothing is kept and the edits are still unsaved.
    const bool makeNew = CommitPendingEdit();
    // Kept under the old model's name; the New that follows then finds nothing to keep.
    if (makeNew && !document_.KeepDroppedEdits("model-switch")) {
        UpdateModelMenu();
        return;
    }
    Document::Source source;
    source.file = Document::Source::File::Keep;
    source.clean = makeNew;
    document_.ReplaceRecords([modelNumber](Model& model) { model.ModelNumber = modelNumber; }, source);
    UpdateModelMenu();
    SettingsStore::StoreModelNumber(modelNumber);
    if (makeNew)
        files_->ScheduleNew();  // the New, as File > New runs it
}

void MainWindow::tbToolBar_ButtonClick(const QString& key)
{
    if (key == QLatin1String("New"))
        files_->mnuFileNew_Click();
    else if (key == QLatin1String("Open"))
        files_->mnuFileOpen_Click();
    else if (key == QLatin1String("Save"))
        files_->mnuFileSave_Click();
    else if (key == QLatin1String("SaveAsDefault"))
        files_->mnuFileSaveAsDefault_Click();
    else if (key == QLatin1String("Print"))
        reports_->mnuFilePrint_Click();
    else if (key == QLatin1String("Program"))
        transfers_->mnuTransferProgram_Click();
    else if (key == QLatin1String("Read"))
        transfers_->mnuTransferRead_Click();
}

}  // namespace quorlink
