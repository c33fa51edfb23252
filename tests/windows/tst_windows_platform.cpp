// SPDX-License-Identifier: GPL-3.0-or-later
// What Windows names mean to the program: COM ports and the device names no
// file may take, and the safe writer on a Windows file system.
#include "dialog_folder.h"
#include "file_fault.h"
#include "open_failure.h"
#include "port_names.h"
#include "settings_store.h"
#include "whole_file.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>
#include <QtTest>

using namespace quorlink;

class TestWindowsPlatform : public QObject {
    Q_OBJECT

private slots:
    void portNames()
    {
        QCOMPARE(ParsePortChoice(QStringLiteral("com2"))->number, 2);
        QCOMPARE(ParsePortChoice(QStringLiteral("COM7"))->device, QStringLiteral("COM7"));
        QCOMPARE(ParsePortChoice(QStringLiteral("\\\\.\\COM3"))->device, QStringLiteral("\\\\.\\COM3"));
        QVERIFY(!ParsePortChoice(QStringLiteral("COM")));
        const QList<PortInfo> listed{{QStringLiteral("COM7")}};
        // COMn is the system's COMn, whatever is listed, unless a device is stored for it.
        QCOMPARE(ResolvePort({1, {}}, {}, listed).device, QStringLiteral("COM1"));
        QCOMPARE(ResolvePort({1, {}}, {QStringLiteral("COM7")}, listed).device, QStringLiteral("COM7"));
        QCOMPARE(NumbersOf(listed.front(), {QStringLiteral("COM7")}, listed), QList<int>{1});
    }

    void missingPortSaysWhereToLook()
    {
        const PortTarget target{QStringLiteral("COM7"), QStringLiteral("COM7")};
        const QStringList causes = CauseLines(target, LookAtDevice(QStringLiteral("COM98")), false);
        QCOMPARE(causes.size(), 1);
        QVERIFY(causes.front().contains(QStringLiteral("Device Manager")));
        DeviceFacts present;
        QVERIFY(CauseLines(target, present, true).front().contains(QStringLiteral("another program")));
    }

    // Every device name says the same, whether it is opened or saved, a blank
    // before its extension or not.
    void deviceNamesAreNoFiles()
    {
        QTemporaryDir dir;
        for (const char* name : {"nul.dat", "nul .dat", "CON", "aux.txt", "com1.dat", "COM1 .txt", "LPT9", "prn.hex",
                                 "con  .hex"}) {
            const QString path = dir.filePath(QString::fromLatin1(name));
            const QString reason = QString::fromLatin1(name) + QStringLiteral(" is a name Windows keeps for a device");
            QCOMPARE(FaultText(SpecialFileFault(path)), reason);
            QCOMPARE(FaultText(WriteWholeFile(path, "x")), reason);
        }
        QVERIFY(!SpecialFileFault(dir.filePath(QStringLiteral("console.dat"))));
        QVERIFY(!WriteWholeFile(dir.filePath(QStringLiteral("nulled .dat")), "x"));
    }

    // Started in its own folder, the program opens its file dialogs in
    // Documents, then where a file was last chosen while that folder is there.
    void dialogsOpenWhereTheUserWas()
    {
        SettingsStore::StoreDialogFolder(QString());
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(!documents.isEmpty());
        QCOMPARE(DialogStartFolder(), documents);
        auto dir = std::make_unique<QTemporaryDir>();
        RememberDialogFolder(dir->filePath(QStringLiteral("boat.dat")));
        QCOMPARE(DialogStartFolder(), dir->path());
        dir.reset();
        QCOMPARE(DialogStartFolder(), documents);
        SettingsStore::StoreDialogFolder(QString());
    }

    void safeWriterReplacesAndRefuses()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("boat.dat"));
        QVERIFY(!WriteWholeFile(path, "first"));
        QVERIFY(!WriteWholeFile(path, "second"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("second"));
        file.close();
        bool taken = false;
        QVERIFY(WriteNewWholeFile(path, "third", taken));
        QVERIFY(taken);
        QVERIFY(!WriteNewWholeFile(dir.filePath(QStringLiteral("new.dat")), "new", taken));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);  // no part files left
    }
};

QTEST_GUILESS_MAIN(TestWindowsPlatform)
#include "tst_windows_platform.moc"
