// SPDX-License-Identifier: GPL-3.0-or-later
// Every record a user can edit. The model holds them as its base, so a new
// kind of record is one member here, and comparing and copying follow.
#pragma once

#include "image_layout.h"
#include "plan.h"
#include "records.h"

namespace quorlink {

struct EditableRecords {
    ChannelList UsaChannels, IntChannels, CanChannels, WxChannels;
    OneBased<ChannelRecord> ExpChannels{kExpCount};
    CommonSettings Settings;
    SpecialChannels Special;
    Directory IndividualDirectory{kIndividualCount};
    Directory GroupDirectory{kGroupCount};

    bool operator==(const EditableRecords& other) const;
    bool operator!=(const EditableRecords& other) const { return !(*this == other); }
};

}  // namespace quorlink
