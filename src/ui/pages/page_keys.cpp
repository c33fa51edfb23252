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
        if (key.startsWith(RegionKey(region) + QLatin1Char(' ')))
            return ChannelKey{region, number};
    if (key.startsWith(QStringLiteral("E ")))
        return ChannelKey{std::nullopt, number};
    return std::nullopt;
}

}  // namespace quorlink
