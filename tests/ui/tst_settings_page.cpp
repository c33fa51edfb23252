// SPDX-License-Identifier: GPL-3.0-or-later
// The common settings page: its lists and their mappings, the check boxes,
// the two tabs, the user MMSI with its check, and the user-MMSI count.
#include "compare_window.h"
#include "main_window_fixture.h"
#include "mmsi_note.h"
#include "numeric_field.h"
#include "radio_emulator.h"
#include "recovery_copies.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

using namespace quorlink;

class TestSettingsPage : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> f;

    MainWindow& W() const { return *f->window; }
    CommonSettings& S() const { return f->model.Settings; }
    QTabWidget* Tabs() const { return f->Find<QTabWidget>("tbsFNE"); }
    QLineEdit* User() const { return f->Find<QLineEdit>("txtFUser"); }
    QTreeWidget* Tree() const { return f->Find<QTreeWidget>("tvTreeView"); }
    const QList<test::ShownMessage>& Shown() const { return f->prompt.shown; }

    void Reshow() const
    {
        W().SelectNodeByKey(QStringLiteral("SM"));
        W().SelectNodeByKey(QStringLiteral("S"));
    }
    void OpenTab(int tab) const
    {
        QTest::mouseClick(Tabs()->tabBar(), Qt::LeftButton, {}, Tabs()->tabBar()->tabRect(tab).center());
        QCOMPARE(Tabs()->currentIndex(), tab);
    }
    void Click(QWidget* w) const { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, w->height() / 2)); }
    // Clicked into on the DSC tab; the whole text is selected once the click is over.
    void FocusUser() const
    {
        OpenTab(1);
        Click(User());
        QTRY_VERIFY(User()->hasFocus());
        QTRY_COMPARE(User()->selectedText(), User()->text());
    }
    void ClickTreeNode(const char* key) const
    {
        QTreeWidgetItem* node = W().Tree().ItemByKey(QLatin1String(key));
        Tree()->scrollToItem(node);
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, Tree()->visualItemRect(node).center());
    }
    // Object names met by pressing Tab from the tree until it comes back,
    // each checked for the status-bar hint it must show.
    QStringList TabChain() const
    {
        Tree()->setFocus();
        QStringList names;
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            if (now == Tree() || now == nullptr)
                break;
            const QString hint = HintFor(now->objectName());
            names << now->objectName() + (hint.isNull() || W().StatusText(1) == hint ? "" : " (wrong hint)");
        }
        return names;
    }

private slots:
    void init()
    {
        f = std::make_unique<test::MainWindowFixture>();
        f->Open();
    }
    void cleanup() { f.reset(); }

    void listItems()
    {
        const std::pair<const char*, QStringList> lists[] = {
            {"cmbFCont", {"0", "1", "2", "3", "4", "5", "6", "7"}}, {"cmbFDim", {"HI", "MID", "LO", "OFF"}},
            {"cmbFScan", {"Memory", "Priority"}}, {"cmbFScrambler", {"OFF", "0", "1", "2", "3"}},
            {"cmbFIND", {"3 min", "15 times", "10 times", "5 times"}}};
        for (const auto& [name, items] : lists) {
            auto* list = f->Find<QComboBox>(name);
            QVERIFY(!list->isEditable());
            QStringList shown;
            for (int i = 0; i < list->count(); ++i)
                shown << list->itemText(i);
            QCOMPARE(shown, items);
        }
        auto* offset = f->Find<QComboBox>("cmbFOffset");
        QCOMPARE(offset->count(), 25);
        QCOMPARE(offset->itemText(0), QStringLiteral("-12:00"));
        QCOMPARE(offset->itemText(24), QStringLiteral("+12:00"));
    }

    // What each stored value shows, and what the records keep of it once loaded.
    void storedValuesShownAndNormalised_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("storedBack");
        QTest::newRow("dimmer HI") << "cmbFDim" << 3 << "HI" << 3;
        QTest::newRow("dimmer LO") << "cmbFDim" << 1 << "LO" << 1;
        QTest::newRow("dimmer 5") << "cmbFDim" << 5 << "OFF" << 0;
        QTest::newRow("dimmer -1") << "cmbFDim" << -1 << "OFF" << 0;
        QTest::newRow("scrambler off") << "cmbFScrambler" << 0 << "OFF" << 0;
        QTest::newRow("scrambler 1") << "cmbFScrambler" << 1 << "0" << 1;
        QTest::newRow("scrambler 4") << "cmbFScrambler" << 4 << "3" << 4;
        QTest::newRow("scrambler 9") << "cmbFScrambler" << 9 << "OFF" << 0;
        QTest::newRow("ringer 0") << "cmbFIND" << 0 << "5 times" << 0;
        QTest::newRow("ringer 2") << "cmbFIND" << 2 << "15 times" << 2;
        QTest::newRow("ringer 3") << "cmbFIND" << 3 << "3 min" << 3;
        QTest::newRow("offset 12") << "cmbFOffset" << 12 << " 0:00" << 12;
        QTest::newRow("offset 0") << "cmbFOffset" << 0 << "-12:00" << 0;
        QTest::newRow("contrast 7") << "cmbFCont" << 7 << "7" << 7;
        QTest::newRow("scan priority") << "cmbFScan" << 1 << "Priority" << 1;
    }

    void storedValuesShownAndNormalised()
    {
        QFETCH(QString, list);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(int, storedBack);
        const QHash<QString, std::int16_t*> fields = {
            {"cmbFCont", &S().Contrast}, {"cmbFDim", &S().Dimmer}, {"cmbFScrambler", &S().Scrambler},
            {"cmbFScan", &S().ScanType}, {"cmbFIND", &S().Ind}, {"cmbFOffset", &S().OffsetTime}};
        *fields[list] = static_cast<std::int16_t>(stored);
        f->Load();
        Reshow();
        QCOMPARE(f->Find<QComboBox>(list.toLatin1().constData())->currentText(), shown);
        QCOMPARE(int(*fields[list]), storedBack);
    }

    // Filling the lists at a rebuild or a redisplay must not write into fresh records.
    void freshSettingsSurviveRebuildAndDisplay()
    {
        Model fresh;
        fresh.ModelNumber = f->model.ModelNumber;
        NewModel(fresh);
        QVERIFY(f->model.Settings == fresh.Settings);
        OpenTab(1);
        Reshow();
        QVERIFY(f->model.Settings == fresh.Settings);
    }

    void choosingAnItemStoresIt()
    {
        S().Dimmer = 3;
        Reshow();
        auto* dim = f->Find<QComboBox>("cmbFDim");
        dim->setFocus();
        QTest::keyClick(dim, Qt::Key_Down);
        QCOMPARE(int(S().Dimmer), 2);  // "MID"
        QTest::keyClick(dim, Qt::Key_End);
        QCOMPARE(int(S().Dimmer), 0);  // "OFF"
        auto* scrambler = f->Find<QComboBox>("cmbFScrambler");
        scrambler->setFocus();
        QTest::keyClick(scrambler, Qt::Key_Down);
        QCOMPARE(int(S().Scrambler), 1);  // code "0"
    }

    void checkBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("tab");
        for (const char* name : {"chkFBeep", "chkFWX", "chkFMAG"})
            QTest::newRow(name) << name << 0;
        for (const char* name : {"chkFindReply", "chkFindAck", "chkFposRR", "chkFDSC"})
            QTest::newRow(name) << name << 1;
    }

    void checkBoxes()
    {
        QFETCH(QString, box);
        QFETCH(int, tab);
        const QHash<QString, bool*> fields = {
            {"chkFBeep", &S().KeyBeep}, {"chkFWX", &S().WxAlert}, {"chkFMAG", &S().TrueMag},
            {"chkFindReply", &S().IndReply}, {"chkFindAck", &S().IndACK}, {"chkFposRR", &S().POSRR},
            {"chkFDSC", &S().DscScan}};
        bool& field = *fields[box];
        field = true;
        Reshow();
        OpenTab(tab);
        auto* check = f->Find<QCheckBox>(box.toLatin1().constData());
        QVERIFY(check->isChecked());
        Click(check);
        QVERIFY(!field);
        Click(check);
        QVERIFY(field);
        {
            const MainWindow::PageLoadingScope loading(W());  // a box ticked while a page is filled does not write back
            Click(check);
        }
        QVERIFY(!check->isChecked() && field);
    }

    void tabsOpenOnRadioSetup()
    {
        QCOMPARE(Tabs()->tabText(0), QStringLiteral("Radio Setup"));
        QCOMPARE(Tabs()->tabText(1), QStringLiteral("DSC Setup"));
        QWidget* radio = f->Find("pictFtbs(0)");
        QWidget* dsc = f->Find("pictFtbs(1)");
        QVERIFY(Tabs()->currentIndex() == 0 && radio->isEnabled() && !dsc->isEnabled());
        OpenTab(1);
        QVERIFY(!radio->isEnabled() && dsc->isEnabled());
        Reshow();
        QVERIFY(Tabs()->currentIndex() == 0 && radio->isEnabled() && !dsc->isEnabled());
    }

    // An undo, or a jump from the Compare window, to a setting shows the
    // tab that holds it, with the keyboard on the field.
    void jumpsShowTheTabOfTheField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("row");  // as the Compare window lists it
        QTest::newRow("Individual Reply") << "chkFindReply" << 1 << "DSC Setup: Individual Reply";
        QTest::newRow("User MMSI") << "txtFUser" << 1 << "DSC Setup: User MMSI";
        QTest::newRow("Contrast") << "cmbFCont" << 0 << "Radio Setup: Contrast";
    }

    void jumpsShowTheTabOfTheField()
    {
        QFETCH(QString, field);
        QFETCH(int, tab);
        QFETCH(QString, row);
        const QString compared = f->programDir.filePath(QStringLiteral("before.dat"));
        f->prompt.fileNames.enqueue(compared);
        f->Trigger("mnuFileSaveAs");
        const Model before = f->model;

        // The change, made with the keyboard on its own tab.
        OpenTab(tab);
        QWidget* control = f->Find(field.toLatin1().constData());
        if (field == QLatin1String("txtFUser")) {
            FocusUser();
            QTest::keyClicks(User(), QStringLiteral("366123456"));
            QTest::keyClick(User(), Qt::Key_Tab);
        } else {
            control->setFocus();
            QTRY_VERIFY(control->hasFocus());
            QTest::keyClick(control, qobject_cast<QComboBox*>(control) ? Qt::Key_Down : Qt::Key_Space);
        }
        ClickTreeNode("PU");
        QTest::keyClick(Tree(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(f->model.Settings == before.Settings);
        QCOMPARE(Tabs()->currentIndex(), tab);
        QVERIFY(f->Find(tab == 1 ? "pictFtbs(1)" : "pictFtbs(0)")->isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), control);
        OpenTab(1 - tab);  // redo from the other tab
        QTest::keyClick(Tabs()->tabBar(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(!(f->model.Settings == before.Settings));
        QCOMPARE(Tabs()->currentIndex(), tab);
        QTRY_COMPARE(QApplication::focusWidget(), control);

        // The Compare window: the row chosen and Enter pressed.
        ClickTreeNode("PU");
        QTimer::singleShot(0, this, [] {
            QTest::mouseClick(QApplication::activeModalWidget()->findChild<QPushButton*>("cmdCompareFile"),
                              Qt::LeftButton);
        });
        f->prompt.fileNames.enqueue(compared);
        f->Trigger("mnuFileCompare");
        std::unique_ptr<CompareWindow> window(W().findChild<CompareWindow*>("frmCompare"));
        QVERIFY(window && QTest::qWaitForWindowExposed(window.get()));
        auto* list = window->findChild<QTreeWidget*>("lvDifferences");
        QApplication::setActiveWindow(window.get());
        list->setFocus();
        list->setCurrentItem(list->topLevelItem(0));
        QCOMPARE(list->currentItem()->text(0), row);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(Tabs()->currentIndex(), tab);
        QCOMPARE(W().focusWidget(), control);
    }

    void tabOrderAndHints()
    {
        QCOMPARE(TabChain(), (QStringList{"qt_tabwidget_tabbar", "cmbFCont", "cmbFDim", "cmbFOffset", "chkFBeep",
                                          "chkFWX", "cmbFScan", "cmbFScrambler", "chkFMAG"}));
        OpenTab(1);
        QCOMPARE(TabChain(), (QStringList{"qt_tabwidget_tabbar", "chkFindReply", "chkFindAck", "cmbFIND", "chkFposRR",
                                          "chkFDSC", "txtFUser", "cmdFClear"}));
    }

    void countShowsByte341()
    {
        f->model.MemoryImage[341] = 200;
        Reshow();
        auto* count = f->Find<QLineEdit>("txtFCount");
        QCOMPARE(count->text(), QStringLiteral("200"));
        QVERIFY(count->isReadOnly());
    }

    // The clear runs through the transfer dialog; the page then shows the radio's new count.
    void clearResetsTheCount()
    {
        sim::RadioEmulator radio(sim::kCode5100);
        QVERIFY(radio.Start());
        SettingsStore::StorePortDevice(1, radio.SlavePath());
        W().Transfers().SetTransferTimings({300, 120, 10, 0});
        radio.memory()[341] = 9;
        f->model.MemoryImage[341] = 9;
        Reshow();
        OpenTab(1);
        QCOMPARE(f->Find<QLineEdit>("txtFCount")->text(), QStringLiteral("9"));
        bool dialogShown = false;
        QTimer::singleShot(0, this, [&dialogShown] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            dialogShown = true;
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        Click(f->Find("cmdFClear"));
        QVERIFY(dialogShown);
        QCOMPARE(Shown().last().title, QStringLiteral("Clear Data"));
        QCOMPARE(int(radio.memory()[341]), 0);
        QCOMPARE(f->Find<QLineEdit>("txtFCount")->text(), QStringLiteral("0"));
    }

    void userMmsiStoredForms()
    {
        FocusUser();
        QTest::keyClicks(User(), QStringLiteral("36a6 1-23456"));  // only the digits arrive
        QCOMPARE(User()->text(), QStringLiteral("366123456"));
        QTest::keyClick(User(), Qt::Key_Tab);
        QCOMPARE(S().UserMmsid, std::string("3661234560"));
        Reshow();
        QCOMPARE(User()->text(), QStringLiteral("366123456"));

        FocusUser();
        QTest::keyClick(User(), Qt::Key_Backspace);
        QTest::keyClick(User(), Qt::Key_Tab);
        QCOMPARE(S().UserMmsid, std::string());
        QVERIFY(Shown().isEmpty());
    }

    // The note follows the typing; a warning is coloured and blocks nothing.
    // At the window's first size a long note wraps, all of it in view, and
    // the row below stays where it was.
    void userMmsiNote()
    {
        QCOMPARE(W().size(), QSize(607, 444));
        auto* note = f->Find<MmsiNoteLabel>("lblFUserNote");
        QVERIFY(note);
        QWidget* count = f->Find("txtFCount");
        FocusUser();
        QTRY_VERIFY(count->isVisible());
        const int countY = count->mapTo(&W(), QPoint()).y();
        QTest::keyClicks(User(), QStringLiteral("0366"));
        QCOMPARE(note->text(), QStringLiteral("4 of 9 digits"));
        QTest::keyClicks(User(), QStringLiteral("12345"));
        QCOMPARE(note->text(), QStringLiteral("Starts with 0: a group number, not a ship's own MMSI"));
        QCOMPARE(note->palette().color(QPalette::WindowText), WarningColour(note->palette()));
        QTRY_VERIFY(test::WhollyShown(note));
        QTest::keyClick(User(), Qt::Key_Tab);
        QCOMPARE(S().UserMmsid, std::string("0366123450"));
        QVERIFY(Shown().isEmpty());
        S().UserMmsid = "2991234560";
        Reshow();
        QCOMPARE(note->text(), QStringLiteral("MID 299 is not allocated to any country"));
        S().UserMmsid = "3661234560";
        Reshow();
        QCOMPARE(note->text(), QStringLiteral("Ship station · United States of America"));
        QVERIFY(!note->IsWarning());
        QVERIFY(note->palette().color(QPalette::WindowText) != WarningColour(note->palette()));
        OpenTab(1);
        QTRY_VERIFY(test::WhollyShown(note));
        FocusUser();
        QTest::keyClicks(User(), QStringLiteral("003661234"));
        QCOMPARE(note->text(), QStringLiteral("Starts with 00: a coast station's number, not a ship's own MMSI"));
        QTRY_VERIFY(test::WhollyShown(note));
        QCOMPARE(count->mapTo(&W(), QPoint()).y(), countY);
    }

    void refusedMmsiKeepsTheFocus_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::newRow("eight digits") << "36612345" << false;
        QTest::newRow("blank inside") << "3661 2345" << true;
        QTest::newRow("letter pasted") << "36612345x" << true;
    }

    void refusedMmsiKeepsTheFocus()
    {
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        S().UserMmsid = "2350000010";
        Reshow();
        FocusUser();
        if (pasted) {
            QGuiApplication::clipboard()->setText(typed);
            QTest::keyClick(User(), Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(User(), typed);
        }
        QCOMPARE(User()->text(), typed);
        Click(f->Find("cmdFClear"));
        QTRY_COMPARE(Shown().size(), 1);
        QCOMPARE(Shown()[0].title, QStringLiteral("User MMSI"));
        QCOMPARE(Shown()[0].text, QStringLiteral("Data Error!!\n\nAn MMSI has 9 digits."));
        QCOMPARE(Shown()[0].icon, MessageIcon::Exclamation);
        QCOMPARE(Shown()[0].buttons, MessageButtons::Ok);
        QTRY_VERIFY(User()->hasFocus());
        QCOMPARE(User()->text(), typed);
        QCOMPARE(S().UserMmsid, std::string("2350000010"));
        // The refused edit stays pending after the focus came back.
        QTest::keyClick(User(), Qt::Key_Tab);
        QTRY_COMPARE(Shown().size(), 2);
        QTRY_VERIFY(User()->hasFocus());
    }

    // A click on the tree switches the page: a valid edit is stored, an invalid one reverted silently.
    void treeClickLeavesWithoutCheck()
    {
        FocusUser();
        QTest::keyClicks(User(), QStringLiteral("366999888"));
        ClickTreeNode("SG");
        QCOMPARE(NavigationTree::KeyOf(Tree()->currentItem()), QStringLiteral("SG"));
        QCOMPARE(S().UserMmsid, std::string("3669998880"));

        W().SelectNodeByKey(QStringLiteral("S"));
        FocusUser();
        QTest::keyClicks(User(), QStringLiteral("9999"));
        ClickTreeNode("SM");
        QCOMPARE(W().Pages().Active(), Panel::E);
        QCOMPARE(User()->text(), QStringLiteral("366999888"));
        QCOMPARE(S().UserMmsid, std::string("3669998880"));
        QTest::qWait(10);
        QVERIFY(Shown().isEmpty());
        QVERIFY(!User()->findChild<MmsiField*>()->Pending());
    }

    // Switching to another application is no leave: the edit waits for the commit step.
    void windowSwitchKeepsTheEdit()
    {
        FocusUser();
        QTest::keyClicks(User(), QStringLiteral("123"));
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(&W());
        QTRY_VERIFY(User()->hasFocus());
        QCOMPARE(User()->text(), QStringLiteral("123"));
        QVERIFY(!W().CommitPendingEdit());
        QCOMPARE(Shown().size(), 1);
    }

    // The question box of a model switch takes the focus away from the field;
    // its check still runs and keeps the data.
    void modelSwitchChecksTheFieldBeingEdited()
    {
        FocusUser();
        QTest::keyClicks(User(), QStringLiteral("12345"));
        S().Contrast = 1;
        const int other = f->model.ModelNumber == 1 ? 0 : 1;
        QApplication::setActiveWindow(nullptr);  // the box has closed; the window has no focus yet
        f->Trigger(other == 1 ? "mnuEditModel1" : "mnuEditModel2");
        QCOMPARE(f->model.ModelNumber, other);
        QCOMPARE(Shown().size(), 2);
        QCOMPARE(Shown()[1].title, QStringLiteral("User MMSI"));
        QVERIFY(Shown()[1].text.startsWith(QLatin1String("Data Error!!\n\n")));
        QTest::qWait(20);
        QCOMPARE(int(S().Contrast), 1);  // not rebuilt
        QApplication::setActiveWindow(&W());
        QTRY_VERIFY(User()->hasFocus());
        QCOMPARE(User()->text(), QStringLiteral("12345"));
    }

    // Refused by the field being typed into, a model switch leaves the data as
    // they are, edits and all: they are still unsaved, and "Modified" stays.
    void refusedModelSwitchKeepsModified()
    {
        W().Edit(QStringLiteral("CH01 name"), [](Model& m) { m.UsaChannels.at(0).ChTag = "TUG"; });
        FocusUser();
        QTest::keyClicks(User(), QStringLiteral("12345"));
        QTRY_COMPARE(W().StatusText(2), QStringLiteral("Modified"));
        const int other = f->model.ModelNumber == 1 ? 0 : 1;
        f->Trigger(other == 1 ? "mnuEditModel1" : "mnuEditModel2");  // OK, then OK to "Data Error!!"
        QVERIFY(Shown().value(1).text.startsWith(QLatin1String("Data Error!!\n\n")));
        QCOMPARE(f->model.ModelNumber, other);
        QTest::qWait(300);  // the panel is polled
        QCOMPARE(f->model.UsaChannels.at(0).ChTag, std::string("TUG"));
        QCOMPARE(W().StatusText(2), QStringLiteral("Modified"));
        QVERIFY(RecoveryCopies(f->programDir.path()).isEmpty());  // nothing was dropped
    }

    void commitStepStopsCommands()
    {
        FocusUser();
        QTest::keyClicks(User(), QStringLiteral("36612345"));
        S().Contrast = 1;
        f->Trigger("mnuFileNew");
        f->Trigger("mnuFileSave");
        f->Trigger("mnuTransferProgram");
        QTest::qWait(20);
        QCOMPARE(Shown().size(), 3);
        QCOMPARE(Shown()[2].title, QStringLiteral("User MMSI"));
        QCOMPARE(int(S().Contrast), 1);  // not rebuilt
        QVERIFY(f->prompt.dialogFilters.isEmpty());
        QVERIFY(User()->hasFocus());

        QTest::keyClick(User(), Qt::Key_End);
        QTest::keyClick(User(), Qt::Key_6);
        f->Trigger("mnuFileSave");  // corrected: stored, and the command runs
        QCOMPARE(S().UserMmsid, std::string("3661234560"));
        QCOMPARE(f->prompt.dialogFilters.size(), 1);
        QCOMPARE(Shown().size(), 3);
    }

    void checkNumericField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("stored");
        QTest::newRow("nine digits") << "366123456" << 9 << true << "3661234560";
        QTest::newRow("empty") << "" << 9 << true << "";
        QTest::newRow("blanks only") << "   " << 9 << true << "";
        QTest::newRow("group digits") << "12345678" << 8 << true << "0123456780";
        QTest::newRow("group empty") << "" << 8 << true << "0";
        QTest::newRow("eight of nine") << "36612345" << 9 << false << "";
        QTest::newRow("ten digits") << "3661234567" << 9 << false << "";
        QTest::newRow("leading blank") << " 36612345" << 9 << false << "";
        QTest::newRow("other script's digits") << QString::fromUtf8("\u0663\u0666\u0666\u0661\u0662\u0663\u0664\u0665\u0666")
                                               << 9 << false << "";
        QTest::newRow("nine for group") << "123456789" << 8 << false << "";
    }

    void checkNumericField()
    {
        QFETCH(QString, typed);
        QFETCH(int, length);
        QFETCH(bool, valid);
        QFETCH(QString, stored);
        const std::string before = length == 8 ? "0876543210" : "2350000010";
        const QString shownBefore = length == 8 ? QStringLiteral("87654321") : QStringLiteral("235000001");
        for (bool keepText : {true, false}) {
            QLineEdit field(typed);
            std::string target = before;
            const MmsiUse use = length == 8 ? MmsiUse::Group : MmsiUse::Individual;
            QCOMPARE(quorlink::CheckNumericField(keepText, use, &field, target), valid);
            QCOMPARE(target, valid ? stored.toStdString() : before);
            QCOMPARE(field.text(), valid || keepText ? typed : shownBefore);
        }
    }
};

QTEST_MAIN(TestSettingsPage)
#include "tst_settings_page.moc"
