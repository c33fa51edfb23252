// A save that cannot complete leaves the previous file byte for byte as it
// was and says so.
#include "support/file_bytes.h"
#include "data_file.h"
#include "hex_file.h"
#include "model.h"
#include "support/recording_prompt.h"
#include "support/sample_model.h"

#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace quorlink;
using quorlink::test::ReadAll;
using quorlink::test::WriteAll;

namespace {

// While alive, no file of this process may grow beyond limit bytes: a write
// past it fails half-way, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lower = saved_;
        lower.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

}  // namespace

class TestSaveFailures : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    test::RecordingPrompt prompt;
    ErrorLog log{QString()};
    Model model;

    FileContext Context() { return FileContext{prompt, log, 0}; }

private slots:
    void init()
    {
        prompt = test::RecordingPrompt();
        model = Model();
        model.ModelNumber = 1;
        QVERIFY(!NewModel(model));
        test::ApplySampleEdits(model);
    }

    void dataFileCutShort()
    {
        const QString path = dir.filePath(QStringLiteral("boat.dat"));
        const QByteArray previous = "[MAIN]\r\nMODEL=#MR7100A\r\n";
        QVERIFY(WriteAll(path, previous));
        {
            FileSizeLimit limit(4096);  // the data file is about 29 KB
            QVERIFY(SaveFileAs(model, path, Context()));
        }
        QCOMPARE(ReadAll(path), previous);
        QVERIFY(model.ErrorFlag && model.CancelFlag);
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.shown[0].text, QStringLiteral("FileSave Error!!"));
        QCOMPARE(prompt.shown[0].title, QStringLiteral("Quorlink"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"boat.dat"});
    }

    void hexFileCutShort()
    {
        const QString path = dir.filePath(QStringLiteral("boat.hex"));
        const QByteArray previous(3000, 'p');
        QVERIFY(WriteAll(path, previous));
        {
            FileSizeLimit limit(4096);
            QVERIFY(SaveHexImage(model, path, Context()));
        }
        QCOMPARE(ReadAll(path), previous);
        QVERIFY(model.CancelFlag);
        QCOMPARE(prompt.shown.last().text, QStringLiteral("FileSave Error!!"));
    }

    void folderGoneAfterOpening()
    {
        QTemporaryDir gone;
        const QString path = gone.filePath(QStringLiteral("boat.dat"));
        QVERIFY(WriteAll(path, "old"));
        QVERIFY(gone.remove());
        QVERIFY(SaveFileAs(model, path, Context()));
        QCOMPARE(prompt.shown.last().text, QStringLiteral("FileSave Error!!"));
    }

    void noPermission()
    {
        if (geteuid() == 0)
            QSKIP("root writes into every folder");
        QTemporaryDir locked;
        const QString path = locked.filePath(QStringLiteral("boat.hex"));
        QVERIFY(WriteAll(path, QByteArray(9000, 'x')));
        QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QVERIFY(SaveHexImage(model, path, Context()));
        QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(ReadAll(path), QByteArray(9000, 'x'));
    }
};

QTEST_GUILESS_MAIN(TestSaveFailures)
#include "tst_save_failures.moc"
