// SPDX-License-Identifier: GPL-3.0-or-later
// The raw image file of the service mode.
#include "support/file_bytes.h"
#include "backups.h"
#include "decoder.h"
#include "hex_file.h"
#include "kept_copies.h"
#include "model.h"
#include "recovery_copies.h"
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

    FileContext Context() { return FileContext{log, 0}; }
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
        QVERIFY(prompt.Show(SaveHexImage(model, Path("boat.hex"), Context())).done());
        QCOMPARE(ReadAll(Path("boat.hex")), Bytes(model.MemoryImage));
        const Model saved = model;

        QVERIFY(!NewModel(model));
        QVERIFY(prompt.Show(ReadHexFileAs(model, Path("boat.hex"), Context())).done());
        QVERIFY(prompt.shown.isEmpty());
        QCOMPARE(Bytes(model.MemoryImage), Bytes(saved.MemoryImage));
        QVERIFY(prompt.Show(SaveHexImage(model, Path("again.hex"), Context())).done());
        QCOMPARE(ReadAll(Path("again.hex")), ReadAll(Path("boat.hex")));
        QVERIFY(model.Settings == saved.Settings);
        QVERIFY(model.UsaChannels == saved.UsaChannels);
        QVERIFY(model.IndividualDirectory == saved.IndividualDirectory);
    }

    // Bits 7 and 5 of the time-offset byte are no setting's: the import
    // clears them, a backup opened as it stands keeps them for a restore.
    void imageAsItStandsKeepsBitsTheImportClears()
    {
        model.MemoryImage[15] = 0xE3;  // bits 7, 5 set; true MAG; offset -3 h
        QVERIFY(prompt.Show(SaveImageAsItStands(model, Path("backup.hex"), Context())).done());
        for (bool asItStands : {false, true}) {
            QVERIFY(!NewModel(model));
            QVERIFY(prompt.Show(asItStands ? ReadImageAsItStands(model, Path("backup.hex"), Context())
                                           : ReadHexFileAs(model, Path("backup.hex"), Context()))
                        .done());
            QCOMPARE(int(model.MemoryImage[15]), asItStands ? 0xE3 : 0x43);
            QVERIFY(model.Settings.TrueMag);
            QCOMPARE(int(model.Settings.OffsetTime), 9);
        }
    }

    void longerFileKeepsItsTail()
    {
        QVERIFY(WriteAll(Path("long.hex"), QByteArray(9000, 'z')));
        QVERIFY(prompt.Show(SaveHexImage(model, Path("long.hex"), Context())).done());
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
        const Outcome outcome = prompt.Show(ReadHexFileAs(model, Path("bad.hex"), Context()));
        QVERIFY(outcome.failed() && !outcome.fault);
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
        QVERIFY(prompt.Show(ReadHexFileAs(model, Path("tail.hex"), Context())).done());
    }

    void unreadableFile()
    {
        model.DiagnosticMode = true;
        const Image before = model.MemoryImage;
        const Outcome outcome = prompt.Show(ReadHexFileAs(model, Path("missing.hex"), Context()));
        QVERIFY(outcome.fault);
        QVERIFY(outcome.failed());
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
        const Outcome outcome = prompt.Show(SaveHexImage(model, Path("over.hex"), Context()));
        QVERIFY(outcome.fault);
        QVERIFY(!QFile::exists(Path("over.hex")));
        QVERIFY(outcome.failed());
        QCOMPARE(Bytes(model.MemoryImage), Bytes(before));
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.shown[0].text, QStringLiteral("FileSave Error!!"));
    }

    void saveIntoMissingFolder()
    {
        const Outcome outcome = prompt.Show(SaveHexImage(model, Path("none/x.hex"), Context()));
        QVERIFY(outcome.fault);
        QVERIFY(outcome.failed());
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.shown[0].icon, MessageIcon::Warning);
    }

    // Two transfers in one second keep both; the list is newest first and
    // holds only the model's reads.
    void backupsNeverReplaceOneAnother()
    {
        const QDateTime second(QDate(2026, 3, 4), QTime(5, 6, 7));
        const QString folder = Path("data");
        QStringList saved;
        for (int i = 0; i < 3; ++i) {
            model.MemoryImage[100] = static_cast<std::uint8_t>(i);
            const StampedFile backup = SaveBackup(folder, "MR7100A", model.MemoryImage, BackupKind::Read, second);
            QVERIFY2(backup.failure.isEmpty(), qPrintable(backup.failure));
            QCOMPARE(ReadAll(backup.path), Bytes(model.MemoryImage));
            saved.prepend(backup.path);
        }
        QCOMPARE(QFileInfo(saved.last()).fileName(), QStringLiteral("MR7100A-20260304-050607-read.hex"));
        QCOMPARE(QFileInfo(saved.first()).fileName(), QStringLiteral("MR7100A-20260304-050607-read-3.hex"));
        QVERIFY(SaveBackup(folder, "MR7100A", model.MemoryImage, BackupKind::Write, second.addSecs(9)).failure.isEmpty());
        QVERIFY(SaveBackup(folder, "MR5100A", model.MemoryImage, BackupKind::Read, second.addSecs(9)).failure.isEmpty());
        const StampedFile older = SaveBackup(folder, "MR7100A", model.MemoryImage, BackupKind::Read, second.addDays(-1));
        QCOMPARE(ReadBackups(folder, "MR7100A"), saved + QStringList{older.path});
    }

    // Backups are listed by content, whatever their names: the model by its
    // code, a file that is no image as such (a large one never read whole).
    // Two made in one second come in the order they were made. A missing
    // folder, or a file in its place, is said.
    void keptCopiesByContent()
    {
        const QString folder = Path("kept");
        const QString backups = BackupsFolder(folder);
        const QString native = QDir::toNativeSeparators(backups);
        KeptCopies kept = ListKeptCopies(folder);
        QVERIFY(kept.copies.isEmpty() && !kept.backupsFolderBroken);
        QCOMPARE(kept.backupsNote, "No backup has been kept yet: the backups folder " + native + " does not exist.");
        QVERIFY(QDir().mkpath(folder) && WriteAll(backups, "a file"));
        kept = ListKeptCopies(folder);
        QVERIFY(kept.copies.isEmpty() && kept.backupsFolderBroken);
        QCOMPARE(kept.backupsNote, native + " is not a folder: no backup can be kept until it is moved away.");
        QVERIFY(QFile::remove(backups));

        const QDateTime second(QDate(2026, 3, 4), QTime(5, 6, 7));
        Model other;
        other.ModelNumber = 2;
        QVERIFY(!NewModel(other));
        QVERIFY(SaveBackup(folder, "MR7100A", other.MemoryImage, BackupKind::BeforeWrite, second).failure.isEmpty());
        QVERIFY(SaveBackup(folder, "MR7100A", model.MemoryImage, BackupKind::Write, second).failure.isEmpty());
        QFile zeros(backups + "/MR7100A-20260304-050608-read.hex");
        QVERIFY(zeros.open(QIODevice::WriteOnly) && zeros.resize(100 * 1024 * 1024));
        zeros.close();
        QStringList rows;
        for (const KeptCopy& copy : ListKeptCopies(folder).copies)
            rows << copy.when.toString("HH:mm:ss ") + copy.kind + '|' + copy.model;
        QCOMPARE(rows, (QStringList{"05:06:08 not a radio image|", "05:06:07 written|MR7100A",
                                    "05:06:07 before write|MR5100A"}));
    }

    void memoryImageByContent_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("headCode");
        QTest::addColumn<int>("tailCode");
        QTest::addColumn<bool>("image");
        QTest::newRow("MR7100A") << 8192 << 7100 << 7100 << true;
        QTest::newRow("MR5100A") << 8192 << 5100 << 5100 << true;
        QTest::newRow("codes differ") << 8192 << 7100 << 5100 << false;
        QTest::newRow("unknown code") << 8192 << 1234 << 1234 << false;
        QTest::newRow("one byte longer") << 8193 << 7100 << 7100 << false;
    }

    void memoryImageByContent()
    {
        QFETCH(int, size);
        QFETCH(int, headCode);
        QFETCH(int, tailCode);
        QFETCH(bool, image);
        QByteArray bytes(size, '\x20');
        bytes[0] = char(headCode >> 8);
        bytes[1] = char(headCode & 0xFF);
        bytes[size - 2] = char(tailCode >> 8);
        bytes[size - 1] = char(tailCode & 0xFF);
        QVERIFY(WriteAll(Path("image.dat"), bytes));
        QCOMPARE(IsMemoryImageFile(Path("image.dat")), image);
        QVERIFY(!IsMemoryImageFile(dir.path()));
    }

    void recoveryKeepsTheNewestCopies()
    {
        const QString folder = Path("keep");
        const QDateTime start(QDate(2026, 1, 2), QTime(3, 4, 5));
        QStringList made;
        for (int i = 0; i < kRecoveryCopiesKept + 3; ++i)
            made.prepend(SaveRecoveryCopy(model, folder, i % 2 ? QStringLiteral("model-switch") : QStringLiteral("new"),
                                          start.addSecs(i)).path);
        QCOMPARE(RecoveryCopies(folder), made.mid(0, kRecoveryCopiesKept));
        QCOMPARE(QFileInfo(made.first()).fileName(), QStringLiteral("20260102-030427-new.dat"));
        QVERIFY(!QFile::exists(made.last()));
        // After the clock was set back, the copies dated later must not push out the one just made.
        const QString now = SaveRecoveryCopy(model, folder, QStringLiteral("open"), start).path;
        QVERIFY(QFile::exists(now));
        QCOMPARE(RecoveryCopies(folder).size(), kRecoveryCopiesKept);
    }
};

QTEST_GUILESS_MAIN(TestHexFile)
#include "tst_hex_file.moc"
