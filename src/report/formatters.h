// SPDX-License-Identifier: GPL-3.0-or-later
// Display texts of stored values, shared by the grids, the settings page and
// both reports so that a value always reads the same.
#pragma once

#include "model.h"  // ChannelNumberText
#include "records.h"

#include <string>
#include <vector>

namespace quorlink {

struct Model;

std::string FormatFrequency(double mhz);  // "156.800"; "---.---" when not above 0
std::string DimmerText(int dimmer);
std::string ScramblerText(int scrambler);
std::string ScanTypeText(int scanType);
std::string RingerText(int ind);
std::string YesNoText(bool flag);
std::string EnableText(bool enable);
std::string TxText(bool txEnable);
std::string LowPowerText(bool lowPower);
std::string PowerUpText(bool powUp);
std::string DuplexText(bool duplex);
std::string ScanText(bool scanMemory);
std::string VsText(bool vsMemory);


// "-12:00" ... "-1:00", " 0:00", "+1:00" ... "+12:00".
std::vector<std::string> BuildOffsetTimeList();

// Text padded with blanks or cut to exactly width characters.
std::string PadText(const std::string& text, int width);
// Label padded to width - 1, then ": ".
std::string LabelField(const std::string& label, int width);

}  // namespace quorlink
