// The command-line companion, in process and as a program without a display.
#include "support/file_bytes.h"
#include "cli.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

using namespace quorlink;
using quorlink::test::ReadAll;

namespace {

struct Outcome {
    int code;
    QByteArray out;
    QByteArray err;
};

// Runs the command line in process with captured streams.
Outcome RunCli(const QStringList& args)
{
    char* outText = nullptr;
    char* errText = nullptr;
    std::size_t outSize = 0;
    std::size_t errSize = 0;
    std::FILE* out = open_memstream(&outText, &outSize);
    std::FILE* err = open_memstream(&errText, &errSize);
    std::vector<std::string> list;
    for (const QString& arg : args)
        list.push_back(arg.toStdString());
    const int code = cli::Run(list, {out, err});
    std::fclose(out);
    std::fclose(err);
    Outcome outcome{code, QByteArray(outText, static_cast<qsizetype>(outSize)),
                    QByteArray(errText, static_cast<qsizetype>(errSize))};
    std::free(outText);
    std::free(errText);
    return outcome;
}

QString Golden(const char* name) { return QStringLiteral(QUORLINK_TEST_DATA "/") + QLatin1String(name); }

}  // namespace

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }

private slots:
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
        QVERIFY(r.err.startsWith("MR7100A Quorlink: "));
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
        QTest::newRow("unknown option") << QStringList{"new", "--colour", "a.dat"} << QByteArray("unknown option --colour");
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
