// SPDX-License-Identifier: GPL-3.0-or-later
#include "reply_oracle.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace quorlink::fuzz {

namespace {

constexpr char kSoh = 0x01;
constexpr char kCr = 0x0D;

// -1 unless text is all hex digits (either case).
int Hex(const QByteArray& text)
{
    static const std::string kDigits = "0123456789abcdef";
    if (text.isEmpty())
        return -1;
    int value = 0;
    for (const char c : text) {
        const auto digit = kDigits.find(c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c);
        if (digit == std::string::npos)
            return -1;
        value = value * 16 + static_cast<int>(digit);
    }
    return value;
}

QByteArray UpperHex(int byte)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", byte & 0xFF);
    return QByteArray(text, 2);
}

bool Skipped(int address)
{
    const auto& singles = addr::ReadResetSingles;
    return std::find(std::begin(singles), std::end(singles), address) != std::end(singles) ||
           (address >= addr::ReadResetRunStart && address < addr::ReadResetRunStart + addr::ReadResetRunLength);
}

}  // namespace

ReplyOracle::ReplyOracle(const std::vector<ScriptedExchange>& exchanges)
{
    for (const ScriptedExchange& exchange : exchanges) {
        // Our own requests: SOH, command, address, ...
        const int command = Hex(exchange.request.mid(1, 2));
        const int address = Hex(exchange.request.mid(3, 4));
        // One-byte reads after the model check (the port's first opening)
        // are markers, whose replies a run only counts.
        if (command != 0x12 || exchange.opening == 1)
            replies_[{command, address}] = exchange.received;
    }
}

std::optional<std::vector<std::uint8_t>> ReplyOracle::Data(int command, int address) const
{
    const auto found = replies_.find({command, address});
    if (found == replies_.end())
        return std::nullopt;
    // Everything up to the first SOH is noise; after it come command, data,
    // checksum and CR. Whatever followed them was left on the line.
    const QByteArray& received = found->second;
    const qsizetype soh = received.indexOf(kSoh);
    const int count = command == 0x14 ? 16 : 1;
    const qsizetype length = 2 + 2 * count + 2 + 1;
    const QByteArray frame = soh < 0 ? QByteArray() : received.mid(soh + 1, length);
    if (frame.size() != length || frame.back() != kCr)
        return std::nullopt;
    const QByteArray covered = frame.left(2 + 2 * count);
    int sum = 0;
    for (const char c : covered)
        sum += static_cast<std::uint8_t>(c);
    if (frame.mid(covered.size(), 2) != UpperHex(255 - sum % 256) || Hex(frame.left(2)) != command)
        return std::nullopt;
    std::vector<std::uint8_t> data;
    for (int i = 0; i < count; ++i) {
        const int value = Hex(frame.mid(2 + 2 * i, 2));
        if (value < 0)
            return std::nullopt;
        data.push_back(static_cast<std::uint8_t>(value));
    }
    return data;
}

int ReplyOracle::ModelCode(int address) const
{
    const auto high = Data(0x12, address);
    const auto low = Data(0x12, address + 1);
    return high && low ? high->at(0) * 256 + low->at(0) : -1;
}

bool ReplyOracle::MatchesReadImage(const Image& image) const
{
    for (int block = 0; block < kImageSize; block += 16) {
        const auto data = Data(0x14, block);
        if (!data)
            return false;
        for (int i = 0; i < 16; ++i) {
            const int address = block + i;
            const int expected = address == addr::TrueMagAndOffset ? data->at(i) & 0x5F : data->at(i);
            if (!Skipped(address) && image[address] != expected)
                return false;
        }
    }
    return true;
}

}  // namespace quorlink::fuzz
