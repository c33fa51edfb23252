// SPDX-License-Identifier: GPL-3.0-or-later
// Bit routines over single bytes. Bit 0 is the least significant.
#pragma once

#include <cstdint>
#include <string>

namespace quorlink {

int GetBit(std::uint8_t byte, int bit);
// Sets the bit when value is exactly 1, clears it for any other value.
void SetBit(std::uint8_t& byte, int value, int bit);
// The number formed by bits top-width+1 .. top, bit top most significant.
int GetBitField(std::uint8_t byte, int width, int top);
// Writes the low width bits of value into bits top-width+1 .. top. A value
// outside 0..255 does not fit a byte: the byte is left alone and false returned.
bool SetBitField(std::uint8_t& byte, int width, int top, int value);
bool TestBit(std::uint8_t byte, int k);
int BitWeight(bool flag, int k);
std::string BitString(std::uint8_t byte, int n);
inline int BoolToBit(bool flag) { return flag ? 1 : 0; }

}  // namespace quorlink
