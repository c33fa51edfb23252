// SPDX-License-Identifier: GPL-3.0-or-later
// The clone protocol's frames. Everything between SOH and CR is ASCII hex:
//
//   request   SOH cc aaaa [dd..] ss CR     cc command, aaaa address (high byte
//                                           first), dd data, ss checksum over
//                                           cc..dd
//   reply     SOH cc dd..dd ss CR          data in address order, no address
//             ACK                           the whole answer to a write
//
// The checksum is the inverted 8-bit sum of the characters it covers.
#pragma once

#include "image_layout.h"

#include <QByteArray>
#include <cstdint>

namespace quorlink {

constexpr std::uint8_t SOH = 0x01;
constexpr std::uint8_t CR = 0x0D;
constexpr std::uint8_t ACK = 0x06;
constexpr std::uint8_t CAN = 0x18;

enum Command : std::uint8_t {
    WriteByteCommand = 0x11,
    ReadByteCommand = 0x12,
    WriteBlockCommand = 0x13,
    ReadBlockCommand = 0x14,
};

// Two upper-case hex digits, high nibble first.
QByteArray ByteToHex(std::uint8_t value);
// The byte two hex digits stand for (either case); -1 when one is not a digit.
int HexToByte(char high, char low);
// (NOT sum of chars[first..last]) AND 0xFF.
std::uint8_t FrameChecksum(const QByteArray& chars, int first, int last);

// A whole request: reads carry no data, writes carry their bytes.
QByteArray BuildRequest(Command command, int address, const std::uint8_t* data = nullptr, int count = 0);

// How many data bytes a reply to a read command carries.
int ReplyDataBytes(Command command);

// A reply as ReceiveFrame leaves it (command, data, checksum characters, one
// slot more): its command code when the checksum digits match exactly, else 0.
int CheckReply(const QByteArray& buffer);

}  // namespace quorlink
