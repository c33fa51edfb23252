// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatters.h"

#include "model.h"

#include <cmath>
#include <cstdio>

namespace quorlink {

namespace {

std::string Pick(int value, std::initializer_list<std::pair<int, const char*>> choices, const char* otherwise)
{
    for (const auto& [key, text] : choices)
        if (value == key)
            return text;
    return otherwise;
}

}  // namespace

std::string FormatFrequency(double mhz)
{
    if (!(mhz > 0))
        return "---.---";
    char text[64];
    std::snprintf(text, sizeof text, "%07.3f", mhz);
    return text;
}

std::string DimmerText(int dimmer) { return Pick(dimmer, {{1, "LO"}, {2, "MID"}, {3, "HI"}}, "OFF"); }

std::string ScramblerText(int scrambler)
{
    return Pick(scrambler, {{1, "00"}, {2, "01"}, {3, "02"}, {4, "03"}}, "OFF");
}

std::string ScanTypeText(int scanType) { return Pick(scanType, {{0, "Memory"}, {1, "Priority"}}, ""); }

std::string RingerText(int ind)
{
    return Pick(ind, {{1, "10 times"}, {2, "15 times"}, {3, "3 min"}}, "5 times");
}

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
    for (int hours = -12; hours <= 12; ++hours) {
        const char* sign = hours < 0 ? "-" : hours == 0 ? " " : "+";
        list.push_back(sign + std::to_string(std::abs(hours)) + ":00");
    }
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
