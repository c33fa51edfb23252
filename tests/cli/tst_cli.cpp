// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line companion, in process and as a program without a display.
#include "support/file_bytes.h"
#include "cli.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace quorlink;
using quorlink::test::ReadAll;
using quorlink::test::WriteAll;

namespace {

struct Outcome {
    int code;
    QByteArray out;
    QByteArray err;
};

// Runs the command line in process with captured streams, or with the
// standard output given; bytes follow args as the system would hand them over.
Outcome RunCli(const QStringList& args, std::FILE* standardOutput = nullptr, std::vector<std::string> bytes = {})
{
    char* outText = nullptr;
    char* errText = nullptr;
    std::size_t outSize = 0;
    std::size_t errSize = 0;
    std::FILE* out = standardOutput ? standardOutput : open_memstream(&outText, &outSize);
    std::FILE* err = open_memstream(&errText, &errSize);
    std::vector<std::string> list;
    for (const QString& arg : args)
        list.push_back(arg.toStdString());
    list.insert(list.end(), bytes.begin(), bytes.end());
    const int code = cli::Run(list, {out, err});
    if (!standardOutput)
        std::fclose(out);
    std::fclose(err);
    Outcome outcome{code, QByteArray(outText, static_cast<qsizetype>(outSize)),
                    QByteArray(errText, static_cast<qsizetype>(errSize))};
    std::free(outText);
    std::free(errText);
    return outcome;
}

// What a terminal shows when it is the command's standard output; read while
// the command writes, as a terminal holds little.
QByteArray OnATerminal(const QStringList& args)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return "no pseudo-terminal";
    std::FILE* out = std::fopen(ptsname(master), "w");
    QByteArray shown;
    std::thread reader([&shown, master] {
        char buffer[4096];
        for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;)
            shown.append(buffer, n);
    });
    RunCli(args, out);
    std::fclose(out);
    reader.join();
    ::close(master);
    return shown;
}

QString Golden(const char* name) { return QStringLiteral(QUORLINK_TEST_DATA "/") + QLatin1String(name); }

// The program itself, given its arguments as the bytes a shell hands over
// (QProcess would pass them as text); standard error is what it said.
Outcome RunProgram(const std::vector<std::string>& args)
{
    int errPipe[2];
    if (pipe(errPipe) != 0)
        return {-1, {}, "no pipe"};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    posix_spawn_file_actions_addclose(&actions, errPipe[0]);
    std::vector<char*> argv{const_cast<char*>(QUORLINK_CLI_PATH)};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t child = -1;
    const bool spawned = posix_spawn(&child, QUORLINK_CLI_PATH, &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(errPipe[1]);
    QByteArray err;
    char buffer[4096];
    for (ssize_t n; (n = ::read(errPipe[0], buffer, sizeof buffer)) > 0;)
        err.append(buffer, n);
    ::close(errPipe[0]);
    int status = 0;
    if (!spawned || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return {-1, {}, err};
    return {WEXITSTATUS(status), {}, err};
}

// A translation of a few texts, whatever their context.
class FewWords : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        static const QHash<QByteArray, QString> words{
            {"Usage:", QStringLiteral("Utilisation :")},
            {"unknown command %1", QStringLiteral("commande inconnue %1")},
            {"%1: %2 %3 -> %4", QStringLiteral("%1 : %2 %3 -> %4")},
            {"name", QStringLiteral("nom")},
            {"%1 differences", QStringLiteral("%1 diff\u00E9rences")},
        };
        return words.value(source);
    }
};

}  // namespace

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }

private slots:
    // The user's data folder, where backups go, is the test's own.
    void initTestCase() { qputenv("XDG_DATA_HOME", QFile::encodeName(Path("xdg"))); }

    // The editor and the command line keep one folder of backups, the user's,
    // wherever they run from (here the build tree); backups says when it is
    // missing or not a folder.
    void backupsFolderOfTheUser()
    {
        const QString backups = Path("xdg/Quorlink/backups");
        Outcome r = RunCli({"backups"});
        QCOMPARE(r.code, 0);
        QCOMPARE(QString::fromLocal8Bit(r.err),
                 "quorlink-cli: No backup has been kept yet: the backups folder " + backups + " does not exist.\n");
        QVERIFY(QDir().mkpath(Path("xdg/Quorlink")) && WriteAll(backups, "in the way"));
        r = RunCli({"backups"});
        QCOMPARE(r.code, 1);
        QCOMPARE(QString::fromLocal8Bit(r.err),
                 "quorlink-cli: " + backups + " is not a folder: no backup can be kept until it is moved away.\n");
        QVERIFY(QFile::remove(backups) && QDir().mkpath(backups));
        const QString image = backups + "/MR7100A-20260101-100000-read.hex";
        QCOMPARE(RunCli({"new", "--model", "MR7100A", image}).code, 0);
        QProcess process;
        process.start(QStringLiteral(QUORLINK_CLI_PATH), {"backups"});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QString::fromLocal8Bit(process.readAllStandardOutput()),
                 image + "\t2026-01-01 10:00:00\tread\tMR7100A\t-\t-\t-\n");
    }

    void newDataFiles()
    {
        Outcome r = RunCli({"new", "--model", "mr7100a", Path("a.dat")});
        QCOMPARE(r.code, 0);
        QVERIFY(r.err.isEmpty());
        QCOMPARE(ReadAll(Path("a.dat")), ReadAll(Golden("fresh_mr7100a.dat")));
        r = RunCli({"new", "--model=MR5100A", Path("b.DAT")});
        QCOMPARE(r.code, 0);
        QCOMPARE(ReadAll(Path("b.DAT")), ReadAll(Golden("fresh_mr5100a.dat")));
        r = RunCli({"new", "--model", "MR5100A", Path("b.def")});
        QCOMPARE(r.code, 0);
        QVERIFY(ReadAll(Path("b.def")).endsWith("CAN-BCH=255\r\n"));
    }

    void convertThroughTheImage()
    {
        QCOMPARE(RunCli({"convert", "--model", "MR7100A", Golden("edited_mr7100a.dat"), Path("e.hex")}).code, 0);
        QCOMPARE(ReadAll(Path("e.hex")).size(), 8192);
        QCOMPARE(RunCli({"convert", "--model", "MR7100A", Path("e.hex"), Path("e.dat")}).code, 0);
        // Through the image the records survive, apart from what the image cannot hold:
        // the priority channels and the EXP A flag.
        const QByteArray back = ReadAll(Path("e.dat"));
        QVERIFY(back.contains("[CHUSA0]\r\nPosition=1\r\nEnable=1"));
        QVERIFY(back.contains("ChTag=#  HARBOUR\r\n"));
        QVERIFY(back.contains("[CHMMSID2]\r\nEnable=1\r\nTagName=#TUG(2)\r\nMmsid=2350000010\r\n"));
        QVERIFY(back.contains("USA-PCH=0\r\n"));
    }

    void reports()
    {
        const Outcome r = RunCli({"report", "--model", "MR7100A", Golden("fresh_mr7100a.dat")});
        QCOMPARE(r.code, 0);
        const QByteArray expected = ReadAll(Golden("fresh_mr7100a.txt")) + "\r\n";
        QCOMPARE(r.out, expected);
        QCOMPARE(RunCli({"report", "--model", "MR7100A", Golden("fresh_mr7100a.dat"), Path("r.log")}).code, 0);
        QCOMPARE(ReadAll(Path("r.log")), expected);
    }

    void diffs()
    {
        const QString fresh = Golden("fresh_mr7100a.dat"), edited = Golden("edited_mr7100a.dat");
        Outcome r = RunCli({"diff", "--model", "MR7100A", fresh, fresh});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QByteArray("0 differences\n"));
        r = RunCli({"diff", "--model", "MR7100A", fresh, edited});
        QCOMPARE(r.code, 1);
        const QList<QByteArray> lines = r.out.split('\n');
        QCOMPARE(lines.first(), QByteArray("A/B: USA A-Ch (None) -> 16"));
        QVERIFY(lines.contains("USA CH01A: name \"VTS\" -> \"  HARBOUR\""));
        QVERIFY(lines.contains("Individual ID2: MMSI (empty) -> 235000001"));
        QCOMPARE(lines.at(lines.size() - 2), QByteArray::number(lines.size() - 2) + " differences");
        r = RunCli({"diff", "--brief", "--model", "MR7100A", fresh, edited});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out, lines.at(lines.size() - 2) + "\n");

        // A raw image against the data file made from it: only what no page shows.
        QCOMPARE(RunCli({"convert", "--model", "MR7100A", edited, Path("radio.hex")}).code, 0);
        QFile image(Path("radio.hex"));
        QVERIFY(image.open(QIODevice::ReadWrite));
        image.seek(2);
        image.write("\x01\x02", 2);
        image.seek(0x1E00);
        image.write(QByteArray(16, '\0'));
        QVERIFY(image.flush() && QFile::copy(Path("radio.hex"), Path("own.hex")));
        image.seek(0x0040);  // the radio's own: a write never sends it
        image.write(QByteArray(4, '\0'));
        image.close();
        QCOMPARE(RunCli({"convert", "--model", "MR7100A", Path("radio.hex"), Path("radio.dat")}).code, 0);
        r = RunCli({"diff", "--model", "MR7100A", Path("radio.hex"), Path("radio.dat")});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out, QByteArray("bytes 0x0002-0x0003 differ; the editor does not show them\n"
                                   "bytes 0x1E00-0x1E0F differ; the editor does not show them\n"
                                   "2 differences\n"));
        r = RunCli({"diff", "--model", "MR7100A", Path("own.hex"), Path("radio.hex")});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out, QByteArray("bytes 0x0040-0x0043 differ; Program to Radio does not write them\n"
                                   "1 difference\n"));
        // Two images apart only in bits the editor's decode drops: a write of
        // one over the other changes them. A raw image converted is the same bytes.
        QByteArray bytes = ReadAll(Path("radio.hex"));
        bytes[0x0090] = static_cast<char>(bytes[0x0090] | 0x06);  // flag bits written 0
        QVERIFY(WriteAll(Path("ragged.hex"), bytes));
        QCOMPARE(RunCli({"convert", "--model", "MR7100A", Path("ragged.hex"), Path("copy.hex")}).code, 0);
        QCOMPARE(ReadAll(Path("copy.hex")), bytes);
        r = RunCli({"diff", "--model", "MR7100A", Path("radio.hex"), Path("copy.hex")});
        QCOMPARE(r.out, QByteArray("byte 0x0090 differs; the editor does not show it\n1 difference\n"));

        r = RunCli({"diff", "--model", "MR7100A", fresh, Path("missing.dat")});
        QCOMPARE(r.code, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.contains("FileRead Error!!"));
    }

    void failures()
    {
        Outcome r = RunCli({"report", "--model", "MR7100A", Path("missing.dat")});
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.startsWith("Quorlink: FileRead Error!!\n"));
        QVERIFY(r.err.contains("No such file"));

        QCOMPARE(RunCli({"new", "--model", "MR7100A", Path("x7.hex")}).code, 0);
        r = RunCli({"convert", "--model", "MR5100A", Path("x7.hex"), Path("x5.dat")});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err, QByteArray("Read from Radio: ModelName Error !!\n"));
        QVERIFY(!QFile::exists(Path("x5.dat")));

        r = RunCli({"new", "--model", "MR7100A", Path("no/folder/x.dat")});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.startsWith("Quorlink: FileSave Error!!\n"));

        r = RunCli({"report", "--model", "MR7100A", Golden("fresh_mr7100a.dat"), Path("no/folder/r.txt")});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.startsWith("Quorlink: FileSave Error!!\nReason: "));
    }

    // Nothing is written over IN, a pipe or a link to one, and standard
    // output that does not take the report is a failure; a pipe as IN is
    // refused at once.
    void outputsThatMustNotBeWritten()
    {
        const QString data = Path("same.dat");
        QCOMPARE(RunCli({"new", "--model", "MR7100A", data}).code, 0);
        const QByteArray saved = ReadAll(data);
        QVERIFY(QFile::link(data, Path("same-link.dat")));
        QVERIFY(mkfifo(QFile::encodeName(Path("pipe.dat")).constData(), 0600) == 0);
        QVERIFY(QFile::link(Path("pipe.dat"), Path("pipe-link.hex")));
        const QString m = QStringLiteral("MR7100A");
        const struct {
            QStringList args;
            int code;
            QByteArray complaint;
        } cases[] = {
            {{"report", "--model", m, data, data}, 2, "IN and OUT are the same file"},
            {{"convert", "--model", m, Path("same-link.dat"), data}, 2, "IN and OUT are the same file"},
            {{"import-directory", "--model", m, data, Path("club.csv"), data}, 2, "IN and OUT are the same file"},
            {{"convert", "--model", m, data, Path("pipe.dat")}, 1, "FileSave Error!!\nReason: not a regular file"},
            {{"convert", "--model", m, data, Path("pipe-link.hex")}, 1, "FileSave Error!!\nReason: not a regular file"},
            {{"report", "--model", m, data, Path("pipe-link.hex")}, 1, "FileSave Error!!\nReason: not a regular file"},
            {{"convert", "--model", m, Path("pipe-link.hex"), Path("x.dat")}, 1, "FileRead Error!!\nReason: not a regular file"},
        };
        for (const auto& c : cases) {
            const Outcome r = RunCli(c.args);
            QCOMPARE(r.code, c.code);
            QVERIFY2(r.err.contains(c.complaint), r.err.constData());
        }
        QCOMPARE(ReadAll(data), saved);
        QVERIFY(QFileInfo(Path("pipe-link.hex")).isSymLink());
        struct stat info {};
        QVERIFY(lstat(QFile::encodeName(Path("pipe.dat")).constData(), &info) == 0 && S_ISFIFO(info.st_mode));

        std::FILE* readOnly = std::fopen(QFile::encodeName(Golden("fresh_mr7100a.txt")).constData(), "r");
        const Outcome full = RunCli({"report", "--model", m, data, "-"}, readOnly);
        std::fclose(readOnly);
        QCOMPARE(full.code, 1);
        QVERIFY(full.err.startsWith("Quorlink: FileSave Error!!\nReason: "));
        QCOMPARE(RunCli({"report", "--model", m, data, "-"}).out, ReadAll(Golden("fresh_mr7100a.txt")) + "\r\n");

        QProcess process;
        process.start(QStringLiteral(QUORLINK_CLI_PATH), {"report", "--model", m, Path("pipe.dat")});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardError().contains("FileRead Error!!\nReason: not a regular file"));
    }

    // A list standard output did not take is trouble (2) with the reason, never a result.
    void lostOutputIsTrouble()
    {
        const QString fresh = Golden("fresh_mr7100a.dat");
        for (const QStringList& args :
             {QStringList{"diff", "--model", "MR7100A", fresh, fresh}, QStringList{"ports"}, QStringList{"--help"}}) {
            std::FILE* readOnly = std::fopen(QFile::encodeName(fresh).constData(), "r");
            const Outcome r = RunCli(args, readOnly);
            std::fclose(readOnly);
            QVERIFY2(r.code == 2 && r.err.contains("quorlink-cli: standard output: "), r.err.constData());
        }
        // The program itself, whose output is buffered until it ends, to a full disk.
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(QUORLINK_CLI_PATH), {"diff", "--model", "MR7100A", fresh, fresh});
        QVERIFY(process.waitForFinished(10000) && process.exitCode() == 2);
        QCOMPARE(process.readAllStandardError(), QByteArray("quorlink-cli: standard output: No space left on device\n"));
    }

    // A name that is not UTF-8 would open or be saved as another file: the
    // program refuses it, as IN, as OUT and as a list, before it decodes it.
    void namesThatAreNotUtf8()
    {
        const std::string folder = QFile::encodeName(dir.path()).toStdString() + "/";
        QVERIFY(QFile::copy(Golden("fresh_mr7100a.dat"), Path("good.dat")));
        QVERIFY(::link((folder + "good.dat").c_str(), (folder + "Bo\xe9t.dat").c_str()) == 0);
        // What a decoded name would open instead.
        QVERIFY(QFile::copy(Golden("edited_mr7100a.dat"), QString::fromUtf8("%1/Bo\uFFFDt.dat").arg(dir.path())));
        QVERIFY(WriteAll(QString::fromUtf8("%1/L\uFFFD.csv").arg(dir.path()), "kind,mmsi,name\n"));
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);
        const std::vector<std::vector<std::string>> calls{
            {folder + "Bo\xe9t.dat", folder + "out.dat"},
            {folder + "good.dat", folder + "N\xe9w.dat"},
            {folder + "good.dat", folder + "L\xe9.csv", folder + "out.dat"}};
        for (const std::vector<std::string>& names : calls) {
            std::vector<std::string> args{names.size() == 3 ? "import-directory" : "convert", "--model", "MR7100A"};
            args.insert(args.end(), names.begin(), names.end());
            for (const Outcome& r : {RunProgram(args), RunCli({}, nullptr, args)})
                QVERIFY2(r.code == 2 && r.err.contains("\\xE9") && r.err.contains(" is not UTF-8"), r.err.constData());
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
    }

    // Export, then import into a fresh file: every entry comes back; an import
    // into the full list reports each row it did not take.
    void directoryLists()
    {
        Outcome r = RunCli({"export-directory", "--model", "MR7100A", Golden("edited_mr7100a.dat"), Path("d.csv")});
        QCOMPARE(r.code, 0);
        QVERIFY(ReadAll(Path("d.csv")).startsWith("kind,mmsi,name\r\nindividual,366123456,SEA DOG\r\n"));
        QCOMPARE(RunCli({"new", "--model", "MR7100A", Path("empty.dat")}).code, 0);
        r = RunCli({"import-directory", "--model", "MR7100A", Path("empty.dat"), Path("d.csv"), Path("filled.dat")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QByteArray("3 entries added\n"));
        r = RunCli({"export-directory", "--model", "MR7100A", Path("filled.dat"), Path("again.csv")});
        QCOMPARE(ReadAll(Path("again.csv")), ReadAll(Path("d.csv")));
        r = RunCli({"import-directory", "--model", "MR7100A", Path("filled.dat"), Path("d.csv"), Path("twice.dat")});
        QVERIFY2(r.err.contains(QFile::encodeName(Path("d.csv")) + " line 2: 366123456 is already entry 1 of the "
                                "individual directory\n"), r.err.constData());
        QCOMPARE(RunCli({"import-directory", "--model", "MR7100A", Path("filled.dat"), Path("empty.dat"),
                         Path("x.dat")}).code, 2);
        // An OUT that cannot be saved: nothing is claimed added.
        r = RunCli({"import-directory", "--model", "MR7100A", Path("empty.dat"), Path("d.csv"), Path("gone/filled.dat")});
        QVERIFY2(r.code == 1 && !r.err.contains("entries added"), r.err.constData());
    }

    // Each count in words that fit it, a report on one line whatever the
    // row holds; a list of which no row is taken fails and saves nothing.
    void directoryListCounts()
    {
        const QString m = QStringLiteral("MR7100A");
        QVERIFY(WriteAll(Path("club.csv"), "Typ;MMSI;Name\nindividual;366000001;\"Sea\nDog\"\nship;1;X\n"
                                           "individual;366000002;B\n"));
        QCOMPARE(RunCli({"new", "--model", m, Path("none.dat")}).code, 0);
        Outcome r = RunCli({"import-directory", "--model", m, Path("none.dat"), Path("club.csv"), Path("club.dat")});
        const QByteArray list = QFile::encodeName(Path("club.csv"));
        QCOMPARE(r.err, list + " line 2: name \"Sea\\x0ADog\" taken as \"SEA DOG\"\n" + list +
                            " line 4: kind \"ship\" is neither individual nor group\n"
                            "2 entries added; 1 row refused, 1 name changed\n");
        QCOMPARE(r.code, 0);
        QVERIFY(WriteAll(Path("one.csv"), "individual,366000003,C\n"));
        r = RunCli({"import-directory", "--model", m, Path("none.dat"), Path("one.csv"), Path("one.dat")});
        QVERIFY2(r.code == 0 && r.err == "1 entry added\n", r.err.constData());
        r = RunCli({"import-directory", "--model", m, Path("club.dat"), Path("club.csv"), Path("again.dat")});
        QVERIFY2(r.code == 1 && r.err.endsWith("\nNo entries added; 3 rows refused; " + QFile::encodeName(Path("again.dat")) +
                                               " was not saved\n"),
                 r.err.constData());
        QVERIFY(!QFile::exists(Path("again.dat")));
    }

    // A name holding escape sequences reaches a terminal escaped, in lists and
    // messages alike; a report written to a file keeps its bytes.
    void controlCharactersEscaped()
    {
        const QByteArray name = "\x1B]0;X\x07\x9B" "2J";
        QByteArray data = ReadAll(Golden("edited_mr7100a.dat"));
        data.replace("ChTag=#  HARBOUR", "ChTag=#" + name);
        QVERIFY(WriteAll(Path("esc.dat"), data));
        const QString m = QStringLiteral("MR7100A");
        Outcome r = RunCli({"diff", "--model", m, Golden("edited_mr7100a.dat"), Path("esc.dat")});
        QVERIFY2(r.out.contains("name \"  HARBOUR\" -> \"\\x1B]0;X\\x07\\x9B2J\""), r.out.constData());
        const QByteArray shown = OnATerminal({"report", "--model", m, Path("esc.dat")});
        QVERIFY2(shown.contains("\\x1B]0;X\\x07\\x9B2J") && !shown.contains('\x1B'), shown.constData());
        QVERIFY(RunCli({"report", "--model", m, Path("esc.dat"), Path("esc.txt")}).code == 0 &&
                ReadAll(Path("esc.txt")).contains(name));

        const QString list = Path("l\x1B[2J.csv");
        QVERIFY(WriteAll(list, "kind,mmsi,name\r\nindividual,366123456,\x1B[2JSEA DOG\r\n"));
        r = RunCli({"import-directory", "--model", m, Golden("edited_mr7100a.dat"), list, Path("imported.dat")});
        QVERIFY2(r.err.contains("l\\x1B[2J.csv line 2: "), r.err.constData());
        QVERIFY(RunCli({"\x1B[2J"}).err.startsWith("quorlink-cli: unknown command \\x1B[2J\n"));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("complaint");
        QTest::newRow("nothing") << QStringList{} << QByteArray("no command given");
        QTest::newRow("unknown verb") << QStringList{"frobnicate"} << QByteArray("unknown command frobnicate");
        QTest::newRow("no model") << QStringList{"new", "x.dat"} << QByteArray("--model is required");
        QTest::newRow("unknown model") << QStringList{"new", "--model", "MR9", "x.dat"} << QByteArray("unknown model MR9");
        QTest::newRow("model without value") << QStringList{"new", "x.dat", "--model"} << QByteArray("--model needs a value");
        QTest::newRow("too many files") << QStringList{"new", "--model", "MR7100A", "a.dat", "b.dat"}
                                        << QByteArray("wrong number of file names");
        QTest::newRow("unknown kind") << QStringList{"new", "--model", "MR7100A", "a.txt"}
                                      << QByteArray("unknown kind of file: a.txt");
        QTest::newRow("diff of one") << QStringList{"diff", "--model", "MR7100A", "a.dat"}
                                     << QByteArray("wrong number of file names");
        QTest::newRow("diff port") << QStringList{"diff", "--model", "MR7100A", "port:9", "a.dat"}
                                   << QByteArray("unknown port in port:9");
        QTest::newRow("brief elsewhere") << QStringList{"new", "--brief", "--model", "MR7100A", "x.dat"}
                                         << QByteArray("--brief goes with diff only");
        QTest::newRow("unknown option") << QStringList{"new", "--colour", "a.dat"} << QByteArray("unknown option --colour");
        // Options a verb does not take, or a second value, are refused rather than ignored.
        QTest::newRow("no verify on read") << QStringList{"read", "--model", "MR7100A", "--port", "1", "--no-verify", "x.dat"}
                                           << QByteArray("--no-verify goes with write and clear only");
        QTest::newRow("port on new") << QStringList{"new", "--model", "MR7100A", "--port=1", "x.dat"}
                                     << QByteArray("--port goes with read, write, clear and doctor only");
        QTest::newRow("second model") << QStringList{"new", "--model", "MR7100A", "--model=MR5100A", "x.dat"}
                                      << QByteArray("--model is given twice");
        QTest::newRow("after --") << QStringList{"new", "--model", "MR7100A", "--", "--port"}
                                  << QByteArray("unknown kind of file: --port");
    }

    void usageErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, complaint);
        const Outcome r = RunCli(args);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.startsWith("quorlink-cli: " + complaint), r.err.constData());
        QVERIFY(r.err.contains("Usage:"));
        QVERIFY(!QFile::exists(QStringLiteral("x.dat")));
    }

    void help()
    {
        Outcome r = RunCli({"--help"});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains("quorlink-cli convert --model MODEL IN OUT"));
        QVERIFY(r.out.simplified().contains("for diff 0 equal, 1 the two differ, 2 usage error or a side that cannot be loaded"));
        r = RunCli({"report", "--help"});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains("quorlink-cli report --model MODEL IN [OUT]"));
        QVERIFY(!r.out.contains("quorlink-cli new"));
        for (const QStringList& args : {QStringList{"--version"}, QStringList{"report", "--version"}}) {
            r = RunCli(args);
            QCOMPARE(r.code, 0);
            QCOMPARE(r.out, QByteArray("Quorlink 2.0.0\n"));
        }
    }

    // The words a user reads are translated; commands, options, names and values stay as typed.
    void inTheUsersLanguage()
    {
        const QByteArray english = RunCli({"--help"}).out;
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(QUORLINK_CLI_PATH), {"--help"});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.readAllStandardOutput(), english);

        FewWords french;
        QCoreApplication::installTranslator(&french);
        const Outcome help = RunCli({"--help"});
        const Outcome wrong = RunCli({"bogus"});
        const Outcome diff =
            RunCli({"diff", "--model", "MR7100A", Golden("fresh_mr7100a.dat"), Golden("edited_mr7100a.dat")});
        QCoreApplication::removeTranslator(&french);
        QCOMPARE(help.out, "Utilisation :" + english.mid(english.indexOf('\n')));
        QVERIFY2(wrong.err.startsWith("quorlink-cli: commande inconnue bogus\n\nUtilisation :\n  quorlink-cli new "),
                 wrong.err.constData());
        QCOMPARE(diff.code, 1);
        const QList<QByteArray> lines = diff.out.split('\n');
        QVERIFY(lines.contains("USA CH01A : nom \"VTS\" -> \"  HARBOUR\""));
        QVERIFY(lines.contains("A/B : USA A-Ch (None) -> 16"));
        QCOMPARE(lines.at(lines.size() - 2), QByteArray::number(lines.size() - 2) + " diff\xC3\xA9rences");
    }

    // The real program, with no display and no platform plugin to lean on.
    void runsWithoutADisplay()
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(QUORLINK_CLI_PATH),
                      {"new", "--model", "MR5100A", Path("p.hex")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        process.start(QStringLiteral(QUORLINK_CLI_PATH), {"report", "--model", "MR5100A", Path("p.hex")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        const QByteArray out = process.readAllStandardOutput();
        QVERIFY(out.startsWith("##### Programable Channel Common #####\r\n"));
        QVERIFY(out.endsWith("\r\n10" + QByteArray(3 + 14 + 9, ' ') + "\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
