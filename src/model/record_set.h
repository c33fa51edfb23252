// SPDX-License-Identifier: GPL-3.0-or-later
// Every record a user can edit, taken out of the model as one value: what an
// undo step keeps from before and after a change.
#pragma once

#include "model.h"

namespace quorlink {

struct RecordSet {
    ChannelList usa, international, canada, wx;
    OneBased<ChannelRecord> exp{kExpCount};
    CommonSettings settings;
    SpecialChannels special;
    Directory individual{kIndividualCount};
    Directory group{kGroupCount};

    static RecordSet Of(const Model& model);
    // Puts every record back; the image and the program-wide values stay.
    void PutInto(Model& model) const;

    bool operator==(const RecordSet& other) const;
    bool operator!=(const RecordSet& other) const { return !(*this == other); }
};

}  // namespace quorlink
