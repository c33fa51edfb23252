// What the file commands need from their surroundings: someone to tell,
// somewhere to log, and how long to pause after the work (the window's
// half-second pause; none on the command line).
#pragma once

#include "error_log.h"
#include "fault.h"
#include "prompt.h"

namespace quorlink {

struct Model;

struct FileContext {
    Prompt& prompt;
    const ErrorLog& log;
    int pauseMs = 500;
};

// The one pause every long command ends with (and the clone protocol takes
// between attempts): the window keeps painting meanwhile, while clicks and
// keys wait until it is over. Sleeps when there is no event loop.
void Pause(int ms);

// How every file command tells of its fault: CancelFlag, a log line naming
// source, and message ("FileSave Error!!", "FileRead Error!!") titled
// "Quorlink". Whether ErrorFlag is set is the command's own business.
void ReportFileFault(Model& model, const FileContext& context, const char* source, const Fault& fault,
                     const char* message);

}  // namespace quorlink
