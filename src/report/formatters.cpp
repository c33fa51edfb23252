// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatters.h"

#include "model.h"
#include "setting_texts.h"

#include <cstdio>

namespace quorlink {

std::string FormatFrequency(double mhz)
{
    if (!(mhz > 0))
        return "---.---";
    char text[64];
    std::snprintf(text, sizeof text, "%07.3f", mhz);
    return text;
}

std::string DimmerText(int dimmer) { return kDimmerChoices.TextOf(dimmer); }

// The reports give a scrambler code two digits.
std::string ScramblerText(int scrambler)
{
    const int position = kScramblerChoices.toPosition(scrambler);
    return (position == 0 ? "" : "0") + std::string(kScramblerTexts[position]);
}

std::string ScanTypeText(int scanType)
{
    const char* text = kScanTypeChoices.TextOf(scanType);
    return text ? text : "";
}

std::string RingerText(int ind) { return kRingerChoices.TextOf(ind); }

std::string YesNoText(bool flag) { return flag ? "Yes" : "No"; }
std::string EnableText(bool enable) { return enable ? "ENABLE" : "------"; }
std::string TxText(bool txEnable) { return txEnable ? "TX" : "--"; }
std::string LowPowerText(bool lowPower) { return lowPower ? "LOW" : "---"; }
std::string PowerUpText(bool powUp) { return powUp ? "UP" : "--"; }
std::string DuplexText(bool duplex) { return duplex ? "DUP" : "---"; }
std::string ScanText(bool scanMemory) { return scanMemory ? "SCAN" : "----"; }
std::string VsText(bool vsMemory) { return vsMemory ? "VS" : "--"; }

std::vector<std::string> BuildOffsetTimeList()
{
    std::vector<std::string> list;
    for (int offsetTime = 0; offsetTime < kOffsetTimeCount; ++offsetTime)
        list.push_back(OffsetTimeText(offsetTime));
    return list;
}

std::string PadText(const std::string& text, int width)
{
    if (width <= 0)
        return {};
    std::string padded = text.substr(0, static_cast<std::size_t>(width));
    padded.resize(static_cast<std::size_t>(width), ' ');
    return padded;
}

std::string LabelField(const std::string& label, int width) { return PadText(label, width - 1) + ": "; }

}  // namespace quorlink
