// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli.h"

#include <windows.h>

namespace quorlink::cli {

namespace {

// Windows ends the program a few seconds after a closed console, a logoff
// or a shutdown asked it to, however the handler answers; waiting here
// gives the cancelled transfer that time to close the port and say so.
constexpr DWORD kEndingGraceMs = 4500;
constexpr DWORD kLookEveryMs = 50;

BOOL WINAPI OnConsoleEvent(DWORD event)
{
    if (!TakeInterruptAsCancel())
        return FALSE;  // the default: the program ends
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        for (DWORD waited = 0; TransferStillRunning() && waited < kEndingGraceMs; waited += kLookEveryMs)
            Sleep(kLookEveryMs);
    return TRUE;
}

}  // namespace

void InstallInterruptHandler() { SetConsoleCtrlHandler(OnConsoleEvent, TRUE); }

}  // namespace quorlink::cli
