// SPDX-License-Identifier: GPL-3.0-or-later
// Properties over many random images and models:
//  - decoding then encoding changes exactly the documented normalisations;
//  - encoding twice gives the same image;
//  - a model built from valid edits survives encode -> decode -> encode;
//  - a comparison lists exactly what a write changes;
//  - a write of some of the listed changes changes exactly those.
// The expected image is worked out here byte by byte from the memory map, not
// with the program's own codecs.
#include "chosen_changes.h"
#include "comparison.h"
#include "decoder.h"
#include "encoder.h"
#include "image_compare.h"
#include "model.h"
#include "written_areas.h"

#include <QtTest>
#include <random>

using namespace quorlink;
using quorlink::test::Differences;

namespace {

constexpr int kRounds = 400;

bool InNameSet(std::uint8_t b)
{
    static const std::string set =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-+().*/ ";
    return b != 0 && set.find(static_cast<char>(b)) != std::string::npos;
}

void NormaliseName(Image& out, int address, int length)
{
    int kept = 0;
    while (kept < length && InNameSet(out[address + kept]))
        ++kept;
    while (kept > 0 && out[address + kept - 1] == ' ')
        --kept;
    for (int i = kept; i < length; ++i)
        out[address + i] = 0xFF;
}

void EmptyName(Image& out, int address, int length)
{
    for (int i = 0; i < length; ++i)
        out[address + i] = 0xFF;
}

// Returns whether any digit was kept.
bool NormaliseDigits(Image& out, int address, bool mmsi)
{
    int nibbles[10];
    int count = 0;
    for (int i = 0; i < 10; ++i) {
        const int n = i % 2 == 0 ? out[address + i / 2] >> 4 : out[address + i / 2] & 0xF;
        if (n > 9)
            break;
        nibbles[count++] = n;
    }
    if (count == 0) {
        EmptyName(out, address, 5);
        return false;
    }
    for (int i = count; i < 10; ++i)
        nibbles[i] = 0xF;
    if (mmsi)
        nibbles[9] = 0;
    for (int k = 0; k < 5; ++k)
        out[address + k] = static_cast<std::uint8_t>(nibbles[2 * k] * 16 + nibbles[2 * k + 1]);
    return true;
}

std::uint8_t NormaliseOffset(std::uint8_t byte)
{
    const int v = byte & 0x1F;
    int code = 0x10;
    if (v != 0 && v != 0x1F) {
        const int hours = std::min(v & 0xF, 12);
        code = (v & 0x10) || hours == 0 ? 0x10 + hours : hours;
    }
    return static_cast<std::uint8_t>((byte & 0x40) | code);
}

bool Bit(const Image& image, int start, int n) { return (image[start + n / 8] >> (7 - n % 8)) & 1; }
void ClearBit(Image& image, int start, int n) { image[start + n / 8] &= ~(0x80 >> (n % 8)); }

Image ExpectedAfterDecodeEncode(const Image& in, const Model& fresh)
{
    Image out = in;
    out[15] = NormaliseOffset(in[15]);
    NormaliseDigits(out, 336, true);
    NormaliseDigits(out, 342, false);

    const struct { const PlanTable* plan; int enable, scan, names, flags; } regions[] = {
        {&fresh.UsaPlan, 80, 112, 512, 144},
        {&fresh.IntPlan, 88, 120, 1536, 208},
        {&fresh.CanPlan, 96, 128, 2560, 272},
    };
    for (const auto& r : regions) {
        for (int slot = 0; slot < 64; ++slot) {
            const PlanEntry& entry = r.plan->at(slot + 1);
            if (entry.Available) {
                NormaliseName(out, r.names + 16 * slot, 12);
                const bool aSuffix = entry.Label.back() == 'A';
                out[r.flags + slot] = static_cast<std::uint8_t>((in[r.flags + slot] & 0xF8) | (aSuffix ? 1 : 0));
            } else {
                ClearBit(out, r.enable, slot);
                ClearBit(out, r.scan, slot);
                EmptyName(out, r.names + 16 * slot, 12);
                out[r.flags + slot] = 0x10;
            }
        }
    }

    out[105] &= 0xC0;
    out[137] &= 0xC0;
    for (int i = 0; i < 10; ++i)
        NormaliseName(out, 3584 + 16 * i, 12);

    for (int i = 0; i < 40; ++i) {
        NormaliseName(out, 3744 + 16 * i, 12);
        std::uint8_t& first = out[352 + 2 * i];
        std::uint8_t& second = out[353 + 2 * i];
        const int index = (first & 3) * 256 + second;
        if (Bit(in, 106, i) && index <= 281) {
            first = static_cast<std::uint8_t>((first & 0xF8) | (index >> 8));
        } else {
            first &= 0xF8;  // disabled, or beyond the plan: the fresh Position 0
            second = 0;
        }
    }

    for (const auto& [start, count] : {std::pair{4384, 40}, std::pair{5120, 10}}) {
        bool packed = true;
        for (int i = 0; i < count; ++i) {
            const int entry = start + 16 * i;
            if (packed)
                packed = NormaliseDigits(out, entry, true);
            if (packed) {
                NormaliseName(out, entry + 5, 10);
            } else {
                EmptyName(out, entry, 5);
                EmptyName(out, entry + 5, 10);
            }
        }
    }
    return out;
}

// Random bytes with names and digits now and then well formed, so that both
// the clean and the ragged paths are taken.
Image RandomImage(std::mt19937& rng, int modelNumber)
{
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> coin(0, 3);
    Image image{};
    for (auto& b : image)
        b = static_cast<std::uint8_t>(byte(rng));
    const char* letters = "ABC XYZ09/";
    for (int address = 512; address < 5280; address += 16) {
        if (coin(rng) == 0)
            for (int i = 0; i < 12; ++i)
                image[address + i] = static_cast<std::uint8_t>(letters[byte(rng) % 10]);
    }
    for (int address : {336, 342, 4384, 4400, 4416, 5120, 5136})
        if (coin(rng) != 0)
            for (int i = 0; i < 5; ++i)
                image[address + i] = static_cast<std::uint8_t>((byte(rng) % 10) * 16 + byte(rng) % 10);
    const std::uint8_t hi = modelNumber == 1 ? 0x1B : 0x13;
    const std::uint8_t lo = modelNumber == 1 ? 0xBC : 0xEC;
    image[0] = image[8190] = hi;
    image[1] = image[8191] = lo;
    return image;
}

std::string RandomText(std::mt19937& rng, const std::string& alphabet, int maxLength)
{
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text;
    for (int i = length(rng); i > 0; --i)
        text += alphabet[pick(rng)];
    return text.erase(text.find_last_not_of(' ') + 1);
}

std::string RandomDigits(std::mt19937& rng, int count)
{
    std::string digits;
    for (int i = 0; i < count; ++i)
        digits += static_cast<char>('0' + rng() % 10);
    return digits;
}

void RandomEdits(std::mt19937& rng, Model& model)
{
    const std::string names = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcxyz0123456789-+().*/ ";
    auto flag = [&] { return rng() % 2 == 0; };
    auto editFlags = [&](ChannelRecord& r) {
        r.Enable = flag(); r.LowPower = flag(); r.PowUp = flag(); r.Duplex = flag();
        r.TxEnable = flag(); r.ScanMemory = flag(); r.VsMemory = flag();
        r.ChTag = RandomText(rng, names, 12);
    };
    for (Region region : kRegions)
        for (ChannelRecord& r : model.Channels(region))
            editFlags(r);
    for (ChannelRecord& r : model.WxChannels) {
        r.Enable = flag(); r.ScanMemory = flag(); r.ChTag = RandomText(rng, names, 12);
    }
    for (ChannelRecord& r : model.ExpChannels.items()) {
        editFlags(r);
        r.Position = static_cast<std::int16_t>(rng() % 282);
    }
    CommonSettings& s = model.Settings;
    s.Contrast = rng() % 8; s.Dimmer = rng() % 4; s.Scrambler = rng() % 256;
    s.KeyBeep = flag(); s.TrueMag = flag(); s.ScanType = rng() % 2; s.Ind = rng() % 4;
    s.IndReply = flag(); s.IndACK = flag(); s.POSRR = flag(); s.DscScan = flag(); s.WxAlert = flag();
    s.AtisOnOffUSA = flag(); s.AtisOnOffInternational = flag(); s.AtisOnOffCanada = flag();
    s.OffsetTime = rng() % 25;
    s.UserMmsid = flag() ? RandomDigits(rng, 9) + "0" : "";
    s.AtisNo = RandomDigits(rng, rng() % 11);
    for (auto& v : model.Special.values)
        v = rng() % 256;
    for (DirectoryKind kind : {DirectoryKind::Individual, DirectoryKind::Group}) {
        Directory& d = model.DirectoryOf(kind);
        const int used = rng() % (d.size() + 1);
        for (int i = 1; i <= d.size(); ++i) {
            if (i > used) {
                d.at(i) = DirectoryEntry{};
                continue;
            }
            const std::string mmsi = kind == DirectoryKind::Group ? "0" + RandomDigits(rng, 8) + "0"
                                                                  : RandomDigits(rng, 9) + "0";
            d.at(i) = DirectoryEntry{true, RandomText(rng, names, 10), mmsi};
        }
    }
}

// What a write of sent leaves in a radio that held radio: the write plan's
// bytes of sent, the radio's own elsewhere.
Image AfterWrite(const Image& radio, const Image& sent)
{
    Image after = radio;
    for (int block = 0; block < kImageSize; block += kBlockSize) {
        const BlockPlan plan = WritePlanOf(block);
        for (int a = plan.firstByte; plan.how != BlockWrite::Never && a <= plan.lastByte; ++a)
            after[a] = sent[a];
    }
    return after;
}

// A radio's memory as a read gives it to a comparison: the bytes as sent, the records decoded.
Model RadioHolding(const Image& image, int modelNumber)
{
    Model radio;
    radio.ModelNumber = modelNumber;
    NewModel(radio);
    radio.MemoryImage = image;
    DecodeImage(radio);
    radio.MemoryImage = image;
    return radio;
}

// One edit of one field, by the caption the comparison gives it.
struct FieldEdit {
    const char* field;
    void (*edit)(std::mt19937&, Model&);
};
const FieldEdit kFieldEdits[] = {
    {"Contrast", [](std::mt19937& r, Model& m) { m.Settings.Contrast = r() % 8; }},
    {"Dimmer", [](std::mt19937& r, Model& m) { m.Settings.Dimmer = r() % 4; }},
    {"Offset Time", [](std::mt19937& r, Model& m) { m.Settings.OffsetTime = r() % 25; }},
    {"Key Beep", [](std::mt19937&, Model& m) { m.Settings.KeyBeep = !m.Settings.KeyBeep; }},
    {"WX Alert", [](std::mt19937&, Model& m) { m.Settings.WxAlert = !m.Settings.WxAlert; }},
    {"Scan Type", [](std::mt19937&, Model& m) { m.Settings.ScanType = 1 - m.Settings.ScanType; }},
    {"Voice Scrambler", [](std::mt19937& r, Model& m) { m.Settings.Scrambler = r() % 256; }},
    {"True MAG", [](std::mt19937&, Model& m) { m.Settings.TrueMag = !m.Settings.TrueMag; }},
    {"Individual Reply", [](std::mt19937&, Model& m) { m.Settings.IndReply = !m.Settings.IndReply; }},
    {"Individual ACK", [](std::mt19937&, Model& m) { m.Settings.IndACK = !m.Settings.IndACK; }},
    {"Individual Ringer", [](std::mt19937& r, Model& m) { m.Settings.Ind = r() % 4; }},
    {"POS Request Reply", [](std::mt19937&, Model& m) { m.Settings.POSRR = !m.Settings.POSRR; }},
    {"DSC Scan", [](std::mt19937&, Model& m) { m.Settings.DscScan = !m.Settings.DscScan; }},
    {"User MMSI", [](std::mt19937& r, Model& m) { m.Settings.UserMmsid = RandomDigits(r, 9) + "0"; }},
    {"Count", [](std::mt19937& r, Model& m) { m.MemoryImage[addr::UserMmsiCount] = r() % 256; }},
    {"USA A-Ch", [](std::mt19937& r, Model& m) { m.Special.Ach(Region::Usa) = r() % 256; }},
    {"Tx Enable", [](std::mt19937& r, Model& m) { m.IntChannels.at(r() % 20).TxEnable ^= true; }},
    {"Only Low Power", [](std::mt19937& r, Model& m) { m.CanChannels.at(r() % 20).LowPower ^= true; }},
    {"Power Up", [](std::mt19937& r, Model& m) { m.UsaChannels.at(r() % 20).PowUp ^= true; }},
    {"Duplex", [](std::mt19937& r, Model& m) { m.UsaChannels.at(r() % 20).Duplex ^= true; }},
    {"VS Memory", [](std::mt19937& r, Model& m) { m.ExpChannels.at(1 + r() % 40).VsMemory ^= true; }},
    {"Scan Memory", [](std::mt19937& r, Model& m) { m.ExpChannels.at(1 + r() % 40).ScanMemory ^= true; }},
    {"Enable", [](std::mt19937& r, Model& m) { m.IntChannels.at(r() % 20).Enable ^= true; }},
    {"Scan", [](std::mt19937& r, Model& m) { m.WxChannels.at(r() % 10).ScanMemory ^= true; }},
    {"Position", [](std::mt19937& r, Model& m) { m.ExpChannels.at(1 + r() % 40).Position = r() % 282; }},
    {"name", [](std::mt19937& r, Model& m) { m.CanChannels.at(r() % 20).ChTag = RandomText(r, "ABC XYZ", 12); }},
};

}  // namespace

class TestRoundTripProperty : public QObject {
    Q_OBJECT

private slots:
    void decodeThenEncodeChangesOnlyWhatIsDocumented()
    {
        std::mt19937 rng(20261207);
        for (int round = 0; round < kRounds; ++round) {
            Model model;
            model.ModelNumber = round % 2;
            QVERIFY(!NewModel(model));
            const Image input = RandomImage(rng, model.ModelNumber);
            model.MemoryImage = input;
            DecodeImage(model);
            QVERIFY(!EncodeImage(model));
            const QString diff = Differences(model.MemoryImage, ExpectedAfterDecodeEncode(input, model));
            QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("round %1: %2").arg(round).arg(diff)));

            const Image once = model.MemoryImage;
            QVERIFY(!EncodeImage(model));
            QVERIFY2(Differences(model.MemoryImage, once).isEmpty(), "second encode changed the image");
        }
    }

    void editedModelSurvivesTheImage()
    {
        std::mt19937 rng(7100);
        for (int round = 0; round < kRounds; ++round) {
            Model model;
            model.ModelNumber = round % 2;
            QVERIFY(!NewModel(model));
            RandomEdits(rng, model);
            const Model edited = model;
            QVERIFY(!EncodeImage(model));
            const Image first = model.MemoryImage;
            DecodeImage(model);
            QVERIFY(!EncodeImage(model));
            const QString diff = Differences(model.MemoryImage, first);
            QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("round %1: %2").arg(round).arg(diff)));

            QVERIFY(model.Settings == edited.Settings);
            QVERIFY(model.Special.values == edited.Special.values);
            QVERIFY(model.UsaChannels == edited.UsaChannels);
            QVERIFY(model.IntChannels == edited.IntChannels);
            QVERIFY(model.CanChannels == edited.CanChannels);
            QVERIFY(model.WxChannels == edited.WxChannels);
            QVERIFY(model.IndividualDirectory == edited.IndividualDirectory);
            QVERIFY(model.GroupDirectory == edited.GroupDirectory);
            for (int i = 1; i <= 40; ++i) {
                ChannelRecord expected = edited.ExpChannels.at(i);
                // The entry has no room for the A bit: bit 0 of the flag byte is
                // bit 8 of the frequency index, and reads back as DispayA.
                expected.DispayA = expected.Enable && (expected.Position & 0x100) != 0;
                QCOMPARE(model.ExpChannels.at(i), expected);
            }
        }
    }

    // Over random radios and data sets or images: every bit the write changes
    // lies in a listed difference, every listed field has a bit it changes,
    // and a range of raw bytes is bytes it changes in bits no field holds.
    // Between two images the differing bytes a write skips are listed apart.
    void comparisonListsWhatTheWriteChanges()
    {
        std::mt19937 rng(2026);
        for (int round = 0; round < kRounds; ++round) {
            const int modelNumber = round % 2;
            const Image held = RandomImage(rng, modelNumber);
            const Model radio = RadioHolding(held, modelNumber);
            const bool image = round % 3 != 0;
            Model newer = image && round % 9 == 1 ? radio : RadioHolding(RandomImage(rng, modelNumber), modelNumber);
            if (!image && round % 2 == 0)
                RandomEdits(rng, newer);
            for (int i = image ? 0 : 4; i < 4; ++i)  // an image like the radio's but for a few bytes
                newer.MemoryImage[rng() % kImageSize] ^= static_cast<std::uint8_t>(1 << rng() % 8);
            Model sent = newer;
            QVERIFY(image || !EncodeImage(sent));
            const Image after = AfterWrite(held, sent.MemoryImage);
            const std::vector<Difference> list =
                CompareModels({radio, SideKind::Image}, {newer, image ? SideKind::Image : SideKind::Data});

            Image fieldBits{}, rawBits{}, skipped{};
            for (const Difference& d : list) {
                bool changes = d.bits.empty() || d.unwritten;
                for (const ImageBits& b : d.bits) {
                    const std::uint8_t changed = held[b.address] ^ after[b.address];
                    changes = changes || (changed & b.mask) != 0;
                    if (d.unwritten)
                        QVERIFY(!IsWrittenAddress(b.address) &&
                                (held[b.address] ^ sent.MemoryImage[b.address]) == b.mask);
                    else if (d.rawBytes)
                        QVERIFY(b.mask != 0 && (changed & b.mask) == b.mask);
                    (d.unwritten ? skipped : d.rawBytes ? rawBits : fieldBits)[b.address] |= b.mask;
                }
                if (!changes)
                    QFAIL(qPrintable(QStringLiteral("round %1 lists %2").arg(round).arg(d.Text().c_str())));
            }
            for (int a = 0; a < kImageSize; ++a) {
                const std::uint8_t unlisted = (held[a] ^ after[a]) & ~(fieldBits[a] | rawBits[a]);
                if (unlisted != 0 || (fieldBits[a] & rawBits[a]) != 0)
                    QFAIL(qPrintable(QStringLiteral("round %1, byte 0x%2").arg(round).arg(a, 4, 16, QLatin1Char('0'))));
                if (image && !IsWrittenAddress(a))
                    QCOMPARE(skipped[a], std::uint8_t(held[a] ^ sent.MemoryImage[a]));
            }
        }
    }

    // Over random radios, data sets and ticked groups of the change list: the
    // image sent is the radio's but for exactly the ticked lines' bits, which
    // hold the data's, and a comparison after the write lists exactly the
    // lines left unticked.
    void tickedChangesAreExactlyWhatIsSent()
    {
        std::mt19937 rng(3333);
        for (int round = 0; round < kRounds; ++round) {
            const int modelNumber = round % 2;
            const Image held = RandomImage(rng, modelNumber);
            const Model radio = RadioHolding(held, modelNumber);
            Model data = RadioHolding(RandomImage(rng, modelNumber), modelNumber);
            if (round % 2 == 0)
                RandomEdits(rng, data);
            Model encoded = data;
            QVERIFY(!EncodeImage(encoded));
            const std::vector<Difference> list = CompareModels({radio, SideKind::Image}, {data, SideKind::Data});
            std::vector<bool> ticked(list.size(), false);
            const auto groups = ChangeGroups(list);
            const int share = static_cast<int>(rng() % 5);  // none ticked, all ticked and between
            for (const auto& group : groups)
                for (std::size_t line : group)
                    ticked[line] = share == 4 || (share > 0 && static_cast<int>(rng() % 4) < share) ;
            for (const auto& group : groups)
                for (std::size_t line : group)
                    ticked[line] = ticked[group.front()];
            const Image sent = WithTicked(held, encoded.MemoryImage, list, ticked);

            Image tickedBits{};
            QStringList unticked;
            for (std::size_t i = 0; i < list.size(); ++i) {
                if (!ticked[i])
                    unticked << QString::fromStdString(list[i].Text());
                for (const ImageBits& b : list[i].bits)
                    tickedBits[b.address] |= ticked[i] ? b.mask : 0;
            }
            for (int a = 0; a < kImageSize; ++a)
                if (((sent[a] ^ held[a]) & ~tickedBits[a]) != 0 || ((sent[a] ^ encoded.MemoryImage[a]) & tickedBits[a]) != 0)
                    QFAIL(qPrintable(QStringLiteral("round %1, byte 0x%2").arg(round).arg(a, 4, 16, QLatin1Char('0'))));

            const Model written = RadioHolding(AfterWrite(held, sent), modelNumber);
            QStringList after;
            for (const Difference& d : CompareModels({written, SideKind::Image}, {data, SideKind::Data}))
                after << QString::fromStdString(d.Text());
            QCOMPARE(after, unticked);
        }
    }

    // One field changed in data is listed as that field alone, when the
    // write changes anything: the comparison knows each field's bits.
    void oneFieldIsListedAlone()
    {
        std::mt19937 rng(5100);
        for (int round = 0; round < kRounds; ++round) {
            const Model older = RadioHolding(RandomImage(rng, round % 2), round % 2);
            Model newer = older;
            const FieldEdit& edit = kFieldEdits[round % std::size(kFieldEdits)];
            edit.edit(rng, newer);
            Model a = older, b = newer;
            QVERIFY(!EncodeImage(a) && !EncodeImage(b));
            const std::vector<Difference> list = CompareModels(older, newer);
            QVERIFY2(list.size() == (a.MemoryImage == b.MemoryImage ? 0u : 1u) &&
                         (list.empty() || list[0].field.find(edit.field) != std::string::npos),
                     qPrintable(QStringLiteral("%1: %2 lines, first %3").arg(edit.field).arg(list.size())
                                    .arg(list.empty() ? QString() : QString::fromStdString(list[0].Text()))));
        }
    }
};

QTEST_APPLESS_MAIN(TestRoundTripProperty)
#include "tst_round_trip_property.moc"
