// SPDX-License-Identifier: GPL-3.0-or-later
#include "chosen_changes.h"

#include "memory_map.h"

#include <algorithm>

namespace quorlink {

namespace {

constexpr const char* kUserMmsiPart = "user-mmsi";
// A directory entry is in use while it holds an MMSI: its Enable has no bits of its own.
constexpr const char* kHeldBy = "MMSI";

void Put(Image& into, const Image& from, const ImageBits& bits)
{
    std::uint8_t& byte = into[bits.address];
    byte = static_cast<std::uint8_t>((byte & ~bits.mask) | (from[bits.address] & bits.mask));
}

bool Contains(const std::vector<std::string>& parts, const std::string& part)
{
    return std::find(parts.begin(), parts.end(), part) != parts.end();
}

// The line whose bits hold a line without bits of its own; -1: none.
int HolderOf(const std::vector<Difference>& changes, std::size_t line)
{
    const Difference& change = changes[line];
    for (std::size_t i = 0; i < changes.size(); ++i)
        if (i != line && changes[i].key == change.key && changes[i].place == change.place &&
            changes[i].field == kHeldBy && !changes[i].bits.empty())
            return static_cast<int>(i);
    return -1;
}

}  // namespace

bool IsSendable(const Difference& change) { return !change.unwritten; }

std::string PartOf(const std::vector<Difference>& changes, std::size_t line)
{
    const Difference& change = changes[line];
    if (!change.bits.empty())
        return AreaAt(change.bits.front().address).part;
    const int holder = HolderOf(changes, line);
    return holder < 0 ? std::string() : PartOf(changes, static_cast<std::size_t>(holder));
}

std::vector<std::vector<std::size_t>> ChangeGroups(const std::vector<Difference>& changes)
{
    std::vector<std::vector<std::size_t>> groups;
    std::vector<int> groupOf(changes.size(), -1);
    const auto join = [&](std::size_t line, int group) {
        groupOf[line] = group;
        groups[static_cast<std::size_t>(group)].push_back(line);
    };
    int userMmsi = -1;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (!IsSendable(changes[i]) || groupOf[i] >= 0)
            continue;
        const bool mmsi = !changes[i].rawBytes && PartOf(changes, i) == kUserMmsiPart;
        if (mmsi && userMmsi >= 0) {
            join(i, userMmsi);
            continue;
        }
        groups.emplace_back();
        const int group = static_cast<int>(groups.size()) - 1;
        join(i, group);
        if (mmsi)
            userMmsi = group;
        // A line without bits and the field that holds it, both ways round.
        for (std::size_t j = i + 1; j < changes.size(); ++j) {
            if (groupOf[j] >= 0 || changes[j].key != changes[i].key || changes[j].place != changes[i].place)
                continue;
            const bool holds = changes[i].bits.empty() ? HolderOf(changes, i) == static_cast<int>(j)
                                                       : changes[j].bits.empty() && HolderOf(changes, j) == static_cast<int>(i);
            if (holds)
                join(j, group);
        }
    }
    for (auto& group : groups)
        std::sort(group.begin(), group.end());
    return groups;
}

Image WithTicked(const Image& radio, const Image& data, const std::vector<Difference>& changes,
                 const std::vector<bool>& ticked)
{
    Image sent = radio;
    for (std::size_t i = 0; i < changes.size() && i < ticked.size(); ++i)
        if (ticked[i] && IsSendable(changes[i]))
            for (const ImageBits& bits : changes[i].bits)
                Put(sent, data, bits);
    return sent;
}

Image WithParts(const Image& radio, const Image& data, const std::vector<Difference>& changes,
                const std::vector<std::string>& parts)
{
    Image sent = radio;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (!IsSendable(changes[i]))
            continue;
        const bool whole = !changes[i].rawBytes && Contains(parts, PartOf(changes, i));
        for (const ImageBits& bits : changes[i].bits)
            if (whole || (changes[i].rawBytes && Contains(parts, AreaAt(bits.address).part)))
                Put(sent, data, bits);
    }
    return sent;
}

}  // namespace quorlink
