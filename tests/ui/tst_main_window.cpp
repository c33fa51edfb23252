// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's shell: start-up, menus and toolbar, title, model switch,
// New, file commands, service-mode keys, help and closing.
#include "backup_index.h"
#include "backups.h"
#include "command_line.h"
#include "data_file.h"
#include "elided_label.h"
#include "help_window.h"
#include "language.h"
#include "list_message_box.h"
#include "main_window_fixture.h"
#include "port_dialog.h"
#include "program_folder.h"
#include "program_icon.h"
#include "recovery_copies.h"
#include "support/file_bytes.h"
#include "widget_prompt.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QScreen>
#include <QFileDialog>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QMenu>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace quorlink;

namespace {

struct FakePorts : PortList {
    QList<PortInfo> ports;
    QList<PortInfo> Ports() const override { return ports; }
};

// An FTDI cable on ttyUSB<n>, or a built-in port without USB ids.
PortInfo Port(int usbNumber, const char* builtIn = nullptr)
{
    PortInfo port;
    if (builtIn) {
        port.device = QStringLiteral("/dev/") + QLatin1String(builtIn);
        return port;
    }
    port.device = QStringLiteral("/dev/ttyUSB%1").arg(usbNumber);
    port.byIdLink = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_A%1-if00-port0").arg(usbNumber);
    port.manufacturer = QStringLiteral("FTDI");
    port.description = QStringLiteral("FT232R USB UART");
    port.vendorId = 0x0403;
    port.productId = 0x6001;
    port.usb = true;
    return port;
}

// Unplugs and plugs in as the user would while the boxes of Find my cable are shown.
class CablePrompt : public test::RecordingPrompt {
public:
    std::function<void(int shownCount)> onShown;
    Answer Message(const QString& title, const QString& text, MessageIcon icon, MessageButtons buttons) override
    {
        const Answer answer = RecordingPrompt::Message(title, text, icon, buttons);
        onShown(shown.size());
        return answer;
    }
};

}  // namespace

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

    void serialPortDevice()
    {
        FakePorts fake;
        fake.ports = {Port(0), Port(0, "ttyS0")};
        f->Open();
        f->window->Transfers().SetPortList(&fake);
        QMenu* menu = f->Find<QMenu>("mnuOptionsSerialPort");
        QStringList items;
        for (QAction* action : menu->actions())
            items << (action->isSeparator() ? "-" : action->text());
        QCOMPARE(items, (QStringList{"COM&1", "COM&2", "COM&3", "COM&4", "-", "&Device..."}));
        emit menu->aboutToShow();
        const QString cable = "/dev/ttyUSB0, FTDI FT232R USB UART (0403:6001)";
        QCOMPARE(f->Find<QAction>("mnuOptionsSerialPort1(0)")->toolTip(), "COM1: " + cable);
        QCOMPARE(f->Find<QAction>("mnuOptionsSerialPort1(1)")->toolTip(), "COM2: /dev/ttyS0");
        QCOMPARE(f->Find<QAction>("mnuOptionsSerialPort1(2)")->toolTip(), "COM3: no serial port present");

        // Choose the cable for COM2: it is stored by its by-id link.
        f->Trigger("mnuOptionsSerialPort1(1)");
        QStringList seen;
        QTimer::singleShot(0, this, [&seen] {
            auto* dialog = qobject_cast<PortDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* list = dialog->findChild<QListWidget*>("lstPorts");
            for (int row = 0; row < list->count(); ++row)
                seen << list->item(row)->text();
            seen << QString::number(list->currentRow());
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
            seen << dialog->findChild<QLineEdit*>("txtDevice")->text();
            QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        f->Trigger("mnuOptionsSerialPortDevice");
        const QString link = Port(0).byIdLink;
        QCOMPARE(seen, (QStringList{"COM1  ttyUSB0  FTDI FT232R USB UART (0403:6001)", "COM2  ttyS0", "1", link}));
        QCOMPARE(SettingsStore::PortDevice(2), link);
        QCOMPARE(f->prompt.shown.last().text, "COM2 now means " + link + ", FTDI FT232R USB UART (0403:6001).");
        QCOMPARE(f->Find<QAction>("mnuOptionsSerialPort1(1)")->toolTip(),
                 "COM2: " + link + ", FTDI FT232R USB UART (0403:6001)");
        fake.ports.clear();  // unplugged
        emit menu->aboutToShow();
        QCOMPARE(f->Find<QAction>("mnuOptionsSerialPort1(1)")->toolTip(), "COM2: " + link + " (not plugged in)");
    }

    void findMyCable_data()
    {
        QTest::addColumn<int>("appearing");  // ports that appear on plugging in
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("device");
        QTest::newRow("none") << 0
                              << "No port appeared. Plug the cable in firmly, or try another USB socket; "
                                 "quorlink-cli doctor says what stops a port."
                              << "";
        QTest::newRow("one") << 1 << "Your cable is ttyUSB1 FTDI FT232R USB UART (0403:6001). Press OK to use it for COM3."
                             << Port(1).byIdLink;
        QTest::newRow("two") << 2
                             << "Several ports appeared (ttyUSB1, ttyUSB2). Unplug the other adapters and try again, "
                                "or choose your cable from the list."
                             << "";
    }

    void findMyCable()
    {
        QFETCH(int, appearing);
        QFETCH(QString, found);
        QFETCH(QString, device);
        FakePorts fake;
        fake.ports = {Port(0), Port(0, "ttyS0")};
        CablePrompt prompt;
        prompt.onShown = [&](int count) {
            if (count == 1)
                fake.ports.removeFirst();  // the cable, unplugged
            for (int i = 1; count == 2 && i <= appearing; ++i)
                fake.ports.append(Port(i));
        };
        PortDialog dialog(fake, 3, {}, prompt);
        QCOMPARE(dialog.findChild<QListWidget*>("lstPorts")->currentRow(), -1);  // COM3 has no port yet
        dialog.cmdFind_Click();
        QCOMPARE(prompt.shown.size(), appearing == 1 ? 2 : 3);
        QCOMPARE(prompt.shown[0].text, "Unplug the programming cable from the computer, then press OK.");
        QCOMPARE(prompt.shown[1].text, "Plug the cable in again, wait two seconds, then press OK.");
        QCOMPARE(dialog.findChild<QLabel*>("lblFound")->text(), found);
        QCOMPARE(dialog.findChild<QLineEdit*>("txtDevice")->text(), device);
        QCOMPARE(dialog.ChosenDevice(), device);
        const int row = dialog.findChild<QListWidget*>("lstPorts")->currentRow();
        QCOMPARE(row >= 0 ? dialog.findChild<QListWidget*>("lstPorts")->item(row)->text() : QString(),
                 appearing == 1 ? "COM2  ttyUSB1  FTDI FT232R USB UART (0403:6001)" : "");
    }

    // Moving the keyboard into the list picks no row: the field keeps the
    // stored device until the user picks one with a click or the arrow keys.
    void portListPicksOnlyWhatTheUserPicks()
    {
        FakePorts fake;
        fake.ports = {Port(0), Port(0, "ttyS0")};
        const QString unplugged = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_GONE-if00-port0");
        test::RecordingPrompt prompt;
        PortDialog dialog(fake, 1, {unplugged}, prompt);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QWindow* keys = dialog.windowHandle();
        auto* list = dialog.findChild<QListWidget*>("lstPorts");
        auto* field = dialog.findChild<QLineEdit*>("txtDevice");
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        for (int i = 0; i < 8 && !list->hasFocus(); ++i)
            QTest::keyClick(keys, Qt::Key_Tab);
        QVERIFY(list->hasFocus());
        QCOMPARE(dialog.ChosenDevice(), unplugged);
        QTest::keyClick(keys, Qt::Key_Down);
        QCOMPARE(field->text(), QStringLiteral("/dev/ttyS0"));
        field->setText(unplugged);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(field->text(), QStringLiteral("/dev/ttyS0"));  // the current row, clicked again
        field->setText(unplugged);
        fake.ports.prepend(Port(1));  // a cable plugged in meanwhile
        dialog.RefreshList();
        QCOMPARE(field->text(), unplugged);
    }

    void menusAndToolbar()
    {
        f->Open();
        const std::pair<const char*, const char*> captions[] = {
            {"mnuFileNew", "&New"}, {"mnuFileOpen", "&Open"}, {"mnuFileSave", "&Save"},
            {"mnuFileSaveAs", "Save &As..."}, {"mnuFilePrint", "&Print"}, {"mnuFilePrintToFile", "P&rint to File"},
            {"mnuFileCompare", "Co&mpare With..."}, {"mnuFileExit", "E&xit"}, {"mnuEditModel1", "&MR7100A"}, {"mnuEditModel2", "M&R5100A"},
            {"mnuTransferProgram", "&Program to Radio"}, {"mnuTransferRead", "&Read from Radio"},
            {"mnuOptionsSerialPort1(0)", "COM&1"}, {"mnuOptionsSerialPort1(3)", "COM&4"},
            {"mnuOptionsVerify", "&Verify After Writing"},
            {"mnuHelpContents", "&Contents"}, {"mnuHelpAbout", "&About QOR Version"}};
        for (const auto& [name, caption] : captions) {
            QAction* action = f->Find<QAction>(name);
            QVERIFY2(action, name);
            QCOMPARE(action->text(), QString::fromLatin1(caption));
            QVERIFY(action->isVisible() && action->isEnabled());
        }
        QVERIFY(!f->Find<QAction>("mnuFileSaveAsDefault")->isVisible());
        // Compare With... must not join the print group.
        QStringList file;
        for (QAction* a : f->Find<QMenu>("mnuFile")->actions())
            if (a->isVisible())
                file << (a->isSeparator() ? QStringLiteral("----") : a->objectName());
        QCOMPARE(file, (QStringList{"mnuFileNew", "mnuFileOpen", "----", "mnuFileSave", "mnuFileSaveAs", "----",
                                    "mnuFilePrint", "mnuFilePrintToFile", "----", "mnuFileCompare", "----",
                                    "mnuFileImportDirectory", "mnuFileExportDirectory", "mnuFileRecover", "----", "mnuFileExit"}));
        QVERIFY(f->Find<QAction>("mnuOptionsVerify")->isChecked());  // on until turned off
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

    // Options > Language follows the other options behind a separator, shows
    // the stored choice and stores a new one; only a choice that changes the
    // language of the next start says that it waits for it, in that language.
    void languageMenu()
    {
        SettingsStore::StoreLanguage(QStringLiteral("de"));
        f->Open();
        const QList<QAction*> options = f->Find<QMenu>("mnuOptions")->actions();
        QMenu* menu = f->Find<QMenu>("mnuOptionsLanguage");
        QCOMPARE(options.size(), 6);
        QVERIFY(options[3] == f->Find<QAction>("mnuOptionsShowChanges") && options[4]->isSeparator());
        QVERIFY(options[5]->menu() == menu && menu->title() == QStringLiteral("&Language"));
        QStringList items, checked;
        for (QAction* a : menu->actions()) {
            items << (a->isSeparator() ? QStringLiteral("----") : a->text());
            if (a->isChecked())
                checked << a->text();
        }
        QCOMPARE(items.mid(0, 3), (QStringList{"System default", "----", "English"}));
        QCOMPARE(items.size(), 2 + int(std::size(kOfferedLanguages)));
        QVERIFY(items.contains(QStringLiteral("Fran\u00E7ais")));
        QCOMPARE(checked, QStringList{"Deutsch"});

        auto choose = [menu](const QString& code) {
            for (QAction* a : menu->actions())
                if (!a->isSeparator() && a->data().toString() == code)
                    a->trigger();
            return SettingsStore::Language() == code && menu->actions().constFirst()->isChecked() == code.isEmpty();
        };
        QVERIFY(choose(QStringLiteral("de")));  // this run's language: nothing to wait for
        QVERIFY(f->prompt.shown.isEmpty());
        QVERIFY(choose(QStringLiteral("en")));
        QCOMPARE(f->prompt.shown.size(), 1);
        QCOMPARE(f->prompt.shown[0].title, QStringLiteral("Language"));
        QCOMPARE(f->prompt.shown[0].text, QStringLiteral("The new language takes effect when Quorlink starts again."));
        QCOMPARE(f->prompt.shown[0].icon, MessageIcon::Information);
        QVERIFY(choose(QString()));
        QCOMPARE(f->prompt.shown.size(), LanguageOfEnvironment() == QStringLiteral("de") ? 1 : 2);
    }

    // The list commands sit after the print commands, before Exit; an import
    // shows in the tree, the summary names each row not taken, and one undo
    // step takes the whole import back.
    void directoryListCommands()
    {
        MainWindow& w = f->Open();
        QStringList order;
        for (QAction* a : f->Find<QMenu>("mnuFile")->actions())
            order << a->objectName();
        const int print = order.indexOf("mnuFilePrintToFile");
        QVERIFY(print < order.indexOf("mnuFileImportDirectory"));
        QCOMPARE(order.mid(order.indexOf("mnuFileImportDirectory"), 4),
                 (QStringList{"mnuFileImportDirectory", "mnuFileExportDirectory", "mnuFileRecover", "mnuFileRecentBar"}));
        QCOMPARE(f->Find<QAction>("mnuFileImportDirectory")->text(), QStringLiteral("&Import Directory..."));

        const QString list = f->programDir.filePath(QStringLiteral("club.csv"));
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kind,mmsi,name\nindividual,366123456,Sea Dog\ngroup,123,X\n");
        file.close();
        w.SelectNodeByKey(QStringLiteral("SM"));
        f->prompt.fileNames.enqueue(list);
        f->Trigger("mnuFileImportDirectory");
        QCOMPARE(f->prompt.dialogFilters.last(), QStringLiteral("csv files(*.csv)|*.csv|All files(*.*)|*.*"));
        QCOMPARE(f->prompt.shown.last().text,
                 QStringLiteral("1 entry added.\nline 3: \"123\" is not a valid MMSI for the group directory\n"
                                "1 row refused."));
        QCOMPARE(f->Find<QTableWidget>("MSFlexGrid2")->item(0, 1)->text(), QStringLiteral("SEA DOG"));

        const QString out = f->programDir.filePath(QStringLiteral("out.csv"));
        f->prompt.fileNames.enqueue(out);
        f->Trigger("mnuFileExportDirectory");
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("kind,mmsi,name\r\nindividual,366123456,SEA DOG\r\n"));

        QCOMPARE(f->Find<QAction>("mnuEditUndo")->text(), QStringLiteral("&Undo Import Directory"));
        f->Trigger("mnuEditUndo");
        QVERIFY(!f->model.IndividualDirectory.at(1).Enable && !f->Find<QAction>("mnuEditUndo")->isEnabled());
        QCOMPARE(f->Find<QTableWidget>("MSFlexGrid2")->item(0, 1)->text(), QString());
    }

    // A name of 900 KB and more refused rows than a box can show: the box
    // must still fit the screen, with Save As and Copy giving every row whole.
    void importOfAHugeListFitsTheBox()
    {
        MainWindow& w = f->Open();
        const QString list = f->programDir.filePath(QStringLiteral("huge.csv"));
        const QByteArray hugeName(900 * 1024, 'A');
        QByteArray rows = "kind,mmsi,name\nindividual,366123456," + hugeName + "\n";
        for (int i = 0; i < 25; ++i)
            rows += "group,12" + QByteArray::number(i) + ",X\n";
        QVERIFY(test::WriteAll(list, rows));
        f->prompt.fileNames.enqueue(list);
        f->Trigger("mnuFileImportDirectory");

        const QStringList lines = f->prompt.shown.last().text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 1 + 20 + 1);
        for (const QString& line : lines)
            QVERIFY2(line.size() <= 100, qPrintable(line.left(120)));
        QVERIFY(lines[1].endsWith(QStringLiteral("\" cut to \"AAAAAAAAAA\" (at most 10 characters)")));
        QCOMPARE(lines.last(), QStringLiteral("25 rows refused, 1 name cut; the first 20 of 26 are listed above."));
        const QString whole = f->prompt.wholeLists.last();
        QCOMPARE(whole.count(QLatin1Char('\n')), 26);
        QVERIFY(whole.startsWith(QStringLiteral("line 2: name \"") + QString::fromLatin1(hugeName) + QLatin1Char('"')));

        ListMessageBox box(f->prompt, QStringLiteral("Import Directory"), f->prompt.shown.last().text,
                           MessageIcon::Exclamation, whole, &w);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(box.screen()->availableGeometry().size().boundedTo(box.frameGeometry().size()) ==
                box.frameGeometry().size());
        QVERIFY(test::WhollyShown(box.findChild<QLabel*>("lblListText")));
        QTest::mouseClick(box.findChild<QPushButton*>("cmdListCopy"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), whole);
        const QString saved = f->programDir.filePath(QStringLiteral("rows.txt"));
        f->prompt.fileNames.enqueue(saved);
        QTest::mouseClick(box.findChild<QPushButton*>("cmdListSaveAs"), Qt::LeftButton);
        QCOMPARE(QString::fromUtf8(test::ReadAll(saved)), whole);
        QVERIFY(box.isVisible());  // neither closes the box
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
        QCOMPARE(f->prompt.dialogFilters.size(), 1);
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

    // Whatever drops edits keeps them first, only when there are any, in a
    // data file that opens to the dropped records.
    void droppedEditsAreKept_data()
    {
        QTest::addColumn<QStringList>("commands");  // once without edits, once with
        QTest::addColumn<QString>("what");
        QTest::newRow("New") << QStringList{"mnuFileNew", "mnuFileNew"} << "new";
        QTest::newRow("Open") << QStringList{"mnuFileOpen", "mnuFileOpen"} << "open";
        QTest::newRow("model switch") << QStringList{"mnuEditModel1", "mnuEditModel2"} << "model-switch";
        QTest::newRow("Exit") << QStringList{"mnuFileExit", "mnuFileExit"} << "exit";
    }

    void droppedEditsAreKept()
    {
        QFETCH(QStringList, commands);
        QFETCH(QString, what);
        MainWindow& w = f->Open();
        const QString saved = f->programDir.filePath(QStringLiteral("boat.dat"));
        f->prompt.fileNames.enqueue(saved);
        f->Trigger("mnuFileSaveAs");
        for (int edited = 0; edited < 2; ++edited) {
            const int modelBefore = f->model.ModelNumber;
            if (edited)
                f->model.UsaChannels.at(0).ChTag = "DROPPED";
            f->prompt.fileNames.enqueue(saved);
            w.show();
            f->Trigger(commands[edited].toLatin1().constData());
            QTest::qWait(20);  // New waits for the menu to close
            QTRY_VERIFY(f->model.UsaChannels.at(0).ChTag != "DROPPED" || what == "exit");
            const QStringList copies = RecoveryCopies(f->programDir.path());
            QCOMPARE(copies.size(), edited);
            if (!edited)
                continue;
            QVERIFY2(copies[0].endsWith("-" + what + ".dat"), qPrintable(copies[0]));
            Model back;
            back.ModelNumber = modelBefore;
            NewModel(back);
            QVERIFY(FileRead2(back, copies[0], FileContext{ErrorLog(QString()), 0}).done());
            QCOMPARE(back.UsaChannels.at(0).ChTag, std::string("DROPPED"));
        }
    }

    // A copy is kept only when edits are really dropped; File > Recover lists
    // what is kept, newest first, by content and with what became of each
    // write, and opens it as File > Open does, which also finds images. A copy
    // that cannot be written asks before the edits go.
    void recoveryCopies()
    {
        f->Open();
        // Named for the other model: Recover goes by what the image holds.
        const StampedFile backup = SaveBackup(f->programDir.path(), "MR7100A", f->model.MemoryImage,
                                              BackupKind::BeforeWrite, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
        QVERIFY(backup.failure.isEmpty());
        QVERIFY(!NoteWriteOutcome(f->programDir.path(), WriteOutcome::Cancelled, backup.path, {}));
        f->model.Settings.UserMmsid = "3661234560";
        f->model.UsaChannels.at(0).ChTag = "KEPT";
        const QString broken = f->programDir.filePath(QStringLiteral("broken.dat"));
        QVERIFY(test::WriteAll(broken, "not a data file"));
        f->prompt.fileNames.enqueue(broken);
        f->Trigger("mnuFileOpen");  // fails: nothing is dropped
        QVERIFY(RecoveryCopies(f->programDir.path()).isEmpty());
        f->Trigger("mnuFileNew");
        QTRY_VERIFY(f->model.UsaChannels.at(0).ChTag != "KEPT");
        QStringList rows;
        QTimer::singleShot(0, this, [&rows] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog && dialog->objectName() == "frmRecover");
            auto* list = dialog->findChild<QTreeWidget*>("lvKeptCopies");
            for (QTreeWidgetItem* it = list->topLevelItem(0); it; it = list->itemBelow(it))
                rows << it->text(1) + '|' + it->text(2) + '|' + it->text(3) + '|' + it->text(4);
            dialog->findChild<QPushButton*>("cmdRecoverOpen")->click();  // the newest: the edits just dropped
        });
        f->Trigger("mnuFileRecover");
        QCOMPARE(rows, (QStringList{"dropped edits (new)|MR5100A|366123456|",
                                    "before write|MR5100A||cancelled before writing"}));
        QCOMPARE(f->model.UsaChannels.at(0).ChTag, std::string("KEPT"));
        f->Trigger("mnuFileOpen");
        QVERIFY(f->prompt.dialogFilters.last().endsWith("|Radio images (*.hex)|*.hex"));

        f->model.UsaChannels.at(0).ChTag = "UNSAVED";
        QVERIFY(QDir(RecoveryFolder(f->programDir.path())).removeRecursively());
        QVERIFY(test::WriteAll(RecoveryFolder(f->programDir.path()), {}));  // a file where the folder belongs
        f->prompt.shown.clear();
        f->prompt.answers.enqueue(Answer::Cancel);
        f->Trigger("mnuFileNew");
        QTRY_COMPARE(f->prompt.shown.size(), 1);
        QTest::qWait(20);
        QCOMPARE(f->model.UsaChannels.at(0).ChTag, std::string("UNSAVED"));
        f->Trigger("mnuFileNew");  // OK: dropped after all
        QTRY_VERIFY(f->model.UsaChannels.at(0).ChTag != "UNSAVED");
    }

    void modifiedPanelFollowsTheRecords()
    {
        MainWindow& w = f->Open();
        for (QTreeWidgetItemIterator it(w.TreeWidget()); *it; ++it)
            w.TreeWidget()->setCurrentItem(*it);  // showing a page is no edit
        QCOMPARE(w.StatusText(2), QString());
        const std::string original = f->model.Settings.UserMmsid;
        const auto storeMmsi = [&w](const std::string& mmsi) {  // as a page stores a change
            w.Edit(QStringLiteral("User MMSI"), [mmsi](Model& m) { m.Settings.UserMmsid = mmsi; });
        };
        storeMmsi("366000001");
        QCOMPARE(w.StatusText(2), QStringLiteral("Modified"));
        storeMmsi(original);  // back as it was: nothing to lose
        QCOMPARE(w.StatusText(2), QString());
        storeMmsi("366000001");
        QCOMPARE(w.StatusText(2), QStringLiteral("Modified"));
        f->prompt.fileNames.enqueue(f->programDir.filePath(QStringLiteral("mmsi.dat")));
        f->Trigger("mnuFileSaveAs");
        const QString saved =
            QStringLiteral("Saved as ") + QDir::toNativeSeparators(f->programDir.filePath("mmsi.dat"));
        QCOMPARE(w.StatusText(2), saved);
        storeMmsi("366000002");
        QCOMPARE(w.StatusText(2), QStringLiteral("Modified  ") + saved);
        f->prompt.fileNames.enqueue(f->programDir.filePath(QStringLiteral("mmsi.dat")));
        f->Trigger("mnuFileOpen");
        QCOMPARE(f->model.Settings.UserMmsid, std::string("366000001"));
        QCOMPARE(w.StatusText(2), QString());
    }

    // After a long command the keys work at once, without a click: where they
    // were, or on the tree after new data (New, Open, a model switch).
    void keyboardStaysAfterLongCommands_data()
    {
        QTest::addColumn<QString>("command");  // a key with Ctrl, or the name of a menu or toolbar item
        QTest::addColumn<bool>("onTree");
        QTest::newRow("New") << "N" << true;
        QTest::newRow("Open") << "O" << true;
        QTest::newRow("Save") << "S" << false;
        QTest::newRow("Save As") << "mnuFileSaveAs" << false;
        QTest::newRow("Save As Default") << "SaveAsDefault" << false;
        QTest::newRow("model switch") << "mnuEditModel1" << true;
    }

    void keyboardStaysAfterLongCommands()
    {
        QFETCH(QString, command);
        QFETCH(bool, onTree);
        MainWindow& w = f->Open();
        QWindow* keys = w.windowHandle();
        auto* tree = f->Find<QTreeWidget>("tvTreeView");
        auto* contrast = f->Find<QComboBox>("cmbFCont");
        const QString saved = f->programDir.filePath(QStringLiteral("boat.dat"));
        f->prompt.fileNames << saved << saved;
        f->Trigger("mnuFileSaveAs");  // Save then has a name, Open a file
        contrast->setFocus();
        QTRY_VERIFY(contrast->hasFocus());
        if (command.size() == 1)
            QTest::keyClick(keys, Qt::Key(command.at(0).unicode()), Qt::ControlModifier);
        else
            f->Trigger(command.toLatin1().constData());
        if (onTree) {
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(tree));
            QTest::keyClick(keys, Qt::Key_Up);  // from the settings
            QCOMPARE(NavigationTree::KeyOf(tree->currentItem()), QStringLiteral("E"));
        } else {
            const int before = f->model.Settings.Contrast;
            QTest::keyClick(keys, Qt::Key_Down);
            QCOMPARE(int(f->model.Settings.Contrast), before + 1);
        }
    }

    // A note in panel 2 belongs to the command that made it and goes with the
    // next one. Of a long note only the path is cut, in the middle; the note
    // is whole in its tooltip. A save and an export say what they did.
    void noteGoesWithTheNextCommand()
    {
        const QString folder = f->programDir.filePath(
            QStringLiteral("the folder of this program, with a name long enough to fill the status bar"));
        QVERIFY(QDir().mkpath(folder));
        f->window =
            std::make_unique<MainWindow>(f->model, f->prompt, folder, WindowTimings{0, 0}, f->programDir.path());
        MainWindow& w = *f->window;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QString note = QStringLiteral("Default file saved as ") + QDir(folder).filePath(QStringLiteral("MR5100A.def"));
        auto* panel = f->Find<ElidedLabel>("sbStatusBarPanel2");

        f->Trigger("SaveAsDefault");
        QCOMPARE(w.StatusText(2), note);
        QTRY_VERIFY(panel->ShownText() != note);
        QVERIFY2(panel->ShownText().startsWith(QLatin1String("Default file saved as ")),
                 qPrintable(panel->ShownText()));
        QVERIFY(panel->geometry().right() < f->Find<QLabel>("sbStatusBarPanel3")->geometry().left());
        QCOMPARE(panel->toolTip(), note);
        const QString narrow = QStringLiteral("Default file saved as /t…5100A.def");
        panel->setFixedWidth(panel->fontMetrics().horizontalAdvance(narrow) + 20);
        QTRY_VERIFY2(panel->ShownText().startsWith(QLatin1String("Default file saved as /")) &&
                         panel->ShownText().endsWith(QLatin1String(".def")),
                     qPrintable(panel->ShownText()));
        panel->setMinimumWidth(0);
        panel->setMaximumWidth(QWIDGETSIZE_MAX);

        w.Edit(QStringLiteral("Contrast"), [](Model& m) { m.Settings.Contrast = 1; });  // an edit is no command: the note stays
        QCOMPARE(w.StatusText(2), QStringLiteral("Modified  ") + note);
        const QString boat = f->programDir.filePath(QStringLiteral("boat.dat"));
        f->prompt.fileNames.enqueue(boat);
        f->Trigger("mnuFileSaveAs");
        QCOMPARE(w.StatusText(2), QStringLiteral("Saved as ") + QDir::toNativeSeparators(boat));
        const QString list = f->programDir.filePath(QStringLiteral("list.csv"));
        f->prompt.fileNames.enqueue(list);
        f->Trigger("mnuFileExportDirectory");
        QCOMPARE(w.StatusText(2), QStringLiteral("Directory exported to ") + QDir::toNativeSeparators(list));

        f->Trigger("SaveAsDefault");
        f->Trigger("mnuEditModel1");
        QTRY_COMPARE(int(f->model.Settings.Contrast), 4);  // the New ran
        QCOMPARE(w.StatusText(2), QString());
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
        QCOMPARE(asked, 3);  // Print to File asks nothing (tst_report_window)
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
        QCOMPARE(w.Help().HelpFile(), f->programDir.path() + QStringLiteral("/RV48.HLP"));
        QFile helpFile(w.Help().HelpFile());  // installed: the help file itself is asked for
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

    // Clicked as a user would, down to the last sections of a long guide
    // and from the text as well as the contents.
    void guideLinksGoToTheirSections_data()
    {
        QTest::addColumn<QString>("link");  // also the heading it leads to
        for (const char* section : {"Install", "Editing", "Comparing", "Troubleshooting", "For developers", "Help"})
            QTest::newRow(section) << QString::fromLatin1(section);
    }

    void guideLinksGoToTheirSections()
    {
        QFETCH(QString, link);
        HelpWindow guide(UserGuidePath());
        guide.show();
        QVERIFY(QTest::qWaitForWindowExposed(&guide));
        QTextBrowser* browser = guide.Browser();
        QTextCursor found;  // the first link with that text
        QStringList headings;
        QStringList links;
        for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                headings << format.anchorNames();
                if (!format.anchorHref().startsWith(QLatin1Char('#')))
                    continue;
                links << format.anchorHref().mid(1);
                if (found.isNull() && it.fragment().text() == link) {
                    found = QTextCursor(browser->document());
                    found.setPosition(it.fragment().position() + 1);
                }
            }
        QVERIFY(links.size() > 20);
        for (const QString& section : links)  // a link to no heading scrolls nowhere
            QVERIFY2(headings.contains(section), qPrintable(section));
        QVERIFY2(!found.isNull(), qPrintable(link));
        browser->setTextCursor(found);
        browser->ensureCursorVisible();
        QApplication::processEvents();
        const QPoint at = browser->cursorRect(found).center();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
        QApplication::processEvents();
        QTextBlock shown = browser->cursorForPosition(QPoint(4, 4)).block();  // at the top of the view
        while (shown.isValid() && shown.text().trimmed().isEmpty())
            shown = shown.next();
        QCOMPARE(shown.text(), link);
        QVERIFY(shown.blockFormat().headingLevel() > 0);
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
        w.Reports().SetPrinterChooser([](QPrinter&) { return false; });
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
