// SPDX-License-Identifier: GPL-3.0-or-later
// quorlink-cli print: the printed report as a PDF, in process and as a program.
#include "cli.h"
#include "support/file_bytes.h"
#include "support/file_size_limit.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCliPrint : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // err, when given, receives what the command says.
    static int Run(const QStringList& args, QByteArray* err = nullptr)
    {
        std::vector<std::string> list;
        for (const QString& arg : args)
            list.push_back(arg.toStdString());
        char* text = nullptr;
        std::size_t size = 0;
        std::FILE* sink = std::fopen("/dev/null", "w");
        std::FILE* said = open_memstream(&text, &size);
        const int code = quorlink::cli::Run(list, {sink, said});
        std::fclose(sink);
        std::fclose(said);
        if (err)
            *err = QByteArray(text, static_cast<qsizetype>(size));
        std::free(text);
        return code;
    }

private slots:
    void printsPdf()
    {
        const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
        QCOMPARE(Run({"print", "--model", "MR5100A", QUORLINK_TEST_DATA "/fresh_mr5100a.dat", pdf}), 0);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF"));
        QCOMPARE(Run({"print", "--model", "MR5100A", QUORLINK_TEST_DATA "/fresh_mr5100a.dat", dir.filePath("r.txt")}), 2);
        QCOMPARE(Run({"print", "--model", "MR5100A", QUORLINK_TEST_DATA "/fresh_mr5100a.dat",
                      dir.filePath("none/r.pdf")}), 1);
    }

    // A PDF that does not fit leaves the previous file as it was.
    void cutShortKeepsThePreviousFile()
    {
        const QString pdf = dir.filePath(QStringLiteral("old.pdf"));
        QVERIFY(quorlink::test::WriteAll(pdf, "previous"));
        QByteArray err;
        {
            quorlink::test::FileSizeLimit limit(4096);
            QCOMPARE(Run({"print", "--model", "MR5100A", QUORLINK_TEST_DATA "/fresh_mr5100a.dat", pdf}, &err), 1);
        }
        QVERIFY2(err.startsWith("Quorlink: FileSave Error!!\nReason: "), err.constData());
        QCOMPARE(quorlink::test::ReadAll(pdf), QByteArray("previous"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("old.pdf")).size(), 1);
    }

    // No display, one that is not there, or a platform nobody knows: the PDF is drawn all the same.
    void runsWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::newRow("none") << QStringList{};
        QTest::newRow("xcb with a bad display") << QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY=:97"};
        QTest::newRow("unknown platform") << QStringList{"QT_QPA_PLATFORM=no-such-platform"};
    }

    void runsWithoutADisplay()
    {
        QFETCH(QStringList, settings);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        for (const QString& setting : settings)
            env.insert(setting.section('=', 0, 0), setting.section('=', 1));
        process.setProcessEnvironment(env);
        const QString pdf = dir.filePath(QStringLiteral("p.pdf"));
        QFile::remove(pdf);
        process.start(QStringLiteral(QUORLINK_CLI_PATH),
                      {"print", "--model", "MR7100A", QUORLINK_TEST_DATA "/edited_mr7100a.dat", pdf});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(QFile::exists(pdf));
    }
};

QTEST_MAIN(TestCliPrint)
#include "tst_cli_print.moc"
