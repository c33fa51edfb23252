// SPDX-License-Identifier: GPL-3.0-or-later
// Which record a node key names: "PU 3" is USA record 3, "E 7" EXP record 7.
#pragma once

#include "records.h"

#include <QString>
#include <optional>

namespace quorlink {

struct ChannelKey {
    std::optional<Region> region;  // empty for EXP
    int number = -1;               // list index for a region, 1..40 for EXP
};

std::optional<ChannelKey> ParseChannelKey(const QString& key);

}  // namespace quorlink
