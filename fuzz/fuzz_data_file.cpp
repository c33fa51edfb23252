// SPDX-License-Identifier: GPL-3.0-or-later
// Data file: any bytes, read as the editor's Open reads them, onto the model
// the editor starts with; then the image encoded from the records, both
// reports, and a save read back.
//
// Promises:
//  - reading, encoding and the reports never crash and never hit UB;
//  - the file reads the same when it arrives in small pieces (lines cut
//    across the reader's chunks);
//  - an encode either fits or fails with Overflow, and a failed encode
//    leaves MemoryImage as it was; a second encode changes nothing;
//  - the numbers and flags of the settings and the A/B values survive a save
//    and a reading of the saved text (the default file's sections: the
//    channel sections use the same writers and readers, and reading them all
//    again would cost more than the rest of a run).
#include "data_file.h"
#include "encoder.h"
#include "fuzz_support.h"
#include "ini_reader.h"
#include "printed_report.h"
#include "text_report.h"

#include <QBuffer>
#include <algorithm>
#include <cstring>

using namespace quorlink;
using namespace quorlink::fuzz;

namespace {

// A pipe-like device that hands out at most a few bytes per read.
class Trickle : public QIODevice {
public:
    explicit Trickle(const QByteArray& text) : text_(text) {}
    bool isSequential() const override { return true; }
    bool atEnd() const override { return at_ == text_.size() && QIODevice::atEnd(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 count = std::min({maxSize, kPiece, text_.size() - at_});
        std::memcpy(data, text_.constData() + at_, static_cast<std::size_t>(count));
        at_ += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    static constexpr qint64 kPiece = 61;
    const QByteArray& text_;
    qint64 at_ = 0;
};

IniLookup Load(QIODevice&& device)
{
    FUZZ_CHECK(device.open(QIODevice::ReadOnly));
    IniLookup lookup;
    FUZZ_CHECK(lookup.Load(device, [](const QByteArray&) { return true; }));
    return lookup;
}

IniLookup Load(const QByteArray& text)
{
    QBuffer buffer;
    buffer.setData(text);
    return Load(std::move(buffer));
}

// The model the user would have chosen for this file. The data file reader
// ignores [MAIN]; here its MODEL only picks the start, and the length of the
// input picks whether the ATIS keys are read, so both ways get fuzzed.
Model StartingModel(const IniLookup& file, std::size_t size)
{
    const bool model1 = ReadIniValue(file, "MAIN", "MODEL") == QLatin1String("MR7100A");
    Model model = FreshModel(model1 ? 1 : 2);
    model.VariantCode = size % 2 == 1 ? "RV48E" : "RV48";
    return model;
}

void CheckEncode(Model& model)
{
    const Image before = model.MemoryImage;
    if (const Fault fault = EncodeImage(model)) {
        FUZZ_CHECK(fault.number == OverflowFault().number);
        FUZZ_CHECK(model.MemoryImage == before);
        return;
    }
    const Image once = model.MemoryImage;
    FUZZ_CHECK(!EncodeImage(model));
    FUZZ_CHECK(model.MemoryImage == once);
}

// Texts are left out: reading cuts and trims them, as it should.
CommonSettings NumbersAndFlags(CommonSettings settings)
{
    settings.UserMmsid.clear();
    settings.AtisNo.clear();
    return settings;
}

void CheckSaveAndRead(const Model& model, const Model& start)
{
    const IniLookup saved = Load(FormatDataFile(model, DataFileScope::DefaultOnly));
    Model again = start;
    ApplyDataFile(saved, again);
    FUZZ_CHECK(again.Special.values == model.Special.values);
    FUZZ_CHECK(NumbersAndFlags(again.Settings) == NumbersAndFlags(model.Settings));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const IniLookup file = Load(text);
    const Model start = StartingModel(file, size);
    Model model = start;
    ApplyDataFile(file, model);
    Model inPieces = start;
    ApplyDataFile(Load(Trickle(text)), inPieces);
    FUZZ_CHECK(SameRecords(inPieces, model));
    CheckEncode(model);
    FUZZ_CHECK(!BuildTextReport(model).empty());
    FUZZ_CHECK(!BuildPrintedReport(model).empty());
    CheckSaveAndRead(model, start);
    return 0;
}
