// The verbs of the command line and what each needs.
#pragma once

#include "arguments.h"
#include "cli.h"

namespace quorlink {
struct Model;
class Prompt;
}

namespace quorlink::cli {

// What every verb gets: its arguments, the model already built fresh for
// --model, and where to talk.
struct Call {
    const Arguments& args;
    Model& model;
    Prompt& prompt;
    const Io& io;
};

struct Verb {
    const char* name;
    const char* usage;     // the line after "quorlink-cli "
    const char* summary;   // what it does, for --help
    int minPositional;
    int maxPositional;
    bool needsPort;
    int (*run)(const Call& call);
};

int RunNew(const Call& call);
int RunConvert(const Call& call);
int RunReport(const Call& call);
int RunRead(const Call& call);
int RunWrite(const Call& call);
int RunClear(const Call& call);
int RunPrint(const Call& call);
int RunExportDirectory(const Call& call);
int RunImportDirectory(const Call& call);
bool IsCsvName(const std::string& path);
bool IsPdfName(const std::string& path);

// PORT is 1..4, COM1..COM4 or a device path.
bool IsPort(const std::string& text);

}  // namespace quorlink::cli
