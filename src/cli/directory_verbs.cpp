// SPDX-License-Identifier: GPL-3.0-or-later
// The verbs that move the directories to and from a list kind,mmsi,name.
#include "directory_csv.h"
#include "error_log.h"
#include "file_path.h"
#include "latin1.h"
#include "model.h"
#include "model_files.h"
#include "prompt.h"
#include "terminal_text.h"
#include "verbs.h"
#include "file_fault.h"

#include <QCoreApplication>

namespace quorlink::cli {

namespace {

struct CliDirectoryTexts {
    Q_DECLARE_TR_FUNCTIONS(CliDirectoryTexts)
};

}  // namespace

namespace {

const ErrorLog kNoLog{QString()};

int Failed(const Call& call, const QString& list, const Fault& fault)
{
    call.prompt.Message(list, FaultText(fault), MessageIcon::Exclamation);
    return kFailed;
}

}  // namespace

bool IsCsvName(const std::string& path) { return PathOf(path).endsWith(QLatin1String(".csv"), Qt::CaseInsensitive); }

int RunExportDirectory(const Call& call)
{
    const std::vector<std::string>& files = call.args.positional;
    if (!LoadModelFile(call.prompt, call.model, files[0], FileContext{kNoLog, 0}))
        return kFailed;
    if (const Fault fault = ExportDirectoryFile(call.model, PathOf(files[1])))
        return Failed(call, PathOf(files[1]), fault);
    return kOk;
}

int RunImportDirectory(const Call& call)
{
    const std::vector<std::string>& files = call.args.positional;
    const FileContext context{kNoLog, 0, DataFolderOf(call.io)};
    if (!LoadModelFile(call.prompt, call.model, files[0], context))
        return kFailed;
    DirectoryImport result;
    if (const Fault fault = ImportDirectoryFile(call.model, PathOf(files[1]), result))
        return Failed(call, PathOf(files[1]), fault);
    for (const RowReport& row : result.rows)
        std::fprintf(call.io.err, "%s\n", qPrintable(EscapeControlsOnOneLine(PathOf(files[1]) + u' ' + DescribeRow(row))));
    QString summary = AddedText(result);
    if (const QString counts = ReportCounts(result); !counts.isEmpty())
        summary += QStringLiteral("; ") + counts;
    // OUT would only be IN again: the import failed.
    if (result.added == 0) {
        summary += QStringLiteral("; ") + CliDirectoryTexts::tr("%1 was not saved").arg(PathOf(files[2]));
        std::fprintf(call.io.err, "%s\n", qPrintable(EscapeControlsOnOneLine(summary)));
        return kFailed;
    }
    if (!SaveModelFile(call.prompt, call.model, files[2], context))
        return kFailed;
    std::fprintf(call.io.err, "%s\n", qPrintable(summary));
    return kOk;
}

}  // namespace quorlink::cli
