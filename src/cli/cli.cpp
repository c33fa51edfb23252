// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli.h"

#include "port_system.h"

#include "console_prompt.h"
#include "file_path.h"
#include "memory_map.h"
#include "model.h"
#include "model_files.h"
#include "port_system.h"
#include "said.h"
#include "standard_streams.h"
#include "terminal_text.h"
#include "verbs.h"
#include "file_fault.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

namespace quorlink::cli {

namespace {

// The usage lines and names of commands and options stay as typed; what they do is said in the user's language.
struct CliUsageTexts {
    Q_DECLARE_TR_FUNCTIONS(CliUsageTexts)
};

const Verb kVerbs[] = {
    {"new", "new --model MODEL OUT",
     QT_TRANSLATE_NOOP("CliUsageTexts",
      "Writes a fresh data set of MODEL to OUT."),
     1, 1, false, RunNew},
    {"convert", "convert --model MODEL IN OUT",
     QT_TRANSLATE_NOOP("CliUsageTexts",
      "Loads IN and saves it as OUT."),
     2, 2, false, RunConvert},
    {"report", "report --model MODEL IN [OUT]",
     QT_TRANSLATE_NOOP("CliUsageTexts",
      "Writes the text report of IN to OUT, or to standard output (no OUT, or -)."),
     1, 2, false, RunReport},
    {"read", "read --model MODEL --port PORT OUT",
     QT_TRANSLATE_NOOP("CliUsageTexts",
      "Reads the radio's memory and saves it as OUT. A failed or cancelled read writes nothing."),
     1, 1, true, RunRead},
    {"write", "write --model MODEL --port PORT [--allow-mmsi-change] [--no-verify] [--dry-run] [--no-read-first] "
              "[--only AREAS] [--keep AREAS] IN",
     QT_TRANSLATE_NOOP("CliUsageTexts",
      "Reads the radio first (kept as a before-write backup) and lists what the write changes, as diff\n"
      "does; then programs the radio with IN (a data file or a .hex backup), reads the written bytes\n"
      "back and compares them. --dry-run stops after the list and writes nothing; --no-read-first\n"
      "skips the first read and the list (so it cannot go with --dry-run); --no-verify skips the read-back.\n"
      "--only AREAS sends only the changes in those areas of the memory, --keep AREAS all but those\n"
      "(comma-separated; a wrong name lists them); the rest stays as the radio holds it, e.g. --keep\n"
      "user-mmsi leaves the radio's own number. Both need the first read."),
     1, 1, true, RunWrite},
    {"print", "print --model MODEL IN OUT.pdf",
     QT_TRANSLATE_NOOP("CliUsageTexts",
      "Writes the printed report of IN as a PDF file (- for standard output), without a printer."),
     2, 2, false, RunPrint},
    {"clear", "clear --model MODEL --port PORT [--no-verify]",
     QT_TRANSLATE_NOOP("CliUsageTexts",
      "Sets the radio's count of user MMSI settings back to 0."),
     0, 0, true, RunClear},
    {"diff", "diff --model MODEL [--brief] A B",
     QT_TRANSLATE_NOOP("CliUsageTexts",
      "Lists what differs from A to B, one difference a line, then the count; --brief prints the count only.\n"
      "A and B are data files, .hex images, or port:PORT to read the radio on PORT (nothing is saved).\n"
      "Exit status: 0 equal, 1 different, 2 usage error or trouble."),
     2, 2, false, RunDiff},
    {"backups", "backups",
     QT_TRANSLATE_NOOP("CliUsageTexts",
      "Lists the backups and recovery copies kept in the data folder, newest first, one a line:\n"
      "path, date and time, kind, model, user MMSI, what became of the write it was kept for, and\n"
      "\"partly written\" when read from a radio an earlier write left partly written (tab-separated,\n"
      "- where there is nothing to say). Backups are judged by content: other files are \"not a radio image\"."),
     0, 0, false, RunBackups, false},
    {"ports", "ports",
     QT_TRANSLATE_NOOP("CliUsageTexts",
      "Lists the serial ports present and which COMn each one is."),
     0, 0, false, RunPorts, false},
    {"doctor", "doctor [--port PORT] [--probe]",
     QT_TRANSLATE_NOOP("CliUsageTexts",
      "Opens PORT (or the editor's port) without talking to the radio and says what stops it.\n"
      "--probe then asks the radio for its model code and says whether one answered, and which model."),
     0, 0, false, RunDoctor, false},
    {"export-directory", "export-directory --model MODEL IN OUT.csv",
     QT_TRANSLATE_NOOP("CliUsageTexts",
      "Writes both directories of IN to OUT.csv as rows kind,mmsi,name (UTF-8)."),
     2, 2, false, RunExportDirectory},
    {"import-directory", "import-directory --model MODEL IN LIST.csv OUT",
     QT_TRANSLATE_NOOP("CliUsageTexts",
      "Adds the rows of LIST.csv to the free directory entries of IN and saves the result as OUT.\n"
      "Used entries are never changed; every row not taken is listed with its line and reason.\n"
      "When no entry is added, OUT is not saved and the exit status is 1."),
     3, 3, false, RunImportDirectory},
};

constexpr const char* kGeneralHelp = QT_TRANSLATE_NOOP("CliUsageTexts",
    "MODEL is MR7100A or MR5100A (any case). Files: .dat and .def are data files,\n"
    ".hex is the raw memory image; a report OUT may have any name, - is standard output.\n");
constexpr const char* kGeneralHelpAfterPorts = QT_TRANSLATE_NOOP("CliUsageTexts",
    "write refuses to change the radio's own MMSI unless --allow-mmsi-change is given.\n"
    "Every read and write keeps a backup of the radio's memory in the backups folder of the\n"
    "per-user data folder, the editor's too (~/.local/share/Quorlink, on Windows %LOCALAPPDATA%\\Quorlink).\n"
    "Ctrl+C cancels a transfer and ends any other command. Exit status: 0 done, 1 failed\n"
    "(the reason is on standard error), 2 usage error; for diff 0 equal, 1 the two differ,\n"
    "2 usage error or a side that cannot be loaded. --version prints the version.\n");

const Verb* FindVerb(const std::string& name)
{
    for (const Verb& verb : kVerbs)
        if (name == verb.name)
            return &verb;
    return nullptr;
}

void PrintUsage(std::FILE* to, const Verb* only)
{
    std::fprintf(to, "%s\n", qPrintable(CliUsageTexts::tr("Usage:")));
    for (const Verb& verb : kVerbs)
        if (only == nullptr || only == &verb)
            std::fprintf(to, "  quorlink-cli %s\n", verb.usage);
    if (only)
        std::fprintf(to, "\n%s\n", qPrintable(CliUsageTexts::tr(only->summary)));
    std::fprintf(to, "\n%s%s%s", qPrintable(CliUsageTexts::tr(kGeneralHelp)),
                 qPrintable(QCoreApplication::translate("PortSystemTexts", PortNamesHelp())),
                 qPrintable(CliUsageTexts::tr(kGeneralHelpAfterPorts)));
}

// The usage line lists a verb's options, so it cannot show one the verb
// does not take nor leave one out.
bool Takes(const Verb& verb, const std::string& option)
{
    const std::string usage = std::string(" ") + verb.usage + " ";
    for (std::size_t at = usage.find(option); at != std::string::npos; at = usage.find(option, at + 1)) {
        const char before = usage[at - 1];
        const char after = usage[at + option.size()];
        if ((before == ' ' || before == '[') && (after == ' ' || after == ']'))
            return true;
    }
    return false;
}

// "--port goes with read, write, clear and doctor only"
std::string OptionMisplaced(const std::string& option)
{
    std::vector<std::string> takers;
    for (const Verb& verb : kVerbs)
        if (Takes(verb, option))
            takers.push_back(verb.name);
    std::string list = takers.empty() ? std::string() : takers.back();
    if (takers.size() > 1) {
        std::string first;
        for (std::size_t i = 0; i + 1 < takers.size(); ++i)
            first += (i == 0 ? "" : ", ") + takers[i];
        list = Said(CliUsageTexts::tr("%1 and %2"), {first, list});
    }
    return Said(CliUsageTexts::tr("%1 goes with %2 only"), {option, list});
}

// --only and --keep: one of them, after the first read, naming parts of the data.
std::string CheckWrittenParts(const Arguments& args)
{
    const std::optional<std::string>& given = args.only ? args.only : args.keep;
    if (!given)
        return {};
    const std::string option = args.only ? "--only" : "--keep";
    if (args.only && args.keep)
        return Said(CliUsageTexts::tr("--only and --keep cannot go together"));
    if (args.noReadFirst)
        return Said(CliUsageTexts::tr("%1 keeps the rest as the radio holds it, for which it reads the radio first: "
                                      "it cannot go with --no-read-first"),
                    {option});
    std::vector<std::string> parts;
    if (!ParseParts(*given, parts)) {
        std::string names;
        for (const std::string& name : PartNames())
            names += (names.empty() ? "" : ", ") + name;
        return Said(CliUsageTexts::tr("%1: unknown area in %2 (areas: %3)"), {option, *given, names});
    }
    return {};
}

int UsageError(const Io& io, const Verb* verb, const std::string& message)
{
    std::fprintf(io.err, "quorlink-cli: %s\n\n", qPrintable(EscapeControls(QByteArrayView(message))));
    PrintUsage(io.err, verb);
    return kUsage;
}

// The file names a verb takes must be of a kind it knows; a report OUT may be anything.
std::string CheckFileKinds(const Verb& verb, const Arguments& args)
{
    const std::string name = verb.name;
    for (std::size_t i = 0; i < args.positional.size(); ++i) {
        const bool reportOut = name == "report" && i == 1;
        if (name.find("-directory") != std::string::npos && i == 1) {
            if (!IsCsvName(args.positional[i]))
                return Said(CliUsageTexts::tr("the directory list is a .csv file: %1"), {args.positional[i]});
            continue;
        }
        if (name == "print" && i == 1) {
            if (!IsPdfName(args.positional[i]) && args.positional[i] != kStandardOutput)
                return Said(CliUsageTexts::tr("the printed report goes to a .pdf file: %1"), {args.positional[i]});
            continue;
        }
        if (name == "diff" && IsRadioSource(args.positional[i])) {
            if (!IsPort(RadioSourcePort(args.positional[i])))
                return Said(CliUsageTexts::tr("unknown port in %1 (port:1..4 or port:/dev/...)"), {args.positional[i]});
            continue;
        }
        if (!reportOut && KindOf(args.positional[i]) == FileKind::Other)
            return Said(CliUsageTexts::tr("unknown kind of file: %1 (use .dat, .def or .hex)"), {args.positional[i]});
    }
    return {};
}

// Names are held as text, and text is UTF-8: a name whose bytes are not
// would open, or be saved as, another file than the one named.
std::string CheckNamesDecode(const Arguments& args)
{
    std::vector<std::string> names = args.positional;
    if (args.port)
        names.push_back(*args.port);
    for (const std::string& name : names) {
        const QByteArray bytes = QByteArray::fromStdString(name);
        if (QFile::encodeName(QFile::decodeName(bytes)) != bytes)
            return Said(CliUsageTexts::tr("the name %1 is not UTF-8 and cannot be used: rename the file (or link to "
                                          "it) with a UTF-8 name"),
                        {name});
    }
    return {};
}

// An input and OUT, or an input and the standard output a report goes to,
// are one file (through links or not): writing would destroy what is being
// read. OUT is the last file name (a report's may be missing: standard
// output); the names before it are read. diff writes no file.
std::string CheckSameFile(const Verb& verb, const Arguments& args, const Io& io)
{
    if (verb.maxPositional < 2 || args.positional.empty() || std::string(verb.name) == "diff")
        return {};
    const std::size_t count = args.positional.size();
    const bool toStandardOutput = count < 2 || args.positional.back() == kStandardOutput;
    const std::optional<FileIdentity> out =
        toStandardOutput ? StreamIdentity(io.out) : RegularFileIdentity(PathOf(args.positional.back()));
    if (!out)
        return {};
    for (std::size_t i = 0; i < std::max<std::size_t>(count - 1, 1); ++i)
        if (RegularFileIdentity(PathOf(args.positional[i])) == out)
            return Said(CliUsageTexts::tr("IN and OUT are the same file (%1); nothing was written"),
                        {args.positional[i]});
    return {};
}

}  // namespace

int Run(const std::vector<std::string>& rawArgs, const Io& io)
{
    const Arguments args = ParseArguments(rawArgs);
    const Verb* verb = FindVerb(args.verb);
    if (args.version && args.error.empty()) {
        std::fprintf(io.out, "Quorlink %s\n", QUORLINK_VERSION);
        return ListWritten(io, kOk);
    }
    if (args.verb.empty() && args.help && args.error.empty()) {
        PrintUsage(io.out, nullptr);
        return ListWritten(io, kOk);
    }
    if (!args.error.empty())
        return UsageError(io, verb, args.error);
    if (verb == nullptr)
        return UsageError(io, nullptr, args.verb.empty() ? Said(CliUsageTexts::tr("no command given"))
                                                         : Said(CliUsageTexts::tr("unknown command %1"), {args.verb}));
    if (args.help) {
        PrintUsage(io.out, verb);
        return ListWritten(io, kOk);
    }
    const int count = static_cast<int>(args.positional.size());
    if (count < verb->minPositional || count > verb->maxPositional)
        return UsageError(io, verb, Said(CliUsageTexts::tr("wrong number of file names")));
    for (const std::string& option : args.options)
        if (!Takes(*verb, option))
            return UsageError(io, verb, OptionMisplaced(option));
    if (!args.model && verb->needsModel)
        return UsageError(io, verb, Said(CliUsageTexts::tr("--model is required")));
    const std::optional<int> modelNumber = args.model ? ModelNumberFromName(*args.model) : 1;
    if (!modelNumber)
        return UsageError(io, verb, Said(CliUsageTexts::tr("unknown model %1 (MR7100A or MR5100A)"), {*args.model}));
    if (verb->needsPort && !args.port)
        return UsageError(io, verb, Said(CliUsageTexts::tr("--port is required")));
    if (args.port && !IsPort(*args.port))
        return UsageError(io, verb,
                          Said(CliUsageTexts::tr("unknown port %1 (1..4 or a device path)"), {*args.port}));
    // A dry run is the list of changes, which only the first read can give.
    if (args.dryRun && args.noReadFirst)
        return UsageError(io, verb, Said(CliUsageTexts::tr("--dry-run lists what the write would change, for which it "
                                                           "reads the radio first: it cannot go with --no-read-first")));
    if (const std::string problem = CheckWrittenParts(args); !problem.empty())
        return UsageError(io, verb, problem);
    if (const std::string problem = CheckNamesDecode(args); !problem.empty())
        return UsageError(io, verb, problem);
    if (const std::string problem = CheckFileKinds(*verb, args); !problem.empty())
        return UsageError(io, verb, problem);
    if (const std::string problem = CheckSameFile(*verb, args, io); !problem.empty())
        return UsageError(io, verb, problem);

    Model model;
    model.ModelNumber = *modelNumber;
    ConsolePrompt prompt(io.err);
    if (Fault fault = NewModel(model)) {
        std::fprintf(io.err, "quorlink-cli: %d %s\n", fault.number, qPrintable(FaultText(fault)));
        return kFailed;
    }
    return verb->run(Call{args, model, prompt, io});
}

}  // namespace quorlink::cli
