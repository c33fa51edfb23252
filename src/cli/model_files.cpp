// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_files.h"

#include "data_file.h"
#include "file_path.h"
#include "hex_file.h"
#include "model.h"
#include "outcome_report.h"

#include <QFileInfo>

namespace quorlink::cli {

FileKind KindOf(const std::string& path)
{
    if (IsRawImageFile(PathOf(path)))
        return FileKind::Hex;
    const QString suffix = QFileInfo(PathOf(path)).suffix().toLower();
    if (suffix == QLatin1String("dat"))
        return FileKind::Data;
    if (suffix == QLatin1String("def"))
        return FileKind::Default;
    return FileKind::Other;
}

bool LoadModelFile(Prompt& prompt, Model& model, const std::string& path, const FileContext& context)
{
    switch (KindOf(path)) {
    case FileKind::Data:
    case FileKind::Default:
        return ReportOutcome(prompt, FileRead2(model, PathOf(path), context));
    case FileKind::Hex:
        return ReportOutcome(prompt, ReadImageAsItStands(model, PathOf(path), context));
    case FileKind::Other:
        break;
    }
    return false;
}

bool SaveModelFile(Prompt& prompt, Model& model, const std::string& path, const FileContext& context,
                   bool imageAsItStands)
{
    switch (KindOf(path)) {
    case FileKind::Data:
        return ReportOutcome(prompt, SaveFileAs(model, PathOf(path), context));
    case FileKind::Default:
        return ReportOutcome(prompt, SaveFileAsDefault(model, PathOf(path), context));
    case FileKind::Hex:
        return ReportOutcome(prompt, imageAsItStands ? SaveImageAsItStands(model, PathOf(path), context)
                                                     : SaveHexImage(model, PathOf(path), context));
    case FileKind::Other:
        break;
    }
    return false;
}

}  // namespace quorlink::cli
