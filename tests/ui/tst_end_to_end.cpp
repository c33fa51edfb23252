// SPDX-License-Identifier: GPL-3.0-or-later
// Edits made on every page survive a data file and a trip through the radio.
#include "compare_window.h"
#include "encoder.h"
#include "image_layout.h"
#include "main_window_fixture.h"
#include "read_backups.h"
#include "radio_emulator.h"
#include "transfer_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

using namespace quorlink;

namespace {

void Choose(QComboBox* list, const QString& text)
{
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setFocus();
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void Type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

}  // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<test::MainWindowFixture> f;

    template <class T = QWidget>
    T* W(const char* name) const
    {
        T* widget = f->Find<T>(name);
        if (!widget)
            qWarning("no widget %s", name);
        return widget;
    }
    void Show(const char* key) const { f->window->SelectNodeByKey(QLatin1String(key)); }
    void Click(const char* name) const { QTest::mouseClick(W(name), Qt::LeftButton, {}, QPoint(4, 6)); }

    void OpenFresh()
    {
        f = std::make_unique<test::MainWindowFixture>();
        QSettings(QStringLiteral("Quorlink"), QStringLiteral("Quorlink")).setValue(QStringLiteral("ModelPath/ModelNum"), 1);
        f->Open();
        f->window->Transfers().SetTransferTimings({300, 120, 10, 0});
    }

    void EditEveryPage()
    {
        Show("P");
        Choose(W<QComboBox>("cmbAUSA"), QStringLiteral("68"));
        Show("PU 0");
        Type(W<QLineEdit>("txtCTag"), QStringLiteral("home"));
        Click("chkCVSmemory");
        Show("E 3");
        W<QComboBox>("cmbCN")->setFocus();
        QTest::keyClick(W<QComboBox>("cmbCN"), Qt::Key_Down);
        QTest::keyClick(W<QComboBox>("cmbCN"), Qt::Key_Down);
        Show("PW");
        W("chkDEnable(2)")->setFocus();
        QTest::keyClick(W("chkDEnable(2)"), Qt::Key_Space);
        Show("S");
        Choose(W<QComboBox>("cmbFDim"), QStringLiteral("LO"));
        W<QTabWidget>("tbsFNE")->setCurrentIndex(1);
        Type(W<QLineEdit>("txtFUser"), QStringLiteral("366123456"));
        QTest::keyClick(W("txtFUser"), Qt::Key_Tab);
        Show("SM 1");
        Click("chkGEnable");
        Type(W<QLineEdit>("txtGPosi"), QStringLiteral("sea dog"));
        Type(W<QLineEdit>("txtGMMSI"), QStringLiteral("235000001"));
        QTest::keyClick(W("txtGMMSI"), Qt::Key_Tab);
        Show("SG 1");
        Click("chkGEnable");
        Type(W<QLineEdit>("txtGMMSI"), QStringLiteral("36612345"));
        QTest::keyClick(W("txtGMMSI"), Qt::Key_Tab);
        f->window->SelectNodeByKey(QStringLiteral("S"));
    }

    // Every edit, seen on its own page.
    void FindEveryEdit()
    {
        Show("P");
        QCOMPARE(W<QComboBox>("cmbAUSA")->currentText(), QStringLiteral("68"));
        Show("PU 0");
        QCOMPARE(W<QLineEdit>("txtCTag")->text(), QStringLiteral("HOME"));
        QVERIFY(W<QCheckBox>("chkCVSmemory")->isChecked());
        Show("E 3");
        QCOMPARE(W<QComboBox>("cmbCN")->currentText(), QStringLiteral("2"));
        QVERIFY(W<QCheckBox>("chkCEnable")->isChecked());
        Show("PW");
        QVERIFY(!W<QCheckBox>("chkDEnable(2)")->isChecked());
        Show("S");
        QCOMPARE(W<QComboBox>("cmbFDim")->currentText(), QStringLiteral("LO"));
        QCOMPARE(W<QLineEdit>("txtFUser")->text(), QStringLiteral("366123456"));
        Show("SM 1");
        QCOMPARE(W<QLineEdit>("txtGPosi")->text(), QStringLiteral("SEA DOG"));
        QCOMPARE(W<QLineEdit>("txtGMMSI")->text(), QStringLiteral("235000001"));
        Show("SG 1");
        QCOMPARE(W<QLineEdit>("txtGMMSI")->text(), QStringLiteral("36612345"));
    }

    void RunDialog(const char* action)
    {
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        f->Trigger(action);
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("Complete!!"));
    }

    // Answers the Compare With question (and a transfer dialog after it).
    CompareWindow* Compare(const char* choice, bool expectLastRead)
    {
        QTimer::singleShot(0, this, [=] {
            QWidget* dialog = QApplication::activeModalWidget();
            QCOMPARE(dialog->objectName(), QStringLiteral("frmCompareSource"));
            QCOMPARE(dialog->findChild<QPushButton*>("cmdCompareLastRead")->isEnabled(), expectLastRead);
            if (QLatin1String(choice) == QLatin1String("cmdCompareRadio"))
                QTimer::singleShot(0, this, [] {
                    auto* transfer = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
                    QVERIFY(transfer);
                    QTest::mouseClick(transfer->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
                });
            QTest::mouseClick(dialog->findChild<QPushButton*>(choice), Qt::LeftButton);
        });
        f->Trigger("mnuFileCompare");
        auto* window = f->window->findChild<CompareWindow*>("frmCompare");
        if (window && !QTest::qWaitForWindowExposed(window))
            qWarning("compare window not exposed");
        return window;
    }

    static QStringList Rows(CompareWindow* window)
    {
        QStringList rows;
        auto* list = window->findChild<QTreeWidget*>("lvDifferences");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(0) + " | " + list->topLevelItem(i)->text(1) + " | " +
                        list->topLevelItem(i)->text(2);
        return rows;
    }

private slots:
    void compareWithFileRadioAndLastRead()
    {
        OpenFresh();
        Model radioData = f->model;  // what the radio and the backups hold
        EncodeImage(radioData);
        f->model.UsaChannels.at(13).ChTag = "CALL";
        f->model.Settings.Contrast = 5;
        const QStringList expected{"USA CH16: name | \"DISTRESS\" | \"CALL\"", "Radio Setup: Contrast | 4 | 5"};

        f->prompt.fileNames.enqueue(QStringLiteral(QUORLINK_TEST_DATA "/fresh_mr7100a.dat"));
        std::unique_ptr<CompareWindow> window(Compare("cmdCompareFile", false));
        QVERIFY(window && window->isVisible() && !window->isModal());
        QCOMPARE(Rows(window.get()), expected);
        QCOMPARE(window->findChild<QLabel*>("lblCompareCount")->text(), QStringLiteral("2 differences"));
        auto* list = window->findChild<QTreeWidget*>("lvDifferences");
        const QPoint first = list->visualItemRect(list->topLevelItem(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);  // a double click starts with a click
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(NavigationTree::KeyOf(f->Find<QTreeWidget>("tvTreeView")->currentItem()), QStringLiteral("PU 13"));
        QCOMPARE(f->window->Pages().Active(), Panel::C);
        const QString saved = dir.filePath(QStringLiteral("differences.txt"));
        f->prompt.fileNames.enqueue(saved);
        QTest::mouseClick(window->findChild<QPushButton*>("cmdCompareSaveAs"), Qt::LeftButton);
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("USA CH16: name \"DISTRESS\" -> \"CALL\"\n"
                                            "Radio Setup: Contrast 4 -> 5\n2 differences\n"));
        window.reset();

        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        std::copy(radioData.MemoryImage.begin(), radioData.MemoryImage.end(), radio.memory().begin());
        SettingsStore::StorePortDevice(1, radio.SlavePath());
        window.reset(Compare("cmdCompareRadio", false));
        QVERIFY(window);
        QCOMPARE(Rows(window.get()), expected);
        QCOMPARE(f->model.UsaChannels.at(13).ChTag, std::string("CALL"));  // the editor's data stays
        QCOMPARE(f->window->windowTitle(), QStringLiteral("RV48  Quorlink"));
        window.reset();

        // The radio read above kept its backup like any read; older reads stand in for it here.
        QCOMPARE(ListReadBackups(f->programDir.path(), QStringLiteral("MR7100A")).size(), 1);
        QDir(f->programDir.filePath(QStringLiteral("backups"))).removeRecursively();
        // The newest kept read of a radio with the editor's user MMSI.
        QDir(f->programDir.path()).mkpath(QStringLiteral("backups"));
        const auto keep = [&](const char* name, const Image& image) {
            QFile backup(f->programDir.filePath(QStringLiteral("backups/") + QLatin1String(name)));
            QVERIFY(backup.open(QIODevice::WriteOnly));
            backup.write(reinterpret_cast<const char*>(image.data()), kImageSize);
        };
        Image otherRadio = radioData.MemoryImage;
        otherRadio[addr::UserMmsid] = 0x12;
        Image older = radioData.MemoryImage;
        older[addr::DisplayAndScan] = static_cast<std::uint8_t>(older[addr::DisplayAndScan] & 0xF8);  // contrast 0
        keep("MR7100A-20260101-100000-read.hex", radioData.MemoryImage);
        keep("MR7100A-20250101-100000-read.hex", older);
        keep("MR7100A-20270101-100000-read.hex", otherRadio);
        keep("MR5100A-20280101-100000-read.hex", radioData.MemoryImage);
        window.reset(Compare("cmdCompareLastRead", true));
        QVERIFY(window);
        QCOMPARE(Rows(window.get()), expected);
        QVERIFY(window->findChild<QLabel*>("lblCompareSources")->text().contains("MR7100A-20260101-100000-read.hex"));
    }

    void editsSurviveFileAndRadio()
    {
        OpenFresh();
        EditEveryPage();
        QCOMPARE(f->model.Settings.UserMmsid, std::string("3661234560"));
        QCOMPARE(f->model.GroupDirectory.at(1).Mmsid, std::string("0366123450"));
        QVERIFY(f->prompt.shown.isEmpty());
        const QString path = dir.filePath(QStringLiteral("boat.dat"));
        f->prompt.fileNames.enqueue(path);
        f->Trigger("mnuFileSaveAs");
        QVERIFY(QFile::exists(path));
        const Model edited = f->model;

        OpenFresh();
        f->prompt.fileNames.enqueue(path);
        f->Trigger("mnuFileOpen");
        QCOMPARE(f->window->windowTitle(), QStringLiteral("RV48  Quorlink - boat.dat"));
        FindEveryEdit();

        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        SettingsStore::StorePortDevice(1, radio.SlavePath());
        RunDialog("mnuTransferProgram");

        OpenFresh();
        SettingsStore::StorePortDevice(1, radio.SlavePath());
        RunDialog("mnuTransferRead");
        FindEveryEdit();
        QVERIFY(f->model.Settings == edited.Settings);
        QVERIFY(f->model.UsaChannels == edited.UsaChannels);
        QVERIFY(f->model.WxChannels == edited.WxChannels);
        QVERIFY(f->model.IndividualDirectory == edited.IndividualDirectory);
        QVERIFY(f->model.GroupDirectory == edited.GroupDirectory);
        QCOMPARE(f->model.Special.Ach(Region::Usa), edited.Special.Ach(Region::Usa));
    }

    // The tick boxes of the change list: the user MMSI and its count tick
    // together, a page's box ticks its lines, the count follows, and with
    // none ticked Write is greyed.
    void changeListTicks()
    {
        using B = std::vector<ImageBits>;
        const std::vector<Difference> changes{
            {"S", "Radio Setup", "Contrast", "3", "4", false, false, B{{addr::DisplayAndScan, 0x07}}},
            {"S", "DSC Setup", "User MMSI", "(empty)", "366987654", false, false, B{{addr::UserMmsid, 0xFF}}},
            {"S", "DSC Setup", "Count", "0", "1", false, false, B{{addr::UserMmsiCount, 0xFF}}},
            {"PU 0", "USA CH01A", "name", "\"\"", "\"A\"", false, false, B{{0x0200, 0xFF}}},
        };
        std::vector<bool> ticked(changes.size(), true);
        QStringList counts;
        bool greyed = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            auto* list = box->findChild<QTreeWidget*>("lvDifferences");
            auto* count = box->findChild<QLabel*>("lblCompareCount");
            auto* write = box->findChild<QPushButton*>("cmdWriteChanges");
            const auto item = [&](const QString& text) { return list->findItems(text, Qt::MatchRecursive).value(0); };
            counts << count->text();
            item("DSC Setup: User MMSI")->setCheckState(0, Qt::Unchecked);
            counts << count->text();
            item("Settings")->setCheckState(0, Qt::Unchecked);
            item("USA")->setCheckState(0, Qt::Unchecked);
            counts << count->text();
            greyed = !write->isEnabled();
            item("DSC Setup: Count")->setCheckState(0, Qt::Checked);
            counts << count->text();
            write->click();
        });
        test::RecordingPrompt prompt;
        QVERIFY(CompareWindow::ConfirmWrite(changes, "Program to Radio", prompt, {}, nullptr, &ticked));
        const QString prefix = "Program to Radio changes these in the radio: ";
        QCOMPARE(counts, (QStringList{prefix + "4 of 4 changes ticked", prefix + "2 of 4 changes ticked",
                                      prefix + "0 of 4 changes ticked", prefix + "2 of 4 changes ticked"}));
        QVERIFY(greyed);
        QCOMPARE(ticked, (std::vector<bool>{false, true, true, false}));
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_end_to_end.moc"
