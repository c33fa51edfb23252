// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line companion: each verb is a function over its own output
// streams, so tests run it in process.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace quorlink {
struct ProtocolTimings;
}

namespace quorlink::cli {

struct Io {
    std::FILE* out;  // results (a report without OUT, or with OUT -)
    std::FILE* err;  // messages, usage, progress
    // Where backups of transfers go (its backups folder); empty: the
    // program's own data folder.
    std::string dataFolder = {};
    // The radio's time limits when null. Tests that call Run shorten them; no
    // option or setting does.
    const ProtocolTimings* timings = nullptr;
};

enum ExitCode { kOk = 0, kFailed = 1, kUsage = 2 };

// args: everything after the program name.
int Run(const std::vector<std::string>& args, const Io& io);

// Ctrl+C, SIGTERM or a closed terminal (on Windows: Ctrl+C, Ctrl+Break or a
// closed console) then cancels a running transfer instead of killing the
// program; at any other time, or a second time, it ends the program at once.
// One file per system installs it (interrupts_posix.cpp, interrupts_windows.cpp).
void InstallInterruptHandler();

// For the handlers: true when the interrupt was taken as the running
// transfer's cancel, false when it should end the program.
bool TakeInterruptAsCancel();
bool TransferStillRunning();

}  // namespace quorlink::cli
