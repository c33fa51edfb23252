// SPDX-License-Identifier: GPL-3.0-or-later
// The records as they were when last opened, saved, read or made fresh, so
// that the window can tell whether edits would be lost.
#pragma once

#include "model.h"

namespace quorlink {

struct RecordsSnapshot {
    ChannelList usa, international, canada, wx;
    OneBased<ChannelRecord> exp{kExpCount};
    CommonSettings settings;
    SpecialChannels special;
    Directory individual{kIndividualCount};
    Directory group{kGroupCount};

    static RecordsSnapshot Of(const Model& model)
    {
        return {model.UsaChannels, model.IntChannels,         model.CanChannels,
                model.WxChannels,  model.ExpChannels,         model.Settings,
                model.Special,     model.IndividualDirectory, model.GroupDirectory};
    }

    bool operator==(const RecordsSnapshot& o) const
    {
        return usa == o.usa && international == o.international && canada == o.canada && wx == o.wx &&
               exp == o.exp && settings == o.settings && special.values == o.special.values &&
               individual == o.individual && group == o.group;
    }
    bool operator!=(const RecordsSnapshot& o) const { return !(*this == o); }
};

}  // namespace quorlink
