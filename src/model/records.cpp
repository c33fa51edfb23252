// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_record.h"
#include "records.h"

#include <tuple>

namespace quorlink {

bool ChannelRecord::operator==(const ChannelRecord& o) const
{
    return std::tie(Position, Enable, LowPower, PowUp, Duplex, DuplexSelectable, TxEnable, DispayA,
                    ScanMemory, VsMemory, ChTag) ==
           std::tie(o.Position, o.Enable, o.LowPower, o.PowUp, o.Duplex, o.DuplexSelectable,
                    o.TxEnable, o.DispayA, o.ScanMemory, o.VsMemory, o.ChTag);
}

bool CommonSettings::operator==(const CommonSettings& o) const
{
    return std::tie(Contrast, Dimmer, Scrambler, KeyBeep, TrueMag, AtisOnOffUSA,
                    AtisOnOffInternational, AtisOnOffCanada, AtisNo, ScanType, Ind, IndReply,
                    IndACK, POSRR, DscScan, WxAlert, OffsetTime, UserMmsid) ==
           std::tie(o.Contrast, o.Dimmer, o.Scrambler, o.KeyBeep, o.TrueMag, o.AtisOnOffUSA,
                    o.AtisOnOffInternational, o.AtisOnOffCanada, o.AtisNo, o.ScanType, o.Ind,
                    o.IndReply, o.IndACK, o.POSRR, o.DscScan, o.WxAlert, o.OffsetTime, o.UserMmsid);
}

}  // namespace quorlink
