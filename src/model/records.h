// SPDX-License-Identifier: GPL-3.0-or-later
// Settings, A/B choices and directory entries of the model.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorlink {

struct CommonSettings {
    std::int16_t Contrast = 0;  // 0..7
    std::int16_t Dimmer = 0;    // 0..3
    std::int16_t Scrambler = 0; // 0..255
    bool KeyBeep = false;
    bool TrueMag = false;
    bool AtisOnOffUSA = false;
    bool AtisOnOffInternational = false;
    bool AtisOnOffCanada = false;
    std::string AtisNo;
    std::int16_t ScanType = 0;  // 0 or 1
    std::int16_t Ind = 0;       // 0..3
    bool IndReply = false;
    bool IndACK = false;
    bool POSRR = false;
    bool DscScan = false;
    bool WxAlert = false;
    std::int16_t OffsetTime = 12;  // k means k-12 hours
    std::string UserMmsid;

    bool operator==(const CommonSettings& other) const;
};

enum class Region { Usa = 0, Int = 1, Can = 2 };
constexpr Region kRegions[] = {Region::Usa, Region::Int, Region::Can};

// The priority, A and B channel of each region. A and B hold 0-based slot
// numbers, 255 meaning none; the priority values live only in the data file.
struct SpecialChannels {
    static constexpr int kCount = 9;
    static constexpr std::uint8_t kNone = 255;
    // Data-file keys, in the order of the values.
    static constexpr const char* kKeys[kCount] = {"USA-PCH", "INT-PCH", "CAN-PCH",
                                                  "USA-ACH", "INT-ACH", "CAN-ACH",
                                                  "USA-BCH", "INT-BCH", "CAN-BCH"};
    std::array<std::int16_t, kCount> values{};

    std::int16_t& Pch(Region r) { return values[static_cast<int>(r)]; }
    std::int16_t& Ach(Region r) { return values[3 + static_cast<int>(r)]; }
    std::int16_t& Bch(Region r) { return values[6 + static_cast<int>(r)]; }
    std::int16_t Pch(Region r) const { return values[static_cast<int>(r)]; }
    std::int16_t Ach(Region r) const { return values[3 + static_cast<int>(r)]; }
    std::int16_t Bch(Region r) const { return values[6 + static_cast<int>(r)]; }
};

struct DirectoryEntry {
    bool Enable = false;
    std::string TagName;  // at most 10 name characters
    std::string Mmsid;    // digits

    bool operator==(const DirectoryEntry& other) const
    {
        return Enable == other.Enable && TagName == other.TagName && Mmsid == other.Mmsid;
    }
};

// A fixed array indexed from 1, as the EXP channels and the directories are.
// Access outside 1..size() is a programming error and throws std::out_of_range.
template <class T>
class OneBased {
public:
    explicit OneBased(int count) : items_(static_cast<std::size_t>(count)) {}
    T& at(int i) { return items_.at(Index(i)); }
    const T& at(int i) const { return items_.at(Index(i)); }
    int size() const { return static_cast<int>(items_.size()); }
    std::vector<T>& items() { return items_; }
    const std::vector<T>& items() const { return items_; }
    bool operator==(const OneBased& other) const { return items_ == other.items_; }

private:
    std::size_t Index(int i) const
    {
        if (i < 1)
            throw std::out_of_range("index below 1");
        return static_cast<std::size_t>(i - 1);
    }
    std::vector<T> items_;
};

using Directory = OneBased<DirectoryEntry>;
enum class DirectoryKind { Individual, Group };

}  // namespace quorlink
