#include "cli.h"

#include "console_prompt.h"
#include "model.h"
#include "model_files.h"
#include "verbs.h"

namespace quorlink::cli {

namespace {

const Verb kVerbs[] = {
    {"new", "new --model MODEL OUT", "Writes a fresh data set of MODEL to OUT.", 1, 1, false, RunNew},
    {"convert", "convert --model MODEL IN OUT", "Loads IN and saves it as OUT.", 2, 2, false, RunConvert},
    {"report", "report --model MODEL IN [OUT]",
     "Writes the text report of IN to OUT, or to standard output.", 1, 2, false, RunReport},
    {"read", "read --model MODEL --port PORT OUT",
     "Reads the radio's memory and saves it as OUT. A failed or cancelled read writes nothing.", 1, 1, true,
     RunRead},
    {"write", "write --model MODEL --port PORT IN", "Programs the radio with IN.", 1, 1, true, RunWrite},
    {"print", "print --model MODEL IN OUT.pdf",
     "Writes the printed report of IN as a PDF file, without a printer.", 2, 2, false, RunPrint},
    {"clear", "clear --model MODEL --port PORT", "Sets the radio's count of user MMSI settings back to 0.", 0, 0,
     true, RunClear},
};

constexpr const char* kGeneralHelp =
    "MODEL is MR7100A or MR5100A (any case). Files: .dat and .def are data files,\n"
    ".hex is the raw memory image; a report OUT may have any name.\n"
    "PORT is 1..4 (COM1..COM4 as the editor counts them) or a device path such as /dev/ttyUSB0.\n"
    "Ctrl+C cancels a transfer. Exit status: 0 done, 1 failed (the reason is on standard\n"
    "error), 2 usage error. --version prints the version.\n";

const Verb* FindVerb(const std::string& name)
{
    for (const Verb& verb : kVerbs)
        if (name == verb.name)
            return &verb;
    return nullptr;
}

void PrintUsage(std::FILE* to, const Verb* only)
{
    std::fprintf(to, "Usage:\n");
    for (const Verb& verb : kVerbs)
        if (only == nullptr || only == &verb)
            std::fprintf(to, "  quorlink-cli %s\n", verb.usage);
    if (only)
        std::fprintf(to, "\n%s\n", only->summary);
    std::fprintf(to, "\n%s", kGeneralHelp);
}

int UsageError(const Io& io, const Verb* verb, const std::string& message)
{
    std::fprintf(io.err, "quorlink-cli: %s\n\n", message.c_str());
    PrintUsage(io.err, verb);
    return kUsage;
}

// The file names a verb takes must be of a kind it knows; a report OUT may be anything.
std::string CheckFileKinds(const Verb& verb, const Arguments& args)
{
    const std::string name = verb.name;
    for (std::size_t i = 0; i < args.positional.size(); ++i) {
        const bool reportOut = name == "report" && i == 1;
        if (name == "print" && i == 1) {
            if (!IsPdfName(args.positional[i]))
                return "the printed report goes to a .pdf file: " + args.positional[i];
            continue;
        }
        if (!reportOut && KindOf(args.positional[i]) == FileKind::Other)
            return "unknown kind of file: " + args.positional[i] + " (use .dat, .def or .hex)";
    }
    return {};
}

}  // namespace

int Run(const std::vector<std::string>& rawArgs, const Io& io)
{
    const Arguments args = ParseArguments(rawArgs);
    const Verb* verb = FindVerb(args.verb);
    if (args.version && args.error.empty()) {
        std::fprintf(io.out, "Quorlink %s\n", QUORLINK_VERSION);
        return kOk;
    }
    if (args.verb.empty() && args.help && args.error.empty()) {
        PrintUsage(io.out, nullptr);
        return kOk;
    }
    if (!args.error.empty())
        return UsageError(io, verb, args.error);
    if (verb == nullptr)
        return UsageError(io, nullptr, args.verb.empty() ? "no command given" : "unknown command " + args.verb);
    if (args.help) {
        PrintUsage(io.out, verb);
        return kOk;
    }
    const int count = static_cast<int>(args.positional.size());
    if (count < verb->minPositional || count > verb->maxPositional)
        return UsageError(io, verb, "wrong number of file names");
    if (!args.model)
        return UsageError(io, verb, "--model is required");
    const std::optional<int> modelNumber = ModelNumberFromName(*args.model);
    if (!modelNumber)
        return UsageError(io, verb, "unknown model " + *args.model + " (MR7100A or MR5100A)");
    if (verb->needsPort && !args.port)
        return UsageError(io, verb, "--port is required");
    if (args.port && !IsPort(*args.port))
        return UsageError(io, verb, "unknown port " + *args.port + " (1..4 or a device path)");
    if (const std::string problem = CheckFileKinds(*verb, args); !problem.empty())
        return UsageError(io, verb, problem);

    Model model;
    model.ModelNumber = *modelNumber;
    ConsolePrompt prompt(io.err);
    if (Fault fault = NewModel(model)) {
        std::fprintf(io.err, "quorlink-cli: %d %s\n", fault.number, fault.description.c_str());
        return kFailed;
    }
    return verb->run(Call{args, model, prompt, io});
}

}  // namespace quorlink::cli
