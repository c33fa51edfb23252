// SPDX-License-Identifier: GPL-3.0-or-later
// The radio verbs of the command line against the radio emulator on a
// pseudo-terminal.
#include "backups.h"
#include "cli.h"
#include "clone_protocol.h"
#include "data_file.h"
#include "encoder.h"
#include "model.h"
#include "radio_emulator.h"
#include "support/exchanges.h"
#include "support/file_bytes.h"
#include "support/file_size_limit.h"
#include "support/recording_prompt.h"
#include "support/sample_model.h"

#include <QTemporaryDir>
#include <QtTest>
#include <QProcess>
#include <csignal>
#include <cstdio>
#include <unistd.h>

using namespace quorlink;

namespace {

struct CliRun {
    int code;
    QByteArray err;
    QByteArray out;
};

// Backups of the transfers go here, not beside the test program.
QString DataFolder()
{
    static QTemporaryDir folder;
    return folder.path();
}

CliRun RunCli(const QStringList& args, const QString& dataFolder = DataFolder(),
              const ProtocolTimings* timings = nullptr)
{
    char* texts[2] = {};
    std::size_t sizes[2] = {};
    std::FILE* err = open_memstream(&texts[0], &sizes[0]);
    std::FILE* out = open_memstream(&texts[1], &sizes[1]);
    std::vector<std::string> list;
    for (const QString& arg : args)
        list.push_back(arg.toStdString());
    const int code = cli::Run(list, {out, err, dataFolder.toStdString(), timings});
    std::fclose(err);
    std::fclose(out);
    CliRun outcome{code, QByteArray(texts[0], static_cast<qsizetype>(sizes[0])),
                    QByteArray(texts[1], static_cast<qsizetype>(sizes[1]))};
    std::free(texts[0]);
    std::free(texts[1]);
    return outcome;
}

Model EditedModel()
{
    Model model;
    model.ModelNumber = 1;
    NewModel(model);
    test::ApplySampleEdits(model);
    EncodeImage(model);
    return model;
}

// Image bytes that a write does not send keep the radio's own values.
bool Sent(int address)
{
    return !((address >= 32 && address <= 36) || (address >= 48 && address <= 79) ||
             (address >= 432 && address <= 479));
}

}  // namespace

class TestCliRadio : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }

private slots:
    void readSavesTheRadio()
    {
        const Model source = EditedModel();
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        std::copy(source.MemoryImage.begin(), source.MemoryImage.end(), radio.memory().begin());
        const CliRun r = RunCli({"read", "--model", "MR7100A", "--port", radio.SlavePath(), Path("read.dat")});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.contains("Read from Radio: Complete!!"), r.err.constData());
        Model back;
        back.ModelNumber = 1;
        NewModel(back);
        const ErrorLog log{QString()};
        QVERIFY(FileRead2(back, Path("read.dat"), FileContext{log, 0}).done());
        QVERIFY(back.Settings == source.Settings);
        QVERIFY(back.UsaChannels == source.UsaChannels);
        QVERIFY(back.IndividualDirectory == source.IndividualDirectory);
        QCOMPARE(back.ExpChannels.at(1).ChTag, std::string("EXP ONE"));
    }

    void writeProgramsTheRadio()
    {
        const Model source = EditedModel();
        SaveFileAs(const_cast<Model&>(source), Path("edited.dat"), [] {
            static const ErrorLog log{QString()};
            return FileContext{log, 0};
        }());
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        const CliRun r = RunCli({"write", "--model", "mr7100a", "--port", radio.SlavePath(), Path("edited.dat")});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.contains("Program to Radio: Complete!!"), r.err.constData());
        for (int a = 0; a < kImageSize; ++a)
            if (Sent(a) && a != 12 && a != 39 && (a < 480 || a > 487))
                QVERIFY2(radio.memory()[a] == source.MemoryImage[a], qPrintable(QString::number(a)));
    }

    // write reads the radio first and lists what it changes; --dry-run stops
    // there. backups then lists the before-write copy with its model, MMSI
    // and what became of the write.
    void dryRunListsTheChangesAndWritesNothing()
    {
        Model source = EditedModel();
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        std::copy(source.MemoryImage.begin(), source.MemoryImage.end(), radio.memory().begin());
        source.UsaChannels.at(0).ChTag = "DRYRUN";
        QVERIFY(SaveFileAs(source, Path("dry.dat"), FileContext{ErrorLog(QString()), 0}).done());
        const CliRun r = RunCli({"write", "--dry-run", "--model", "MR7100A", "--port", radio.SlavePath(), Path("dry.dat")});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.endsWith("USA CH01A: name \"  HARBOUR\" -> \"DRYRUN\"\n1 difference\n"), r.out.constData());
        QVERIFY(std::none_of(radio.requests().begin(), radio.requests().end(),
                             [](const auto& e) { return e.request.command == 0x13 || e.request.command == 0x11; }));
        const QByteArray listed = RunCli({"backups"}).out;
        QVERIFY2(QRegularExpression("-before-write(-\\d+)?\\.hex\t[-\\d: ]{19}\tbefore write\tMR7100A\t366987654\t"
                                    "cancelled before writing\t-\n")
                     .match(listed).hasMatch(), listed.constData());
    }

    // The radio is read into a scratch model; the file is not touched.
    void diffAgainstTheRadio()
    {
        Model source = EditedModel();
        const ErrorLog log{QString()};
        QVERIFY(SaveFileAs(source, Path("mine.dat"), FileContext{log, 0}).done());
        const QByteArray saved = [&] { QFile f(Path("mine.dat")); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        std::copy(source.MemoryImage.begin(), source.MemoryImage.end(), radio.memory().begin());
        const QString port = QStringLiteral("port:") + radio.SlavePath();
        CliRun r = RunCli({"diff", "--model", "MR7100A", port, Path("mine.dat")});
        QCOMPARE(r.out, QByteArray("0 differences\n"));
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QByteArray("0 differences\n"));

        radio.memory()[14] = static_cast<std::uint8_t>((radio.memory()[14] & 0xF8) | 5);
        radio.memory()[0x1E00] = 0x00;
        r = RunCli({"diff", "--model", "MR7100A", port, Path("mine.dat")});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out, QByteArray("Radio Setup: Contrast 5 -> 6\n"
                                   "byte 0x1E00 differs; the editor does not show it\n2 differences\n"));
        QVERIFY2(r.err.contains("Read from Radio: Complete!!"), r.err.constData());
        QFile f(Path("mine.dat"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), saved);

        sim::RadioEmulator other(sim::kCode5100);
        QVERIFY(other.Start());
        r = RunCli({"diff", "--model", "MR7100A", Path("mine.dat"), QStringLiteral("port:") + other.SlavePath()});
        QCOMPARE(r.code, 2);
        QVERIFY(r.out.isEmpty());
    }

    // The radio holds another own MMSI: refused without the option, nothing sent.
    void writeGuardsTheOwnMmsi()
    {
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        radio.memory()[336] = 0x21;  // 211999999, the tenth digit 0
        radio.memory()[337] = 0x19;
        radio.memory()[338] = radio.memory()[339] = 0x99;
        radio.memory()[340] = 0x90;
        const QString file = QUORLINK_TEST_DATA "/edited_mr7100a.dat";
        CliRun r = RunCli({"write", "--model", "MR7100A", "--port", radio.SlavePath(), file});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("Program to Radio: The radio's own MMSI is 211999999; this write would change it "
                                "to 366987654. Many radios accept a new own MMSI only a few times"),
                 r.err.constData());
        QVERIFY(r.err.contains("give --allow-mmsi-change"));
        for (const sim::LoggedRequest& request : radio.requests())  // reads, and a retry's CAN: nothing written
            QVERIFY(request.request.command != 0x11 && request.request.command != 0x13);
        r = RunCli({"write", "--model", "MR7100A", "--allow-mmsi-change", "--port", radio.SlavePath(), file});
        QCOMPARE(r.code, 0);
        QCOMPARE(int(radio.memory()[336]), 0x36);
    }

    // A fleet's data set to a radio with and without its own MMSI: --keep
    // user-mmsi leaves the number and its count as the radio holds them and
    // asks nothing; the rest is written. --only names sends only names.
    void writeKeepsAreas_data()
    {
        QTest::addColumn<bool>("hasMmsi");
        QTest::newRow("radio with an MMSI") << true;
        QTest::newRow("radio without") << false;
    }
    void writeKeepsAreas()
    {
        QFETCH(bool, hasMmsi);
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        const std::uint8_t mmsi[] = {0x21, 0x19, 0x99, 0x99, 0x90};  // 211999999
        for (int i = 0; i < 5; ++i)
            radio.memory()[336 + i] = hasMmsi ? mmsi[i] : 0xFF;
        radio.memory()[341] = hasMmsi ? 1 : 0;
        const std::vector<std::uint8_t> own(radio.memory().begin() + 336, radio.memory().begin() + 342);
        const QString file = QUORLINK_TEST_DATA "/edited_mr7100a.dat";
        Model data;
        data.ModelNumber = 1;
        NewModel(data);
        QVERIFY(FileRead2(data, file, FileContext{ErrorLog(QString()), 0}).done());
        QVERIFY(!EncodeImage(data));

        const CliRun dry = RunCli({"write", "--dry-run", "--only", "names", "--model", "MR7100A", "--port",
                                   radio.SlavePath(), file});
        QCOMPARE(dry.code, 0);
        for (const QByteArray& line : dry.out.split('\n'))
            QVERIFY2(line.isEmpty() || line.contains(": name ") || line.endsWith(" differences"), line.constData());
        QVERIFY2(dry.out.contains("USA CH01A: name "), dry.out.constData());

        const CliRun r = RunCli({"write", "--keep", "user-mmsi", "--model", "MR7100A", "--port", radio.SlavePath(), file});
        QCOMPARE(r.code, 0);
        QVERIFY2(!r.err.contains("MMSI") && r.err.contains("Program to Radio: Complete!!"), r.err.constData());
        QVERIFY(std::equal(own.begin(), own.end(), radio.memory().begin() + 336));
        QVERIFY(std::equal(data.MemoryImage.begin() + 0x200, data.MemoryImage.begin() + 0x300, radio.memory().begin() + 0x200));
        const CliRun diff = RunCli({"diff", "--model", "MR7100A", "port:" + radio.SlavePath(), file});
        QCOMPARE(diff.code, 1);
        QVERIFY2(diff.out.contains("DSC Setup: User MMSI ") && diff.out.split('\n').size() <= 4, diff.out.constData());
    }

    // A read leaves a backup that, given to write, puts every byte the write
    // sends back exactly, names and bits the editor would tidy up included.
    // A raw image read is those bytes too, a dry run of them to the radio
    // that holds them changes nothing, and after the write only the bytes a
    // write never sends differ.
    void backupWritesTheRadioBackExactly()
    {
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        for (int a = 2; a < kImageSize - 2; ++a)
            radio.memory()[a] = static_cast<std::uint8_t>(a * 7 + a / 256);
        const sim::Memory original = radio.memory();
        const QByteArray originalBytes(reinterpret_cast<const char*>(original.data()), kImageSize);
        const QStringList before = ReadBackups(DataFolder(), "MR7100A");
        QCOMPARE(RunCli({"read", "--model", "MR7100A", "--port", radio.SlavePath(), Path("r.hex")}).code, 0);
        const QStringList after = ReadBackups(DataFolder(), "MR7100A");
        QCOMPARE(after.size(), before.size() + 1);
        QCOMPARE(test::ReadAll(Path("r.hex")), originalBytes);
        QCOMPARE(test::ReadAll(after.first()), originalBytes);
        CliRun r = RunCli({"write", "--dry-run", "--model", "MR7100A", "--port", radio.SlavePath(), Path("r.hex")});
        QCOMPARE(r.out, QByteArray("0 differences\n"));
        radio.memory() = sim::RadioEmulator::BlankMemory(sim::kCode7100);
        r = RunCli({"write", "--model", "MR7100A", "--port", radio.SlavePath(), after.first()});
        QCOMPARE(r.code, 0);
        for (int a = 0; a < kImageSize; ++a)
            if (Sent(a))
                QVERIFY2(radio.memory()[a] == original[a], qPrintable(QString::number(a)));
        r = RunCli({"diff", "--model", "MR7100A", after.first(), QStringLiteral("port:") + radio.SlavePath()});
        QCOMPARE(r.out, QByteArray("bytes 0x0020-0x0024 differ; Program to Radio does not write them\n"
                                   "bytes 0x0030-0x0048 differ; Program to Radio does not write them\n"
                                   // 0x0049 is 0xFF in both
                                   "bytes 0x004A-0x004F differ; Program to Radio does not write them\n"
                                   "bytes 0x01B0-0x01DF differ; Program to Radio does not write them\n"
                                   "4 differences\n"));
    }

    void writeVerifies_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("said");
        QTest::newRow("verified") << QStringList() << 1
                                  << QByteArray("Program to Radio: Verify Error!!\n1 byte in the radio is not what "
                                                "was written:\n0x1140 individual directory 3 MMSI\n");
        QTest::newRow("--no-verify") << QStringList{"--no-verify"} << 0
                                     << QByteArray("Program to Radio: Complete!!\n");
    }

    void writeVerifies()
    {
        QFETCH(QStringList, options);
        QFETCH(int, code);
        QFETCH(QByteArray, said);
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        radio.AddFault({sim::FaultKind::MisStore, 0x13, 0x1140, 1, 0});
        const CliRun r = RunCli(QStringList{"write", "--model", "MR7100A", "--port", radio.SlavePath()} + options +
                                 QStringList{QUORLINK_TEST_DATA "/edited_mr7100a.dat"});
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.endsWith(said), r.err.constData());
        const int reads = static_cast<int>(std::count_if(radio.requests().begin(), radio.requests().end(),
                                                         [](const auto& e) { return e.request.command == 0x14; }));
        // The model check's marker, the whole radio first, then the read-back.
        QCOMPARE(reads, 1 + 512 + (options.contains("--no-verify") ? 0 : 507));
    }

    void clearResetsTheCount()
    {
        sim::RadioEmulator radio(sim::kCode5100);
        QVERIFY(radio.Start());
        radio.memory()[341] = 5;
        const CliRun r = RunCli({"clear", "--model", "MR5100A", "--port", radio.SlavePath()});
        QCOMPARE(r.code, 0);
        QVERIFY(r.err.contains("Clear Data: Complete!!"));
        QCOMPARE(int(radio.memory()[341]), 0);
    }

    // OUT that cannot take what was read (a full disk) names the backup that holds it.
    void readToAFullDisk()
    {
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        const CliRun r = [&] {
            test::FileSizeLimit limit(kImageSize + 1000);  // the backup fits, the data file does not
            return RunCli({"read", "--model", "MR7100A", "--port", radio.SlavePath(), Path("full.dat")});
        }();
        QCOMPARE(r.code, 1);
        const QStringList after = ReadBackups(DataFolder(), "MR7100A");  // the newest first
        const QString said = QStringLiteral("FileSave Error!!\nReason: %1\nRead from Radio: What was read is kept in the "
                                            "backup %2; quorlink-cli convert --model MR7100A %2 OUT makes the file from it.\n");
        QVERIFY2(r.err.endsWith(said.arg(qt_error_string(EFBIG), after.first()).toLocal8Bit()), r.err.constData());
    }

    // A backup that cannot be kept ends no read: its note comes first, then how the read ended.
    void readGoesOnWithoutItsBackup()
    {
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        QTemporaryDir data;
        QVERIFY(test::WriteAll(data.filePath("backups"), "in the way"));
        const CliRun r =
            RunCli({"read", "--model", "MR7100A", "--port", radio.SlavePath(), Path("unkept.dat")}, data.path());
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.startsWith("quorlink-cli: The backup of this read could not be saved: ") &&
                     r.err.endsWith("\nRead from Radio: Complete!!\n") && r.err.count('\n') == 2,
                 r.err.constData());
    }

    void otherModelWritesNoFile()
    {
        sim::RadioEmulator radio(sim::kCode5100);
        QVERIFY(radio.Start());
        const CliRun r = RunCli({"read", "--model", "MR7100A", "--port", radio.SlavePath(), Path("no.dat")});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("ModelName Error !!"), r.err.constData());
        QVERIFY(!QFile::exists(Path("no.dat")));
    }

    void pulledCable()
    {
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        radio.AddFault({sim::FaultKind::HangUp, 0x14, 0x1000, 1, 0});
        CliRun r = RunCli({"read", "--model", "MR7100A", "--port", radio.SlavePath(), Path("cut.dat")});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("Communication Error!!"), r.err.constData());
        QVERIFY(!QFile::exists(Path("cut.dat")));

        sim::RadioEmulator writeRadio(sim::kCode7100);
        QVERIFY(writeRadio.Start());
        writeRadio.AddFault({sim::FaultKind::HangUp, 0x13, 0x0400, 1, 0});
        r = RunCli({"write", "--model", "MR7100A", "--port", writeRadio.SlavePath(), QUORLINK_TEST_DATA "/edited_mr7100a.dat"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("Communication Error!!"), r.err.constData());
        QVERIFY2(r.err.contains("The radio now holds a partly written memory") && r.err.contains("-before-write"),
                 r.err.constData());  // what to program it with, and how to put it back
        QVERIFY(r.err.indexOf("Communication Error!!") < r.err.indexOf("partly written"));  // the failure first
    }

    // Neither a file that is no data file nor an OUT that cannot be written
    // gets as far as the radio.
    void nothingReachesTheRadio()
    {
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        QFile empty(Path("empty.dat"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        CliRun r = RunCli({"write", "--model", "MR7100A", "--port", radio.SlavePath(), Path("empty.dat")});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("FileRead Error!!\nReason: no data-file sections found"), r.err.constData());
        r = RunCli({"read", "--model", "MR7100A", "--port", radio.SlavePath(), Path("no/folder/x.dat")});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.startsWith("Quorlink: FileSave Error!!\nReason: "), r.err.constData());
        QVERIFY(!r.err.contains("Complete!!"));
        QTest::qWait(50);
        QVERIFY(radio.requests().isEmpty());
    }

    // SIGTERM, SIGHUP or Ctrl+C cancels a transfer and says so; a write cut
    // short says that the radio must be programmed again, and from what.
    void signalCancels_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("command");  // the request it comes with
        QTest::addColumn<QString>("says");
        QTest::newRow("SIGTERM in the write") << SIGTERM << 0x13 << "The radio now holds a partly written memory";
        QTest::newRow("SIGHUP in the write") << SIGHUP << 0x13 << "The radio now holds a partly written memory";
        QTest::newRow("SIGINT in the read-back") << SIGINT << 0x14 << "The write went through, but it was not verified";
        QTest::newRow("SIGINT in the first read") << SIGINT << 0x14 << "";
    }

    void signalCancels()
    {
        QFETCH(int, signal);
        QFETCH(int, command);
        QFETCH(QString, says);
        cli::InstallInterruptHandler();
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        connect(&radio, &sim::RadioEmulator::requestLogged, this, [=](const sim::LoggedRequest& entry) {
            if (entry.request.command == command && entry.request.address == 0x0400)
                std::raise(signal);
        });
        QStringList args{"write", "--model", "MR7100A", "--port", radio.SlavePath(), QUORLINK_TEST_DATA "/edited_mr7100a.dat"};
        if (!says.isEmpty())
            args << "--no-read-first";  // the first 0x14 at 0x0400 is then the read-back's
        const CliRun r = RunCli(args);
        for (int each : {SIGINT, SIGTERM, SIGHUP})
            std::signal(each, SIG_DFL);
        QCOMPARE(r.code, 1);
        if (says.isEmpty()) {  // cut short before the first write frame: the radio holds what it held
            QCOMPARE(r.err, QByteArray("Cancelled.\n"));
            return;
        }
        QVERIFY2(r.err.contains("Program to Radio: " + says.toUtf8()) && r.err.endsWith("Cancelled.\n") &&
                     QRegularExpression("write(-[0-9]+)?\\.hex\n").match(r.err).hasMatch(), r.err.constData());
        if (signal != SIGTERM)
            return;

        sim::RadioEmulator silent(sim::kCode7100);
        QVERIFY(silent.Start());
        silent.AddFault({sim::FaultKind::NoAnswer, -1, -1, -1, 0});
        QProcess process;
        process.start(QStringLiteral(QUORLINK_CLI_PATH),
                      {"read", "--model", "MR7100A", "--port", silent.SlavePath(), Path("never.dat")});
        QTRY_VERIFY(!silent.requests().isEmpty());
        process.terminate();
        QVERIFY(process.waitForFinished(3000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(process.readAllStandardError(), QByteArray("Cancelled.\n"));
        QVERIFY(!QFile::exists(Path("never.dat")));
    }

    void portThatDoesNotExist()
    {
        const CliRun r = RunCli({"clear", "--model", "MR7100A", "--port", "/dev/quorlink-no-such-port"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("Communication Error!!\n/dev/quorlink-no-such-port could not be opened: ") &&
                     r.err.contains("\nThere is no device /dev/quorlink-no-such-port."), r.err.constData());
    }

    void portsAndDoctor()
    {
        const CliRun list = RunCli({"ports"});
        QCOMPARE(list.code, 0);
        QVERIFY2(list.out.startsWith("PORT\tDEVICE\tVID:PID\tMANUFACTURER\tDESCRIPTION\tBY-ID LINK\n"),
                 list.out.constData());

        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        // A link to the device, as /dev/serial/by-id holds them.
        QVERIFY(QFile::link(radio.SlavePath(), Path("usb-cable-if00-port0")));
        const CliRun ready = RunCli({"doctor", "--port", Path("usb-cable-if00-port0")});
        QCOMPARE(ready.code, 0);
        QCOMPARE(QString::fromLocal8Bit(ready.out),
                 Path("usb-cable-if00-port0") + " opens: the port is ready. Nothing was sent to the radio.\n");
        QVERIFY(radio.requests().isEmpty());

        const QString gone = "/dev/serial/by-id/usb-Quorlink_Test_gone-if00-port0";
        const CliRun unplugged = RunCli({"doctor", "--port", gone});
        QCOMPARE(unplugged.code, 1);
        QVERIFY2(unplugged.out.endsWith(("\nThe cable is unplugged: " + gone +
                                         " is there only while it is plugged in. Plug it in and try again.\n")
                                            .toLocal8Bit()),
                 unplugged.out.constData());

        // A node that is no serial port, held open as a shell holds /dev/null: nobody is blamed.
        QFile held(QStringLiteral("/dev/null"));
        QVERIFY(held.open(QIODevice::ReadOnly));
        const CliRun null = RunCli({"doctor", "--port", "/dev/null"});
        QCOMPARE(null.code, 1);
        QCOMPARE(null.out, QByteArray("/dev/null could not be opened: /dev/null is not a serial port (Inappropriate ioctl "
                                      "for device)\n"));
    }

    // A port with no radio on it: a transfer says, below the model check's
    // error, the port it tried and what to check; doctor --probe asks for
    // the model code and says which radio answered, or what to check.
    void noRadioOnThePort_data()
    {
        QTest::addColumn<int>("code");   // the model code at both ends of the radio's memory
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("said");  // the probe's last lines; %1: the port
        QTest::newRow("silent") << 7100 << true << 1
                                << "No radio answered on %1. Check that:\n- the radio is switched on and in its clone "
                                   "mode;\n- the cable is plugged in firmly, at the radio and at the computer;\n- %1 "
                                   "is the cable's port. Options > SerialPort > Device... (or quorlink-cli ports) "
                                   "lists the ports present.\n";
        QTest::newRow("MR7100A") << 7100 << false << 0 << "An MR7100A answered on %1 (model code 7100).\n";
        QTest::newRow("unknown code") << 0x1234 << false << 1
                                      << "A radio answered on %1, but with the model code 4660 (4660 at the end of "
                                         "its memory), which is neither an MR7100A's nor an MR5100A's.\n";
    }

    void noRadioOnThePort()
    {
        QFETCH(int, code);
        QFETCH(bool, silent);
        QFETCH(int, exit);
        QFETCH(QString, said);
        const ProtocolTimings quick{300, 120, 10, 0};
        sim::RadioEmulator radio(static_cast<std::uint16_t>(code));
        QVERIFY(radio.Start());
        if (silent)
            radio.AddFault({sim::FaultKind::NoAnswer, -1, -1, -1, 0});
        const QString port = radio.SlavePath();
        const CliRun r = RunCli({"doctor", "--probe", "--port", port}, DataFolder(), &quick);
        QCOMPARE(r.code, exit);
        QCOMPARE(QString::fromLocal8Bit(r.out),
                 QString("%1 opens: the port is ready.\nAsking the radio on %1 for its model code...\n" + said)
                     .arg(port));
        // Four one-byte reads, each with its marker; a silent line is given up after the first.
        QCOMPARE(test::Exchanges(radio).size(), silent ? 3 : 8);
        if (!silent)
            return;
        const CliRun read =
            RunCli({"read", "--model", "MR7100A", "--port", port, Path("none.dat")}, DataFolder(), &quick);
        QCOMPARE(read.code, 1);
        QCOMPARE(QString::fromLocal8Bit(read.err), "Model Check: Communication Error!!\n\n" + said.arg(port));
    }

    // A backups folder the user cannot write: the radio's memory would be
    // kept nowhere once written, so the write stops before its first frame and
    // says where and why. The program runs as itself, with the backups folder
    // of its own user; as root, who may write anywhere, it runs as nobody.
    void writeNeedsItsBeforeWriteBackup()
    {
        QTemporaryDir home;
        const QString backups = home.filePath("Quorlink/backups");
        QVERIFY(QDir().mkpath(backups));
        QVERIFY(QFile::copy(QUORLINK_TEST_DATA "/edited_mr7100a.dat", home.filePath("in.dat")));
        for (const QString& path : {home.path(), home.filePath("Quorlink"), backups})
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                    QFile::ExeOther));
        QVERIFY(QFile::setPermissions(home.filePath("in.dat"), QFile::ReadOwner | QFile::ReadOther));
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        QVERIFY(QFile::setPermissions(radio.SlavePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                                             QFile::WriteOther));
        QStringList command{QUORLINK_CLI_PATH, "write", "--model", "MR7100A", "--port", radio.SlavePath(),
                            home.filePath("in.dat")};
        if (::geteuid() == 0)
            command = QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups"} + command;
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", home.path());
        process.setProcessEnvironment(environment);
        process.start(::geteuid() == 0 ? QStringLiteral("setpriv") : command.takeFirst(), command);
        QTRY_VERIFY_WITH_TIMEOUT(process.state() == QProcess::NotRunning, 30000);
        QCOMPARE(process.exitCode(), 1);
        const QByteArray err = process.readAllStandardError();
        const QString said = QStringLiteral("Program to Radio: The before-write backup could not be saved in %1: "
                                            "Permission denied (%1/MR7100A-")
                                 .arg(backups);
        QVERIFY2(err.startsWith(said.toLocal8Bit()) &&
                     err.endsWith("-before-write.hex).\n\nWithout it, what the radio holds now is kept nowhere once it "
                                  "is written. Nothing was written.\n"),
                 err.constData());
        QVERIFY(std::none_of(radio.requests().begin(), radio.requests().end(),
                             [](const auto& e) { return e.request.command == 0x13 || e.request.command == 0x11; }));
        for (const QString& path : {home.path(), home.filePath("Quorlink"), backups})  // for the clean-up
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A write cut short, then another on the radio it left partly written:
    // the second names, to put the radio back, the first one's before-write
    // backup, and backups says what became of each and which read was of a
    // partly written radio.
    void writeCutShortTwice()
    {
        const QTemporaryDir data;
        sim::RadioEmulator first(sim::kCode7100);
        QVERIFY(first.Start());
        first.AddFault({sim::FaultKind::HangUp, 0x13, 0x0400, 1, 0});
        const QString file = QUORLINK_TEST_DATA "/edited_mr7100a.dat";
        QCOMPARE(RunCli({"write", "--model", "MR7100A", "--port", first.SlavePath(), file}, data.path()).code, 1);
        const QStringList made = QDir(data.filePath("backups")).entryList({"*.hex"}, QDir::Files, QDir::Name);
        QCOMPARE(made.size(), 2);  // before-write, write
        const QString whole = data.filePath("backups/") + made[0];

        sim::RadioEmulator second(sim::kCode7100);
        QVERIFY(second.Start());
        second.memory() = first.memory();
        second.AddFault({sim::FaultKind::HangUp, 0x13, 0x0800, 1, 0});
        Model other = EditedModel();
        other.UsaChannels.at(0).ChTag = "OTHER";
        QVERIFY(SaveFileAs(other, Path("other.dat"), FileContext{ErrorLog(QString()), 0}).done());
        const CliRun r =
            RunCli({"write", "--model", "MR7100A", "--port", second.SlavePath(), Path("other.dat")}, data.path());
        QCOMPARE(r.code, 1);
        const QString said = "To put back what it held when it was last whole, program\n" + whole + "\n";
        QVERIFY2(r.err.contains("\nWhat it held before this write was itself a partly written memory, left by an "
                                "earlier write cut short (") && r.err.contains(said.toLocal8Bit()),
                 r.err.constData());

        const QList<QByteArray> listed = RunCli({"backups"}, data.path()).out.split('\n');
        QStringList rows;
        for (const QByteArray& line : listed)
            if (const QList<QByteArray> columns = line.split('\t'); columns.size() == 7)
                rows << QString::fromLatin1(columns[2] + '|' + columns[5] + '|' + columns[6]);
        QCOMPARE(rows, (QStringList{"written|cut short|-", "before write|cut short|partly written",
                                    "written|cut short|-", "before write|cut short|-"}));
    }

    void usage()
    {
        // A dry run is its list of changes, which only the first read gives; nothing is sent.
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        // Sending only some changes keeps the rest as the first read found it: both need that read.
        const struct {
            QStringList options;
            QByteArray said;
        } refused[] = {
            {{"--dry-run", "--no-read-first"}, "--dry-run lists what the write would change, for which it reads the "
                                               "radio first: it cannot go with --no-read-first\n"},
            {{"--keep", "user-mmsi", "--no-read-first"}, "--keep keeps the rest as the radio holds it, for which it "
                                                          "reads the radio first: it cannot go with --no-read-first\n"},
            {{"--only", "names,buddies"}, "--only: unknown area in names,buddies (areas: settings, ab, other, "
                                          "channels, wx, exp, user-mmsi, names, individual, group)\n"},
        };
        for (const auto& each : refused) {
            const CliRun r = RunCli(QStringList{"write"} + each.options +
                                    QStringList{"--model", "MR7100A", "--port", radio.SlavePath(),
                                                QUORLINK_TEST_DATA "/edited_mr7100a.dat"});
            QCOMPARE(r.code, 2);
            QVERIFY2(r.err.startsWith("quorlink-cli: " + each.said), r.err.constData());
            QVERIFY(r.out.isEmpty());
        }
        QTest::qWait(50);
        QVERIFY(radio.requests().isEmpty());
        QCOMPARE(RunCli({"read", "--model", "MR7100A", Path("x.dat")}).code, 2);           // no port
        QCOMPARE(RunCli({"read", "--model", "MR7100A", "--port", "9", Path("x.dat")}).code, 2);
        QCOMPARE(RunCli({"read", "--model", "MR7100A", "--port", "1", Path("x.txt")}).code, 2);
        QCOMPARE(RunCli({"clear", "--model", "MR7100A", "--port", "1", Path("x.dat")}).code, 2);
    }
};

QTEST_GUILESS_MAIN(TestCliRadio)
#include "tst_cli_radio.moc"
