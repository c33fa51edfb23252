// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-edited data files with values out of every range: every page shows
// them without harm, and what cannot be encoded stops the command whole.
#include "support/file_bytes.h"
#include "main_window_fixture.h"
#include "encoder.h"
#include "text_report.h"
#include "transfer_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <sys/stat.h>

using namespace quorlink;
using quorlink::test::ReadAll;

namespace {

QByteArray HostileFile()
{
    return "[SETCOM]\r\nContrast=300\r\nDimmer=-7\r\nScrambler=999\r\nScanType=5\r\nInd=70\r\n"
           "OffsetTime=1000\r\nUserMmsid=#12AB56789\r\nKeyBeep=2\r\n"
           "[CHCOM]\r\nUSA-ACH=200\r\nUSA-BCH=3\r\nINT-ACH=-5\r\nCAN-ACH=32767\r\nCAN-BCH=-32768\r\n"
           "[CHUSA0]\r\nPosition=99\r\nEnable=1\r\nChTag=#" + QByteArray(200, 'Q') + "\r\n"
           "[CHUSA1]\r\nPosition=-4\r\n"
           "[CHEXP1]\r\nPosition=500\r\nEnable=1\r\nDuplex=1\r\n"
           "[CHEXP2]\r\nPosition=-3\r\nEnable=0\r\n"
           "[CHWX0]\r\nChTag=#" + QByteArray(150, 'w') + "\r\n"
           "[CHMMSID1]\r\nEnable=1\r\nTagName=#NAME LONGER THAN TEN\r\nMmsid=ABCDEFGHIJKL\r\n"
           "[CHGRPID1]\r\nEnable=1\r\nMmsid=9\r\n";
}

}  // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> f;
    QTemporaryDir dir;

    // Opened with another page on display than the settings page. A value
    // its list shows as another entry is put right as the file comes in; a
    // contrast of 300 is no list position and stays, to be refused later.
    void OpenHostile(bool diagnostic = false)
    {
        f = std::make_unique<test::MainWindowFixture>();
        f->Open(diagnostic);
        f->window->SelectNodeByKey(QStringLiteral("PU"));
        const QString path = dir.filePath(QStringLiteral("hostile.dat"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(HostileFile());
        file.close();
        f->prompt.fileNames.enqueue(path);
        f->Trigger("mnuFileOpen");
        QVERIFY(f->prompt.shown.isEmpty());
        QCOMPARE(int(f->model.Settings.Scrambler), 0);
        QCOMPARE(int(f->model.Settings.Contrast), 300);
    }

private slots:
    void cleanup() { f.reset(); }

    // A pipe, or a file that is no data file, is refused at once and changes
    // nothing; Save As does not turn a pipe into a file.
    void notDataFiles()
    {
        f = std::make_unique<test::MainWindowFixture>();
        f->Open();
        const QString pipe = dir.filePath(QStringLiteral("pipe.dat"));
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        const QString empty = dir.filePath(QStringLiteral("empty.dat"));
        QVERIFY(test::WriteAll(empty, QByteArray()));
        f->model.UsaChannels.at(0).ChTag = "KEEP";
        const QString caption = f->window->windowTitle();
        for (const QString& path : {pipe, empty}) {
            f->prompt.fileNames.enqueue(path);
            f->Trigger("mnuFileOpen");
            QCOMPARE(f->prompt.shown.last().text, QStringLiteral("FileRead Error!!"));
            QCOMPARE(f->model.UsaChannels.at(0).ChTag, std::string("KEEP"));
            QCOMPARE(f->window->windowTitle(), caption);
        }
        f->prompt.fileNames.enqueue(pipe);
        f->Trigger("mnuFileSaveAs");
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("FileSave Error!!"));
        struct stat info {};
        QVERIFY(lstat(QFile::encodeName(pipe).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
        QCOMPARE(f->window->windowTitle(), caption);
    }

    // Names beyond Latin-1 reach the file system and the caption whole.
    void namesBeyondLatin1_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Cyrillic") << QStringLiteral("Лодка.dat");
        QTest::newRow("accented") << QStringLiteral("Boét.dat");
    }

    void namesBeyondLatin1()
    {
        QFETCH(QString, name);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        f = std::make_unique<test::MainWindowFixture>();
        f->Open();
        f->prompt.fileNames.enqueue(path);
        f->Trigger("mnuFileSaveAs");
        QVERIFY(QFile::exists(path));
        QVERIFY2(f->window->windowTitle().endsWith(QStringLiteral(" - ") + name.toLower()),
                 qPrintable(f->window->windowTitle()));
        f->model.UsaChannels.at(0).ChTag = "SAVED";
        f->Trigger("mnuFileSave");
        QVERIFY(ReadAll(path).contains("ChTag=#SAVED\r\n"));  // not some "?????.dat"

        f->model.UsaChannels.at(0).ChTag = "OTHER";
        f->prompt.fileNames.enqueue(path);
        f->Trigger("mnuFileOpen");
        QCOMPARE(f->model.UsaChannels.at(0).ChTag, std::string("SAVED"));
        QVERIFY(f->window->windowTitle().endsWith(QStringLiteral(" - ") + name.toLower()));
        QVERIFY(f->prompt.shown.isEmpty());
    }

    // What cannot be encoded stops Program and the hex export before anything is written.
    void overflowStopsTheCommand()
    {
        OpenHostile(true);
        const Image before = f->model.MemoryImage;
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            QVERIFY(dialog->isVisible());
            QTest::mouseClick(dialog->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        });
        f->Trigger("mnuTransferProgram");
        QCOMPARE(f->prompt.shown.size(), 1);
        QCOMPARE(f->prompt.shown[0].text, QStringLiteral("6\n\nOverflow"));
        QCOMPARE(f->prompt.shown[0].icon, MessageIcon::Critical);
        QVERIFY(f->model.MemoryImage == before);

        const QString hex = dir.filePath(QStringLiteral("hostile.hex"));
        f->prompt.fileNames.enqueue(hex);
        QTest::keyClick(f->Find("tvTreeView"), Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("FileSave Error!!"));
        QVERIFY(!QFile::exists(hex));
        QVERIFY(f->model.MemoryImage == before);
    }

    // Every page shows the values without harm; afterwards the data saves,
    // encodes and reports.
    void everyPageShowsThem()
    {
        OpenHostile();
        auto* tree = f->Find<QTreeWidget>("tvTreeView");
        QStringList keys;
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            keys << NavigationTree::KeyOf(*it);
        for (const QString& key : keys)
            f->window->SelectNodeByKey(key);
        f->window->SelectNodeByKey(QStringLiteral("PU 0"));
        QCOMPARE(f->Find<QLineEdit>("txtCTag")->text().size(), 12);
        QCOMPARE(f->model.UsaChannels.at(0).ChTag.size(), std::size_t(126));  // never cut by showing
        f->window->SelectNodeByKey(QStringLiteral("E 1"));
        QCOMPARE(int(f->model.ExpChannels.at(1).Position), 500);

        const QString saved = dir.filePath(QStringLiteral("again.dat"));
        f->prompt.fileNames.enqueue(saved);
        f->Trigger("mnuFileSaveAs");
        QVERIFY(ReadAll(saved).contains("[CHEXP1]\r\nPosition=500\r\n"));
        // Showing put nothing back: the values are those the file came in with.
        QCOMPARE(int(f->model.Settings.Scrambler), 0);
        QCOMPARE(int(f->model.Settings.Dimmer), 0);
        QCOMPARE(int(f->model.Settings.Contrast), 300);
        QCOMPARE(EncodeImage(f->model).number, 6);
        QVERIFY(f->prompt.shown.isEmpty());
        const std::string report = BuildTextReport(f->model);
        QVERIFY(report.find("500") != std::string::npos);
    }
};

QTEST_MAIN(TestHostileFiles)
#include "tst_hostile_files.moc"
