// SPDX-License-Identifier: GPL-3.0-or-later
// Read, write and clear, as operations and as whole runs: what goes on the
// line in which order, the progress reported, the messages, and what the
// model holds afterwards.
#include "codecs.h"
#include "backups.h"
#include "radio_rig.h"
#include "support/file_bytes.h"
#include "transfer_runs.h"
#include "write_verification.h"
#include "comparison.h"

using namespace quorlink;
using namespace quorlink::test;

namespace {

QList<int> ExpectedProgress()
{
    QList<int> list{0};
    for (int address = 0; address < kImageSize; address += 16)
        list.append(BlockProgress(address));
    return list;
}

// The write's plan: the radio's own areas untouched, one block byte by byte.
ExchangeList WritesOf(int address)
{
    ExchangeList list;
    if (address == 0x0020) {
        for (int single = 0x0025; single <= 0x002F; ++single)
            list.append({0x11, single});
    } else if (!QList<int>{0x0030, 0x0040, 0x01B0, 0x01C0, 0x01D0}.contains(address)) {
        list.append({0x13, address});
    }
    return list;
}

ExchangeList ExpectedWrites() { return ProvenPass(WritesOf); }

ExchangeList ReadBackOf(int address) { return WritesOf(address).isEmpty() ? ExchangeList{} : ReadOf(address); }

bool WrittenByTheRun(int address)
{
    const int block = address & ~0x0F;
    if (block == 0x0020)
        return address >= 0x0025;
    return !QList<int>{0x0030, 0x0040, 0x01B0, 0x01C0, 0x01D0}.contains(block);
}

// A scratch image holding a stranger's data, so that any byte a run copies
// from the radio by mistake shows.
void FillImage(Image& image, int seed)
{
    for (int i = 0; i < kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>((i * 13 + seed) & 0xFF);
}

// One pass of a run, alone on the rig, and the course it takes on a quiet line.
enum Pass { CheckPass, ReadPass, ReadFirstPass, WritePass, ReadBackPass, ClearPass, ClearCheckPass };

ExchangeList CleanCourse(int pass)
{
    switch (pass) {
    case CheckPass: return kModelCheck;
    case WritePass: return ExpectedWrites();
    case ReadBackPass: return ProvenPass(ReadBackOf);
    case ClearPass: return {{0x11, addr::UserMmsiCount}, kMarker};
    case ClearCheckPass: return {{0x12, addr::UserMmsiCount}, kBlockMarker};
    default: return ProvenPass(ReadOf);
    }
}

QPair<int, int> MarkerOf(int pass) { return pass == CheckPass || pass == ClearCheckPass ? kBlockMarker : kMarker; }

// Runs the pass; true when it ended done and moved exactly the radio's or the image's bytes.
bool RunPassExactly(RadioRig& rig, int pass)
{
    Image target{};
    const sim::Memory& radio = rig.radio.memory();
    const auto same = [&](int address) { return target[address] == radio[address]; };
    FillImage(rig.model.MemoryImage, 11);
    rig.model.MemoryImage[addr::UserMmsiCount] = 0;
    bool done = false;
    bool exact = true;
    switch (pass) {
    case CheckPass: done = rig.protocol.ReadDataChkModel().done(); break;
    case ReadPass:
    case ReadFirstPass:
        done = (pass == ReadPass ? rig.protocol.ReadData(target) : rig.protocol.ReadBeforeWrite(target)).done();
        exact = std::equal(radio.begin(), radio.end(), target.begin());
        break;
    case WritePass:
        done = rig.protocol.WriteData().done();
        for (int address = 0; address < kImageSize; ++address)
            exact = exact && (!IsWrittenAddress(address) || radio[address] == rig.model.MemoryImage[address]);
        break;
    case ReadBackPass: {
        BlockSet taken;
        done = rig.protocol.ReadBackWritten(target, taken).done();
        for (int address = 0; address < kImageSize; ++address)
            exact = exact && (!IsWrittenAddress(address) || same(address));
        break;
    }
    case ClearPass: done = rig.protocol.ClearData().done(); exact = radio[addr::UserMmsiCount] == 0; break;
    case ClearCheckPass: done = rig.protocol.ReadBackCleared(target).done(); exact = same(addr::UserMmsiCount); break;
    }
    return done && exact && rig.prompt.shown.isEmpty();
}

// A fault at the first, a middle and the last request of each pass: (command, address).
void AddPassRows(const std::function<void(const char* name, int pass, int command, int address)>& row)
{
    const struct {
        const char* name;
        int pass;
        int command;
        QList<int> addresses;
    } passes[] = {
        {"model check", CheckPass, 0x12, {0, 0x1FFE, 0x1FFF}},
        {"read", ReadPass, 0x14, {0, 0x1000, 0x1FF0}},
        {"read first", ReadFirstPass, 0x14, {0x1000}},  // the read's own blocks, under the write's title
        {"write", WritePass, 0x13, {0, 0x1000, 0x1FF0}},
        {"read-back", ReadBackPass, 0x14, {0, 0x1000, 0x1FF0}},
        {"clear", ClearPass, 0x11, {addr::UserMmsiCount}},
        {"clear check", ClearCheckPass, 0x12, {addr::UserMmsiCount}},
    };
    for (const auto& each : passes)
        for (int address : each.addresses)
            row(each.name, each.pass, each.command, address);
}

// Shorter than the rig's, so that a table of late replies stays quick.
constexpr ProtocolTimings kQuickTimings{150, 100, 10, 0};

void ExpectOneMessage(const RecordingPrompt& prompt, const QString& title, const QString& text, MessageIcon icon)
{
    QCOMPARE(prompt.shown.size(), 1);
    QCOMPARE(prompt.shown[0].title, title);
    QCOMPARE(prompt.shown[0].text, text);
    QCOMPARE(prompt.shown[0].icon, icon);
}

}  // namespace

class TestTransfers : public QObject {
    Q_OBJECT

    std::unique_ptr<RadioRig> rig;

private slots:
    void init()
    {
        rig = std::make_unique<RadioRig>();
        QVERIFY(rig->started);
        rig->radio.memory() = PatternMemory(sim::kCode7100);
    }

    void cleanup() { rig.reset(); }

    void readFillsTheTargetInBlockOrder()
    {
        const Image before = rig->model.MemoryImage;
        Image target{};
        QVERIFY(rig->Shown(rig->protocol.ReadData(target)));
        QVERIFY(rig->prompt.shown.isEmpty());
        QVERIFY(!rig->port.IsOpen());
        QVERIFY(std::equal(target.begin(), target.end(), rig->radio.memory().begin()));
        QVERIFY(rig->model.MemoryImage == before);
        QCOMPARE(Exchanges(rig->radio), ProvenPass(ReadOf));
        QCOMPARE(rig->radio.requests().first().raw.toHex(' '),
                 QByteArray::fromHex("0131343030303044410D").toHex(' '));
    }

    void progressBeforeEachBlock()
    {
        QCOMPARE(BlockProgress(0), 0);
        QCOMPARE(BlockProgress(4080), 50);
        QCOMPARE(BlockProgress(4096), 50);
        QCOMPARE(BlockProgress(4112), 50);
        QCOMPARE(BlockProgress(8160), 100);
        QCOMPARE(BlockProgress(8176), 100);
        QCOMPARE(BlockProgress(8144), 99);
        Image target{};
        rig->Shown(rig->protocol.ReadData(target));
        QCOMPARE(rig->progress, ExpectedProgress());
        QCOMPARE(rig->progress.at(1 + 4096 / 16), 50);
        QCOMPARE(rig->progress.last(), 100);

        rig->progress.clear();
        rig->Shown(rig->protocol.WriteData());
        QCOMPARE(rig->progress, ExpectedProgress());
    }

    void writeLeavesTheRadiosOwnAreasAlone()
    {
        FillImage(rig->model.MemoryImage, 5);
        const sim::Memory radioBefore = rig->radio.memory();
        QVERIFY(rig->Shown(rig->protocol.WriteData()));
        QVERIFY(rig->prompt.shown.isEmpty());
        const ExchangeList exchanges = Exchanges(rig->radio);
        QCOMPARE(exchanges, ExpectedWrites());
        QCOMPARE(std::count_if(exchanges.begin(), exchanges.end(), [](auto e) { return e.first == 0x13; }), 506);
        QCOMPARE(std::count_if(exchanges.begin(), exchanges.end(), [](auto e) { return e.first == 0x11; }), 11);
        for (int address = 0; address < kImageSize; ++address) {
            const int expected = WrittenByTheRun(address) ? rig->model.MemoryImage[address] : radioBefore[address];
            QVERIFY2(rig->radio.memory()[address] == expected, qPrintable(QString::number(address, 16)));
        }
    }

    void clearSendsTheOneByte()
    {
        rig->model.MemoryImage[addr::UserMmsiCount] = 0;
        QVERIFY(rig->Shown(rig->protocol.ClearData()));
        QCOMPARE(rig->radio.received().toHex(' '),
                 (QByteArray::fromHex("01313130313535303037320D") + BuildRequest(ReadByteCommand, 0)).toHex(' '));
        QCOMPARE(int(rig->radio.memory()[addr::UserMmsiCount]), 0);
        QCOMPARE(rig->progress, (QList<int>{0, 100}));
    }

    void failureStopsAtTheBlock_data()
    {
        QTest::addColumn<int>("operation");  // 0 read, 1 write, 2 clear
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("address");
        QTest::addColumn<QString>("title");
        QTest::newRow("read") << 0 << 0x14 << 0x0800 << QStringLiteral("Read from Radio");
        QTest::newRow("write") << 1 << 0x13 << 0x0800 << QStringLiteral("Program to Radio");
        QTest::newRow("write, single bytes") << 1 << 0x11 << 0x0028 << QStringLiteral("Program to Radio");
        QTest::newRow("clear") << 2 << 0x11 << 0x0155 << QStringLiteral("Clear Data");
    }

    void failureStopsAtTheBlock()
    {
        QFETCH(int, operation);
        QFETCH(int, command);
        QFETCH(int, address);
        QFETCH(QString, title);
        rig->radio.AddFault({sim::FaultKind::NoAnswer, command, address, 2, 0});
        Image target{};
        Outcome outcome;
        if (operation == 0)
            outcome = rig->prompt.Show(rig->protocol.ReadData(target));
        else if (operation == 1)
            outcome = rig->prompt.Show(rig->protocol.WriteData());
        else
            outcome = rig->prompt.Show(rig->protocol.ClearData());
        QVERIFY(outcome.failed());
        QVERIFY(!rig->port.IsOpen());
        ExpectOneMessage(rig->prompt, title, QStringLiteral("Communication Error!!"), MessageIcon::Critical);
        QCOMPARE(Exchanges(rig->radio).last(), qMakePair(command, address));
        QVERIFY(!rig->progress.contains(100));
    }

    void readRunReplacesTheImage()
    {
        rig->radio.memory()[addr::Scrambler] = 5;
        rig->radio.memory()[12] = 0x77;  // not ours: put back after a read
        bool busyDuringRun = false;
        rig->protocol.link().SetCancelCheck([&] {
            busyDuringRun = rig->link.state().BusyFlag;
            return false;
        });
        QVERIFY(rig->Shown(RunReadTransfer(rig->protocol)));
        QVERIFY(busyDuringRun);
        QVERIFY(!rig->link.state().BusyFlag);
        ExpectOneMessage(rig->prompt, QStringLiteral("Read from Radio"), QStringLiteral("Complete!!"),
                         MessageIcon::Information);
        Image defaults{};
        FillDefaultImage(defaults, 1);
        QCOMPARE(int(rig->model.MemoryImage[12]), int(defaults[12]));
        QCOMPARE(int(rig->model.MemoryImage[480]), int(defaults[480]));
        QCOMPARE(int(rig->model.MemoryImage[0x1000]), int(rig->radio.memory()[0x1000]));
        QCOMPARE(rig->model.Settings.Scrambler, std::int16_t(5));
        QCOMPARE(Exchanges(rig->radio), kModelCheck + ProvenPass(ReadOf));
    }

    void failedOrCancelledReadLeavesTheModel_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("failed") << false;
        QTest::newRow("cancelled") << true;
    }

    void failedOrCancelledReadLeavesTheModel()
    {
        QFETCH(bool, cancel);
        rig->radio.memory()[addr::Scrambler] = 9;
        rig->radio.AddFault({sim::FaultKind::NoAnswer, 0x14, 0x1000, cancel ? -1 : 2, 0});
        if (cancel)
            connect(&rig->radio, &sim::RadioEmulator::requestLogged, this, [&](const sim::LoggedRequest& entry) {
                if (entry.request.address == 0x1000)
                    rig->link.state().CancelFlag = true;
            });
        const Image before = rig->model.MemoryImage;
        const CommonSettings settingsBefore = rig->model.Settings;
        QVERIFY(!rig->Shown(RunReadTransfer(rig->protocol)));
        QVERIFY(rig->model.MemoryImage == before);
        QVERIFY(rig->model.Settings == settingsBefore);
        QVERIFY(!rig->port.IsOpen());
        QVERIFY(!rig->link.state().BusyFlag);
        if (cancel)
            QVERIFY(rig->prompt.shown.isEmpty());
        else
            ExpectOneMessage(rig->prompt, QStringLiteral("Read from Radio"), QStringLiteral("Communication Error!!"),
                             MessageIcon::Critical);
    }

    void runsStopAfterAFailedModelCheck()
    {
        rig->radio.memory()[0] = 0x13;
        QVERIFY(!rig->Shown(RunReadTransfer(rig->protocol)));
        QVERIFY(!rig->Shown(RunWriteTransfer(rig->protocol)));
        rig->model.MemoryImage[addr::UserMmsiCount] = 3;
        QVERIFY(!rig->Shown(RunClearTransfer(rig->protocol)));
        QCOMPARE(int(rig->model.MemoryImage[addr::UserMmsiCount]), 3);
        QCOMPARE(Exchanges(rig->radio), kModelCheck + kModelCheck + kModelCheck);
        QCOMPARE(rig->prompt.shown.size(), 3);
    }

    // Paced as on a cable, a reply later than its time-out, or none, is never
    // taken for another request: the pass ends with the exact bytes. Right at
    // the time-out a reply may still count as in time; that course is the
    // quiet one, never a third.
    void lateRepliesAnswerOnlyTheirOwnRequest_data()
    {
        QTest::addColumn<int>("pass");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("lateness");  // per mille of the time-out; 0: the request is lost
        AddPassRows([](const char* name, int pass, int command, int address) {
            for (int lateness : {1003, 1030, 1500, 0})
                QTest::addRow("%s 0x%04X %d", name, address, lateness) << pass << command << address << lateness;
        });
    }

    void lateRepliesAnswerOnlyTheirOwnRequest()
    {
        QFETCH(int, pass);
        QFETCH(int, command);
        QFETCH(int, address);
        QFETCH(int, lateness);
        rig->protocol.Timings = kQuickTimings;
        connect(&rig->radio, &sim::RadioEmulator::requestLogged, &rig->radio, [=](const sim::LoggedRequest& entry) {
            if (entry.kind == sim::LoggedRequest::Kind::Frame)
                rig->radio.SetPace(std::abs(entry.request.address - address) <= 0x10 ? 960 : 0);
        });
        if (lateness == 0)
            rig->radio.AddFault({sim::FaultKind::NoAnswer, command, address, 1, 0});
        else
            rig->radio.AddFault({sim::FaultKind::Delay, command, address, 1, kQuickTimings.replyTimeoutMs * lateness / 1000});
        QVERIFY(RunPassExactly(*rig, pass));
        const ExchangeList clean = CleanCourse(pass);
        const ExchangeList late = Redone(clean, int(clean.indexOf({command, address})), MarkerOf(pass));
        const ExchangeList course = Exchanges(rig->radio);
        if (lateness == 0 || lateness >= 1500)
            QCOMPARE(course, late);
        else
            QVERIFY(course == late || course == clean);
    }

    // An adapter that repeats a reply, at once or later: the copy never
    // answers another request, and the span it lands in is asked again.
    void copiesOfARepliesAreNeverTaken_data()
    {
        QTest::addColumn<int>("pass");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("delayMs");
        AddPassRows([](const char* name, int pass, int command, int address) {
            if (pass == ReadFirstPass || pass >= ClearPass || (address != 0x1000 && address != 0x1FFE))
                return;
            for (int delayMs : {0, 200, 2000})
                QTest::addRow("%s %d ms", name, delayMs) << pass << command << address << delayMs;
        });
    }

    void copiesOfARepliesAreNeverTaken()
    {
        QFETCH(int, pass);
        QFETCH(int, command);
        QFETCH(int, address);
        QFETCH(int, delayMs);
        // Paced for as long as the copy takes to come, and a little more.
        const int pacedBytes = 0x40 + delayMs / 40 * 16;  // a paced block takes some 45 ms
        connect(&rig->radio, &sim::RadioEmulator::requestLogged, &rig->radio, [=](const sim::LoggedRequest& entry) {
            const int offset = entry.request.address - address;
            if (entry.kind == sim::LoggedRequest::Kind::Frame)
                rig->radio.SetPace(offset >= -0x40 && offset <= pacedBytes ? 960 : 0);
        });
        rig->radio.AddFault({sim::FaultKind::Repeat, command, address, 1, delayMs});
        QVERIFY(RunPassExactly(*rig, pass));
        const ExchangeList clean = CleanCourse(pass);
        const ExchangeList course = Exchanges(rig->radio);
        // A copy that comes after the pass has ended reaches a closed port.
        QVERIFY2(OneRedo(course, clean, MarkerOf(pass)) || (course == clean && pass == CheckPass && delayMs > 0),
                 qPrintable(QString::number(course.indexOf(kCan))));
    }

    // Random faults at random places: every run ends with the radio's exact
    // bytes or as a failure that saved and changed nothing. (A lost request
    // whose wait a copy of an earlier reply fills looks like an answer on any
    // line that pairs by order; plans with both are left out.)
    void randomFaultPlansEndExactOrSaveNothing()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        const sim::FaultKind garbled[] = {sim::FaultKind::BadChecksum, sim::FaultKind::Truncated, sim::FaultKind::MissingCr,
                                          sim::FaultKind::WrongCommand, sim::FaultKind::ExtraBytes};
        for (int run = 0; run < 16; ++run) {
            const QByteArray where = "seed " + QByteArray::number(seed) + " run " + QByteArray::number(run);
            rig = std::make_unique<RadioRig>();
            rig->protocol.Timings = kQuickTimings;
            rig->radio.memory() = PatternMemory(sim::kCode7100);
            const bool copies = random.bounded(2) == 1;
            const bool writing = run % 2 == 1;
            for (int i = 0, count = 1 + random.bounded(3); i < count; ++i) {
                sim::FaultRule rule;
                rule.command = writing && random.bounded(2) ? 0x13 : 0x14;
                rule.address = random.bounded(kImageSize / 16) * 16;
                switch (random.bounded(3)) {
                case 0: rule.kind = copies ? sim::FaultKind::Repeat : sim::FaultKind::NoAnswer; rule.delayMs = copies ? random.bounded(400) : 0; break;
                case 1: rule.kind = sim::FaultKind::Delay; rule.delayMs = random.bounded(kQuickTimings.replyTimeoutMs * 2); break;
                default: rule.kind = garbled[random.bounded(5)]; break;
                }
                rig->radio.AddFault(rule);
            }
            QTemporaryDir data;
            TransferSafety safety{data.path(), true, {}};
            safety.readFirst = writing;
            safety.sendImageAsIs = true;
            const sim::Memory before = rig->radio.memory();
            FillImage(rig->model.MemoryImage, run);
            const Image sent = rig->model.MemoryImage;
            const Outcome outcome = writing ? RunWriteTransfer(rig->protocol, {}, safety) : RunReadTransfer(rig->protocol, safety);
            const QStringList saved = QDir(data.filePath("backups")).entryList({"*.hex"});
            const QByteArray original(reinterpret_cast<const char*>(before.data()), kImageSize);
            if (!outcome.done()) {
                QVERIFY2(rig->Shown(outcome) || rig->prompt.shown.last().text.startsWith("Communication Error!!"), where);
                QVERIFY2(writing ? rig->model.MemoryImage == sent : saved.isEmpty(), where);
                continue;
            }
            const sim::Memory& radio = rig->radio.memory();
            if (!writing) {
                QVERIFY2(saved.size() == 1 && ReadAll(data.filePath("backups/" + saved[0])) == original, where);
                continue;
            }
            for (int address = 0; address < kImageSize; ++address)
                QVERIFY2(!IsWrittenAddress(address) || radio[address] == sent[address], where);
            const QStringList kept = QDir(data.filePath("backups")).entryList({"*-before-write.hex"});
            QVERIFY2(kept.size() == 1 && ReadAll(data.filePath("backups/" + kept[0])) == original, where);
        }
    }

    // The first write frame alone may have changed the radio: a write cut
    // right after it says so.
    void writeCutAfterItsFirstFrame()
    {
        rig->radio.AddFault({sim::FaultKind::HangUp, 0x13, 0x0000, 1, 0});
        QVERIFY(!rig->Shown(RunWriteTransfer(rig->protocol)));
        QCOMPARE(rig->protocol.WriteFramesSent(), 1);
        const ExchangeList firstFrame{{0x13, 0x0000}};
        QCOMPARE(Exchanges(rig->radio), kModelCheck + firstFrame);
        QCOMPARE(rig->prompt.shown.size(), 2);
        QCOMPARE(rig->prompt.shown[1].text, QStringLiteral("The radio now holds a partly written memory: program it again before use."));
    }

    void writeRunCompletes()
    {
        QVERIFY(rig->Shown(RunWriteTransfer(rig->protocol)));
        ExpectOneMessage(rig->prompt, QStringLiteral("Program to Radio"), QStringLiteral("Complete!!"),
                         MessageIcon::Information);
        QCOMPARE(int(rig->radio.memory()[0x0100]), int(rig->model.MemoryImage[0x0100]));
    }

    // The radio's own MMSI is read (one block, or with the whole radio when
    // it is read first) between the model check and the write; only a change
    // of it is asked about.
    void ownMmsiGuard_data()
    {
        QTest::addColumn<bool>("readFirst");
        QTest::addColumn<QString>("radioMmsi");
        QTest::addColumn<QString>("newMmsi");
        QTest::addColumn<bool>("approve");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("written");
        for (bool first : {false, true}) {
            const char* read = first ? ", read first" : "";
            QTest::addRow("radio empty%s", read) << first << "" << "366123456" << false << false << true;
            QTest::addRow("equal%s", read) << first << "366123456" << "366123456" << false << false << true;
            QTest::addRow("different, OK%s", read) << first << "366123456" << "211999999" << true << true << true;
            QTest::addRow("different, Cancel%s", read) << first << "366123456" << "211999999" << false << true << false;
            QTest::addRow("cleared, Cancel%s", read) << first << "366123456" << "" << false << true << false;
        }
    }
    void ownMmsiGuard()
    {
        QFETCH(bool, readFirst);
        QFETCH(QString, radioMmsi);
        QFETCH(QString, newMmsi);
        QFETCH(bool, approve);
        QFETCH(bool, written);
        rig->radio.memory() = sim::RadioEmulator::BlankMemory(sim::kCode7100);
        if (!radioMmsi.isEmpty())
            EncodeDigits(rig->radio.memory(), addr::UserMmsid, radioMmsi.toStdString() + "0", true);
        const std::string stored = newMmsi.isEmpty() ? "" : newMmsi.toStdString() + "0";
        rig->model.Settings.UserMmsid = stored;
        QFETCH(bool, asked);
        QStringList questions;
        const OwnMmsiApproval approval = [&](const QString& radio, const QString& now) {
            questions << radio + QLatin1Char('>') + now;
            return approve;
        };
        TransferSafety safety;
        safety.readFirst = readFirst;
        const Outcome outcome = rig->prompt.Show(RunWriteTransfer(rig->protocol, approval, safety));
        QCOMPARE(outcome.done(), written);
        QCOMPARE(questions, asked ? QStringList{radioMmsi + QLatin1Char('>') + newMmsi} : QStringList());
        // No read of its own after the whole radio.
        const ExchangeList reads = readFirst ? ProvenPass(ReadOf) : ExchangeList{{0x14, 0x0150}, kMarker};
        QCOMPARE(Exchanges(rig->radio), kModelCheck + reads + (written ? ExpectedWrites() : ExchangeList{}));
        QCOMPARE(outcome.cancelled(), !written);
        QCOMPARE(rig->prompt.shown.size(), written ? 1 : 0);
        QCOMPARE(DecodeDigits(rig->radio.memory(), addr::UserMmsid).substr(0, 9),
                 (written ? newMmsi : radioMmsi).toStdString());
    }

    // Read first: the radio's memory is kept before any write frame, and a
    // change list the user declines writes nothing (written: ownMmsiGuard).
    void readFirstKeepsTheRadioAndAsks()
    {
        const sim::Memory before = rig->radio.memory();
        rig->model.UsaChannels.at(0).ChTag = "NEWNAME";
        QTemporaryDir data;
        TransferSafety safety{data.path(), false, {}};
        safety.readFirst = true;
        QStringList listed;
        safety.approveChanges = [&](const Model& radio, Image&) {
            for (const Difference& change : CompareModels(radio, rig->model))
                listed << QString::fromStdString(change.Text());
            return false;
        };
        QVERIFY(!rig->Shown(RunWriteTransfer(rig->protocol, {}, safety)));
        QVERIFY2(listed.contains("USA CH01A: name \"\" -> \"NEWNAME\""), qPrintable(listed.join('\n')));
        const QStringList kept = QDir(data.filePath("backups")).entryList({"*-before-write.hex"});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(ReadAll(data.filePath("backups/" + kept[0])),
                 QByteArray(reinterpret_cast<const char*>(before.data()), int(before.size())));
        QCOMPARE(Exchanges(rig->radio), kModelCheck + ProvenPass(ReadOf));  // the read, and no write frame
    }

    void ownMmsiUnreadable()
    {
        rig->radio.AddFault({sim::FaultKind::NoAnswer, 0x14, 0x0150, -1, 0});
        QVERIFY(!rig->Shown(RunWriteTransfer(rig->protocol, [](const QString&, const QString&) { return true; })));
        ExpectOneMessage(rig->prompt, QStringLiteral("Program to Radio"), QStringLiteral("Communication Error!!"),
                         MessageIcon::Critical);
        const ExchangeList twice{{0x14, 0x0150}, kCan, kMarker, {0x14, 0x0150}};
        QCOMPARE(Exchanges(rig->radio), kModelCheck + twice);
    }

    void writeRunRefusesWhatCannotBeEncoded()
    {
        rig->model.Settings.Scrambler = 256;
        const Image before = rig->model.MemoryImage;
        QVERIFY(rig->prompt.Show(RunWriteTransfer(rig->protocol)).failed());
        ExpectOneMessage(rig->prompt, QStringLiteral("Program to Radio"), QStringLiteral("6\n\nOverflow"),
                         MessageIcon::Critical);
        QVERIFY(rig->model.MemoryImage == before);
        QVERIFY(Exchanges(rig->radio).isEmpty());
    }

    // The read keeps the bytes as they came, before the fix-up; the write
    // keeps what it sent, which is what the radio then holds.
    void transfersLeaveBackups()
    {
        QTemporaryDir data;
        const TransferSafety safety{data.path(), false};
        QVERIFY(rig->Shown(RunReadTransfer(rig->protocol, safety)));
        const QStringList reads = ReadBackups(data.path(), "MR7100A");
        QCOMPARE(reads.size(), 1);
        const sim::Memory& radio = rig->radio.memory();
        QCOMPARE(ReadAll(reads[0]), QByteArray(reinterpret_cast<const char*>(radio.data()), kImageSize));

        FillImage(rig->model.MemoryImage, 9);
        QVERIFY(rig->Shown(RunWriteTransfer(rig->protocol, {}, safety)));
        const QStringList writes = StampedFiles(BackupsFolder(data.path()), "MR7100A-", "-write", ".hex");
        QCOMPARE(writes.size(), 1);
        const QByteArray written = ReadAll(writes[0]);
        QCOMPARE(written, QByteArray(reinterpret_cast<const char*>(rig->model.MemoryImage.data()), kImageSize));
        for (int address = 0; address < kImageSize; ++address)
            if (IsWrittenAddress(address))
                QVERIFY2(std::uint8_t(written[address]) == radio[address], qPrintable(QString::number(address)));
        QVERIFY(rig->notes.isEmpty());
        QCOMPARE(ReadBackups(data.path(), "MR7100A"), reads);
    }

    void backupThatCannotBeSavedDoesNotStopTheTransfer()
    {
        QTemporaryDir data;
        QVERIFY(WriteAll(data.filePath("file"), "not a folder"));
        const TransferSafety safety{data.filePath("file"), false};
        QVERIFY(rig->Shown(RunReadTransfer(rig->protocol, safety)));
        QVERIFY(rig->Shown(RunWriteTransfer(rig->protocol, {}, safety)));
        const QStringList& notes = rig->notes;
        QCOMPARE(notes.size(), 2);
        QVERIFY2(notes[0].startsWith("The backup of this read could not be saved: cannot make the folder "),
                 qPrintable(notes[0]));
        QVERIFY(notes[1].startsWith("The backup of this write could not be saved: "));
        QCOMPARE(rig->prompt.shown.size(), 2);
        QCOMPARE(rig->prompt.shown[1].text, QStringLiteral("Complete!!"));
    }

    void writeVerification_data()
    {
        QTest::addColumn<bool>("verify");
        QTest::addColumn<int>("fault");  // -1 none, else a FaultKind on the line
        QTest::addColumn<QString>("message");
        const int misStore = int(sim::FaultKind::MisStore);
        QTest::newRow("good radio") << true << -1 << QStringLiteral("Complete!!");
        QTest::newRow("stores a wrong byte")
            << true << misStore
            << QStringLiteral("Verify Error!!\n1 byte in the radio is not what was written:\n0x02F0 USA CH16 name");
        QTest::newRow("option off") << false << misStore << QStringLiteral("Complete!!");
        // Paced as on a cable: the late reply must not answer the next block.
        QTest::newRow("read-back reply after its time-out") << true << int(sim::FaultKind::Delay)
                                                             << QStringLiteral("Complete!!");
    }

    void writeVerification()
    {
        QFETCH(bool, verify);
        QFETCH(int, fault);
        QFETCH(QString, message);
        if (fault == int(sim::FaultKind::MisStore))
            rig->radio.AddFault({sim::FaultKind::MisStore, 0x13, 0x02F0, 1, 0});
        if (fault == int(sim::FaultKind::Delay)) {
            PaceNear(rig->radio, 0x0800);
            rig->radio.AddFault({sim::FaultKind::Delay, 0x14, 0x0800, 1, kReplyTimeoutMs + 30});
        }
        const Image before = rig->model.MemoryImage;
        QCOMPARE(rig->Shown(RunWriteTransfer(rig->protocol, {}, TransferSafety{QString(), verify, {}})),
                 message == "Complete!!");
        ExpectOneMessage(rig->prompt, QStringLiteral("Program to Radio"), message,
                         message == "Complete!!" ? MessageIcon::Information : MessageIcon::Critical);
        QVERIFY(rig->model.MemoryImage == before);
        const ExchangeList exchanges = Exchanges(rig->radio);
        const ExchangeList readBack = ProvenPass(ReadBackOf);
        if (fault == int(sim::FaultKind::Delay))
            QCOMPARE(exchanges, kModelCheck + ExpectedWrites() + Redone(readBack, int(readBack.indexOf({0x14, 0x0800}))));
        else
            QCOMPARE(exchanges, kModelCheck + ExpectedWrites() + (verify ? readBack : ExchangeList{}));
        int restarts = 0;  // the bar runs again for the read-back
        for (int i = 1; i < rig->progress.size(); ++i)
            restarts += rig->progress[i] < rig->progress[i - 1] ? 1 : 0;
        QCOMPARE(restarts, verify ? 1 : 0);
    }

    void onlyBytesReadBackCountAsVerified()
    {
        Image sent{};
        FillImage(sent, 3);
        BlockSet taken;
        taken.set();
        taken.reset(0x0100 / 16);
        taken.reset(0x0030 / 16);  // never written, so never read back
        const std::vector<int> differences = WrittenDifferences(sent, sent, taken);
        QCOMPARE(int(differences.size()), 16);
        QCOMPARE(differences.front(), 0x0100);
    }

    // Every byte a write sends is checked, up to the image's last; the radio's own are not.
    void verificationRange_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<bool>("checked");
        QTest::newRow("first byte") << 0x0000 << true;
        QTest::newRow("last byte of the image") << kImageSize - 1 << true;
        QTest::newRow("own byte before the scrambler") << 0x0024 << false;
        QTest::newRow("scrambler, sent singly") << 0x0025 << true;
        QTest::newRow("last byte sent singly") << 0x002F << true;
        QTest::newRow("first own block") << 0x0030 << false;
        QTest::newRow("last own byte") << 0x01DF << false;
        QTest::newRow("first byte after it") << 0x01E0 << true;
    }
    void verificationRange()
    {
        QFETCH(int, address);
        QFETCH(bool, checked);
        Image sent{};
        FillImage(sent, 4);
        Image readBack = sent;
        readBack[address] ^= 0x01;
        BlockSet taken;
        taken.set();
        QCOMPARE(WrittenDifferences(sent, readBack, taken), checked ? std::vector<int>{address} : std::vector<int>{});
    }

    void clearRun_data()
    {
        QTest::addColumn<int>("fault");  // -1 none
        QTest::addColumn<bool>("verify");
        QTest::addColumn<QString>("message");
        QTest::newRow("answered") << -1 << true << QStringLiteral("Complete!!");
        QTest::newRow("no answer") << int(sim::FaultKind::NoAnswer) << true << QStringLiteral("Communication Error!!");
        QTest::newRow("acknowledged, not stored") << int(sim::FaultKind::MisStore) << true
                                                  << QStringLiteral("Verify Error!!\n1 byte in the radio is not what "
                                                                    "was written:\n0x0155 user MMSI count");
        QTest::newRow("not stored, check off") << int(sim::FaultKind::MisStore) << false << QStringLiteral("Complete!!");
    }

    void clearRun()
    {
        QFETCH(int, fault);
        QFETCH(bool, verify);
        QFETCH(QString, message);
        rig->model.MemoryImage[addr::UserMmsiCount] = 7;
        rig->radio.memory()[addr::UserMmsiCount] = 7;
        if (fault >= 0)
            rig->radio.AddFault({sim::FaultKind(fault), 0x11, -1, -1, 0});
        const bool done = message == "Complete!!";
        QCOMPARE(rig->Shown(RunClearTransfer(rig->protocol, TransferSafety{QString(), verify, {}})), done);
        QCOMPARE(int(rig->model.MemoryImage[addr::UserMmsiCount]), done ? 0 : 7);
        QCOMPARE(int(rig->radio.memory()[addr::UserMmsiCount]), fault < 0 ? 0 : fault == int(sim::FaultKind::MisStore) ? 0xFF : 7);
        ExpectOneMessage(rig->prompt, QStringLiteral("Clear Data"), message,
                         done ? MessageIcon::Information : MessageIcon::Critical);
    }
};

QTEST_GUILESS_MAIN(TestTransfers)
#include "tst_transfers.moc"
