// SPDX-License-Identifier: GPL-3.0-or-later
// A save that cannot complete leaves the previous file byte for byte as it
// was and says so.
#include "support/capitals_translator.h"
#include "support/file_bytes.h"
#include "support/file_size_limit.h"
#include "data_file.h"
#include "file_fault.h"
#include "hex_file.h"
#include "model.h"
#include "whole_file.h"
#include "support/recording_prompt.h"
#include "support/sample_model.h"
#include "support/unprivileged.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace quorlink;
using quorlink::test::ReadAll;
using quorlink::test::FileSizeLimit;
using quorlink::test::WriteAll;

class TestSaveFailures : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    test::RecordingPrompt prompt;
    ErrorLog log{QString()};
    Model model;

    FileContext Context() { return FileContext{log, 0}; }

private slots:
    void init()
    {
        prompt = test::RecordingPrompt();
        model = Model();
        model.ModelNumber = 1;
        QVERIFY(!NewModel(model));
        test::ApplySampleEdits(model);
    }

    void dataFileCutShort()
    {
        const QString path = dir.filePath(QStringLiteral("boat.dat"));
        const QByteArray previous = "[MAIN]\r\nMODEL=#MR7100A\r\n";
        QVERIFY(WriteAll(path, previous));
        Outcome outcome;
        {
            FileSizeLimit limit(4096);  // the data file is about 29 KB
            outcome = prompt.Show(SaveFileAs(model, path, Context()));
        }
        QVERIFY(outcome.fault);
        QCOMPARE(ReadAll(path), previous);
        QVERIFY(outcome.failed());
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.shown[0].text, QStringLiteral("FileSave Error!!"));
        QCOMPARE(prompt.shown[0].title, QStringLiteral("Quorlink"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"boat.dat"});
    }

    void hexFileCutShort()
    {
        const QString path = dir.filePath(QStringLiteral("boat.hex"));
        const QByteArray previous(3000, 'p');
        QVERIFY(WriteAll(path, previous));
        Outcome outcome;
        {
            FileSizeLimit limit(4096);
            outcome = prompt.Show(SaveHexImage(model, path, Context()));
        }
        QVERIFY(outcome.fault);
        QCOMPARE(ReadAll(path), previous);
        QVERIFY(outcome.failed());
        QCOMPARE(prompt.shown.last().text, QStringLiteral("FileSave Error!!"));
    }

    void folderGoneAfterOpening()
    {
        QTemporaryDir gone;
        const QString path = gone.filePath(QStringLiteral("boat.dat"));
        QVERIFY(WriteAll(path, "old"));
        QVERIFY(gone.remove());
        QVERIFY(prompt.Show(SaveFileAs(model, path, Context())).fault);
        QCOMPARE(prompt.shown.last().text, QStringLiteral("FileSave Error!!"));
    }

    // A pipe (as a device would) stays what it is, reached directly or
    // through a link; a link to a regular file stays a link, and the file
    // it names receives the save.
    void specialFilesAndLinks()
    {
        QTemporaryDir here;
        const auto path = [&](const char* name) { return here.filePath(QLatin1String(name)); };
        QVERIFY(mkfifo(QFile::encodeName(path("pipe")).constData(), 0600) == 0);
        QVERIFY(QFile::link(path("pipe"), path("pipe-link.dat")));
        QVERIFY(WriteAll(path("real.dat"), "old"));
        QVERIFY(QFile::link(path("real.dat"), path("link.dat")));
        for (const char* name : {"pipe", "pipe-link.dat"}) {
            prompt = test::RecordingPrompt();
            const Fault fault = prompt.Show(SaveFileAs(model, path(name), Context())).fault;
            QCOMPARE(fault.description, std::string("not a regular file"));
            QCOMPARE(prompt.shown.last().text, QStringLiteral("FileSave Error!!"));
            QVERIFY(prompt.Show(SaveHexImage(model, path(name), Context())).fault);
        }
        // In another language the user reads the fault in it; the error log keeps it in English.
        {
            const test::CapitalsTranslator capitals;
            model.DiagnosticMode = true;
            const ErrorLog kept(here.path());
            const Fault fault = prompt.Show(SaveFileAs(model, path("pipe"), FileContext{kept, 0})).fault;
            model.DiagnosticMode = false;
            QCOMPARE(FaultText(fault), QStringLiteral("NOT A REGULAR FILE"));
            // Words filled in, and one fault's words inside another's (the fake language capitalises paths too).
            QCOMPARE(FaultText({57, "not a regular file; its previous content is kept in /k/x.dat"}),
                     QStringLiteral("NOT A REGULAR FILE; ITS PREVIOUS CONTENT IS KEPT IN /K/X.DAT"));
            QCOMPARE(FaultText({70, "/k/x.dat is read-only"}), QStringLiteral("/K/X.DAT IS READ-ONLY"));
            QCOMPARE(prompt.shown.last().text, QStringLiteral("FILESAVE ERROR!!"));
            QVERIFY(ReadAll(kept.Path()).endsWith(":frmMain.SaveFileAs -> 75not a regular file\r\n"));
            QVERIFY(QFile::remove(kept.Path()));
        }
        struct stat info {};
        QVERIFY(lstat(QFile::encodeName(path("pipe")).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
        QVERIFY(QFileInfo(path("pipe-link.dat")).isSymLink());

        QVERIFY(prompt.Show(SaveFileAs(model, path("link.dat"), Context())).done());
        QVERIFY(QFileInfo(path("link.dat")).isSymLink());
        QVERIFY(ReadAll(path("real.dat")).startsWith("[MAIN]\r\n"));
        QCOMPARE(QDir(here.path()).entryList(QDir::Files | QDir::System | QDir::Hidden).size(), 4);

        // A loop of links, and a link someone else planted in a folder all users
        // share, are refused and stay; our own link there is followed.
        QVERIFY(QFile::link(path("loop.dat"), path("loop.dat")));
        QCOMPARE(prompt.Show(SaveFileAs(model, path("loop.dat"), Context())).fault.description,
                 std::string("Too many levels of symbolic links"));
        QVERIFY(QFileInfo(path("loop.dat")).isSymLink());
        if (geteuid() != 0)
            QSKIP("only root can plant a link that belongs to another user");
        QVERIFY(QDir(here.path()).mkdir(QStringLiteral("shared")) &&
                chmod(QFile::encodeName(path("shared")).constData(), 01777) == 0);
        QVERIFY(WriteAll(path("real.dat"), "old") && QFile::link(path("real.dat"), path("shared/boat.dat")));
        const QByteArray link = QFile::encodeName(path("shared/boat.dat"));
        QVERIFY(lchown(link.constData(), 4321, 4321) == 0);
        const std::string refused =
            prompt.Show(SaveFileAs(model, path("shared/boat.dat"), Context())).fault.description;
        QVERIFY2(refused.rfind("Permission denied", 0) == 0, refused.c_str());
        QCOMPARE(ReadAll(path("real.dat")), QByteArray("old"));
        QVERIFY(lchown(link.constData(), geteuid(), getegid()) == 0);
        QVERIFY(prompt.Show(SaveFileAs(model, path("shared/boat.dat"), Context())).done() &&
                ReadAll(path("real.dat")).startsWith("[MAIN]\r\n"));
    }

    // The new file beside it gets a short name of its own.
    void nameNearTheLongest()
    {
        const QString path = dir.filePath(QString(246, QLatin1Char('b')) + QStringLiteral(".dat"));
        QVERIFY(WriteAll(path, "old"));
        QVERIFY(prompt.Show(SaveFileAs(model, path, Context())).done());
        QVERIFY(ReadAll(path).startsWith("[MAIN]\r\n"));
    }

    // A file we may write in a folder we may not: written in place, once its
    // old content is a recovery copy, and the user is told.
    void writableFileInLockedFolder()
    {
        QTemporaryDir locked, data;
        const QString path = locked.filePath(QStringLiteral("boat.hex"));
        const auto mode = [](const QString& name, mode_t bits) { return chmod(QFile::encodeName(name).constData(), bits) == 0; };
        QVERIFY(WriteAll(path, QByteArray(9000, 'x')) && mode(path, 0666) && mode(locked.path(), 0555) &&
                mode(data.path(), 0777));
        const QString said = data.filePath(QStringLiteral("said.txt"));
        const auto save = [&] {
            FileContext context{log, 0, data.path()};
            return prompt.Show(SaveHexImage(model, path, context)).done() &&
                   WriteAll(said, prompt.shown.last().text.toUtf8());
        };
        const bool saved = test::AsUnprivileged(save);
        QVERIFY(mode(locked.path(), 0700) && saved);
        QVERIFY(ReadAll(path).size() == 9000 && !ReadAll(path).startsWith('x'));
        const QStringList copies = QDir(data.filePath(QStringLiteral("recovery"))).entryList(QDir::Files);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(ReadAll(data.filePath(QStringLiteral("recovery/")) + copies[0]), QByteArray(9000, 'x'));
        const QString text = QString::fromUtf8(ReadAll(said));
        QVERIFY2(text.contains(QStringLiteral("written over in place")) && text.endsWith(copies[0]), qPrintable(text));
    }

    // A read-only file stays as it is, as Windows keeps it, whatever the
    // folder allows: one without any write permission (root included), one
    // its owner may not write, and one reached through a link. Work that
    // asks first whether it could save is told the same.
    void readOnlyFileStays()
    {
        QTemporaryDir here;
        const QString path = here.filePath(QStringLiteral("boat.dat"));
        const QString link = here.filePath(QStringLiteral("link.dat"));
        const auto mode = [&](mode_t bits) { return chmod(QFile::encodeName(path).constData(), bits) == 0; };
        QVERIFY(WriteAll(path, "previous") && QFile::link(path, link) && test::HandOver({here.path(), path}));
        const std::string readOnly = path.toStdString() + " is read-only";
        const auto refused = [&] {
            bool all = true;
            for (const QString& name : {path, link}) {
                prompt = test::RecordingPrompt();
                const Outcome outcome = prompt.Show(SaveFileAs(model, name, Context()));
                all = all && outcome.fault.description == readOnly && outcome.fault.number == 70 &&
                      prompt.shown.size() == 1 && prompt.shown[0].text == QStringLiteral("FileSave Error!!");
            }
            return all && ProbeWholeFile(path).description == readOnly;
        };
        QVERIFY(mode(0444) && refused());
        QVERIFY(mode(0466) && test::AsUnprivileged(refused));
        QCOMPARE(ReadAll(path), QByteArray("previous"));
        QCOMPARE(QDir(here.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    // A folder its owner may not write: the save is refused and the file stays.
    void noPermission()
    {
        QTemporaryDir locked;
        const QString path = locked.filePath(QStringLiteral("boat.hex"));
        QVERIFY(WriteAll(path, QByteArray(9000, 'x')) && test::HandOver({locked.path(), path}));
        QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QVERIFY(test::AsUnprivileged(
            [&] { return prompt.Show(SaveHexImage(model, path, Context())).fault.description == "Permission denied"; }));
        QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(ReadAll(path), QByteArray(9000, 'x'));
    }
};

QTEST_GUILESS_MAIN(TestSaveFailures)
#include "tst_save_failures.moc"
