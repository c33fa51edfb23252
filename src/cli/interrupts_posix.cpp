// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli.h"

#include <csignal>

namespace quorlink::cli {

namespace {

void OnSignal(int signal)
{
    if (TakeInterruptAsCancel())
        return;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

void InstallInterruptHandler()
{
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    // A closed terminal ends a run as a kill does.
    std::signal(SIGHUP, OnSignal);
}

}  // namespace quorlink::cli
