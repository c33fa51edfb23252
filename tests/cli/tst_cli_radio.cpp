// The radio verbs of the command line against the radio emulator on a
// pseudo-terminal.
#include "cli.h"
#include "data_file.h"
#include "encoder.h"
#include "model.h"
#include "radio_emulator.h"
#include "support/recording_prompt.h"
#include "support/sample_model.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

using namespace quorlink;

namespace {

struct Outcome {
    int code;
    QByteArray err;
};

Outcome RunCli(const QStringList& args)
{
    char* errText = nullptr;
    std::size_t errSize = 0;
    std::FILE* err = open_memstream(&errText, &errSize);
    std::vector<std::string> list;
    for (const QString& arg : args)
        list.push_back(arg.toStdString());
    const int code = cli::Run(list, {stdout, err});
    std::fclose(err);
    Outcome outcome{code, QByteArray(errText, static_cast<qsizetype>(errSize))};
    std::free(errText);
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
        const Outcome r = RunCli({"read", "--model", "MR7100A", "--port", radio.SlavePath(), Path("read.dat")});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.contains("Read from Radio: Complete!!"), r.err.constData());
        Model back;
        back.ModelNumber = 1;
        NewModel(back);
        test::RecordingPrompt prompt;
        const ErrorLog log{QString()};
        QVERIFY(!FileRead2(back, Path("read.dat"), FileContext{prompt, log, 0}));
        QVERIFY(back.Settings == source.Settings);
        QVERIFY(back.UsaChannels == source.UsaChannels);
        QVERIFY(back.IndividualDirectory == source.IndividualDirectory);
        QCOMPARE(back.ExpChannels.at(1).ChTag, std::string("EXP ONE"));
    }

    void writeProgramsTheRadio()
    {
        const Model source = EditedModel();
        SaveFileAs(const_cast<Model&>(source), Path("edited.dat"), [] {
            static test::RecordingPrompt prompt;
            static const ErrorLog log{QString()};
            return FileContext{prompt, log, 0};
        }());
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        const Outcome r = RunCli({"write", "--model", "mr7100a", "--port", radio.SlavePath(), Path("edited.dat")});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.contains("Program to Radio: Complete!!"), r.err.constData());
        for (int a = 0; a < kImageSize; ++a)
            if (Sent(a) && a != 12 && a != 39 && (a < 480 || a > 487))
                QVERIFY2(radio.memory()[a] == source.MemoryImage[a], qPrintable(QString::number(a)));
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
        Outcome r = RunCli({"write", "--model", "MR7100A", "--port", radio.SlavePath(), file});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("Program to Radio: The radio's own MMSI is 211999999; this write would change it "
                                "to 366987654. Many radios accept a new own MMSI only a few times"),
                 r.err.constData());
        QVERIFY(r.err.contains("give --allow-mmsi-change"));
        for (const sim::LoggedRequest& request : radio.requests())
            QVERIFY(request.request.command == 0x12 || request.request.command == 0x14);
        r = RunCli({"write", "--model", "MR7100A", "--allow-mmsi-change", "--port", radio.SlavePath(), file});
        QCOMPARE(r.code, 0);
        QCOMPARE(int(radio.memory()[336]), 0x36);
    }

    void clearResetsTheCount()
    {
        sim::RadioEmulator radio(sim::kCode5100);
        QVERIFY(radio.Start());
        radio.memory()[341] = 5;
        const Outcome r = RunCli({"clear", "--model", "MR5100A", "--port", radio.SlavePath()});
        QCOMPARE(r.code, 0);
        QVERIFY(r.err.contains("Clear Data: Complete!!"));
        QCOMPARE(int(radio.memory()[341]), 0);
    }

    void otherModelWritesNoFile()
    {
        sim::RadioEmulator radio(sim::kCode5100);
        QVERIFY(radio.Start());
        const Outcome r = RunCli({"read", "--model", "MR7100A", "--port", radio.SlavePath(), Path("no.dat")});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("ModelName Error !!"), r.err.constData());
        QVERIFY(!QFile::exists(Path("no.dat")));
    }

    void pulledCable()
    {
        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        radio.AddFault({sim::FaultKind::HangUp, 0x14, 0x1000, 1, 0});
        Outcome r = RunCli({"read", "--model", "MR7100A", "--port", radio.SlavePath(), Path("cut.dat")});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("Communication Error!!"), r.err.constData());
        QVERIFY(!QFile::exists(Path("cut.dat")));

        sim::RadioEmulator writeRadio(sim::kCode7100);
        QVERIFY(writeRadio.Start());
        writeRadio.AddFault({sim::FaultKind::HangUp, 0x13, 0x0400, 1, 0});
        r = RunCli({"write", "--model", "MR7100A", "--port", writeRadio.SlavePath(), QUORLINK_TEST_DATA "/edited_mr7100a.dat"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("Communication Error!!"), r.err.constData());
    }

    void portThatDoesNotExist()
    {
        const Outcome r = RunCli({"clear", "--model", "MR7100A", "--port", "/dev/quorlink-no-such-port"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("Communication Error!!"), r.err.constData());
        QVERIFY(r.err.contains("/dev/quorlink-no-such-port"));
    }

    void usage()
    {
        QCOMPARE(RunCli({"read", "--model", "MR7100A", Path("x.dat")}).code, 2);           // no port
        QCOMPARE(RunCli({"read", "--model", "MR7100A", "--port", "9", Path("x.dat")}).code, 2);
        QCOMPARE(RunCli({"read", "--model", "MR7100A", "--port", "1", Path("x.txt")}).code, 2);
        QCOMPARE(RunCli({"clear", "--model", "MR7100A", "--port", "1", Path("x.dat")}).code, 2);
    }
};

QTEST_GUILESS_MAIN(TestCliRadio)
#include "tst_cli_radio.moc"
