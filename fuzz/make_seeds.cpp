// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the generated seeds of the fuzz targets:
//   quorlink-fuzz-seeds <folder>    (the checked-in ones live in tests/data/fuzz)
// <folder>/data_file: data files as the editor saves them;
// <folder>/hex_file: images of both models, good and spoiled;
// <folder>/clone_protocol: scripts of whole runs (format in scripted_port.h),
// with replies that pass and replies that must be refused.
// Hand-written data files with hostile values sit beside the generated ones.
#include "data_file.h"
#include "encoder.h"
#include "fuzz_support.h"
#include "scripted_port.h"
#include "support/sample_model.h"

#include <QDir>
#include <QFile>
#include <cstdio>

using namespace quorlink;
using namespace quorlink::fuzz;

namespace {

bool Store(const QString& folder, const char* name, const QByteArray& bytes)
{
    QDir().mkpath(folder);
    QFile file(QDir(folder).filePath(QLatin1String(name)));
    const bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    if (!ok)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
    return ok;
}

QByteArray Bytes(const Image& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), kImageSize);
}

Model EditedModel(int modelNumber)
{
    Model model = FreshModel(modelNumber);
    test::ApplySampleEdits(model);
    FUZZ_CHECK(!EncodeImage(model));
    return model;
}

// The data file target reads the ATIS keys when its input has an odd length.
QByteArray OddLength(QByteArray text)
{
    return text.size() % 2 == 1 ? text : text + " ";
}

bool WriteDataFiles(const QString& folder)
{
    Model atis = EditedModel(1);
    atis.VariantCode = "RV48E";
    atis.Settings.AtisNo = "123";
    return Store(folder, "edited_mr5100a.dat", FormatDataFile(EditedModel(2), DataFileScope::Whole)) &&
           Store(folder, "atis_mr7100a.dat", OddLength(FormatDataFile(atis, DataFileScope::Whole))) &&
           Store(folder, "default_mr5100a.def", FormatDataFile(FreshModel(2), DataFileScope::DefaultOnly));
}

bool WriteHexFiles(const QString& folder)
{
    Image pattern = FreshModel(2).MemoryImage;
    for (int a = 2; a < kImageSize - 2; ++a)
        pattern[a] = static_cast<std::uint8_t>(a * 7 + a / 256);
    Image tailDiffers = FreshModel(1).MemoryImage;
    tailDiffers[kImageSize - 1] ^= 1;
    return Store(folder, "fresh_mr7100a.hex", Bytes(FreshModel(1).MemoryImage)) &&
           Store(folder, "fresh_mr5100a.hex", Bytes(FreshModel(2).MemoryImage)) &&
           Store(folder, "edited_mr7100a.hex", Bytes(EditedModel(1).MemoryImage)) &&
           Store(folder, "pattern_mr5100a.hex", Bytes(pattern)) &&
           Store(folder, "tail_differs.hex", Bytes(tailDiffers)) &&
           Store(folder, "short.hex", Bytes(FreshModel(1).MemoryImage).left(100));
}

// A script, entry by entry.
class Script {
public:
    explicit Script(ScriptOptions options) { bytes_ += char(options.ToByte()); }

    Script& Reply(const QByteArray& bytes)
    {
        bytes_ += char(bytes.size());
        bytes_ += bytes;
        return *this;
    }
    // The first at bytes now, the rest after the program looked delay times more.
    Script& SplitReply(const QByteArray& bytes, int at, int delay)
    {
        bytes_ += char(kSplitReply + bytes.size());
        bytes_ += char(at);
        bytes_ += char(delay);
        bytes_ += bytes;
        return *this;
    }
    Script& Pull()
    {
        bytes_ += char(kPullCable);
        return *this;
    }
    QByteArray bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

QByteArray Hex(int byte) { return QByteArray::number(byte, 16).rightJustified(2, '0').toUpper(); }

// SOH, body, its checksum, CR.
QByteArray Frame(const QByteArray& body)
{
    int sum = 0;
    for (const char c : body)
        sum += static_cast<std::uint8_t>(c);
    return char(0x01) + body + Hex(255 - sum % 256) + char(0x0D);
}

// A reply as a radio sends it: command and data as upper-case hex.
QByteArray Frame(int command, const std::uint8_t* data, int count)
{
    QByteArray body = Hex(command);
    for (int i = 0; i < count; ++i)
        body += Hex(data[i]);
    return Frame(body);
}

void ModelCheck(Script& script, const Image& image)
{
    for (int address : {0, 1, kImageSize - 2, kImageSize - 1})
        script.Reply(Frame(0x12, &image[address], 1));
}

void Blocks(Script& script, const Image& image, int from, int to)
{
    for (int address = from; address < to; address += 16)
        script.Reply(Frame(0x14, &image[address], 16));
}

// Replies a careful radio would never send; each is refused and retried.
void SpoiledBlock(Script& script, const Image& image, int address)
{
    const QByteArray good = Frame(0x14, &image[address], 16);
    QByteArray lowerCheck = good;
    lowerCheck.replace(good.size() - 3, 2, good.mid(good.size() - 3, 2).toLower());
    switch (address / 16 % 4) {
    case 0: script.Reply(lowerCheck); break;
    case 1: script.Reply(Frame(0x12, &image[address], 1)); break;
    case 2: script.Reply(good.left(20)); break;
    default: script.Reply(good + "\xFF"); break;
    }
    script.Reply(QByteArray("\xFF\x00noise", 7) + good);  // noise before SOH is dropped
}

QByteArray ReadScript(const ScriptOptions& options, bool spoiled)
{
    const Image image = EditedModel(options.modelNumber).MemoryImage;
    Script script(options);
    ModelCheck(script, image);
    if (!spoiled) {
        Blocks(script, image, 0, kImageSize);
        return script.bytes();
    }
    for (int address = 0; address < 128; address += 16)
        SpoiledBlock(script, image, address);
    const QByteArray notHex = "14" + QByteArray(30, '0') + "G0";  // the checksum is right
    script.Reply(Frame(notHex)).Reply(Frame(0x14, &image[128], 16));
    Blocks(script, image, 144, 4096);
    return script.Pull().bytes();
}

// Replies that come in two parts, and stray bytes after whole frames: the
// program takes each frame as soon as it is complete.
QByteArray SplitScript()
{
    const Image image = EditedModel(1).MemoryImage;
    Script script({1, RunChoice::Read, false});
    ModelCheck(script, image);
    for (int address = 0; address < kImageSize; address += 16) {
        const QByteArray frame = Frame(0x14, &image[address], 16);
        const int n = address / 16;
        if (n % 2 == 0)
            script.SplitReply(frame, n % frame.size(), n % 3);
        else
            script.SplitReply(frame + "\x06\x15", frame.size(), 4 + n % 3);
    }
    return script.bytes();
}

QByteArray WriteScript(int modelNumber, RunChoice run)
{
    const Image image = EditedModel(modelNumber).MemoryImage;
    Script script({modelNumber, run, false});
    ModelCheck(script, image);
    if (run == RunChoice::ReadThenWrite) {
        Blocks(script, image, 0, kImageSize);
        ModelCheck(script, image);
    }
    const int writes = run == RunChoice::Clear ? 1 : 506 + 11;
    for (int i = 0; i < writes; ++i)
        script.Reply(i % 50 == 1 ? QByteArray("\x15\x06", 2) : QByteArray(1, 0x06));
    return script.bytes();
}

bool WriteScripts(const QString& folder)
{
    Image mismatch = EditedModel(1).MemoryImage;
    mismatch[kImageSize - 1] += 1;
    Script wrongModel({1, RunChoice::Read, false});
    ModelCheck(wrongModel, mismatch);
    const Image image = EditedModel(2).MemoryImage;
    Script goneBeforeRead({2, RunChoice::Read, true});  // pulled once the check closed the port
    ModelCheck(goneBeforeRead, image);
    Script goneDuringClear({2, RunChoice::Clear, false});
    ModelCheck(goneDuringClear, image);
    goneDuringClear.Pull();
    const ScriptOptions cancelled{2, RunChoice::Read, false, 8 * 6 * 6};
    return Store(folder, "read_mr7100a", ReadScript({1, RunChoice::Read, false}, false)) &&
           Store(folder, "read_mr5100a_pulled_at_end", ReadScript({2, RunChoice::Read, true}, false)) &&
           Store(folder, "read_mr5100a_cancelled", ReadScript(cancelled, false)) &&
           Store(folder, "read_spoiled_replies", ReadScript({1, RunChoice::Read, false}, true)) &&
           Store(folder, "read_split_replies", SplitScript()) &&
           Store(folder, "model_codes_differ", wrongModel.bytes()) &&
           Store(folder, "pulled_after_model_check", goneBeforeRead.bytes()) &&
           Store(folder, "clear_pulled", goneDuringClear.bytes()) &&
           Store(folder, "write_mr5100a", WriteScript(2, RunChoice::Write)) &&
           Store(folder, "clear_mr7100a", WriteScript(1, RunChoice::Clear)) &&
           Store(folder, "read_then_write_mr7100a", WriteScript(1, RunChoice::ReadThenWrite));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorlink-fuzz-seeds <folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const bool ok = WriteDataFiles(root.filePath(QStringLiteral("data_file"))) &&
                    WriteHexFiles(root.filePath(QStringLiteral("hex_file"))) &&
                    WriteScripts(root.filePath(QStringLiteral("clone_protocol")));
    return ok ? 0 : 1;
}
