// SPDX-License-Identifier: GPL-3.0-or-later
#include "editable_records.h"

#include <tuple>

namespace quorlink {

namespace {

auto Tied(const EditableRecords& r)
{
    return std::tie(r.UsaChannels, r.IntChannels, r.CanChannels, r.WxChannels, r.ExpChannels, r.Settings,
                    r.Special.values, r.IndividualDirectory, r.GroupDirectory);
}

}  // namespace

bool EditableRecords::operator==(const EditableRecords& other) const { return Tied(*this) == Tied(other); }

}  // namespace quorlink
