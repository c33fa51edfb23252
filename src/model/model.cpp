// SPDX-License-Identifier: GPL-3.0-or-later
#include "model.h"

#include "decoder.h"
#include "encoder.h"
#include "record_movers.h"
#include "translatable.h"

#include <algorithm>
#include <cctype>

namespace quorlink {

Model::Model() { BuildPlanTables(*this); }

std::string Model::ModelName() const { return ModelNumber == 1 ? "MR7100A" : "MR5100A"; }

std::uint16_t Model::ModelCode() const
{
    return ModelNumber == 1 ? kModelCode7100 : kModelCode5100;
}

ChannelList& Model::Channels(Region region)
{
    return const_cast<ChannelList&>(static_cast<const Model&>(*this).Channels(region));
}

const ChannelList& Model::Channels(Region region) const
{
    switch (region) {
    case Region::Usa: return UsaChannels;
    case Region::Int: return IntChannels;
    case Region::Can: break;
    }
    return CanChannels;
}

const PlanTable& Model::Plan(Region region) const
{
    switch (region) {
    case Region::Usa: return UsaPlan;
    case Region::Int: return IntPlan;
    case Region::Can: break;
    }
    return CanPlan;
}

Directory& Model::DirectoryOf(DirectoryKind kind)
{
    return kind == DirectoryKind::Individual ? IndividualDirectory : GroupDirectory;
}

const Directory& Model::DirectoryOf(DirectoryKind kind) const
{
    return kind == DirectoryKind::Individual ? IndividualDirectory : GroupDirectory;
}

namespace {

template <typename M>
auto FindMmsi(M& model, const MmsiPlace& place) -> decltype(&model.Settings.UserMmsid)
{
    if (!place.directory)
        return &model.Settings.UserMmsid;
    auto& directory = model.DirectoryOf(*place.directory);
    return place.number >= 1 && place.number <= directory.size() ? &directory.at(place.number).Mmsid : nullptr;
}

}  // namespace

const std::string* MmsiAt(const Model& model, const MmsiPlace& place) { return FindMmsi(model, place); }

std::string* MmsiAt(Model& model, const MmsiPlace& place) { return FindMmsi(model, place); }

void BuildPlanTables(Model& model)
{
    BuildUsaPlan(model.UsaPlan);
    BuildIntPlan(model.IntPlan);
    BuildCanPlan(model.CanPlan);
    BuildWxPlan(model.WxPlan);
    BuildExpPlan(model.ExpPlan);
}

namespace {

struct ByteRun {
    int start;
    std::initializer_list<std::uint8_t> bytes;
};

// The default image apart from the model code: everything else is 0xFF.
const ByteRun kDefaultRuns[] = {
    {2, {0, 0, 0, 0, 0, 0, 15, 15, 0, 7, 0, 0, 0x7C, 0x10, 0xFC, 60, 60}},
    {25, {0, 0, 0, 0}},
    {37, {0, 4, 0}},
    {80, {0xAF, 0xFF, 0xFF, 0xFA, 0xFF, 0xFF, 0xFD, 0x56}},   // USA: the plan's Available flags
    {88, {0xFF, 0xFF, 0xFF, 0xFF, 0xD7, 0xF9, 0xFF, 0xE0}},   // International
    {96, {0xFF, 0xFF, 0xF7, 0xFF, 0x7F, 0xF9, 0xFF, 0xF0}},   // Canada
    {104, {0xFF, 0xC0, 0, 0, 0, 0, 0}},                       // WX, then EXP all off
    {341, {0}},
    {480, {7, 10, 7, 7, 7, 10, 7, 7}},
};

void PutCode(Image& image, int address, std::uint16_t code)
{
    image.at(address) = static_cast<std::uint8_t>(code >> 8);
    image.at(address + 1) = static_cast<std::uint8_t>(code & 0xFF);
}

}  // namespace

void FillDefaultImage(Image& target, int modelNumber)
{
    target.fill(0xFF);
    for (const ByteRun& run : kDefaultRuns)
        std::copy(run.bytes.begin(), run.bytes.end(), target.begin() + run.start);
    const std::uint16_t code = modelNumber == 1 ? kModelCode7100 : kModelCode5100;
    PutCode(target, addr::ModelCodeHead, code);
    PutCode(target, addr::ModelCodeTail, code);
}

void MakeDefaultImage(Model& model, Image& target)
{
    FillDefaultImage(target, model.ModelNumber);
    DecodeSettings(model.MemoryImage, model.Settings);
    DecodeABChannels(model.MemoryImage, model.Special);
}

Fault NewModel(Model& model)
{
    ChannelsFromPlan(model.UsaChannels, model.UsaPlan, true);
    ChannelsFromPlan(model.IntChannels, model.IntPlan, true);
    ChannelsFromPlan(model.CanChannels, model.CanPlan, true);
    ChannelsFromPlan(model.WxChannels, model.WxPlan, false);
    ResetExpChannels(model.ExpChannels, model.ExpPlan);
    ClearDirectory(model.IndividualDirectory);
    ClearDirectory(model.GroupDirectory);
    MakeDefaultImage(model, model.MemoryImage);
    DecodeExpChannels(model.MemoryImage, model.ExpChannels);
    model.CurrentFilePath.clear();
    return EncodeImage(model);
}

int HeadCode(const Image& image) { return image[0] * 256 + image[1]; }
int TailCode(const Image& image) { return image[kImageSize - 2] * 256 + image[kImageSize - 1]; }

bool ModelCodeMatches(const Model& model, int head, int tail)
{
    return head == tail && head == model.ModelCode();
}

void ApplyReadFixups(Model& model, const Image& defaultImage)
{
    for (int address : addr::ReadResetSingles)
        model.MemoryImage.at(address) = defaultImage.at(address);
    for (int i = 0; i < addr::ReadResetRunLength; ++i)
        model.MemoryImage.at(addr::ReadResetRunStart + i) = defaultImage.at(addr::ReadResetRunStart + i);
}

bool IsDiagnosticCommandLine(const std::string& commandLine)
{
    const auto first = commandLine.find_first_not_of(' ');
    if (first == std::string::npos)
        return false;
    std::string trimmed = commandLine.substr(first, commandLine.find_last_not_of(' ') - first + 1);
    std::transform(trimmed.begin(), trimmed.end(), trimmed.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return trimmed == "/K";
}

std::string JoinCommandLine(int argc, const char* const* argv)
{
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += ' ';
        line += argv[i];
    }
    return line;
}

std::string ChannelNumberText(const Model& model, Region region, int value)
{
    if (value == SpecialChannels::kNone)
        return QT_TRANSLATE_NOOP("Records", "(None)");
    const PlanTable& plan = model.Plan(region);
    for (const ChannelRecord& record : model.Channels(region))
        if (record.Position == value + 1 && record.Position >= plan.first() && record.Position <= plan.last())
            return plan.at(record.Position).Label;
    return QT_TRANSLATE_NOOP("Records", "(None)");
}

}  // namespace quorlink
