// SPDX-License-Identifier: GPL-3.0-or-later
// diff: what differs between two data sets, files or radios, one line each.
#include "comparison.h"
#include "difference_text.h"
#include "error_log.h"
#include "model.h"
#include "latin1.h"
#include "model_files.h"
#include "model_text.h"
#include "said.h"
#include "terminal_text.h"
#include "verbs.h"
#include "language.h"

namespace quorlink::cli {

namespace {

constexpr const char* kRadioPrefix = "port:";

const ErrorLog kNoLog{QString()};

// A radio is read into a scratch model; nothing is saved from it.
bool Load(const Call& call, Model& model, const std::string& source)
{
    if (IsRadioSource(source))
        return ReadRadioInto(call, model, RadioSourcePort(source));
    return LoadModelFile(call.prompt, model, source, FileContext{kNoLog, 0});
}

}  // namespace

// In English a line is Latin-1, as the names in the records are: a name prints as the bytes the
// file holds. Another language's words need the terminal's encoding, and the names come along in it.
void PrintDifferences(const Io& io, const std::vector<Difference>& differences, bool brief)
{
    const bool english = LanguageOfEnvironment() == QLatin1String("en");
    if (!brief)
        for (const Difference& difference : differences) {
            const QString line = EscapeControls(DifferenceText(difference));
            std::fprintf(io.out, "%s\n", (english ? line.toLatin1() : line.toLocal8Bit()).constData());
        }
    const TextTemplate count = DifferenceCountWords(differences.size());
    std::fprintf(io.out, "%s\n", Said(ModelText(count.text), count.args).c_str());
}

bool IsRadioSource(const std::string& text) { return text.rfind(kRadioPrefix, 0) == 0; }

std::string RadioSourcePort(const std::string& text) { return text.substr(std::string(kRadioPrefix).size()); }

int RunDiff(const Call& call)
{
    // Both sides start from the same fresh model of --model.
    Model& older = call.model;
    Model newer = call.model;
    // Trouble is 2, as for diff(1): 1 must only ever mean "they differ".
    if (!Load(call, older, call.args.positional[0]) || !Load(call, newer, call.args.positional[1]))
        return kUsage;
    // A radio or a raw image is compared byte for byte as it stands.
    const auto kind = [](const std::string& side) {
        return IsRadioSource(side) || KindOf(side) == FileKind::Hex ? SideKind::Image : SideKind::Data;
    };
    const std::vector<Difference> differences =
        CompareModels({older, kind(call.args.positional[0])}, {newer, kind(call.args.positional[1])});
    PrintDifferences(call.io, differences, call.args.brief);
    return ListWritten(call.io, differences.empty() ? kOk : kFailed);
}

}  // namespace quorlink::cli
