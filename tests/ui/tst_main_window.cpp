// The main window's shell: start-up, menus and toolbar, title, model switch,
// New, file commands, service-mode keys, help and closing.
#include "command_line.h"
#include "help_window.h"
#include "main_window_fixture.h"
#include "program_folder.h"
#include "program_icon.h"
#include "widget_prompt.h"

#include <QDialog>
#include <QFileDialog>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QToolBar>
#include <QTreeWidget>

using namespace quorlink;

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> f;

private slots:
    void init() { f = std::make_unique<test::MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void startUpWithStoredModel_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("name");
        QTest::newRow("first model") << "1" << "MR7100A";
        QTest::newRow("second model") << "0" << "MR5100A";
        QTest::newRow("nothing stored") << "" << "MR5100A";
        QTest::newRow("not a number") << "x" << "MR5100A";
    }

    void startUpWithStoredModel()
    {
        QFETCH(QString, stored);
        QFETCH(QString, name);
        if (!stored.isEmpty())
            QSettings(QStringLiteral("Quorlink"), QStringLiteral("Quorlink")).setValue(QStringLiteral("ModelPath/ModelNum"), stored);
        MainWindow& w = f->Open();
        QCOMPARE(w.StatusText(3), name);
        QCOMPARE(f->Find<QAction>("mnuEditModel1")->isChecked(), name == QLatin1String("MR7100A"));
        QCOMPARE(f->Find<QAction>("mnuEditModel2")->isChecked(), name == QLatin1String("MR5100A"));
        QCOMPARE(w.windowTitle(), QStringLiteral("RV48  Quorlink"));
        QCOMPARE(w.Pages().Active(), Panel::F);  // the settings page
        QCOMPARE(NavigationTree::KeyOf(f->Find<QTreeWidget>("tvTreeView")->currentItem()), QStringLiteral("S"));
        QCOMPARE(int(f->model.PortNumber), 1);
        QVERIFY(f->Find<QAction>("mnuOptionsSerialPort1(0)")->isChecked());
        QCOMPARE(w.StatusText(1), kTreeHint);
    }

    void storedPortIsMarkedNotWritten()
    {
        QSettings settings(QStringLiteral("Quorlink"), QStringLiteral("Quorlink"));
        settings.setValue(QStringLiteral("ComPath/ComNum"), QStringLiteral("3"));
        f->Open();
        QVERIFY(f->Find<QAction>("mnuOptionsSerialPort1(2)")->isChecked());
        QVERIFY(!f->Find<QAction>("mnuOptionsSerialPort1(0)")->isChecked());
        f->Trigger("mnuOptionsSerialPort1(3)");
        QCOMPARE(int(f->model.PortNumber), 4);
        QCOMPARE(QSettings(QStringLiteral("Quorlink"), QStringLiteral("Quorlink")).value(QStringLiteral("ComPath/ComNum")).toString(),
                 QStringLiteral("4"));
        QVERIFY(!f->Find<QAction>("mnuOptionsSerialPort1(2)")->isChecked());
    }

    void menusAndToolbar()
    {
        f->Open();
        const std::pair<const char*, const char*> captions[] = {
            {"mnuFileNew", "&New"}, {"mnuFileOpen", "&Open"}, {"mnuFileSave", "&Save"},
            {"mnuFileSaveAs", "Save &As..."}, {"mnuFilePrint", "&Print"}, {"mnuFilePrintToFile", "P&rint to File"},
            {"mnuFileExit", "E&xit"}, {"mnuEditModel1", "&MR7100A"}, {"mnuEditModel2", "M&R5100A"},
            {"mnuTransferProgram", "&Program to Radio"}, {"mnuTransferRead", "&Read from Radio"},
            {"mnuOptionsSerialPort1(0)", "COM&1"}, {"mnuOptionsSerialPort1(3)", "COM&4"},
            {"mnuHelpContents", "&Contents"}, {"mnuHelpAbout", "&About QOR Version"}};
        for (const auto& [name, caption] : captions) {
            QAction* action = f->Find<QAction>(name);
            QVERIFY2(action, name);
            QCOMPARE(action->text(), QString::fromLatin1(caption));
            QVERIFY(action->isVisible() && action->isEnabled());
        }
        QVERIFY(!f->Find<QAction>("mnuFileSaveAsDefault")->isVisible());
        QStringList keys;
        QStringList tips;
        for (QAction* a : f->Find<QToolBar>("tbToolBar")->actions()) {
            keys << a->objectName();
            tips << a->toolTip();
            QVERIFY(!a->icon().isNull());
        }
        QCOMPARE(keys, (QStringList{"New", "Open", "Save", "SaveAsDefault", "Print", "Program", "Read"}));
        QCOMPARE(tips, (QStringList{"New", "Open...", "Save", "Save As Default", "Print", "Program to Radio",
                                    "Read from Radio"}));
    }

    void titleFollowsOpenAndSave()
    {
        MainWindow& w = f->Open();
        const QString mine = f->programDir.filePath(QStringLiteral("MyBoat.dat"));
        f->prompt.fileNames.enqueue(mine);
        f->Trigger("mnuFileSaveAs");
        QCOMPARE(w.windowTitle(), QStringLiteral("RV48  Quorlink - myboat.dat"));
        QCOMPARE(f->prompt.dialogFilters.last(), QStringLiteral("dat files(*.dat)|*.dat|All files(*.*)|*.*"));
        QVERIFY(QFile::exists(mine));

        // Save uses the current name without asking.
        f->model.UsaChannels.at(0).ChTag = "SAVED";
        f->Trigger("mnuFileSave");
        QCOMPARE(f->prompt.dialogFilters.size(), 1);
        QFile file(mine);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("ChTag=#SAVED"));

        f->Trigger("mnuFileNew");
        QTRY_COMPARE(w.windowTitle(), QStringLiteral("RV48  Quorlink"));
        f->prompt.fileNames.enqueue(mine);
        f->Trigger("mnuFileOpen");
        QCOMPARE(w.windowTitle(), QStringLiteral("RV48  Quorlink - myboat.dat"));
        QCOMPARE(f->model.UsaChannels.at(0).ChTag, std::string("SAVED"));
    }

    void cancelledDialogsChangeNothing()
    {
        MainWindow& w = f->Open();
        f->Trigger("mnuFileSave");  // no current name: asks, and is cancelled
        QVERIFY(f->model.CancelFlag);
        f->Trigger("mnuFileOpen");
        QCOMPARE(w.windowTitle(), QStringLiteral("RV48  Quorlink"));
        QVERIFY(f->prompt.shown.isEmpty());
    }

    void openFailureKeepsTitleAndData()
    {
        MainWindow& w = f->Open();
        f->model.UsaChannels.at(0).ChTag = "KEPT";
        f->prompt.fileNames.enqueue(f->programDir.filePath(QStringLiteral("gone.dat")));
        f->Trigger("mnuFileOpen");
        QCOMPARE(f->prompt.shown.size(), 1);
        QCOMPARE(f->prompt.shown[0].text, QStringLiteral("FileRead Error!!"));
        QCOMPARE(w.windowTitle(), QStringLiteral("RV48  Quorlink"));
        QCOMPARE(f->model.UsaChannels.at(0).ChTag, std::string("KEPT"));
    }

    void saveAsDefaultFromTheToolbar()
    {
        MainWindow& w = f->Open();
        f->Trigger("SaveAsDefault");
        QVERIFY(QFile::exists(f->programDir.filePath(QStringLiteral("MR5100A.def"))));
        QVERIFY(f->prompt.dialogFilters.isEmpty());
        QCOMPARE(w.StatusText(2), QStringLiteral("Default file saved as ") + f->programDir.filePath(QStringLiteral("MR5100A.def")));
    }

    void modelSwitch()
    {
        MainWindow& w = f->Open();
        // The active model asks nothing.
        f->Trigger("mnuEditModel2");
        QVERIFY(f->prompt.shown.isEmpty());
        QVERIFY(f->Find<QAction>("mnuEditModel2")->isChecked());

        f->prompt.answers.enqueue(Answer::Cancel);
        f->Trigger("mnuEditModel1");
        QCOMPARE(f->prompt.shown.size(), 1);
        QCOMPARE(f->prompt.shown[0].title, QStringLiteral("MR7100A/MR5100A QOR"));
        QCOMPARE(f->prompt.shown[0].text, QStringLiteral("Do yo make new QOR Data for MR7100A?"));
        QCOMPARE(f->prompt.shown[0].icon, MessageIcon::Exclamation);
        QCOMPARE(f->prompt.shown[0].buttons, MessageButtons::OkCancel);
        QCOMPARE(f->model.ModelNumber, 0);
        QVERIFY(f->Find<QAction>("mnuEditModel2")->isChecked());
        QVERIFY(!f->Find<QAction>("mnuEditModel1")->isChecked());

        f->model.UsaChannels.at(0).ChTag = "LOST";
        f->model.CurrentFilePath = "/x/boat.dat";
        w.UpdateTitle();
        f->prompt.answers.enqueue(Answer::Ok);
        f->Trigger("mnuEditModel1");
        QCOMPARE(f->model.ModelNumber, 1);
        QVERIFY(f->Find<QAction>("mnuEditModel1")->isChecked());
        QCOMPARE(QSettings(QStringLiteral("Quorlink"), QStringLiteral("Quorlink")).value(QStringLiteral("ModelPath/ModelNum")).toString(),
                 QStringLiteral("1"));
        QTRY_COMPARE(f->model.UsaChannels.at(0).ChTag, std::string("VTS"));
        QCOMPARE(int(f->model.MemoryImage[0]), 0x1B);
        QCOMPARE(w.windowTitle(), QStringLiteral("RV48  Quorlink"));
        QCOMPARE(w.StatusText(3), QStringLiteral("MR7100A"));
        QCOMPARE(w.Pages().Active(), Panel::F);
    }

    void newIsDeferred()
    {
        MainWindow& w = f->Open();
        f->model.Settings.Contrast = 1;
        f->Trigger("mnuFileNew");
        QCOMPARE(int(f->model.Settings.Contrast), 1);  // the menu closes and the window repaints first
        QTRY_COMPARE(int(f->model.Settings.Contrast), 4);
        QVERIFY(w.isEnabled());
    }

    void commitStepStopsCommands()
    {
        MainWindow& w = f->Open();
        auto* field = new QLineEdit(w.Pages().panel(Panel::F));
        w.Pages().Activate(Panel::F);
        field->show();
        field->setFocus();
        int asked = 0;
        w.SetCommitCheck(field, [&] { ++asked; return false; });
        QTRY_VERIFY(field->hasFocus());
        f->model.Settings.Contrast = 1;
        f->Trigger("mnuFileNew");
        f->Trigger("mnuFileSaveAs");
        f->Trigger("mnuTransferRead");
        QTest::qWait(20);
        QCOMPARE(asked, 3);
        QCOMPARE(int(f->model.Settings.Contrast), 1);
        QVERIFY(f->prompt.dialogFilters.isEmpty());
    }

    void serviceModeKeys_data()
    {
        QTest::addColumn<bool>("diagnostic");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("acts");
        QTest::newRow("ctrl, service mode") << true << int(Qt::ControlModifier) << true;
        QTest::newRow("ctrl, normal mode") << false << int(Qt::ControlModifier) << false;
        QTest::newRow("ctrl+shift") << true << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
        QTest::newRow("ctrl+alt") << true << int(Qt::ControlModifier | Qt::AltModifier) << false;
        QTest::newRow("no modifier") << true << int(Qt::NoModifier) << false;
    }

    void serviceModeKeys()
    {
        QFETCH(bool, diagnostic);
        QFETCH(int, modifiers);
        QFETCH(bool, acts);
        MainWindow& w = f->Open(diagnostic);
        const QString hex = f->programDir.filePath(QStringLiteral("Image.HEX"));
        f->prompt.fileNames.enqueue(hex);
        QWidget* tree = f->Find("tvTreeView");
        QTest::keyClick(tree, Qt::Key_F3, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(QFile::exists(hex), acts);
        if (!acts) {
            QVERIFY(f->prompt.dialogFilters.isEmpty());
            return;
        }
        QCOMPARE(f->prompt.dialogFilters.last(), QStringLiteral("hex files(*.hex)|*.hex|All files(*.*)|*.*"));
        QCOMPARE(w.windowTitle(), QStringLiteral("RV48  Quorlink"));  // an export keeps the title

        f->model.UsaChannels.at(0).ChTag = "CHANGED";
        f->prompt.fileNames.enqueue(hex);
        QTest::keyClick(tree, Qt::Key_F2, Qt::ControlModifier);
        QCOMPARE(f->model.UsaChannels.at(0).ChTag, std::string("VTS"));
        QCOMPARE(w.windowTitle(), QStringLiteral("RV48  Quorlink - image.hex"));

        // Save does not write the text format over the raw image: it asks for a name.
        f->Trigger("mnuFileSave");
        QCOMPARE(f->prompt.dialogFilters.size(), 3);
    }

    void help()
    {
        MainWindow& w = f->Open();
        QCOMPARE(w.HelpFile(), f->programDir.path() + QStringLiteral("/RV48.HLP"));
        QFile helpFile(w.HelpFile());  // installed: the help file itself is asked for
        QVERIFY(helpFile.open(QIODevice::WriteOnly));
        f->prompt.helpFailure = QStringLiteral("Help file RV48.HLP not found.");
        f->Trigger("mnuHelpContents");
        QCOMPARE(f->prompt.helpRequests.last().second, 1001);
        QCOMPARE(f->prompt.shown.size(), 1);
        QCOMPARE(f->prompt.shown[0].text, QStringLiteral("Help file RV48.HLP not found."));
        QCOMPARE(f->prompt.shown[0].title, w.windowTitle());
        f->prompt.helpFailure.clear();
        QTest::keyClick(f->Find("tvTreeView"), Qt::Key_F1);
        QCOMPARE(f->prompt.helpRequests.last().second, 1054);  // the tree's own context
        QCOMPARE(f->prompt.shown.size(), 1);
        QVERIFY(f->prompt.guideRequests.isEmpty());
    }

    // Without the help file the user guide stands in, at the focused page's section.
    void helpFallsBackToTheGuide()
    {
        MainWindow& w = f->Open();
        f->Trigger("mnuHelpContents");
        QTest::keyClick(f->Find("tvTreeView"), Qt::Key_F1);
        QCOMPARE(f->prompt.guideRequests, (QStringList{QString(), QStringLiteral("The window")}));
        QStringList sections;
        for (Panel page : {Panel::A, Panel::B, Panel::C, Panel::D, Panel::E, Panel::F, Panel::G}) {
            w.Pages().Activate(page);
            QTest::keyClick(w.Pages().panel(page), Qt::Key_F1);
            sections << f->prompt.guideRequests.last();
        }
        QVERIFY(f->prompt.helpRequests.isEmpty());
        QVERIFY(f->prompt.shown.isEmpty());

        // Every section is in the guide the program finds, pictures and all.
        HelpWindow guide(UserGuidePath());
        for (const QString& section : sections)
            QVERIFY2(!section.isEmpty() && guide.GoTo(section), qPrintable(section));
        QVERIFY(guide.GoTo(QStringLiteral("The window")));
        const QUrl picture(QStringLiteral("docs/images/usa-list.png"));
        const QVariant shown = guide.Browser()->loadResource(QTextDocument::ImageResource, picture);
        QVERIFY(!QImage::fromData(shown.toByteArray()).isNull());

        // The window's prompt shows it, scrolled to the section.
        WidgetPrompt window;
        QVERIFY(window.ShowGuide(QStringLiteral("Reading the radio")).isEmpty());
        HelpWindow* open = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* help = qobject_cast<HelpWindow*>(top); help && help->isVisible())
                open = help;
        QVERIFY(open);
        QVERIFY(open->Browser()->verticalScrollBar()->value() > 0);
        QVERIFY(open->Browser()->textCursor().block().text().startsWith(QStringLiteral("Reading the radio")));
        open->close();

        // Without the guide as well, the help file's own failure is told.
        f->prompt.guideFailure = QStringLiteral("no guide");
        f->prompt.helpFailure = QStringLiteral("Help file RV48.HLP not found.");
        f->Trigger("mnuHelpContents");
        QCOMPARE(f->prompt.helpRequests.last().second, 1001);
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("Help file RV48.HLP not found."));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected");  // diagnostic|version|help|file|ignored
        QTest::newRow("nothing") << QStringList{} << "0|0|0||";
        QTest::newRow("service mode") << QStringList{"/k"} << "1|0|0||";
        QTest::newRow("file") << QStringList{"boat.dat"} << "0|0|0|boat.dat|";
        QTest::newRow("version") << QStringList{"--version"} << "0|1|0||";
        QTest::newRow("help") << QStringList{"-h"} << "0|0|1||";
        QTest::newRow("service switch is no file") << QStringList{"/K", "boat.dat"} << "0|0|0|boat.dat|/K";
        QTest::newRow("one file only") << QStringList{"a.dat", "--x", "b.dat"} << "0|0|0|a.dat|--x b.dat";
    }

    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        const EditorCommandLine line = ParseEditorCommandLine(args);
        QCOMPARE(QStringLiteral("%1|%2|%3|%4|%5").arg(int(line.diagnostic)).arg(int(line.version)).arg(int(line.help))
                     .arg(line.file, line.ignored.join(QLatin1Char(' '))),
                 expected);
    }

    // "quorlink FILE" opens it as File > Open does, without a dialog.
    void openFileFromTheCommandLine()
    {
        MainWindow& w = f->Open();
        const QString boat = f->programDir.filePath(QStringLiteral("Boat.dat"));
        f->model.UsaChannels.at(0).ChTag = "MINE";
        f->prompt.fileNames.enqueue(boat);
        f->Trigger("mnuFileSaveAs");
        f->model.UsaChannels.at(0).ChTag = "OTHER";
        w.OpenDataFile(boat);
        QCOMPARE(f->model.UsaChannels.at(0).ChTag, std::string("MINE"));
        QCOMPARE(w.windowTitle(), QStringLiteral("RV48  Quorlink - boat.dat"));
        QCOMPARE(f->prompt.dialogFilters.size(), 1);  // only the Save As asked
        w.OpenDataFile(f->programDir.filePath(QStringLiteral("gone.dat")));
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("FileRead Error!!"));
        QCOMPARE(f->model.UsaChannels.at(0).ChTag, std::string("MINE"));
    }

    void recentFiles()
    {
        MainWindow& w = f->Open();
        QMenu* file = f->Find<QMenu>("mnuFile");
        QVERIFY(!f->Find<QAction>("mnuFileRecentBar")->isVisible());
        QStringList saved;
        for (int i = 0; i < 10; ++i) {
            saved.prepend(f->programDir.filePath(QStringLiteral("b%1.dat").arg(i)));
            f->prompt.fileNames.enqueue(saved.first());
            f->Trigger("mnuFileSaveAs");
        }
        QCOMPARE(SettingsStore::RecentFiles(), saved.mid(0, 8));
        const QList<QAction*> items = file->actions();
        const auto at = [&](const char* name) { return items.indexOf(f->Find<QAction>(name)); };
        QVERIFY(at("mnuFilePrintToFile") < at("mnuFileRecentBar"));
        QCOMPARE(at("mnuFileRecent(0)"), at("mnuFileRecentBar") + 1);
        QCOMPARE(at("mnuFileRecent(7)") + 1, at("mnuFileBar3"));
        QCOMPARE(f->Find<QAction>("mnuFileRecent(0)")->text(), QStringLiteral("&1 ") + saved[0]);
        QVERIFY(f->Find<QAction>("mnuFileRecent(7)")->isVisible());

        // Opening one moves it to the top; one that is gone leaves the list with a note.
        f->Trigger("mnuFileRecent(3)");
        QCOMPARE(w.windowTitle(), QStringLiteral("RV48  Quorlink - b6.dat"));
        QCOMPARE(SettingsStore::RecentFiles().first(), saved[3]);
        QVERIFY(QFile::remove(saved[0]));
        f->Trigger("mnuFileRecent(1)");
        QCOMPARE(f->prompt.shown.size(), 1);
        QVERIFY(f->prompt.shown[0].text.contains(saved[0]));
        QCOMPARE(SettingsStore::RecentFiles().size(), 7);
        QVERIFY(!SettingsStore::RecentFiles().contains(saved[0]));
        QVERIFY(!f->Find<QAction>("mnuFileRecent(7)")->isVisible());
        QCOMPARE(w.windowTitle(), QStringLiteral("RV48  Quorlink - b6.dat"));
    }

    void shortcuts_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("action");
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << "mnuFileNew";
        QTest::newRow("Ctrl+O") << int(Qt::Key_O) << "mnuFileOpen";
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << "mnuFileSave";
        QTest::newRow("Ctrl+P") << int(Qt::Key_P) << "mnuFilePrint";
    }

    void shortcuts()
    {
        QFETCH(int, key);
        QFETCH(QString, action);
        MainWindow& w = f->Open();
        w.SetPrinterChooser([](QPrinter&) { return false; });
        QSignalSpy triggered(w.findChild<QAction*>(action), &QAction::triggered);
        QTest::keyClick(f->Find("tvTreeView"), Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(triggered.size(), 1);
    }

    // Save As gives a name without an extension the one of the chosen filter.
    void saveAsExtension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("saved");
        QTest::newRow("dat filter") << "boat" << 0 << "boat.dat";
        QTest::newRow("all files") << "boat" << 1 << "boat";
        QTest::newRow("own extension") << "boat.txt" << 0 << "boat.txt";
        QTest::newRow("upper case") << "BOAT.DAT" << 0 << "BOAT.DAT";
    }

    void saveAsExtension()
    {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, saved);
        WidgetPrompt prompt;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setDirectory(f->programDir.path());
            dialog->selectNameFilter(dialog->nameFilters().at(filter));
            dialog->selectFile(typed);
            static_cast<QDialog*>(dialog)->accept();  // as the Save button does
        });
        QCOMPARE(prompt.SaveFileName(QStringLiteral("dat files(*.dat)|*.dat|All files(*.*)|*.*")),
                 f->programDir.filePath(saved));
    }

    void aboutBox()
    {
        f->Open();
        QTimer::singleShot(0, [this] {
            auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(about);
            QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
            QCOMPARE(about->windowTitle(), QStringLiteral("Version Infomation"));
            QCOMPARE(about->findChild<QLabel*>("lblTitle")->text(), QStringLiteral("RV48  Quorlink"));
            QCOMPARE(about->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 2.0.0"));
            QCOMPARE(about->findChild<QLabel*>("lblDescription")->text().count(QLatin1Char('\n')), 6);
            QVERIFY(!about->findChild<QLabel*>("picIcon")->pixmap().isNull());
            QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        f->Trigger("mnuHelpAbout");
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        // The scalable program icon, as every window shows it.
        QVERIFY(!ProgramIcon().pixmap(64, 64).isNull());
    }

    void placementStoredOnClose()
    {
        MainWindow& w = f->Open();
        w.close();
        const std::optional<QRectF> placement = SettingsStore::Placement();
        QVERIFY(placement);
        QVERIFY(placement->width() >= 9105 - 1);
    }

    void placementNotStoredWhenMinimised()
    {
        MainWindow& w = f->Open();
        w.showMinimized();
        QTRY_VERIFY(w.isMinimized());
        w.close();
        QVERIFY(!SettingsStore::Placement());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
