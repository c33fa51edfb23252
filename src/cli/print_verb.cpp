// SPDX-License-Identifier: GPL-3.0-or-later
// The printed report as a PDF file, for checking and archiving without a printer.
#include "error_log.h"
#include "file_path.h"
#include "model.h"
#include "model_files.h"
#include "prompt.h"
#include "report_painter.h"
#include "verbs.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace quorlink::cli {

namespace {

struct CliPrintTexts {
    Q_DECLARE_TR_FUNCTIONS(CliPrintTexts)
};

}  // namespace

int RunPrint(const Call& call)
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        std::fprintf(call.io.err, "quorlink-cli: %s\n",
                     qPrintable(CliPrintTexts::tr("printing needs the program started with the print command")));
        return kFailed;
    }
    const ErrorLog noLog{QString()};
    if (!LoadModelFile(call.prompt, call.model, call.args.positional[0], FileContext{noLog, 0}))
        return kFailed;
    const QByteArray pdf = ReportPdf(call.model);
    if (pdf.isEmpty()) {
        ReportSaveFailure(call, CliPrintTexts::tr("The printed report could not be drawn"));
        return kFailed;
    }
    return WriteOut(call, call.args.positional[1], pdf) ? kOk : kFailed;
}

bool IsPdfName(const std::string& path)
{
    return path.size() > 4 && PathOf(path).endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

}  // namespace quorlink::cli
