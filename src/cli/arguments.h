// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorlink::cli {

struct Arguments {
    std::string verb;
    std::optional<std::string> model;
    std::optional<std::string> port;
    std::vector<std::string> positional;
    bool help = false;
    bool brief = false;  // diff: the count only
    bool allowMmsiChange = false;  // write even when it changes the radio's own MMSI
    bool version = false;
    bool noVerify = false;  // write: skip the read-back check
    bool dryRun = false;    // write: read the radio, list the changes, write nothing
    bool noReadFirst = false;  // write: no read of the radio before writing
    bool probe = false;        // doctor: ask the radio for its model code
    std::optional<std::string> only;  // write: send the changes of these parts of the data, comma-separated
    std::optional<std::string> keep;  // write: send every change but those of these parts
    // Every option given but --help and --version, as "--name": the verb
    // checks them against the ones it takes.
    std::vector<std::string> options;
    std::string error;  // a usage error, when not empty
};

// "VERB [--model M] [--port P] [--brief] [--help] ARGS...", options also as --name=value;
// or "--version". An option given twice is an error; "--" ends the options.
Arguments ParseArguments(const std::vector<std::string>& args);

// The arguments after the program name, spelt as the file system spells
// names: on POSIX systems the bytes as given, so that a name that is not
// UTF-8 reaches the check that refuses it instead of turning into another
// name; on Windows the wide command line in UTF-8, which holds every name.
// Called once the application object has taken its own options out of argv.
std::vector<std::string> ProgramArguments(int argc, char* argv[]);

// MR7100A -> 1, MR5100A -> 0 (any case); nothing for other names.
std::optional<int> ModelNumberFromName(const std::string& name);

}  // namespace quorlink::cli
