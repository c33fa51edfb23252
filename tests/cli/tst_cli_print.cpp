// quorlink-cli print: the printed report as a PDF, in process and as a program.
#include "cli.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCliPrint : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    static int Run(const QStringList& args)
    {
        std::vector<std::string> list;
        for (const QString& arg : args)
            list.push_back(arg.toStdString());
        std::FILE* sink = std::fopen("/dev/null", "w");
        const int code = quorlink::cli::Run(list, {sink, sink});
        std::fclose(sink);
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

    void runsWithoutADisplay()
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        process.setProcessEnvironment(env);
        const QString pdf = dir.filePath(QStringLiteral("p.pdf"));
        process.start(QStringLiteral(QUORLINK_CLI_PATH),
                      {"print", "--model", "MR7100A", QUORLINK_TEST_DATA "/edited_mr7100a.dat", pdf});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(QFile::exists(pdf));
    }
};

QTEST_MAIN(TestCliPrint)
#include "tst_cli_print.moc"
