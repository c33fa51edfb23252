// SPDX-License-Identifier: GPL-3.0-or-later
#include "setting_texts.h"

#include <cstdlib>

namespace quorlink {

const char* SettingChoices::TextOf(int value) const
{
    const int position = toPosition(value);
    return position >= 0 && position < count ? texts[position] : nullptr;
}

int LevelToPosition(int level) { return level == 1 ? 2 : level == 2 ? 1 : level == 3 ? 0 : 3; }
int PositionToLevel(int position) { return position == 0 ? 3 : position == 1 ? 2 : position == 2 ? 1 : 0; }
int ScramblerToPosition(int value) { return value >= 1 && value <= 4 ? value : 0; }
int SamePosition(int value) { return value; }

std::string OffsetTimeText(int offsetTime)
{
    if (offsetTime < 0 || offsetTime >= kOffsetTimeCount)
        return {};
    const int hours = offsetTime - kOffsetTimeCount / 2;
    const char* sign = hours < 0 ? "-" : hours == 0 ? " " : "+";
    return sign + std::to_string(std::abs(hours)) + ":00";
}

}  // namespace quorlink
