// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio_frames.h"

#include <cctype>

namespace quorlink::sim {

namespace {

constexpr char kStart = 0x01;
constexpr char kEnd = 0x0D;

int SumCheck(const QByteArray& chars)
{
    int total = 0;
    for (char c : chars)
        total += static_cast<unsigned char>(c);
    return 255 - total % 256;
}

QByteArray TwoDigits(int value)
{
    return QByteArray::number(value & 0xFF, 16).rightJustified(2, '0').toUpper();
}

bool AllUpperHex(const QByteArray& chars)
{
    for (char c : chars)
        if (!std::isxdigit(static_cast<unsigned char>(c)) || std::islower(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// Characters between SOH and CR: command and address (6), data, sum (2).
int BodyLength(int command)
{
    switch (command) {
    case 0x12:
    case 0x14: return 8;
    case 0x11: return 10;
    case 0x13: return 40;
    default: return -1;
    }
}

}  // namespace

RadioRequest ParseRequestBody(const QByteArray& body)
{
    RadioRequest request;
    if (body.size() < 8 || !AllUpperHex(body))
        return request;
    const QByteArray bytes = QByteArray::fromHex(body);
    const int command = static_cast<unsigned char>(bytes.at(0));
    if (BodyLength(command) != body.size())
        return request;
    if (SumCheck(body.left(body.size() - 2)) != static_cast<unsigned char>(bytes.back()))
        return request;
    request.valid = true;
    request.command = command;
    request.address = static_cast<unsigned char>(bytes.at(1)) << 8 | static_cast<unsigned char>(bytes.at(2));
    request.data = bytes.mid(3, bytes.size() - 4);
    return request;
}

QByteArray ReplyFrame(int command, const QByteArray& data, const ReplyStyle& style)
{
    const QByteArray body = TwoDigits(style.commandOverride >= 0 ? style.commandOverride : command) +
                            data.toHex().toUpper();
    QByteArray sum = TwoDigits(SumCheck(body) + style.sumOffset);
    if (style.lowerCaseSum)
        sum = sum.toLower();
    QByteArray frame = kStart + body + sum + (style.lineFeedForCr ? '\n' : kEnd);
    frame += QByteArray(style.extraBytes, 'Z');
    frame.chop(style.droppedBytes);
    return frame;
}

}  // namespace quorlink::sim
