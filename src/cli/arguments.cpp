// SPDX-License-Identifier: GPL-3.0-or-later
#include "arguments.h"

#include "said.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>

namespace quorlink::cli {

namespace {

struct CliArgumentTexts {
    Q_DECLARE_TR_FUNCTIONS(CliArgumentTexts)
};

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

struct Switch {
    const char* name;
    bool Arguments::*field;
};
constexpr Switch kSwitches[] = {
    {"--brief", &Arguments::brief},
    {"--allow-mmsi-change", &Arguments::allowMmsiChange},
    {"--no-verify", &Arguments::noVerify},
    {"--dry-run", &Arguments::dryRun},
    {"--no-read-first", &Arguments::noReadFirst},
    {"--probe", &Arguments::probe},
};

struct Valued {
    const char* name;
    std::optional<std::string> Arguments::*field;
};
constexpr Valued kValued[] = {
    {"--model", &Arguments::model},
    {"--port", &Arguments::port},
    {"--only", &Arguments::only},
    {"--keep", &Arguments::keep},
};

std::string NeedsValue(const std::string& flag) { return Said(CliArgumentTexts::tr("%1 needs a value"), {flag}); }

// Takes the value of --name or --name=value; false when the option is not name.
bool TakeOption(const std::string& flag, const std::vector<std::string>& args, std::size_t& i,
                std::optional<std::string>& value, std::string& error)
{
    const std::string& arg = args[i];
    if (arg.rfind(flag + "=", 0) == 0) {
        value = arg.substr(flag.size() + 1);
    } else if (arg == flag) {
        if (i + 1 >= args.size()) {
            error = NeedsValue(flag);
            return true;
        }
        value = args[++i];
    } else {
        return false;
    }
    if (value->empty())
        error = NeedsValue(flag);
    return true;
}

// The option args[i] starts, taken into parsed; its name, or empty when it is none.
std::string TakeAnyOption(const std::vector<std::string>& args, std::size_t& i, Arguments& parsed)
{
    for (const Switch& option : kSwitches)
        if (args[i] == option.name) {
            parsed.*option.field = true;
            return option.name;
        }
    for (const Valued& option : kValued)
        if (TakeOption(option.name, args, i, parsed.*option.field, parsed.error))
            return option.name;
    return {};
}

// The verb first, then the file names; after "--" these may begin with "-".
void TakePositional(const std::string& arg, Arguments& parsed)
{
    if (parsed.verb.empty())
        parsed.verb = arg;
    else
        parsed.positional.push_back(arg);
}

}  // namespace

Arguments ParseArguments(const std::vector<std::string>& args)
{
    Arguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            TakePositional(arg, parsed);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (arg == "--version") {
            parsed.version = true;
        } else if (const std::string name = TakeAnyOption(args, i, parsed); name.empty()) {
            parsed.error = Said(CliArgumentTexts::tr("unknown option %1"), {arg});
        } else if (std::find(parsed.options.begin(), parsed.options.end(), name) != parsed.options.end()) {
            parsed.error = Said(CliArgumentTexts::tr("%1 is given twice"), {name});
        } else {
            parsed.options.push_back(name);
        }
    }
    return parsed;
}

std::optional<int> ModelNumberFromName(const std::string& name)
{
    const std::string upper = Upper(name);
    if (upper == "MR7100A")
        return 1;
    if (upper == "MR5100A")
        return 0;
    return std::nullopt;
}

}  // namespace quorlink::cli
