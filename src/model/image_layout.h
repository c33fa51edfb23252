// SPDX-License-Identifier: GPL-3.0-or-later
// Where everything lives in the radio's 8192-byte memory.
//
//      0-1    model code (MSB first)          336-340  user MMSI, packed digits
//      2-12   not ours (12 reset after read)  341      user MMSI count
//      13     ATIS flags                      342-346  ATIS number, packed digits
//      14     scan type|WX alert|dim|beep|con 352-431  EXP entries: flags, index low
//      15     true mag|offset code            480-487  not ours (reset after read)
//      16     DSC flags|Ind                   512-1535   USA name slots   (64 x 16)
//      19-24  A/B slots USA, INT, CAN         1536-2559  INT name slots   (64 x 16)
//      37     scrambler                       2560-3583  CAN name slots   (64 x 16)
//      80-103 Enable bitmaps USA/INT/CAN      3584-3743  WX name slots    (10 x 16)
//      104-5  WX Enable    106-110 EXP Enable 3744-4383  EXP name slots   (40 x 16)
//      112-135 Scan bitmaps USA/INT/CAN       4384-5023  individual directory (40 x 16)
//      136-7  WX Scan      138-142 EXP Scan   5120-5279  group directory (10 x 16)
//      144-335 flag bytes USA/INT/CAN (64 each)  8190-8191 model code again
//
// Every other byte belongs to the radio: it is carried unchanged.
#pragma once

#include <array>
#include <cstdint>

namespace quorlink {

constexpr int kImageSize = 8192;
using Image = std::array<std::uint8_t, kImageSize>;

namespace addr {
constexpr int ModelCodeHead = 0;
constexpr int ModelCodeTail = 8190;
constexpr int AtisFlags = 13;
constexpr int DisplayAndScan = 14;
constexpr int TrueMagAndOffset = 15;
constexpr int DscFlags = 16;
constexpr int Scrambler = 37;
constexpr int WxEnable = 104;
constexpr int ExpEnable = 106;
constexpr int WxScan = 136;
constexpr int ExpScan = 138;
constexpr int UserMmsid = 336;
constexpr int UserMmsiCount = 341;
constexpr int AtisNo = 342;
constexpr int ExpEntries = 352;
constexpr int WxNames = 3584;
constexpr int ExpNames = 3744;
constexpr int IndividualDirectory = 4384;
constexpr int GroupDirectory = 5120;
// Bytes the radio keeps for itself that a read must put back to their defaults.
constexpr int ReadResetSingles[] = {12, 39};
constexpr int ReadResetRunStart = 480;
constexpr int ReadResetRunLength = 8;
}  // namespace addr

constexpr int kSlotBytes = 16;        // one name slot or directory entry
constexpr int kChannelNameLength = 12;
constexpr int kDirectoryNameLength = 10;
constexpr int kDigitFieldBytes = 5;
constexpr int kSlotCount = 64;        // memory slots per programmable plan
constexpr int kWxCount = 10;
constexpr int kExpCount = 40;
constexpr int kExpLastIndex = 281;
constexpr int kIndividualCount = 40;
constexpr int kGroupCount = 10;

constexpr std::uint16_t kModelCode7100 = 7100;  // 0x1B 0xBC
constexpr std::uint16_t kModelCode5100 = 5100;  // 0x13 0xEC

}  // namespace quorlink
