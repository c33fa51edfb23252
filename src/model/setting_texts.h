// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the settings page's lists and where a stored value stands
// among them. The page, the reports and the comparison all read a setting
// through these, so that a value always reads the same.
#pragma once

#include "translatable.h"

#include <string>

namespace quorlink {

struct SettingChoices {
    const char* const* texts;  // top to bottom
    int count;
    int (*toPosition)(int value);
    int (*toValue)(int position);

    // The list text of a stored value; null when no item stands for it.
    const char* TextOf(int value) const;
};

// Dimmer and ringer lists run from the highest level (3) down to off (0).
int LevelToPosition(int level);
int PositionToLevel(int position);
// Scrambler codes 0..3 are stored as 1..4; anything else is off.
int ScramblerToPosition(int value);
int SamePosition(int value);

inline constexpr const char* kDimmerTexts[] = {"HI", "MID", "LO", "OFF"};
// The radio's own display words (HI, OFF) and numbers stay as it shows them.
inline constexpr const char* kScanTypeTexts[] = {QT_TRANSLATE_NOOP("Records", "Memory"),
                                                 QT_TRANSLATE_NOOP("Records", "Priority")};
inline constexpr const char* kScramblerTexts[] = {"OFF", "0", "1", "2", "3"};
inline constexpr const char* kRingerTexts[] = {
    QT_TRANSLATE_NOOP("Records", "3 min"), QT_TRANSLATE_NOOP("Records", "15 times"),
    QT_TRANSLATE_NOOP("Records", "10 times"), QT_TRANSLATE_NOOP("Records", "5 times")};

inline constexpr SettingChoices kDimmerChoices{kDimmerTexts, 4, LevelToPosition, PositionToLevel};
inline constexpr SettingChoices kScanTypeChoices{kScanTypeTexts, 2, SamePosition, SamePosition};
inline constexpr SettingChoices kScramblerChoices{kScramblerTexts, 5, ScramblerToPosition, ScramblerToPosition};
inline constexpr SettingChoices kRingerChoices{kRingerTexts, 4, LevelToPosition, PositionToLevel};

// The Offset Time list holds stored values 0..24, each k-12 hours.
constexpr int kOffsetTimeCount = 25;
// "-12:00" ... "-1:00", " 0:00", "+1:00" ... "+12:00"; empty outside the list.
std::string OffsetTimeText(int offsetTime);

}  // namespace quorlink
