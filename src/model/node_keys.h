// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the tree's nodes, spelt once: the window selects a node by its
// key, a page reads from the key which record it shows, and a difference of
// two data sets names the node to jump to. A child of a list node is keyed
// by the list's key, a blank and its number ("PU 3", "E 40", "SM 1").
#pragma once

#include "records.h"

#include <string>

namespace quorlink {

// The nodes that stand for a page or a list of records.
enum class NodeKey { Programmable, Usa, International, Canada, Wx, Exp, Setting, IndividualDirectory, GroupDirectory };

inline constexpr const char* kNodeKeyTexts[] = {"P", "PU", "PI", "PC", "PW", "E", "S", "SM", "SG"};

constexpr const char* KeyText(NodeKey node) { return kNodeKeyTexts[static_cast<int>(node)]; }

// The channel list node of a region, in the order of Region.
constexpr NodeKey RegionList(Region region)
{
    return static_cast<NodeKey>(static_cast<int>(NodeKey::Usa) + static_cast<int>(region));
}

constexpr NodeKey DirectoryList(DirectoryKind kind)
{
    return kind == DirectoryKind::Individual ? NodeKey::IndividualDirectory : NodeKey::GroupDirectory;
}

// The key of the child numbered number of the list node parent.
inline std::string ChildKeyText(NodeKey parent, int number)
{
    return std::string(KeyText(parent)) + ' ' + std::to_string(number);
}

}  // namespace quorlink
