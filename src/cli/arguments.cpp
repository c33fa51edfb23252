// SPDX-License-Identifier: GPL-3.0-or-later
#include "arguments.h"

#include <algorithm>
#include <cctype>

namespace quorlink::cli {

namespace {

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// Takes the value of --name or --name=value; false when the option is not name.
bool TakeOption(const std::string& name, const std::vector<std::string>& args, std::size_t& i,
                std::optional<std::string>& value, std::string& error)
{
    const std::string& arg = args[i];
    const std::string flag = "--" + name;
    if (arg.rfind(flag + "=", 0) == 0) {
        value = arg.substr(flag.size() + 1);
    } else if (arg == flag) {
        if (i + 1 >= args.size()) {
            error = flag + " needs a value";
            return true;
        }
        value = args[++i];
    } else {
        return false;
    }
    if (value->empty())
        error = flag + " needs a value";
    return true;
}

}  // namespace

Arguments ParseArguments(const std::vector<std::string>& args)
{
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (arg == "--brief") {
            parsed.brief = true;
        } else if (arg == "--allow-mmsi-change") {
            parsed.allowMmsiChange = true;
        } else if (arg == "--version") {
            parsed.version = true;
        } else if (arg == "--no-verify") {
            parsed.noVerify = true;
        } else if (arg == "--dry-run") {
            parsed.dryRun = true;
        } else if (arg == "--no-read-first") {
            parsed.noReadFirst = true;
        } else if (TakeOption("model", args, i, parsed.model, parsed.error) ||
                   TakeOption("port", args, i, parsed.port, parsed.error)) {
        } else if (arg.size() > 1 && arg[0] == '-') {
            parsed.error = "unknown option " + arg;
        } else if (parsed.verb.empty()) {
            parsed.verb = arg;
        } else {
            parsed.positional.push_back(arg);
        }
        if (!parsed.error.empty())
            break;
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
