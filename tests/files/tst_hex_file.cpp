// The raw image file of the service mode.
#include "support/file_bytes.h"
#include "decoder.h"
#include "hex_file.h"
#include "model.h"
#include "support/recording_prompt.h"
#include "support/sample_model.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace quorlink;
using quorlink::test::ReadAll;
using quorlink::test::WriteAll;
using quorlink::test::RecordingPrompt;

namespace {

QByteArray Bytes(const Image& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), kImageSize);
}

}  // namespace

class TestHexFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    RecordingPrompt prompt;
    ErrorLog log{QString()};
    Model model;

    FileContext Context() { return FileContext{prompt, log, 0}; }
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }

private slots:
    void init()
    {
        prompt = RecordingPrompt();
        log = ErrorLog(dir.path());
        model = Model();
        model.ModelNumber = 1;
        QVERIFY(!NewModel(model));
    }

    void saveAndOpen()
    {
        test::ApplySampleEdits(model);
        model.MemoryImage[3000] = 0x5A;  // a byte nobody interprets travels too
        QVERIFY(!SaveHexImage(model, Path("boat.hex"), Context()));
        QCOMPARE(ReadAll(Path("boat.hex")), Bytes(model.MemoryImage));
        const Model saved = model;

        QVERIFY(!NewModel(model));
        QVERIFY(!ReadHexFileAs(model, Path("boat.hex"), Context()));
        QVERIFY(!model.ErrorFlag);
        QVERIFY(prompt.shown.isEmpty());
        QCOMPARE(Bytes(model.MemoryImage), Bytes(saved.MemoryImage));
        QVERIFY(!SaveHexImage(model, Path("again.hex"), Context()));
        QCOMPARE(ReadAll(Path("again.hex")), ReadAll(Path("boat.hex")));
        QVERIFY(model.Settings == saved.Settings);
        QVERIFY(model.UsaChannels == saved.UsaChannels);
        QVERIFY(model.IndividualDirectory == saved.IndividualDirectory);
    }

    void longerFileKeepsItsTail()
    {
        QVERIFY(WriteAll(Path("long.hex"), QByteArray(9000, 'z')));
        QVERIFY(!SaveHexImage(model, Path("long.hex"), Context()));
        const QByteArray bytes = ReadAll(Path("long.hex"));
        QCOMPARE(bytes.size(), 9000);
        QCOMPARE(bytes.left(kImageSize), Bytes(model.MemoryImage));
        QCOMPARE(bytes.mid(kImageSize), QByteArray(9000 - kImageSize, 'z'));
    }

    void modelCheckFailures_data()
    {
        QTest::addColumn<QByteArray>("content");
        Image other{};
        FillDefaultImage(other, 0);
        QTest::newRow("other model") << Bytes(other);
        Image mixed{};
        FillDefaultImage(mixed, 1);
        mixed[8190] = 0x13;
        mixed[8191] = 0xEC;
        QTest::newRow("copies differ") << Bytes(mixed);
        FillDefaultImage(mixed, 1);
        QTest::newRow("short file") << Bytes(mixed).left(8000);
        QTest::newRow("empty file") << QByteArray();
    }

    void modelCheckFailures()
    {
        QFETCH(QByteArray, content);
        QVERIFY(WriteAll(Path("bad.hex"), content));
        test::ApplySampleEdits(model);
        const Model before = model;
        QVERIFY(!ReadHexFileAs(model, Path("bad.hex"), Context()));
        QVERIFY(model.ErrorFlag);
        QCOMPARE(Bytes(model.MemoryImage), Bytes(before.MemoryImage));
        QVERIFY(model.Settings == before.Settings);
        QVERIFY(model.UsaChannels == before.UsaChannels);
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.shown[0].text, QStringLiteral("ModelName Error !!"));
        QCOMPARE(prompt.shown[0].title, QStringLiteral("Read from Radio"));
        QCOMPARE(prompt.shown[0].icon, MessageIcon::Critical);
    }

    void longerFileReadsItsFirst8192Bytes()
    {
        Image image{};
        FillDefaultImage(image, 1);
        QVERIFY(WriteAll(Path("tail.hex"), Bytes(image) + QByteArray(100, '\x01')));
        QVERIFY(!ReadHexFileAs(model, Path("tail.hex"), Context()));
        QVERIFY(!model.ErrorFlag);
    }

    void unreadableFile()
    {
        model.DiagnosticMode = true;
        const Image before = model.MemoryImage;
        QVERIFY(ReadHexFileAs(model, Path("missing.hex"), Context()));
        QVERIFY(model.ErrorFlag && model.CancelFlag);
        QCOMPARE(Bytes(model.MemoryImage), Bytes(before));
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.shown[0].text, QStringLiteral("FileRead Error!!"));
        QCOMPARE(prompt.shown[0].title, QStringLiteral("Quorlink"));
        QVERIFY(ReadAll(log.Path()).contains(":frmMain.ReadHexFileAs -> 53"));
    }

    void overflowWritesNothing()
    {
        model.Settings.Scrambler = 999;  // a hand-edited data file can hold this
        const Image before = model.MemoryImage;
        QVERIFY(SaveHexImage(model, Path("over.hex"), Context()));
        QVERIFY(!QFile::exists(Path("over.hex")));
        QVERIFY(model.CancelFlag);
        QCOMPARE(Bytes(model.MemoryImage), Bytes(before));
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.shown[0].text, QStringLiteral("FileSave Error!!"));
    }

    void saveIntoMissingFolder()
    {
        QVERIFY(SaveHexImage(model, Path("none/x.hex"), Context()));
        QVERIFY(model.CancelFlag);
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.shown[0].icon, MessageIcon::Warning);
    }
};

QTEST_GUILESS_MAIN(TestHexFile)
#include "tst_hex_file.moc"
