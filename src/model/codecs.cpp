// SPDX-License-Identifier: GPL-3.0-or-later
#include "codecs.h"

#include "bits.h"

namespace quorlink {

namespace {

constexpr std::uint8_t kNotAName = 255;
constexpr int kDigitCount = 2 * kDigitFieldBytes;

std::string TrimBlanks(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

int DigitNibble(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : 0xF;
}

constexpr int kOffsetSignBit = 0x10;
constexpr int kNoOffset = 12;
constexpr int kMaxOffsetIndex = 24;

}  // namespace

bool IsNameChar(char c)
{
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return true;
    switch (c) {
    case '-': case '+': case '(': case ')': case '.': case '*': case '/': case ' ':
        return true;
    default:
        return false;
    }
}

std::uint8_t EncodeNameChar(const std::string& ch)
{
    if (ch.empty() || !IsNameChar(ch[0]))
        return kNotAName;
    return static_cast<std::uint8_t>(ch[0]);
}

std::string DecodeNameChar(std::uint8_t code)
{
    const char c = static_cast<char>(code);
    return code < 128 && IsNameChar(c) ? std::string(1, c) : std::string();
}

void EncodeName(Image& image, int address, const std::string& text, int length)
{
    for (int i = 0; i < length; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        image.at(address + i) = at < text.size() ? EncodeNameChar(text.substr(at, 1)) : kNotAName;
    }
}

std::string DecodeName(const Image& image, int address, int length)
{
    std::string name;
    for (int i = 0; i < length; ++i) {
        const std::string c = DecodeNameChar(image.at(address + i));
        if (c.empty())
            break;
        name += c;
    }
    return name.erase(name.find_last_not_of(' ') + 1);
}

void EncodeDigits(Image& image, int address, const std::string& text, bool forceLastNibble)
{
    if (TrimBlanks(text).empty()) {
        for (int k = 0; k < kDigitFieldBytes; ++k)
            image.at(address + k) = 0xFF;
        return;
    }
    const std::string padded = text + std::string(kDigitCount, ' ');
    for (int k = 0; k < kDigitFieldBytes; ++k) {
        const int high = DigitNibble(padded[2 * k]);
        int low = DigitNibble(padded[2 * k + 1]);
        if (forceLastNibble && k == kDigitFieldBytes - 1)
            low = 0;
        image.at(address + k) = static_cast<std::uint8_t>(high * 16 + low);
    }
}

std::string DecodeDigits(const Image& image, int address)
{
    std::string digits;
    for (int k = 0; k < kDigitFieldBytes; ++k) {
        const std::uint8_t byte = image.at(address + k);
        for (int nibble : {byte >> 4, byte & 0xF}) {
            if (nibble > 9)
                return digits;
            digits += static_cast<char>('0' + nibble);
        }
    }
    return digits;
}

std::uint8_t EncodeOffset(int offsetTime)
{
    const int k = offsetTime < 0 ? 0 : offsetTime > kMaxOffsetIndex ? kMaxOffsetIndex : offsetTime;
    if (k < kNoOffset)
        return static_cast<std::uint8_t>(kNoOffset - k);
    return static_cast<std::uint8_t>(kOffsetSignBit + (k - kNoOffset));
}

int DecodeOffset(std::uint8_t byte)
{
    const int v = byte & 0x1F;
    if (v == 0x1F || v == 0)
        return kNoOffset;
    int hours = v & 0xF;
    if (hours > kNoOffset)
        hours = kNoOffset;
    return (v & kOffsetSignBit) ? kNoOffset + hours : kNoOffset - hours;
}

std::uint8_t EncodeChannelFlags(const ChannelRecord& record)
{
    std::uint8_t flags = 0;
    SetBit(flags, BoolToBit(record.TxEnable), kTxEnableBit);
    SetBit(flags, BoolToBit(record.Duplex), kDuplexBit);
    SetBit(flags, BoolToBit(record.PowUp), kPowUpBit);
    SetBit(flags, BoolToBit(!record.LowPower), kHighPowerBit);
    SetBit(flags, BoolToBit(record.VsMemory), kVsMemoryBit);
    SetBit(flags, BoolToBit(record.DispayA), kDispayABit);
    return flags;
}

void DecodeChannelFlags(ChannelRecord& record, std::uint8_t flags)
{
    record.TxEnable = GetBit(flags, kTxEnableBit) == 1;
    record.Duplex = GetBit(flags, kDuplexBit) == 1;
    record.PowUp = GetBit(flags, kPowUpBit) == 1;
    record.LowPower = GetBit(flags, kHighPowerBit) == 0;
    record.VsMemory = GetBit(flags, kVsMemoryBit) == 1;
    record.DispayA = GetBit(flags, kDispayABit) == 1;
}

}  // namespace quorlink
