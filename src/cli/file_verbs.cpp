// The verbs that work on files only.
#include "error_log.h"
#include "latin1.h"
#include "model.h"
#include "model_files.h"
#include "text_report.h"
#include "verbs.h"
#include "whole_file.h"


namespace quorlink::cli {

namespace {

// The command line has no window to keep alive and no log outside the service mode.
const ErrorLog kNoLog{QString()};

FileContext ContextOf(const Call& call) { return FileContext{call.prompt, kNoLog, 0}; }

int Result(bool ok) { return ok ? kOk : kFailed; }

bool WriteText(const Call& call, const std::string& path, const std::string& text)
{
    const Fault fault = WriteWholeFile(QString::fromLocal8Bit(path.c_str()), QByteArray::fromStdString(text));
    if (fault)
        call.prompt.Message(ToQString(call.model.ModelName()) + QStringLiteral(" Quorlink"),
                            ToQString(fault.description), MessageIcon::Exclamation);
    return !fault;
}

}  // namespace

int RunNew(const Call& call)
{
    return Result(SaveModelFile(call.model, call.args.positional[0], ContextOf(call)));
}

int RunConvert(const Call& call)
{
    const FileContext context = ContextOf(call);
    return Result(LoadModelFile(call.model, call.args.positional[0], context) &&
                  SaveModelFile(call.model, call.args.positional[1], context));
}

int RunReport(const Call& call)
{
    if (!LoadModelFile(call.model, call.args.positional[0], ContextOf(call)))
        return kFailed;
    // Saved as the report window saves it: the text and one CR LF.
    const std::string text = BuildTextReport(call.model) + "\r\n";
    if (call.args.positional.size() > 1)
        return Result(WriteText(call, call.args.positional[1], text));
    std::fwrite(text.data(), 1, text.size(), call.io.out);
    std::fflush(call.io.out);
    return kOk;
}

}  // namespace quorlink::cli
