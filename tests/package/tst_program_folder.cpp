// SPDX-License-Identifier: GPL-3.0-or-later
// Where the editor keeps its own files and finds its help file, in a build
// folder and in an installed tree.
#include "program_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorlink;

class TestProgramFolder : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString Make(const QString& relative)
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QString Folder(const QString& relative)
    {
        QDir().mkpath(dir.filePath(relative));
        return dir.filePath(relative);
    }

    QString PerUser() const { return dir.filePath(QStringLiteral("home-data/Quorlink")); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("home-data")).toLocal8Bit());
    }

    void buildFolderKeepsTheFilesBesideTheProgram()
    {
        const QString bin = Folder(QStringLiteral("build/src/app"));
        QCOMPARE(ProgramFolderFor(bin), bin);
        // Backups, though, go to the user's folder, as those of the command line beside it do.
        QCOMPARE(DataFolder(), PerUser());
    }

    void installedProgramNeverWritesIntoBin()
    {
        // An unpacked or user-owned prefix: bin/ can be written, and is not used.
        const QString bin = Folder(QStringLiteral("prefix/bin"));
        Make(QStringLiteral("prefix/share/applications/quorlink.desktop"));
        QVERIFY(QFileInfo(bin).isWritable());
        QCOMPARE(ProgramFolderFor(bin), PerUser());
        QVERIFY(QFileInfo(PerUser()).isDir());
    }

    void otherDesktopEntriesDoNotMakeAnInstall()
    {
        const QString bin = Folder(QStringLiteral("other/bin"));
        Make(QStringLiteral("other/share/applications/editor.desktop"));
        QCOMPARE(ProgramFolderFor(bin), bin);
    }

    void helpFileInTheProgramFolderComesFirst()
    {
        const QString bin = Folder(QStringLiteral("both/bin"));
        const QString own = Make(QStringLiteral("own1/RV48.HLP"));
        Make(QStringLiteral("both/share/quorlink/RV48.HLP"));
        QCOMPARE(HelpFilePathFor(dir.filePath(QStringLiteral("own1")), bin, QStringLiteral("RV48.HLP")), own);
    }

    void helpFileOfTheInstallation()
    {
        const QString bin = Folder(QStringLiteral("shared/bin"));
        const QString shared = Make(QStringLiteral("shared/share/quorlink/RV48.HLP"));
        QCOMPARE(HelpFilePathFor(Folder(QStringLiteral("own2")), bin, QStringLiteral("RV48.HLP")), shared);
    }

    void missingHelpFileIsNamedInTheProgramFolder()
    {
        const QString bin = Folder(QStringLiteral("none/bin"));
        Folder(QStringLiteral("none/share/quorlink"));
        const QString own = Folder(QStringLiteral("own3"));
        QCOMPARE(HelpFilePathFor(own, bin, QStringLiteral("RV48.HLP")), own + QStringLiteral("/RV48.HLP"));
    }

    // The installed guide first; a build folder falls back on its source tree's.
    void userGuide()
    {
        const QString guide = Make(QStringLiteral("guide/share/doc/quorlink/README.md"));
        QCOMPARE(UserGuidePathFor(Folder(QStringLiteral("guide/bin"))), guide);
        const QString fromSource = UserGuidePathFor(Folder(QStringLiteral("build2/src/app")));
        QCOMPARE(QFileInfo(fromSource).fileName(), QStringLiteral("README.md"));
        QVERIFY(QFileInfo(fromSource).isFile() && fromSource != guide);
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_program_folder.moc"
