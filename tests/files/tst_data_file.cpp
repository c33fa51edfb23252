// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and opening data files and default files.
#include "support/file_bytes.h"
#include "data_file.h"
#include "model.h"
#include "support/recording_prompt.h"
#include "support/sample_model.h"

#include <QTemporaryDir>
#include <QtTest>
#include <random>
#ifndef Q_OS_WIN
#include "support/unprivileged.h"
#include <sys/stat.h>
#endif

using namespace quorlink;
using quorlink::test::ReadAll;
using quorlink::test::WriteAll;
using quorlink::test::RecordingPrompt;

namespace {

QString Golden(const char* name) { return QStringLiteral(QUORLINK_TEST_DATA "/") + QLatin1String(name); }

}  // namespace

class TestDataFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    RecordingPrompt prompt;
    ErrorLog log{QString()};
    Model model;

    FileContext Context() { return FileContext{log, 0}; }
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    Model Fresh(int modelNumber) const
    {
        Model fresh;
        fresh.ModelNumber = modelNumber;
        NewModel(fresh);
        return fresh;
    }

private slots:
    void init()
    {
        prompt = RecordingPrompt();
        log = ErrorLog(dir.path());
        QFile::remove(log.Path());
        model = Fresh(1);
    }

    void goldenFiles_data()
    {
        QTest::addColumn<int>("modelNumber");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("defaultOnly");
        QTest::addColumn<QString>("golden");
        QTest::newRow("fresh MR7100A") << 1 << false << false << "fresh_mr7100a.dat";
        QTest::newRow("fresh MR5100A") << 0 << false << false << "fresh_mr5100a.dat";
        QTest::newRow("edited MR7100A") << 1 << true << false << "edited_mr7100a.dat";
        QTest::newRow("edited MR5100A default") << 0 << true << true << "edited_mr5100a.def";
    }

    void goldenFiles()
    {
        QFETCH(int, modelNumber);
        QFETCH(bool, edited);
        QFETCH(bool, defaultOnly);
        QFETCH(QString, golden);
        model = Fresh(modelNumber);
        if (edited)
            test::ApplySampleEdits(model);
        QTemporaryDir out;
        auto save = [&](const QString& path) {
            return prompt.Show(defaultOnly ? SaveFileAsDefault(model, path, Context())
                                           : SaveFileAs(model, path, Context()));
        };
        const QString path = out.filePath(QStringLiteral("out.dat"));
        QVERIFY(save(path).done());
        QVERIFY(prompt.shown.isEmpty());
        QCOMPARE(ReadAll(path), ReadAll(Golden(golden.toLatin1().constData())));
        // Saving again gives the same bytes, and leaves no temporary file behind.
        QVERIFY(save(out.filePath(QStringLiteral("again.dat"))).done());
        QCOMPARE(ReadAll(out.filePath(QStringLiteral("again.dat"))), ReadAll(path));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void formOfLines()
    {
        model.Settings.OffsetTime = 12;
        QVERIFY(FormatDataFile(model, DataFileScope::Whole).contains("\r\nOffsetTime=-12\r\n"));
        model.Settings.OffsetTime = 0;
        const QByteArray bytes = FormatDataFile(model, DataFileScope::Whole);
        QVERIFY(bytes.contains("\r\nOffsetTime=-24\r\n"));
        QVERIFY(bytes.startsWith("[MAIN]\r\nMODEL=#MR7100A\r\nTYPE=#QOR\r\nVERSION=#1.00\r\nMODELTYPE=0\r\n[SETCOM]\r\n"));
        QVERIFY(bytes.endsWith("[CHGRPID10]\r\nEnable=0\r\nTagName=#\r\nMmsid=\r\n"));
        QVERIFY(!bytes.contains("\r\n\r\n"));
        QVERIFY(!bytes.contains("Atis"));
        QCOMPARE(bytes.count("[CHUSA"), 55);
        QCOMPARE(bytes.count("[CHCAN"), 56);
        QVERIFY(bytes.contains("[CHEXP1]\r\n") && bytes.contains("[CHEXP40]\r\n") && !bytes.contains("[CHEXP0]"));
        QVERIFY(bytes.contains("[CHWX9]\r\nEnable=1\r\nScanMemory=0\r\nChTag=#163.275MHZ\r\n"));

        model.VariantCode = "RV48E";  // the ATIS variant writes its four keys after TrueMag
        QVERIFY(FormatDataFile(model, DataFileScope::DefaultOnly)
                    .contains("TrueMag=0\r\nAtisOnOffUSA=0\r\nAtisOnOffInternational=0\r\n"
                              "AtisOnOffCanada=0\r\nAtisNo=#\r\nScanType=0\r\n"));
    }

    void roundTrip()
    {
        test::ApplySampleEdits(model);
        model.Settings.OffsetTime = 0;
        model.VariantCode = "RV48E";  // with the ATIS keys
        model.Settings.AtisNo = "123";
        model.Settings.AtisOnOffCanada = true;
        const Model edited = model;
        QVERIFY(prompt.Show(SaveFileAs(model, Path("trip.dat"), Context())).done());
        model = Fresh(1);
        model.VariantCode = "RV48E";
        QVERIFY(prompt.Show(FileRead2(model, Path("trip.dat"), Context())).done());
        QVERIFY(model.Settings == edited.Settings);
        QVERIFY(model.Special.values == edited.Special.values);
        QVERIFY(model.UsaChannels == edited.UsaChannels);
        QVERIFY(model.IntChannels == edited.IntChannels);
        QVERIFY(model.CanChannels == edited.CanChannels);
        QVERIFY(model.WxChannels == edited.WxChannels);
        QVERIFY(model.ExpChannels == edited.ExpChannels);
        QVERIFY(model.IndividualDirectory == edited.IndividualDirectory);
        QVERIFY(model.GroupDirectory == edited.GroupDirectory);
        QCOMPARE(model.UsaChannels.at(0).ChTag, std::string("  HARBOUR"));
    }

    void readingRules()
    {
        model.UsaChannels.at(20).ChTag = "KEEP?";
        model.UsaChannels.at(20).LowPower = true;
        model.UsaChannels.at(20).Position = 22;
        model.Settings.Contrast = 5;
        model.Settings.Scrambler = 9;
        QVERIFY(WriteAll(Path("hand.dat"),
                 "[setcom]\r\n"
                 "contrast = 2.5\r\n"       // ties to even: 2
                 "Dimmer=x\r\n"             // does not convert: kept
                 "Scrambler=70000\r\n"      // beyond 16 bits: kept
                 "KeyBeep=True\r\n"
                 "WxAlert=yes\r\n"          // not a flag: kept
                 "TRUEMAG=1\r\n"
                 "OffsetTime=-13\r\n"
                 "[CHUSA0]\r\n"
                 "ChTag=#ABC  \r\n"         // trailing blanks are lost on reading
                 "Enable=0\r\n"
                 "[CHUSA1]\r\n"
                 "Position=7\r\n"));          // the USA sections stop here
        const Model before = model;
        QVERIFY(prompt.Show(FileRead2(model, Path("hand.dat"), Context())).done());
        QCOMPARE(int(model.Settings.Contrast), 2);
        QCOMPARE(model.Settings.Dimmer, before.Settings.Dimmer);
        QCOMPARE(int(model.Settings.Scrambler), 9);
        QVERIFY(model.Settings.KeyBeep);
        QCOMPARE(model.Settings.WxAlert, before.Settings.WxAlert);
        QVERIFY(model.Settings.TrueMag);
        QCOMPARE(int(model.Settings.OffsetTime), 11);
        QCOMPARE(model.Settings.UserMmsid, std::string());  // a missing text key empties
        QCOMPARE(model.UsaChannels.at(0).ChTag, std::string("ABC"));
        QVERIFY(!model.UsaChannels.at(0).Enable);
        QCOMPARE(int(model.UsaChannels.at(1).Position), 7);
        const ChannelRecord& later = model.UsaChannels.at(20);
        QCOMPARE(int(later.Position), 22);
        QVERIFY(later.LowPower);
        QCOMPARE(later.ChTag, std::string());
        QCOMPARE(model.Special.values, before.Special.values);
        QVERIFY(prompt.shown.isEmpty());
    }

    // A file in which no section of a data file is found is refused whole:
    // read as one it would blank every name and MMSI.
    void hostileContent_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("dataFile");
        std::mt19937 rng(8);
        QByteArray garbage(64 * 1024, '\0');
        for (char& c : garbage)
            c = static_cast<char>(rng());
        QTest::newRow("binary garbage") << garbage << false;
        QTest::newRow("NUL bytes") << (QByteArray("[SETCOM]\r\nContrast=") + '\0' + " 7\r\nUserMmsid=#12" + '\0' + " 34\r\n") << true;
        QTest::newRow("no equals, keys before sections") << QByteArray("Contrast=1\r\n[SETCOM]\r\nContrast\r\n[\r\n]=]\r\n") << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("one long line") << QByteArray(3 * 1024 * 1024, '[') << false;
        const QString utf16 = QStringLiteral("[SETCOM]\r\nContrast=7\r\n");
        QTest::newRow("UTF-16") << (QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2)) << false;
    }

    void hostileContent()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, dataFile);
        QVERIFY(WriteAll(Path("bad.dat"), content));
        test::ApplySampleEdits(model);
        model.Settings.Contrast = 4;
        const Model before = model;
        const Outcome outcome = prompt.Show(FileRead2(model, Path("bad.dat"), Context()));
        const Fault& fault = outcome.fault;
        QCOMPARE(!fault, dataFile);
        QCOMPARE(outcome.failed(), !dataFile);
        QCOMPARE(model.UsaChannels.size(), std::size_t(55));
        if (dataFile) {
            QVERIFY(model.Settings.Contrast == 4 || model.Settings.Contrast == 7);
            QVERIFY(model.Settings.UserMmsid.empty() || model.Settings.UserMmsid == "12");
            return;
        }
        QCOMPARE(fault.description, std::string("no data-file sections found"));
        QCOMPARE(prompt.shown.last().text, QStringLiteral("FileRead Error!!"));
        QVERIFY(model.Settings == before.Settings && model.UsaChannels == before.UsaChannels);
        QVERIFY(model.IndividualDirectory == before.IndividualDirectory);
    }

    void hugeFile()
    {
        // 100 MB of lines, the real section at the very end.
        QFile file(Path("huge.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray block = QByteArray("[JUNK]\r\n") + QByteArray(1024 * 1024 - 8, 'j');
        for (int i = 0; i < 100; ++i)
            QCOMPARE(file.write(block), block.size());
        file.write("\r\n[SETCOM]\r\nContrast=1\r\n");
        file.close();
        QVERIFY(prompt.Show(FileRead2(model, Path("huge.dat"), Context())).done());
        QCOMPARE(int(model.Settings.Contrast), 1);
        QFile::remove(Path("huge.dat"));
    }

    void unreadableFileChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("diagnostic");
        QTest::newRow("missing") << "missing.dat" << false;
        QTest::newRow("missing, service mode") << "missing.dat" << true;
        QTest::newRow("a folder") << "folder.dat" << true;
#ifdef Q_OS_WIN
        // Device names, in every folder and with any extension.
        QTest::newRow("NUL") << "nul.dat" << false;
        QTest::newRow("CON") << "CON" << false;
        QTest::newRow("COM1") << "com1.dat" << false;
#else
        QTest::newRow("a pipe") << "pipe.dat" << false;  // would wait for ever for a writer
        QTest::newRow("a link to a pipe") << "link.dat" << false;
#endif
    }

    void unreadableFileChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(bool, diagnostic);
        QDir(dir.path()).mkdir(QStringLiteral("folder.dat"));
#ifndef Q_OS_WIN
        mkfifo(QFile::encodeName(Path("pipe.dat")).constData(), 0600);
        QFile::link(Path("pipe.dat"), Path("link.dat"));
#endif
        model.DiagnosticMode = diagnostic;
        test::ApplySampleEdits(model);
        model.CurrentFilePath = "/keep/me.dat";
        const Model before = model;
        const Outcome outcome = prompt.Show(FileRead2(model, dir.filePath(name), Context()));
        QVERIFY(outcome.fault);
        QVERIFY(outcome.failed());
        QVERIFY(model.Settings == before.Settings);
        QVERIFY(model.UsaChannels == before.UsaChannels);
        QVERIFY(model.IndividualDirectory == before.IndividualDirectory);
        QCOMPARE(model.CurrentFilePath, before.CurrentFilePath);
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.shown[0].title, QStringLiteral("Quorlink"));
        QCOMPARE(prompt.shown[0].text, QStringLiteral("FileRead Error!!"));
        QCOMPARE(prompt.shown[0].icon, MessageIcon::Warning);
        const QByteArray logged = ReadAll(log.Path());
        if (!diagnostic) {
            QVERIFY(!QFile::exists(log.Path()));
        } else {
            QCOMPARE(logged.count("\r\n"), 1);
            QVERIFY(logged.contains(":frmMain.FileRead2 -> "));
            QVERIFY(logged.endsWith("\r\n"));
        }
    }

    void noReadPermission()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows keeps rights in ACLs");
#else
        QTemporaryDir here;
        const QString path = here.filePath(QStringLiteral("locked.dat"));
        QVERIFY(WriteAll(path, "[SETCOM]\r\nContrast=1\r\n") && test::HandOver({here.path(), path}));
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        model.Settings.Contrast = 3;
        QVERIFY(test::AsUnprivileged([&] {
            return prompt.Show(FileRead2(model, path, Context())).fault.number == 70 && model.Settings.Contrast == 3;
        }));
#endif
    }

    void saveFailures()
    {
        const QString path = dir.filePath(QStringLiteral("no/such/folder/x.dat"));
        const Outcome outcome = prompt.Show(SaveFileAs(model, path, Context()));
        QVERIFY(outcome.fault);
        QVERIFY(outcome.failed());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.shown[0].text, QStringLiteral("FileSave Error!!"));
        QCOMPARE(prompt.shown[0].title, QStringLiteral("Quorlink"));
        QCOMPARE(prompt.shown[0].icon, MessageIcon::Warning);
#ifdef Q_OS_WIN
        // A device name is no file: the save is refused before anything is opened.
        QVERIFY(SaveFileAs(model, dir.filePath(QStringLiteral("aux.dat")), Context()).fault);
#endif
    }

    void failedSaveKeepsThePreviousFile()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows keeps rights in ACLs");
#else
        QTemporaryDir here;
        const QString folder = here.filePath(QStringLiteral("ro"));
        const QString path = folder + QStringLiteral("/boat.dat");
        QVERIFY(QDir(here.path()).mkdir(QStringLiteral("ro")) && WriteAll(path, "previous") &&
                test::HandOver({here.path(), folder, path}));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QVERIFY(test::AsUnprivileged([&] {
            const Outcome outcome = prompt.Show(SaveFileAs(model, path, Context()));
            return outcome.fault.description == "Permission denied" && outcome.failed();
        }));
        QCOMPARE(ReadAll(path), QByteArray("previous"));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
#endif
    }

    void defaultFileName()
    {
        QCOMPARE(DefaultFilePath(QStringLiteral("/opt/q"), model), QStringLiteral("/opt/q/MR7100A.def"));
        model.ModelNumber = 0;
        QCOMPARE(DefaultFilePath(QStringLiteral("/opt/q"), model), QStringLiteral("/opt/q/MR5100A.def"));
    }

    void defaultFileLoadsItsThreeSections()
    {
        test::ApplySampleEdits(model);
        QVERIFY(prompt.Show(SaveFileAsDefault(model, Path("m.def"), Context())).done());
        Model other = Fresh(1);
        QVERIFY(prompt.Show(FileRead2(other, Path("m.def"), Context())).done());
        QVERIFY(other.Settings == model.Settings);
        QVERIFY(other.Special.values == model.Special.values);
        QCOMPARE(other.UsaChannels.at(3).ChTag, std::string());  // no channel sections: tags emptied
        QCOMPARE(other.UsaChannels.at(3).Enable, true);
    }
};

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_data_file.moc"
