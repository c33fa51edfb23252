// SPDX-License-Identifier: GPL-3.0-or-later
// A known set of edits touching every kind of record, for golden-file tests.
#pragma once

#include "model.h"

namespace quorlink::test {

inline void ApplySampleEdits(Model& model)
{
    CommonSettings& s = model.Settings;
    s.Contrast = 6;
    s.Dimmer = 1;
    s.Scrambler = 3;
    s.KeyBeep = false;
    s.TrueMag = true;
    s.ScanType = 1;
    s.Ind = 2;
    s.IndACK = false;
    s.OffsetTime = 3;          // -9 hours
    s.UserMmsid = "3669876540";
    model.Special.Pch(Region::Usa) = 15;
    model.Special.Ach(Region::Usa) = 15;  // USA "16"
    model.Special.Bch(Region::Usa) = 8;   // USA "09"
    model.Special.Ach(Region::Int) = 5;
    model.UsaChannels.at(0).ChTag = "  HARBOUR";  // leading blanks survive the file
    model.UsaChannels.at(1).Enable = false;
    model.UsaChannels.at(2).LowPower = true;
    model.UsaChannels.at(2).PowUp = true;
    model.UsaChannels.at(2).ScanMemory = true;
    model.UsaChannels.at(2).VsMemory = true;
    model.IntChannels.at(54).ChTag = "LAST INT";
    model.CanChannels.at(3).Duplex = true;
    model.WxChannels.at(9).Enable = false;
    model.WxChannels.at(9).ScanMemory = true;
    model.WxChannels.at(9).ChTag = "NOAA 10";
    ChannelRecord& exp = model.ExpChannels.at(1);
    exp.Position = 261;
    exp.Enable = true;
    exp.ChTag = "EXP ONE";
    model.ExpChannels.at(40).Position = 16;
    model.IndividualDirectory.at(1) = {true, "SEA DOG", "3661234560"};
    model.IndividualDirectory.at(2) = {true, "TUG(2)", "2350000010"};
    model.GroupDirectory.at(1) = {true, "FLEET", "0366123450"};
}

}  // namespace quorlink::test
