// SPDX-License-Identifier: GPL-3.0-or-later
// What Windows names mean to the program: COM ports and the device names no
// file may take, and the safe writer on a Windows file system.
#include "file_fault.h"
#include "open_failure.h"
#include "port_names.h"
#include "whole_file.h"

#include <QTemporaryDir>
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

    void deviceNamesAreNoFiles()
    {
        QTemporaryDir dir;
        for (const char* name : {"nul.dat", "CON", "aux.txt", "com1.dat", "LPT9", "prn.hex"}) {
            const QString path = dir.filePath(QString::fromLatin1(name));
            QVERIFY2(SpecialFileFault(path), name);
            QVERIFY2(WriteWholeFile(path, "x"), name);
        }
        QVERIFY(!SpecialFileFault(dir.filePath(QStringLiteral("console.dat"))));
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
