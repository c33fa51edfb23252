// What the file commands need from their surroundings: someone to tell,
// somewhere to log, and how long to pause after the work (the window's
// half-second pause; none on the command line).
#pragma once

#include "error_log.h"
#include "prompt.h"

namespace quorlink {

struct FileContext {
    Prompt& prompt;
    const ErrorLog& log;
    int pauseMs = 500;
};

// Waits without blocking the event loop when there is one.
void Pause(int ms);

}  // namespace quorlink
