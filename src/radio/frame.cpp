// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame.h"

namespace quorlink {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

QByteArray ByteToHex(std::uint8_t value)
{
    static const char kDigits[] = "0123456789ABCDEF";
    const char digits[2] = {kDigits[value >> 4], kDigits[value & 0x0F]};
    return QByteArray(digits, 2);
}

int HexToByte(char high, char low)
{
    const int h = HexDigit(high);
    const int l = HexDigit(low);
    return h < 0 || l < 0 ? -1 : h * 16 + l;
}

std::uint8_t FrameChecksum(const QByteArray& chars, int first, int last)
{
    unsigned sum = 0;
    for (int i = first; i <= last; ++i)
        sum += static_cast<std::uint8_t>(chars.at(i));
    return static_cast<std::uint8_t>(~sum & 0xFF);
}

QByteArray BuildRequest(Command command, int address, const std::uint8_t* data, int count)
{
    QByteArray frame(1, char(SOH));
    frame += ByteToHex(command);
    frame += ByteToHex(static_cast<std::uint8_t>((address & 0xFF00) / 256));
    frame += ByteToHex(static_cast<std::uint8_t>(address & 0xFF));
    for (int i = 0; i < count; ++i)
        frame += ByteToHex(data[i]);
    frame += ByteToHex(FrameChecksum(frame, 1, frame.size() - 1));
    frame += char(CR);
    return frame;
}

int ReplyDataBytes(Command command) { return command == ReadBlockCommand ? kBlockSize : 1; }

int CheckReply(const QByteArray& buffer)
{
    const int u = buffer.size() - 1;
    if (u < 4)
        return 0;
    const QByteArray digits = ByteToHex(FrameChecksum(buffer, 0, u - 3));
    if (buffer.at(u - 2) != digits.at(0) || buffer.at(u - 1) != digits.at(1))
        return 0;
    const int command = HexToByte(buffer.at(0), buffer.at(1));
    return command >= WriteByteCommand && command <= ReadBlockCommand ? command : 0;
}

}  // namespace quorlink
