// SPDX-License-Identifier: GPL-3.0-or-later
// Construction of the main window: menus, toolbar, status bar, tree and
// data pane, and the start-up sequence.
#include "main_window.h"

#include "control_tables.h"
#include "elided_label.h"
#include "latin1.h"
#include "mid_resource.h"
#include "model.h"
#include "pages/install_pages.h"
#include "program_folder.h"
#include "prompt.h"
#include "settings_store.h"
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

QAction* AddAction(QMenu* menu, const char* name, const char* caption)
{
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QLatin1String(name));
    return action;
}

void AddSeparator(QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QLatin1String(name)); }

}  // namespace

MainWindow::MainWindow(Model& model, Prompt& prompt, QString programFolder, WindowTimings timings)
    : model_(model), prompt_(prompt), programFolder_(std::move(programFolder)), log_(programFolder_),
      timings_(timings), mids_(LoadShippedMidTable())
{
    setObjectName(QStringLiteral("frmMain"));
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    model_.VariantCode = "RV48";
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    BuildCentralArea();

    SettingsStore::Load(model_);
    UpdateModelMenu();
    mnuOptionsSerialPort1_Click(model_.PortNumber - 1);  // hidden still: only marks the entry

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, &MainWindow::DeferredNew);

    setMinimumSize(SmallestWindowSize());
    resize(qRound(kInitialWidthPixels), qRound(kInitialHeightPixels));
    BuildPlanTables(model_);
    InstallPages(*this);
    RebuildAll();
    SetHelpContexts();
    SizeControls(kInitialTreeTwips);

    QApplication::restoreOverrideCursor();
    setEnabled(true);
    qApp->installEventFilter(this);  // key preview: the window sees every key first
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddAction(file, "mnuFileNew", "&New"), &QAction::triggered, this, &MainWindow::mnuFileNew_Click);
    connect(AddAction(file, "mnuFileOpen", "&Open"), &QAction::triggered, this, &MainWindow::mnuFileOpen_Click);
    AddSeparator(file, "mnuFileBar1");
    connect(AddAction(file, "mnuFileSave", "&Save"), &QAction::triggered, this, &MainWindow::mnuFileSave_Click);
    connect(AddAction(file, "mnuFileSaveAs", "Save &As..."), &QAction::triggered, this,
            &MainWindow::mnuFileSaveAs_Click);
    QAction* saveAsDefault = AddAction(file, "mnuFileSaveAsDefault", "Save As &Default");
    saveAsDefault->setVisible(false);  // reachable from the toolbar only
    connect(saveAsDefault, &QAction::triggered, this, &MainWindow::mnuFileSaveAsDefault_Click);
    AddSeparator(file, "mnuFileBar2");
    connect(AddAction(file, "mnuFilePrint", "&Print"), &QAction::triggered, this, &MainWindow::mnuFilePrint_Click);
    connect(AddAction(file, "mnuFilePrintToFile", "P&rint to File"), &QAction::triggered, this,
            &MainWindow::mnuFilePrintToFile_Click);
    AddSeparator(file, "mnuFileBarCompare");  // the additions follow the specified items
    connect(AddAction(file, "mnuFileCompare", "Co&mpare With..."), &QAction::triggered, this,
            &MainWindow::mnuFileCompare_Click);
    AddSeparator(file, "mnuFileBar3");
    connect(AddAction(file, "mnuFileExit", "E&xit"), &QAction::triggered, this, &QWidget::close);
    AddDirectoryListCommands();  // before the recent files, which end just above E&xit
    AddRecoverCommand();
    AddFileMenuConveniences(file);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QMenu* models = edit->addMenu(QStringLiteral("&Model"));
    models->setObjectName(QStringLiteral("mnuEditModel"));
    mnuEditModel1_ = AddAction(models, "mnuEditModel1", "&MR7100A");
    mnuEditModel2_ = AddAction(models, "mnuEditModel2", "M&R5100A");
    for (QAction* a : {mnuEditModel1_, mnuEditModel2_})
        a->setCheckable(true);
    connect(mnuEditModel1_, &QAction::triggered, this, &MainWindow::mnuEditModel1_Click);
    connect(mnuEditModel2_, &QAction::triggered, this, &MainWindow::mnuEditModel2_Click);
    AddSeparator(edit, "mnuEditBar1");
    BuildUndoItems(edit);

    QMenu* transfer = menuBar()->addMenu(QStringLiteral("&Transfer"));
    transfer->setObjectName(QStringLiteral("mnuTransfer"));
    connect(AddAction(transfer, "mnuTransferProgram", "&Program to Radio"), &QAction::triggered, this,
            &MainWindow::mnuTransferProgram_Click);
    connect(AddAction(transfer, "mnuTransferRead", "&Read from Radio"), &QAction::triggered, this,
            &MainWindow::mnuTransferRead_Click);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    QMenu* ports = options->addMenu(QStringLiteral("&SerialPort"));
    ports->setObjectName(QStringLiteral("mnuOptionsSerialPort"));
    for (int i = 0; i < 4; ++i) {
        serialPorts_[i] = ports->addAction(QStringLiteral("COM&%1").arg(i + 1));
        serialPorts_[i]->setObjectName(QStringLiteral("mnuOptionsSerialPort1(%1)").arg(i));
        serialPorts_[i]->setCheckable(true);
        connect(serialPorts_[i], &QAction::triggered, this, [this, i] { mnuOptionsSerialPort1_Click(i); });
    }
    AddSeparator(ports, "mnuOptionsSerialPortBar0");
    connect(AddAction(ports, "mnuOptionsSerialPortDevice", "&Device..."), &QAction::triggered, this,
            &MainWindow::mnuOptionsSerialPortDevice_Click);
    ports->setToolTipsVisible(true);
    connect(ports, &QMenu::aboutToShow, this, &MainWindow::UpdatePortHints);
    AddSeparator(options, "mnuOptionsBar1");
    mnuOptionsVerify_ = AddAction(options, "mnuOptionsVerify", "&Verify After Writing");
    mnuOptionsVerify_->setCheckable(true);
    mnuOptionsVerify_->setChecked(SettingsStore::VerifyAfterWriting());
    connect(mnuOptionsVerify_, &QAction::triggered, this, &MainWindow::mnuOptionsVerify_Click);
    mnuOptionsShowChanges_ = AddAction(options, "mnuOptionsShowChanges", "Show Changes Before &Writing");
    mnuOptionsShowChanges_->setCheckable(true);
    mnuOptionsShowChanges_->setChecked(SettingsStore::ShowChangesBeforeWriting());
    connect(mnuOptionsShowChanges_, &QAction::triggered, this, [](bool on) {
        SettingsStore::StoreShowChangesBeforeWriting(on);
    });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(AddAction(help, "mnuHelpContents", "&Contents"), &QAction::triggered, this,
            &MainWindow::mnuHelpContents_Click);
    AddSeparator(help, "mnuHelpBar0");
    connect(AddAction(help, "mnuHelpAbout", "&About QOR Version"), &QAction::triggered, this,
            &MainWindow::mnuHelpAbout_Click);
}

void MainWindow::BuildToolBar()
{
    QToolBar* toolbar = addToolBar(QStringLiteral("Toolbar"));
    toolbar->setObjectName(QStringLiteral("tbToolBar"));
    toolbar->setMovable(false);
    const struct { const char* key; const char* tip; const char* icon; QStyle::StandardPixmap fallback; } buttons[] = {
        {"New", "New", "document-new", QStyle::SP_FileIcon},
        {"Open", "Open...", "document-open", QStyle::SP_DialogOpenButton},
        {"Save", "Save", "document-save", QStyle::SP_DialogSaveButton},
        {"SaveAsDefault", "Save As Default", "document-save-as", QStyle::SP_DriveHDIcon},
        {"Print", "Print", "document-print", QStyle::SP_FileDialogDetailedView},
        {"Program", "Program to Radio", "go-up", QStyle::SP_ArrowUp},
        {"Read", "Read from Radio", "go-down", QStyle::SP_ArrowDown},
    };
    for (const auto& b : buttons) {
        const QString key = QLatin1String(b.key);
        const QIcon icon = QIcon::fromTheme(QLatin1String(b.icon), style()->standardIcon(b.fallback));
        QAction* action = toolbar->addAction(icon, key);
        action->setObjectName(key);
        action->setToolTip(QLatin1String(b.tip));
        connect(action, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
}

void MainWindow::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < 3; ++i) {
        // A long note in panel 2 (a path) is cut in the middle, whole in its tooltip.
        statusPanels_[i] = i == 1 ? new ElidedLabel(bar) : new QLabel(bar);
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
    navigation_ = std::make_unique<NavigationTree>(tvTreeView_);
    connect(tvTreeView_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { tvTreeView_NodeClick(current); });
    connect(tvTreeView_, &QTreeWidget::itemClicked, this, [this] { tvTreeView_Click(); });
    // A click on the empty area clears the selection but not the current
    // node; the node whose page is shown stays highlighted.
    connect(tvTreeView_, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (QTreeWidgetItem* current = tvTreeView_->currentItem(); current && !current->isSelected())
            current->setSelected(true);
    });
    connect(tvTreeView_, &QTreeWidget::itemCollapsed, this, &MainWindow::tvTreeView_Collapse);
    connect(tvTreeView_, &QTreeWidget::itemExpanded, this, &MainWindow::tvTreeView_Expand);

    pictData_ = new QFrame(central);
    pictData_->setObjectName(QStringLiteral("pictData"));
    static_cast<QFrame*>(pictData_)->setFrameShape(QFrame::StyledPanel);
    pages_ = std::make_unique<PageStack>(pictData_);
    BuildSplitter(central);
}

QString MainWindow::StatusText(int panel) const { return statusPanels_[panel - 1]->text(); }

void MainWindow::SetHint(const QString& hint) { statusPanels_[0]->setText(hint); }

void MainWindow::SetStateText(const QString& text)
{
    stateText_ = text;
    UpdateModifiedPanel();
}

void MainWindow::SetHelpContexts()
{
    helpFile_ = HelpFilePath(programFolder_, ToQString(model_.VariantCode) + QStringLiteral(".HLP"));
    for (QWidget* w : findChildren<QWidget*>())
        if (const int context = HelpContextFor(w->objectName()))
            w->setProperty("helpContext", context);
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
    NewModel(model_);
    for (const auto& step : rebuildSteps_)
        step();
    HideAllPages();
    navigation_->BuildTree(model_);
    RefreshTreeAndColours();
    currentNodeIndex_ = -1;
    SetHint(QString());
    SelectNodeByKey(QStringLiteral("S"));
    model_.CurrentFilePath.clear();
    UpdateTitle();
    ClearHistory();
    MarkRecordsClean(false);
}

}  // namespace quorlink
