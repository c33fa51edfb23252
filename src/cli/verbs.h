// SPDX-License-Identifier: GPL-3.0-or-later
// The verbs of the command line and what each needs.
#pragma once

#include "arguments.h"
#include "cli.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

namespace quorlink {
struct Difference;
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
    bool needsModel = true;
};

// "channels,names" -> its parts of the data (PartNames); false when a name is none of them or none is given.
bool ParseParts(const std::string& text, std::vector<std::string>& parts);

int RunNew(const Call& call);
int RunConvert(const Call& call);
int RunReport(const Call& call);
int RunRead(const Call& call);
int RunWrite(const Call& call);
int RunClear(const Call& call);
int RunPrint(const Call& call);
int RunDiff(const Call& call);
int RunPorts(const Call& call);
int RunBackups(const Call& call);
int RunDoctor(const Call& call);
int RunExportDirectory(const Call& call);
int RunImportDirectory(const Call& call);
bool IsCsvName(const std::string& path);
bool IsPdfName(const std::string& path);

// The data folder: the one given, else the program's own.
QString DataFolderOf(const Io& io);

// An OUT of "-" is standard output.
constexpr const char* kStandardOutput = "-";
// Saves bytes whole as out, or writes them to standard output for "-", and
// checks that they got there; says "FileSave Error!!" and why when not.
bool WriteOut(const Call& call, const std::string& out, const QByteArray& bytes);
// "Quorlink: FileSave Error!!" and the reason, as every failed save says it.
void ReportSaveFailure(const Call& call, const QString& reason);
// Why standard output did not take all that was written to it; empty when it
// did. writeError: errno of the write before, when it was cleared for it.
QString OutputFailure(std::FILE* out, int writeError = 0);
// code, or 2 when standard output lost some of a list (a full disk, a closed
// descriptor): as with diff(1), a list cut short must never read as a result.
int ListWritten(const Io& io, int code);

// PORT is 1..4, COM1..COM4 or a device path.
bool IsPort(const std::string& text);
// Reads the radio on port into model, as the read verb does, without saving.
bool ReadRadioInto(const Call& call, Model& model, const std::string& port);
// The differences one a line (none with brief), then their count, as diff lists them.
void PrintDifferences(const Io& io, const std::vector<Difference>& differences, bool brief);
// "port:P" names a radio where a file name may stand (diff).
bool IsRadioSource(const std::string& text);
std::string RadioSourcePort(const std::string& text);

}  // namespace quorlink::cli
