// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_keys.h"

#include "navigation_tree.h"

namespace quorlink {

std::optional<ChannelKey> ParseChannelKey(const QString& key)
{
    const int number = ChildNumber(key);
    if (number < 0)
        return std::nullopt;
    for (Region region : kRegions)
        if (IsChildKey(key, RegionList(region)))
            return ChannelKey{region, number};
    if (IsChildKey(key, NodeKey::Exp))
        return ChannelKey{std::nullopt, number};
    return std::nullopt;
}

}  // namespace quorlink
