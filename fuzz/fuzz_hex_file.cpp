// SPDX-License-Identifier: GPL-3.0-or-later
// Hex image file: any bytes as the file the service mode opens. The model
// chosen is the one whose code the file starts with, so most inputs that keep
// 8192 bytes get past the check and into the decoder.
//
// Promises:
//  - a file that fails the check leaves the image and the records as they were;
//  - one that passes becomes MemoryImage (only bits 7 and 5 of byte 15 are
//    cleared by decoding) and is decoded;
//  - records decoded from any image encode without a fault, a second encode
//    changes nothing, and decoding that image and encoding again gives it back;
//  - the saved image opens again as the same image.
#include "decoder.h"
#include "encoder.h"
#include "error_log.h"
#include "fuzz_support.h"
#include "hex_file.h"
#include "printed_report.h"
#include "text_report.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstring>

using namespace quorlink;
using namespace quorlink::fuzz;

namespace {

const QTemporaryDir& Folder()
{
    static const QTemporaryDir folder;
    return folder;
}

QString WriteFile(const char* name, const std::uint8_t* data, std::size_t size)
{
    const QString path = Folder().filePath(QLatin1String(name));
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
               static_cast<qint64>(size));
    return path;
}

// The image bytes the file holds, short files padded with 0.
Image FileImage(const std::uint8_t* data, std::size_t size)
{
    Image image{};
    std::memcpy(image.data(), data, std::min<std::size_t>(size, kImageSize));
    return image;
}

bool OpenedAsIs(const Image& opened, const Image& file)
{
    for (int a = 0; a < kImageSize; ++a) {
        const int expected = a == addr::TrueMagAndOffset ? file[a] & 0x5F : file[a];
        if (opened[a] != expected)
            return false;
    }
    return true;
}

void CheckEncodeStable(Model& model)
{
    FUZZ_CHECK(!EncodeImage(model));
    const Image once = model.MemoryImage;
    FUZZ_CHECK(!EncodeImage(model));
    FUZZ_CHECK(model.MemoryImage == once);
    DecodeImage(model);
    FUZZ_CHECK(!EncodeImage(model));
    FUZZ_CHECK(model.MemoryImage == once);
}

void CheckSaveAndOpen(Model& model, const FileContext& context)
{
    const QString path = Folder().filePath(QStringLiteral("saved.hex"));
    QFile::remove(path);
    FUZZ_CHECK(SaveHexImage(model, path, context).done());
    Model reopened = FreshModel(model.ModelNumber);
    FUZZ_CHECK(ReadHexFileAs(reopened, path, context).done());
    FUZZ_CHECK(reopened.MemoryImage == model.MemoryImage);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ErrorLog log{QString()};
    const FileContext context{log, 0};
    const Image file = FileImage(data, size);

    const Model before = FreshModel(HeadCode(file) == kModelCode7100 ? 1 : 2);
    Model model = before;
    const Outcome outcome = ReadHexFileAs(model, WriteFile("input.hex", data, size), context);
    FUZZ_CHECK(!outcome.fault && !outcome.cancelled());
    if (outcome.failed()) {
        FUZZ_CHECK(model.MemoryImage == before.MemoryImage);
        FUZZ_CHECK(SameRecords(model, before));
        return 0;
    }
    FUZZ_CHECK(size >= kImageSize);
    FUZZ_CHECK(OpenedAsIs(model.MemoryImage, file));
    FUZZ_CHECK(!BuildTextReport(model).empty());
    FUZZ_CHECK(!BuildPrintedReport(model).empty());
    CheckEncodeStable(model);
    CheckSaveAndOpen(model, context);
    return 0;
}
