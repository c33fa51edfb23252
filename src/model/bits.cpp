// SPDX-License-Identifier: GPL-3.0-or-later
#include "bits.h"

namespace quorlink {

namespace {
bool IsBitNumber(int bit) { return bit >= 0 && bit <= 7; }
}  // namespace

int GetBit(std::uint8_t byte, int bit)
{
    return IsBitNumber(bit) ? (byte >> bit) & 1 : 0;
}

void SetBit(std::uint8_t& byte, int value, int bit)
{
    if (!IsBitNumber(bit))
        return;
    const auto mask = static_cast<std::uint8_t>(1u << bit);
    byte = value == 1 ? byte | mask : byte & ~mask;
}

int GetBitField(std::uint8_t byte, int width, int top)
{
    int value = 0;
    for (int bit = top; bit > top - width; --bit)
        value = value * 2 + GetBit(byte, bit);
    return value;
}

bool SetBitField(std::uint8_t& byte, int width, int top, int value)
{
    if (value < 0 || value > 255)
        return false;
    for (int i = 0; i < width; ++i)
        SetBit(byte, (value >> i) & 1, top - width + 1 + i);
    return true;
}

bool TestBit(std::uint8_t byte, int k)
{
    return k >= 1 && k <= 8 && GetBit(byte, k - 1) == 1;
}

int BitWeight(bool flag, int k)
{
    return flag && k >= 1 && k <= 8 ? 1 << (k - 1) : 0;
}

std::string BitString(std::uint8_t byte, int n)
{
    std::string text;
    for (int bit = n - 1; bit >= 0; --bit)
        text += GetBit(byte, bit) ? '1' : '0';
    return text;
}

}  // namespace quorlink
