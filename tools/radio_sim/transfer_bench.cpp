// SPDX-License-Identifier: GPL-3.0-or-later
// quorlink-transfer-bench: one full read or write through the program's own
// link and protocol against a radio at --port, with wall time, this process's
// CPU time and the bytes that crossed the line. A write can verify itself
// (--verify) and read the radio first (--read-first), and --backups times
// the backup a transfer saves.
// tools/bench_transfer.sh runs it against quorlink-radio-sim.
#include "clone_protocol.h"
#include "console_prompt.h"
#include "error_log.h"
#include "model.h"
#include "qt_serial_port.h"
#include "serial_link.h"
#include "backups.h"
#include "transfer_runs.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

namespace {

using namespace quorlink;

// Counts what crosses the line both ways.
class CountingPort : public QtSerialPort {
public:
    QByteArray Read(qint64 maxBytes) override
    {
        QByteArray bytes = QtSerialPort::Read(maxBytes);
        total += bytes.size();
        return bytes;
    }
    bool Write(const QByteArray& bytes) override
    {
        total += bytes.size();
        return QtSerialPort::Write(bytes);
    }
    qint64 total = 0;
};

double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("mode"), QStringLiteral("read or write"));
    parser.addOptions({
        {QStringLiteral("port"), QStringLiteral("Device of the radio."), QStringLiteral("PATH")},
        {QStringLiteral("model"), QStringLiteral("Model number (1: MR7100A, 0: MR5100A)."), QStringLiteral("N"),
         QStringLiteral("1")},
        {QStringLiteral("rate"), QStringLiteral("Bytes per second the radio is paced at, for the ratio."),
         QStringLiteral("BPS")},
        {QStringLiteral("verify"), QStringLiteral("Write: read the written bytes back and compare.")},
        {QStringLiteral("read-first"), QStringLiteral("Write: read the whole radio first, as the editor does.")},
        {QStringLiteral("backups"), QStringLiteral("Save backups (in a scratch folder) and time them.")},
    });
    parser.process(app);
    const QString mode = parser.positionalArguments().value(0);
    if ((mode != QLatin1String("read") && mode != QLatin1String("write")) || !parser.isSet(QStringLiteral("port")))
        parser.showHelp(2);

    Model model;
    model.ModelNumber = parser.value(QStringLiteral("model")).toInt();
    NewModel(model);
    QTemporaryDir logFolder;
    const ErrorLog log(logFolder.path());
    CountingPort port;
    SerialLink link(port, model, log);
    link.UsePort(PortChoice{0, parser.value(QStringLiteral("port"))});
    CloneProtocol protocol(link);
    protocol.Timings.settlePauseMs = 0;  // a pause for the user's eyes, not the line's work

    TransferSafety safety;
    safety.verifyAfterWriting = parser.isSet(QStringLiteral("verify"));
    safety.readFirst = parser.isSet(QStringLiteral("read-first"));
    if (parser.isSet(QStringLiteral("backups")))
        safety.dataFolder = logFolder.path();
    const double cpuStart = CpuSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    const Outcome outcome =
        mode == QLatin1String("read") ? RunReadTransfer(protocol, safety) : RunWriteTransfer(protocol, {}, safety);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    const double cpu = CpuSeconds() - cpuStart;
    ConsolePrompt prompt;
    for (const Message& message : outcome.messages)
        prompt.Message(QString::fromStdString(message.title), QString::fromStdString(message.text), message.icon);

    std::printf("%-5s wall %7.3f s  cpu %6.3f s (%4.1f %% of wall)  %lld bytes on the line", qPrintable(mode),
                wall, cpu, 100.0 * cpu / wall, static_cast<long long>(port.total));
    const int rate = parser.value(QStringLiteral("rate")).toInt();
    if (rate > 0) {
        const double wire = static_cast<double>(port.total) / rate;
        std::printf("  wire-time limit %.3f s  ratio %.4f", wire, wall / wire);
    }
    std::printf("\n");
    if (!safety.dataFolder.isEmpty()) {
        // What a run spends on its backup, timed on its own (the line's
        // jitter would drown it), one backup at a time as transfers make them.
        constexpr int kRounds = 20;
        double total = 0;
        double longest = 0;
        for (int i = 0; i < kRounds; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const auto start = std::chrono::steady_clock::now();
            SaveBackup(safety.dataFolder, model.ModelName(), model.MemoryImage, BackupKind::Read);
            const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            total += took;
            longest = std::max(longest, took);
        }
        std::printf("backup %.3f ms mean, %.3f ms longest (%d backups)\n", total / kRounds * 1000.0,
                    longest * 1000.0, kRounds);
    }
    return outcome.done() ? 0 : 1;
}
