// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between image bytes and model values: names, packed decimal
// digits, the time offset code and the channel flag byte. Every routine that
// takes an address works on the image given; an address outside it throws
// std::out_of_range.
#pragma once

#include "channel_record.h"
#include "image_layout.h"

#include <cstdint>
#include <string>

namespace quorlink {

// Name character set: digits, letters, and - + ( ) . * / and blank.
bool IsNameChar(char c);
// Character code of a one-character text in the name set, else 255.
std::uint8_t EncodeNameChar(const std::string& ch);
// The character for a code in the name set, else an empty text.
std::string DecodeNameChar(std::uint8_t code);

void EncodeName(Image& image, int address, const std::string& text, int length);
// Ends at the first byte outside the name set; trailing blanks removed.
std::string DecodeName(const Image& image, int address, int length);

// Five bytes, two digits each, first digit in the high nibble. With
// forceLastNibble the tenth nibble is written 0 (MMSI fields).
void EncodeDigits(Image& image, int address, const std::string& text, bool forceLastNibble);
// Digits up to the first nibble above 9.
std::string DecodeDigits(const Image& image, int address);

// OffsetTime index 0..24 (12 = no offset) <-> 5-bit code: bit 4 sign, bits 3-0 hours.
std::uint8_t EncodeOffset(int offsetTime);
int DecodeOffset(std::uint8_t byte);

// Bit numbers of the channel flag byte.
constexpr int kTxEnableBit = 7;
constexpr int kDuplexBit = 6;
constexpr int kPowUpBit = 5;
constexpr int kHighPowerBit = 4;  // set when LowPower is false
constexpr int kVsMemoryBit = 3;
constexpr int kDispayABit = 0;
// In an EXP entry bits 2-0 of the flag byte are bits 10-8 of the frequency index.
constexpr std::uint8_t kExpIndexHighBits = 0x07;

std::uint8_t EncodeChannelFlags(const ChannelRecord& record);
// Sets TxEnable, Duplex, PowUp, LowPower, VsMemory and DispayA.
void DecodeChannelFlags(ChannelRecord& record, std::uint8_t flags);

}  // namespace quorlink
