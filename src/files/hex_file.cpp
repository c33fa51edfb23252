// SPDX-License-Identifier: GPL-3.0-or-later
#include "hex_file.h"

#include "backups.h"
#include "decoder.h"
#include "encoder.h"
#include "file_fault.h"
#include "model.h"
#include "whole_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace quorlink {

namespace {

struct HexFileTexts {
    Q_DECLARE_TR_FUNCTIONS(HexFileTexts)
};

// The image goes over the start of the file and a longer file keeps its
// tail; the whole file is written anew beside the old one and swapped in
// only when complete, so a failed save leaves the old file as it was.
Outcome WriteImage(const Image& image, const QString& path, const FileContext& context)
{
    if (Fault fault = SpecialFileFault(path))
        return Outcome::Failed(std::move(fault));
    QByteArray content(reinterpret_cast<const char*>(image.data()), kImageSize);
    QFile old(path);
    if (old.size() > kImageSize) {
        if (!old.open(QIODevice::ReadOnly) || !old.seek(kImageSize))
            return Outcome::Failed(FileFault(old));
        content += old.readAll();
        if (old.error() != QFileDevice::NoError)
            return Outcome::Failed(FileFault(old));
        old.close();  // Windows replaces no file that is open
    }
    return SaveWholeFile(context, path, content);
}

Outcome SaveImage(Model& model, const QString& path, const FileContext& context, const Fault& encoded)
{
    Outcome saved = encoded ? Outcome::Failed(encoded) : WriteImage(model.MemoryImage, path, context);
    Pause(context.pauseMs);
    return EndFileCommand(model, context, std::move(saved), "frmMain.SaveHexFileAs",
                          QT_TRANSLATE_NOOP("FileContextTexts", "FileSave Error!!"));
}

Outcome ReadHexImage(Model& model, const QString& path, const FileContext& context, bool asItStands)
{
    Image scratch{};  // a short file leaves the rest 0, so its tail code cannot match
    QFile file;
    Fault fault = OpenRegularFile(file, path);
    if (!fault && file.read(reinterpret_cast<char*>(scratch.data()), kImageSize) < 0)
        fault = FileFault(file.error(), file.errorString(), path);
    file.close();
    Pause(context.pauseMs);
    if (fault)
        return Outcome::Failed(fault);
    if (!ModelCodeMatches(model, HeadCode(scratch), TailCode(scratch)))
        return Outcome::Failed().Say(HexFileTexts::tr("Read from Radio").toStdString(),
                                     HexFileTexts::tr("ModelName Error !!").toStdString(), MessageIcon::Critical);
    model.MemoryImage = scratch;
    if (asItStands)
        DecodeRecords(scratch, model);
    else
        DecodeImage(model);
    return Outcome::Done();
}

Outcome ReadImage(Model& model, const QString& path, const FileContext& context, bool asItStands)
{
    return EndFileCommand(model, context, ReadHexImage(model, path, context, asItStands), "frmMain.ReadHexFileAs",
                          QT_TRANSLATE_NOOP("FileContextTexts", "FileRead Error!!"));
}

}  // namespace

Outcome SaveHexImage(Model& model, const QString& path, const FileContext& context)
{
    return SaveImage(model, path, context, EncodeImage(model));
}

Outcome SaveImageAsItStands(Model& model, const QString& path, const FileContext& context)
{
    return SaveImage(model, path, context, {});
}

Outcome ReadHexFileAs(Model& model, const QString& path, const FileContext& context)
{
    return ReadImage(model, path, context, false);
}

Outcome ReadImageAsItStands(Model& model, const QString& path, const FileContext& context)
{
    return ReadImage(model, path, context, true);
}

bool IsRawImageFile(const QString& path)
{
    return IsMemoryImageFile(path) ||
           QFileInfo(path).suffix().compare(QLatin1String("hex"), Qt::CaseInsensitive) == 0;
}

}  // namespace quorlink
