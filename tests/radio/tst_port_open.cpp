// SPDX-License-Identifier: GPL-3.0-or-later
// Ports that will not open or that fail under a run: what the user is told,
// what the service mode's log gets, and which device a port number means.
#include "radio_rig.h"
#include "support/capitals_translator.h"
#include "transfer_runs.h"

#include <QDir>
#include <QRegularExpression>
#include <atomic>
#include <optional>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

using namespace quorlink;
using namespace quorlink::test;

namespace {

int LineCount(const QString& text) { return text.count(QStringLiteral("\r\n")); }

}  // namespace

class TestPortOpen : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder;

    // A link that follows the model's PortNumber, as the window's does.
    struct NumberedRig {
        QTemporaryDir folder;
        Model model;
        RecordingPrompt prompt;
        ErrorLog log{folder.path()};
        QtSerialPort port;
        SerialLink link{port, model, log};
        CloneProtocol protocol{link};

        bool Shown(const Outcome& outcome) { return prompt.Show(outcome).done(); }

        explicit NumberedRig(int portNumber)
        {
            model.ModelNumber = 1;
            NewModel(model);
            model.PortNumber = static_cast<std::int16_t>(portNumber);
            protocol.Timings = {kReplyTimeoutMs, kFrameTimeoutMs, 10, 0};
        }
    };

private slots:
    void initTestCase() { UseSettingsFolder(settingsFolder.path()); }

    void missingDevice_data()
    {
        QTest::addColumn<bool>("diagnosticMode");
        QTest::newRow("service mode") << true;
        QTest::newRow("normal") << false;
    }

    void missingDevice()
    {
        QFETCH(bool, diagnosticMode);
        RadioRig rig;
        rig.model.DiagnosticMode = diagnosticMode;
        rig.link.UsePort(PortChoice{0, QStringLiteral("/nonexistent/ttyQ9")});
        const Image before = rig.model.MemoryImage;
        QVERIFY(!rig.Shown(RunReadTransfer(rig.protocol)));
        QVERIFY(rig.prompt.Show(RunReadTransfer(rig.protocol)).failed());
        QVERIFY(rig.model.MemoryImage == before);
        QCOMPARE(rig.prompt.shown.size(), 2);
        const ShownMessage& shown = rig.prompt.shown[0];
        QCOMPARE(shown.title, QStringLiteral("Model Check"));
        QCOMPARE(shown.icon, MessageIcon::Critical);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Communication Error!!\n/nonexistent/ttyQ9 could not be opened: ")),
                 qPrintable(shown.text));
        QVERIFY2(shown.text.contains(QStringLiteral("No such file or directory")), qPrintable(shown.text));
        QVERIFY2(shown.text.endsWith(QStringLiteral("\nThere is no device /nonexistent/ttyQ9. Plug the cable in, or "
                                                    "choose its port: Options > SerialPort > Device... (or "
                                                    "quorlink-cli ports) lists the ports present.")),
                 qPrintable(shown.text));
        QVERIFY(rig.radio.received().isEmpty());
        if (diagnosticMode) {
            const QString log = rig.LogText();
            QCOMPARE(LineCount(log), 2);
            QVERIFY2(log.contains(QRegularExpression(QStringLiteral(":frmRadio\\.PortOpen -> \\d+No such file"))),
                     qPrintable(log));
        } else {
            QVERIFY(!QFile::exists(rig.log.Path()));
        }
    }

    // In another language every word of the message is in it; the log stays English.
    void portNumberWithoutADevice()
    {
        const QString message = QStringLiteral(
            "Communication Error!!\nCOM0 (no serial port) could not be opened: No serial port for COM0\nNo serial "
            "port is present for COM0. Plug the cable in, or choose its port: Options > SerialPort > Device... (or "
            "quorlink-cli ports) lists the ports present.");
        for (const bool capitals : {false, true}) {
            NumberedRig rig(0);
            rig.model.DiagnosticMode = true;
            std::optional<CapitalsTranslator> language;
            if (capitals)
                language.emplace();
            QVERIFY(!rig.Shown(RunClearTransfer(rig.protocol)));
            QCOMPARE(rig.prompt.shown.size(), 1);
            QCOMPARE(rig.prompt.shown[0].title, QLatin1String(capitals ? "MODEL CHECK" : "Model Check"));
            QCOMPARE(rig.prompt.shown[0].text, capitals ? message.toUpper() : message);
            QFile log(rig.log.Path());
            QVERIFY(log.open(QIODevice::ReadOnly));
            QVERIFY(log.readAll().endsWith("frmRadio.PortOpen -> 1No serial port for COM0\r\n"));
        }
    }

    void portNumberFollowsTheStoredDevice()
    {
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        NumberedRig rig(3);
        rig.link.UseDevices({QString(), QString(), radio.SlavePath(), QString()});
        QVERIFY(rig.Shown(RunReadTransfer(rig.protocol)));
        QCOMPARE(Exchanges(radio), kModelCheck + ProvenPass(ReadOf));

        rig.link.UseDevices({QString(), QString(), QStringLiteral("/nonexistent/ttyQ3"), QString()});
        QVERIFY(!rig.Shown(RunReadTransfer(rig.protocol)));
        QVERIFY2(rig.prompt.shown.last().text.contains(QStringLiteral("COM3 (/nonexistent/ttyQ3) could not be opened")),
                 qPrintable(rig.prompt.shown.last().text));
    }

    void aPortHeldByAnotherOpener()
    {
        RadioRig rig;
        QVERIFY(rig.started);
        QtSerialPort first;
        QVERIFY(first.Open(rig.radio.SlavePath()));
        QVERIFY(!rig.Shown(RunReadTransfer(rig.protocol)));
        QCOMPARE(rig.prompt.shown.size(), 1);
        const QString text = rig.prompt.shown[0].text;
        QVERIFY2(text.contains(" could not be opened: the port is in use by another program\n"), qPrintable(text));
        QVERIFY2(text.endsWith(QStringLiteral("\n%1 is in use by tst_port_open (process %2). Close that program and "
                                              "try again.")
                                   .arg(rig.radio.SlavePath())
                                   .arg(QCoreApplication::applicationPid())),
                 qPrintable(text));
        first.Close();
        QVERIFY(rig.Shown(RunReadTransfer(rig.protocol)));
    }

    void aPortThatFailsUnderARun()
    {
        RadioRig rig;
        QVERIFY(rig.started);
        rig.model.DiagnosticMode = true;
        rig.radio.AddFault({sim::FaultKind::HangUp, 0x14, 0x0200, 1, 0});
        const Image before = rig.model.MemoryImage;
        QVERIFY(rig.prompt.Show(RunReadTransfer(rig.protocol)).failed());
        QVERIFY(!rig.port.IsOpen());
        QVERIFY(rig.model.MemoryImage == before);
        QCOMPARE(rig.prompt.shown.size(), 1);
        const ShownMessage& shown = rig.prompt.shown[0];
        QCOMPARE(shown.title, QStringLiteral("Read from Radio"));
        QCOMPARE(shown.icon, MessageIcon::Critical);
        const QRegularExpressionMatch text =
            QRegularExpression(QStringLiteral("^Communication Error!!\n(The cable was unplugged: .+ went away \\(.+\\)\\. "
                                              "Plug it in and try again\\.)$")).match(shown.text);
        QVERIFY2(text.hasMatch(), qPrintable(shown.text));
        const QString log = rig.LogText();
        QCOMPARE(LineCount(log), 1);
        QVERIFY2(log.contains(QStringLiteral(":frmRadio.ReadData -> ")) && log.contains(text.captured(1)),
                 qPrintable(log));
    }

    // Another program reading the port takes the radio's answers: that is no
    // device that went away. A byte it takes before our read shows as a plain
    // time-out; a read that got every block again despite it holds the radio's bytes.
    void aSecondReaderOfThePort()
    {
        RadioRig rig;
        QVERIFY(rig.started);
        const int other = ::open(QFile::encodeName(rig.radio.SlavePath()).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(other >= 0);
        std::atomic<bool> stop = false;
        std::atomic<int> taken = 0;
        std::thread reader([&] {
            for (char byte; !stop;) {
                if (::read(other, &byte, 1) == 1)
                    ++taken;
                else
                    std::this_thread::yield();
            }
        });
        rig.radio.memory() = PatternMemory(sim::kCode7100);
        const TransferSafety safety{rig.folder.path(), false, {}};
        const bool done = rig.Shown(RunReadTransfer(rig.protocol, safety));
        stop = true;
        reader.join();
        ::close(other);
        // On a loaded machine the other reader may not run while the radio answers.
        if (taken == 0 && done)
            QSKIP("the other reader took no byte this time");
        const QString text = rig.prompt.shown.value(0).text;
        if (done) {
            const QStringList kept = QDir(rig.folder.filePath("backups")).entryList({"*.hex"});
            QCOMPARE(kept.size(), 1);
            QFile backup(rig.folder.filePath("backups/" + kept[0]));
            QVERIFY(backup.open(QIODevice::ReadOnly));
            QCOMPARE(backup.readAll(), QByteArray(reinterpret_cast<const char*>(rig.radio.memory().data()), kImageSize));
            return;
        }
        // A reader that took the model check's answers leaves the port's checklist below the error.
        QVERIFY2(text.startsWith("Communication Error!!") || text.contains("Another program is using the port"),
                 qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestPortOpen)
#include "tst_port_open.moc"
