// SPDX-License-Identifier: GPL-3.0-or-later
// The verbs that work on files only.
#include "error_log.h"
#include "file_path.h"
#include "latin1.h"
#include "model.h"
#include "model_files.h"
#include "prompt.h"
#include "standard_streams.h"
#include "program_folder.h"
#include "terminal_text.h"
#include "text_report.h"
#include "verbs.h"
#include "whole_file.h"
#include "file_fault.h"

#include <QCoreApplication>
#include <cerrno>
#include <unistd.h>

namespace quorlink::cli {

namespace {

struct CliFileTexts {
    Q_DECLARE_TR_FUNCTIONS(CliFileTexts)
};

}  // namespace

namespace {

// The command line has no window to keep alive and no log outside the service mode.
const ErrorLog kNoLog{QString()};

FileContext ContextOf(const Call& call) { return FileContext{kNoLog, 0, DataFolderOf(call.io)}; }

int Result(bool ok) { return ok ? kOk : kFailed; }

// A full disk behind a redirection shows only when the buffer is flushed.
// A terminal gets the names in a report with their control characters
// escaped; a redirection keeps the bytes as a file would.
QString WriteStandardOutput(std::FILE* out, QByteArray bytes)
{
    if (isatty(fileno(out)))
        bytes = EscapeControls(QString::fromLatin1(bytes)).toLatin1();
    errno = 0;
    WriteBytesAsTheyAre(out, bytes);
    return OutputFailure(out, errno);
}

}  // namespace

QString DataFolderOf(const Io& io)
{
    return io.dataFolder.empty() ? DataFolder() : PathOf(io.dataFolder);
}

QString OutputFailure(std::FILE* out, int writeError)
{
    errno = 0;
    if (std::fflush(out) == 0 && !std::ferror(out))
        return {};
    const int error = errno != 0 ? errno : writeError;
    return error != 0 ? qt_error_string(error) : CliFileTexts::tr("The output could not be written completely");
}

int ListWritten(const Io& io, int code)
{
    const QString reason = OutputFailure(io.out);
    if (reason.isEmpty())
        return code;
    std::fprintf(io.err, "quorlink-cli: %s\n", qPrintable(CliFileTexts::tr("standard output: %1").arg(reason)));
    return kUsage;
}

void ReportSaveFailure(const Call& call, const QString& reason)
{
    call.prompt.Message(QStringLiteral("Quorlink"), CliFileTexts::tr("FileSave Error!!"), MessageIcon::Warning);
    call.prompt.Message(CliFileTexts::tr("Reason"), reason, MessageIcon::None);
}

bool WriteOut(const Call& call, const std::string& out, const QByteArray& bytes)
{
    const QString reason = out == kStandardOutput
                               ? WriteStandardOutput(call.io.out, bytes)
                               : FaultText(WriteWholeFile(PathOf(out), bytes));
    if (!reason.isEmpty())
        ReportSaveFailure(call, reason);
    return reason.isEmpty();
}

int RunNew(const Call& call)
{
    return Result(SaveModelFile(call.prompt, call.model, call.args.positional[0], ContextOf(call)));
}

// A raw image made from a raw image is the same bytes.
int RunConvert(const Call& call)
{
    const FileContext context = ContextOf(call);
    const bool image = KindOf(call.args.positional[0]) == FileKind::Hex;
    return Result(LoadModelFile(call.prompt, call.model, call.args.positional[0], context) &&
                  SaveModelFile(call.prompt, call.model, call.args.positional[1], context, image));
}

int RunReport(const Call& call)
{
    if (!LoadModelFile(call.prompt, call.model, call.args.positional[0], ContextOf(call)))
        return kFailed;
    // Saved as the report window saves it: the text and one CR LF.
    const std::string text = BuildTextReport(call.model) + "\r\n";
    const std::string out = call.args.positional.size() > 1 ? call.args.positional[1] : kStandardOutput;
    return Result(WriteOut(call, out, QByteArray::fromStdString(text)));
}

}  // namespace quorlink::cli
