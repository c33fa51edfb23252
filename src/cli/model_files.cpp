// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_files.h"

#include "data_file.h"
#include "file_path.h"
#include "hex_file.h"
#include "latin1.h"
#include "model.h"

#include <QFileInfo>

namespace quorlink::cli {

namespace {

// The file commands say what failed; the command line adds the system's reason.
bool Reported(const Outcome& outcome, const FileContext& context)
{
    if (outcome.fault)
        context.prompt.Message(QStringLiteral("Reason"), ToQString(outcome.fault.description), MessageIcon::None);
    return outcome.done();
}

}  // namespace

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

bool LoadModelFile(Model& model, const std::string& path, const FileContext& context)
{
    switch (KindOf(path)) {
    case FileKind::Data:
    case FileKind::Default:
        return Reported(FileRead2(model, PathOf(path), context), context);
    case FileKind::Hex:
        return Reported(ReadHexFileAs(model, PathOf(path), context), context);
    case FileKind::Other:
        break;
    }
    return false;
}

bool SaveModelFile(Model& model, const std::string& path, const FileContext& context)
{
    switch (KindOf(path)) {
    case FileKind::Data:
        return Reported(SaveFileAs(model, PathOf(path), context), context);
    case FileKind::Default:
        return Reported(SaveFileAsDefault(model, PathOf(path), context), context);
    case FileKind::Hex:
        return Reported(SaveHexImage(model, PathOf(path), context), context);
    case FileKind::Other:
        break;
    }
    return false;
}

}  // namespace quorlink::cli
