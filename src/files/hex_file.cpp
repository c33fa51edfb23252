#include "hex_file.h"

#include "decoder.h"
#include "encoder.h"
#include "file_fault.h"
#include "model.h"

#include <QFile>
#include <QFileInfo>

namespace quorlink {

namespace {

void ReportFileFault(Model& model, const FileContext& context, const char* source, const Fault& fault,
                     const char* message)
{
    model.CancelFlag = true;
    context.log.Write(model.DiagnosticMode, QString::fromLatin1(source), fault);
    context.prompt.Message(QStringLiteral("Quorlink"), QString::fromLatin1(message), MessageIcon::Warning);
}

Fault WriteImage(const Image& image, const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isDir())
        return FileFault(QFileDevice::OpenError, QStringLiteral("Is a directory"), path);
    if (!file.open(QIODevice::ReadWrite))  // no truncation: a longer file keeps its tail
        return FileFault(file);
    const auto size = static_cast<qint64>(image.size());
    if (file.write(reinterpret_cast<const char*>(image.data()), size) != size || !file.flush())
        return FileFault(file);
    return {};
}

}  // namespace

Fault SaveHexImage(Model& model, const QString& path, const FileContext& context)
{
    model.BusyFlag = true;
    Fault fault = EncodeImage(model);
    if (!fault)
        fault = WriteImage(model.MemoryImage, path);
    Pause(context.pauseMs);
    model.BusyFlag = false;
    if (fault)
        ReportFileFault(model, context, "frmMain.SaveHexFileAs", fault, "FileSave Error!!");
    return fault;
}

Fault ReadHexFileAs(Model& model, const QString& path, const FileContext& context)
{
    model.ErrorFlag = false;
    model.BusyFlag = true;
    Image scratch{};  // a short file leaves the rest 0, so its tail code cannot match
    QFile file(path);
    Fault fault;
    if (QFileInfo(path).isDir())
        fault = FileFault(QFileDevice::OpenError, QStringLiteral("Is a directory"), path);
    else if (!file.open(QIODevice::ReadOnly) ||
             file.read(reinterpret_cast<char*>(scratch.data()), kImageSize) < 0)
        fault = FileFault(file);
    file.close();
    Pause(context.pauseMs);
    model.BusyFlag = false;
    if (fault) {
        model.ErrorFlag = true;
        ReportFileFault(model, context, "frmMain.ReadHexFileAs", fault, "FileRead Error!!");
        return fault;
    }
    if (!ModelCodeMatches(model, HeadCode(scratch), TailCode(scratch))) {
        model.ErrorFlag = true;
        context.prompt.Message(QStringLiteral("Read from Radio"), QStringLiteral("ModelName Error !!"),
                               MessageIcon::Critical);
        return {};
    }
    model.MemoryImage = scratch;
    DecodeImage(model);
    return {};
}

}  // namespace quorlink
