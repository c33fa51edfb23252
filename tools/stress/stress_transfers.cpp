// SPDX-License-Identifier: GPL-3.0-or-later
// Many transfers in a row against the radio emulator, with faults thrown in
// at random: every failed read must leave the image as it was, every read
// that succeeds must hold the radio's memory, and memory must not grow.
//   quorlink-stress-transfers [RUNS] [SEED]
#include "clone_protocol.h"
#include "error_log.h"
#include "model.h"
#include "qt_serial_port.h"
#include "radio_emulator.h"
#include "serial_link.h"
#include "transfer_runs.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <cstdio>
#include <random>

using namespace quorlink;

namespace {

long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

const sim::FaultKind kKinds[] = {
    sim::FaultKind::NoAnswer,  sim::FaultKind::LowerCaseChecksum, sim::FaultKind::BadChecksum,
    sim::FaultKind::WrongCommand, sim::FaultKind::MissingCr,      sim::FaultKind::ExtraBytes,
    sim::FaultKind::Truncated, sim::FaultKind::SplitReply,        sim::FaultKind::Delay,
    sim::FaultKind::OtherModelCode, sim::FaultKind::HangUp,
};

// What a successful read must leave in MemoryImage: the radio's bytes, the
// read fix-up, and byte 15 as the decoder leaves it.
Image ExpectedAfterRead(const sim::Memory& radio, int modelNumber)
{
    Image expected{};
    std::copy(radio.begin(), radio.end(), expected.begin());
    Image defaults{};
    FillDefaultImage(defaults, modelNumber);
    for (int a : {12, 39})
        expected[a] = defaults[a];
    for (int a = 480; a < 488; ++a)
        expected[a] = defaults[a];
    expected[15] &= 0x5F;
    return expected;
}

struct Tally {
    int reads = 0, writes = 0, succeeded = 0, failed = 0, violations = 0;
    QMap<QString, int> faults;
};

void OneRun(std::mt19937& rng, Tally& tally, const ErrorLog& log)
{
    const int modelNumber = static_cast<int>(rng() % 2);
    const std::uint16_t code = modelNumber == 1 ? sim::kCode7100 : sim::kCode5100;
    sim::RadioEmulator radio(code);
    if (!radio.Start()) {
        ++tally.violations;
        return;
    }
    for (int a = 2; a < sim::kMemorySize - 2; ++a)
        radio.memory()[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(rng());
    QString fault = QStringLiteral("none");
    if (rng() % 3 != 0) {
        const sim::FaultKind kind = kKinds[rng() % std::size(kKinds)];
        // Any command at one block address: a read meets it, and so does a
        // write unless the block is one the write skips.
        radio.AddFault({kind, -1, static_cast<int>(rng() % 512) * 16, 1 + static_cast<int>(rng() % 2), 30});
        fault = sim::FaultKindName(kind);
    }
    tally.faults[fault]++;

    Model model;
    model.ModelNumber = modelNumber;
    NewModel(model);
    QtSerialPort port;
    SerialLink link(port, model, log);
    link.UsePort(PortChoice{0, radio.SlavePath()});
    CloneProtocol protocol(link);
    protocol.Timings = {200, 100, 10, 0};

    const bool read = rng() % 4 != 0;
    if (read) {
        ++tally.reads;
        const Image before = model.MemoryImage;
        const bool ok = RunReadTransfer(protocol).done();
        ok ? ++tally.succeeded : ++tally.failed;
        const bool right = ok ? model.MemoryImage == ExpectedAfterRead(radio.memory(), modelNumber)
                              : model.MemoryImage == before;
        if (!right) {
            ++tally.violations;
            std::printf("VIOLATION: %s read with fault %s\n", ok ? "successful" : "failed", qPrintable(fault));
        }
    } else {
        ++tally.writes;
        RunWriteTransfer(protocol).done() ? ++tally.succeeded : ++tally.failed;
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 200;
    std::mt19937 rng(argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 2026u);
    const ErrorLog log{QString()};
    Tally tally;
    long startKb = 0;
    for (int i = 0; i < runs; ++i) {
        OneRun(rng, tally, log);
        if (i == 9)
            startKb = ResidentKb();  // after the first runs have warmed up
    }
    const long endKb = ResidentKb();
    std::printf("runs %d: %d reads, %d writes; %d succeeded, %d failed; %d violations\n", runs, tally.reads,
                tally.writes, tally.succeeded, tally.failed, tally.violations);
    for (auto it = tally.faults.cbegin(); it != tally.faults.cend(); ++it)
        std::printf("  fault %-20s %d runs\n", qPrintable(it.key()), it.value());
    std::printf("resident memory after 10 runs %ld kB, after %d runs %ld kB (%+ld kB)\n", startKb, runs, endKb,
                endKb - startKb);
    return tally.violations == 0 ? 0 : 1;
}
