// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_set.h"

#include <tuple>

namespace quorlink {

RecordSet RecordSet::Of(const Model& model)
{
    return {model.UsaChannels, model.IntChannels, model.CanChannels, model.WxChannels, model.ExpChannels,
            model.Settings,    model.Special,     model.IndividualDirectory,  model.GroupDirectory};
}

void RecordSet::PutInto(Model& model) const
{
    model.UsaChannels = usa;
    model.IntChannels = international;
    model.CanChannels = canada;
    model.WxChannels = wx;
    model.ExpChannels = exp;
    model.Settings = settings;
    model.Special = special;
    model.IndividualDirectory = individual;
    model.GroupDirectory = group;
}

bool RecordSet::operator==(const RecordSet& o) const
{
    return std::tie(usa, international, canada, wx, exp, settings, special.values, individual, group) ==
           std::tie(o.usa, o.international, o.canada, o.wx, o.exp, o.settings, o.special.values, o.individual,
                    o.group);
}

}  // namespace quorlink
