// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripted_port.h"

#include "frame.h"

#include <algorithm>

namespace quorlink::fuzz {

ScriptOptions ScriptOptions::FromByte(std::uint8_t byte)
{
    ScriptOptions options;
    options.modelNumber = (byte & 1) ? 1 : 2;
    options.run = static_cast<RunChoice>((byte >> 1) & 3);
    options.pullAtEnd = (byte & 8) != 0;
    const int c = byte >> 4;
    options.cancelAtTurn = 8 * c * c;
    return options;
}

std::uint8_t ScriptOptions::ToByte() const
{
    int c = 0;
    while (8 * c * c < cancelAtTurn)
        ++c;
    return static_cast<std::uint8_t>((modelNumber == 1 ? 1 : 0) | static_cast<int>(run) << 1 |
                                     (pullAtEnd ? 8 : 0) | c << 4);
}

ScriptedPort::ScriptedPort(const std::uint8_t* entries, std::size_t size, bool pullAtEnd)
    : next_(entries), end_(entries + size), pullAtEnd_(pullAtEnd)
{
}

bool ScriptedPort::Open(const QString&)
{
    open_ = !pulled_;  // a pulled cable takes the device with it
    openings_ += open_ ? 1 : 0;
    return open_;
}

void ScriptedPort::Close()
{
    pulled_ = pulled_ || (pullAtEnd_ && next_ == end_);
    open_ = false;
    pending_.clear();
    held_.clear();
}

qint64 ScriptedPort::BytesWaiting() const
{
    if (!open_)
        return 0;
    if (!held_.isEmpty() && holdLooks_-- <= 0) {
        pending_ += held_;
        held_.clear();
    }
    return pending_.size();
}

QByteArray ScriptedPort::Read(qint64 maxBytes)
{
    const QByteArray bytes = pending_.left(maxBytes);
    pending_.remove(0, bytes.size());
    if (!exchanges_.empty())
        exchanges_.back().received += bytes;
    return bytes;
}

bool ScriptedPort::Write(const QByteArray& bytes)
{
    if (!open_ || pulled_)
        return false;
    if (!bytes.isEmpty() && static_cast<std::uint8_t>(bytes.at(0)) == SOH) {
        exchanges_.push_back({bytes, {}, openings_});
        Answer();
    }
    return true;
}

Fault ScriptedPort::Failure() const
{
    return pulled_ ? Fault{5, "Input/output error"} : Fault{};
}

std::uint8_t ScriptedPort::Take()
{
    return next_ == end_ ? 0 : *next_++;
}

void ScriptedPort::Answer()
{
    pending_ += held_;
    held_.clear();
    if (next_ == end_) {
        pulled_ = pullAtEnd_;
    } else if (*next_ == kPullCable) {
        pulled_ = true;
        ++next_;
    } else {
        const std::uint8_t entry = Take();
        const std::size_t length = entry & (kSplitReply - 1);
        const std::size_t at = entry & kSplitReply ? Take() : length;
        holdLooks_ = entry & kSplitReply ? Take() : 0;
        const std::size_t count = std::min(length, static_cast<std::size_t>(end_ - next_));
        const QByteArray reply(reinterpret_cast<const char*>(next_), static_cast<qsizetype>(count));
        next_ += count;
        pending_ += reply.left(static_cast<qsizetype>(at));
        held_ = reply.mid(static_cast<qsizetype>(std::min(at, count)));
    }
    if (pulled_) {
        pending_.clear();
        held_.clear();
    }
}

}  // namespace quorlink::fuzz
