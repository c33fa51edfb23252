// SPDX-License-Identifier: GPL-3.0-or-later
// The radio's 8192-byte memory and where the decoder and encoder find each
// field. memory_map.cpp lists every area with what a write does with it and
// what the pages call it; bytes it does not list belong to the radio and are
// carried unchanged.
#pragma once

#include <array>
#include <cstdint>

namespace quorlink {

constexpr int kImageSize = 8192;
using Image = std::array<std::uint8_t, kImageSize>;
// The radio reads and writes its memory in blocks of this many bytes.
constexpr int kBlockSize = 16;

namespace addr {
constexpr int ModelCodeHead = 0;
constexpr int ModelCodeTail = 8190;
// What the link reads to prove the line in step: the first byte, which every
// radio of both models answers and no write changes the meaning of.
constexpr int Marker = ModelCodeHead;
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
constexpr int kPlanBitmapBytes = kSlotCount / 8;
constexpr int kWxBitmapBytes = 2;
constexpr int kExpBitmapBytes = 5;
constexpr int kWxCount = 10;
constexpr int kExpCount = 40;
constexpr int kExpLastIndex = 281;
constexpr int kIndividualCount = 40;
constexpr int kGroupCount = 10;

constexpr std::uint16_t kModelCode7100 = 7100;  // 0x1B 0xBC
constexpr std::uint16_t kModelCode5100 = 5100;  // 0x13 0xEC

}  // namespace quorlink
