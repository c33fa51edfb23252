// SPDX-License-Identifier: GPL-3.0-or-later
// The one object that holds the radio being edited: its memory image, the
// fixed plans, the records decoded from the image and the program-wide values.
// main() creates it and hands it to whoever needs it.
#pragma once

#include "fault.h"
#include "image_layout.h"
#include "plan.h"
#include "editable_records.h"
#include "records.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quorlink {

// The editable records are its base (EditableRecords), under their own names.
struct Model : EditableRecords {
    Model();  // builds the plan tables; call NewModel for the records

    Image MemoryImage{};

    PlanTable UsaPlan{1, kSlotCount};
    PlanTable IntPlan{1, kSlotCount};
    PlanTable CanPlan{1, kSlotCount};
    PlanTable WxPlan{1, kWxCount};
    PlanTable ExpPlan{0, kExpLastIndex};

    int ModelNumber = 0;  // 1: MR7100A, anything else: MR5100A
    bool DiagnosticMode = false;
    std::string VariantCode = "RV48";
    std::string CurrentFilePath;  // as the file system spells it (UTF-8), not Latin-1
    std::int16_t PortNumber = 1;  // COM1..COM4

    std::string ModelName() const;
    std::uint16_t ModelCode() const;

    ChannelList& Channels(Region region);
    const ChannelList& Channels(Region region) const;
    const PlanTable& Plan(Region region) const;
    Directory& DirectoryOf(DirectoryKind kind);
    const Directory& DirectoryOf(DirectoryKind kind) const;
};

// Where an MMSI box keeps its number: the user's own (no directory), or the
// entry number of a directory.
struct MmsiPlace {
    std::optional<DirectoryKind> directory;
    int number = 0;
};
// The MMSI at place, or null when the directory has no entry of that number.
const std::string* MmsiAt(const Model& model, const MmsiPlace& place);
std::string* MmsiAt(Model& model, const MmsiPlace& place);

// Builds the five plans in the order USA, International, Canada, WX, EXP.
void BuildPlanTables(Model& model);

// Fresh records, the default image, and the image encoded from them.
Fault NewModel(Model& model);

// The default image of a model number, on its own.
void FillDefaultImage(Image& target, int modelNumber);
// Fills target with the default image of the current model, then decodes the
// settings and A/B channels from the model's MemoryImage.
void MakeDefaultImage(Model& model, Image& target);

bool ModelCodeMatches(const Model& model, int head, int tail);
// The model codes at both ends of an image.
int HeadCode(const Image& image);
int TailCode(const Image& image);

// Puts back the bytes the radio keeps for itself, taken from a default image.
void ApplyReadFixups(Model& model, const Image& defaultImage);

// The plan label of the region's channel in slot value, or "(None)": how an
// A or B channel is shown.
std::string ChannelNumberText(const Model& model, Region region, int value);

inline int UserMmsiCount(const Model& model) { return model.MemoryImage[addr::UserMmsiCount]; }

// The service-mode switch: the whole command line, trimmed, is "/K" in any case.
bool IsDiagnosticCommandLine(const std::string& commandLine);
std::string JoinCommandLine(int argc, const char* const* argv);

}  // namespace quorlink
