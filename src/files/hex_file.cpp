// SPDX-License-Identifier: GPL-3.0-or-later
#include "hex_file.h"

#include "backups.h"
#include "busy_scope.h"
#include "decoder.h"
#include "encoder.h"
#include "file_fault.h"
#include "model.h"
#include "whole_file.h"

#include <QFile>
#include <QFileInfo>

namespace quorlink {

namespace {

// The image goes over the start of the file and a longer file keeps its
// tail; the whole file is written anew beside the old one and swapped in
// only when complete, so a failed save leaves the old file as it was.
Fault WriteImage(const Image& image, const QString& path, const FileContext& context)
{
    if (Fault fault = SpecialFileFault(path))
        return fault;
    QByteArray content(reinterpret_cast<const char*>(image.data()), kImageSize);
    QFile old(path);
    if (old.size() > kImageSize) {
        if (!old.open(QIODevice::ReadOnly) || !old.seek(kImageSize))
            return FileFault(old);
        content += old.readAll();
        if (old.error() != QFileDevice::NoError)
            return FileFault(old);
    }
    return SaveWholeFile(context, path, content);
}

}  // namespace

Outcome SaveHexImage(Model& model, const QString& path, const FileContext& context)
{
    Fault fault;
    {
        const BusyScope busy(model);
        fault = EncodeImage(model);
        if (!fault)
            fault = WriteImage(model.MemoryImage, path, context);
        Pause(context.pauseMs);
    }
    return EndFileCommand(model, context, fault ? Outcome::Failed(fault) : Outcome::Done(),
                          "frmMain.SaveHexFileAs", "FileSave Error!!", FlagsSet::CancelOnly);
}

namespace {

Outcome ReadHexImage(Model& model, const QString& path, const FileContext& context)
{
    Image scratch{};  // a short file leaves the rest 0, so its tail code cannot match
    Fault fault;
    {
        const BusyScope busy(model);
        QFile file;
        fault = OpenRegularFile(file, path);
        if (!fault && file.read(reinterpret_cast<char*>(scratch.data()), kImageSize) < 0)
            fault = FileFault(file.error(), file.errorString(), path);
        file.close();
        Pause(context.pauseMs);
    }
    if (fault)
        return Outcome::Failed(fault);
    if (!ModelCodeMatches(model, HeadCode(scratch), TailCode(scratch))) {
        context.prompt.Message(QStringLiteral("Read from Radio"), QStringLiteral("ModelName Error !!"),
                               MessageIcon::Critical);
        return Outcome::Failed();
    }
    model.MemoryImage = scratch;
    DecodeImage(model);
    return Outcome::Done();
}

}  // namespace

Outcome ReadHexFileAs(Model& model, const QString& path, const FileContext& context)
{
    return EndFileCommand(model, context, ReadHexImage(model, path, context), "frmMain.ReadHexFileAs",
                          "FileRead Error!!");
}

bool IsRawImageFile(const QString& path)
{
    return IsMemoryImageFile(path) ||
           QFileInfo(path).suffix().compare(QLatin1String("hex"), Qt::CaseInsensitive) == 0;
}

}  // namespace quorlink
