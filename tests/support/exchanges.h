// SPDX-License-Identifier: GPL-3.0-or-later
// What the emulated radio was asked, for tests that follow a run's course.
#pragma once

#include "radio_emulator.h"

#include <QList>
#include <QPair>
#include <functional>

namespace quorlink::test {

using ExchangeList = QList<QPair<int, int>>;

const QPair<int, int> kCan{0x18, -1};
// The marker after block reads and writes, and after one-byte reads.
const QPair<int, int> kMarker{0x12, 0};
const QPair<int, int> kBlockMarker{0x14, 0};

// (command, address) of every readable frame the radio got, in order; a CAN
// shows as (0x18, -1).
inline ExchangeList Exchanges(const sim::RadioEmulator& radio)
{
    ExchangeList list;
    for (const sim::LoggedRequest& entry : radio.requests()) {
        if (entry.kind == sim::LoggedRequest::Kind::Cancel)
            list.append(kCan);
        else if (entry.kind == sim::LoggedRequest::Kind::Frame)
            list.append({entry.request.command, entry.request.address});
    }
    return list;
}

// A whole pass on a quiet line: the frames of each block from first on, and
// a marker after every 32 blocks.
inline ExchangeList ProvenPass(const std::function<ExchangeList(int address)>& framesOf, int first = 0,
                               int end = 8192)
{
    ExchangeList list;
    for (int address = first; address < end; address += 16) {
        list += framesOf(address);
        if ((address / 16) % 32 == 31 || address + 16 >= end)
            list.append(kMarker);
    }
    return list;
}

inline ExchangeList ReadOf(int address) { return {{0x14, address}}; }

// The model check on a quiet line: both copies of the model code, its marker.
const ExchangeList kModelCheck{{0x12, 0}, {0x12, 1}, {0x12, 0x1FFE}, {0x12, 0x1FFF}, kBlockMarker};

// The course of clean when the request at index failed once: CAN, a marker,
// then everything again from the last proven point.
inline ExchangeList Redone(const ExchangeList& clean, int index, QPair<int, int> marker = kMarker)
{
    int start = index;
    while (start > 0 && clean.at(start - 1) != marker)
        --start;
    return clean.mid(0, index + 1) + ExchangeList{kCan, marker} + clean.mid(start);
}

// Whether actual is clean with one span asked again after an anomaly seen at
// any request of it: where a copy of a reply shows depends on when it came.
inline bool OneRedo(const ExchangeList& actual, const ExchangeList& clean, QPair<int, int> marker = kMarker)
{
    const int can = static_cast<int>(actual.indexOf(kCan));
    if (can < 0 || actual.count(kCan) != 1 || actual.mid(0, can) != clean.mid(0, can))
        return false;
    for (int start = can; start >= 0; --start)
        if ((start == 0 || clean.at(start - 1) == marker) &&
            actual.mid(can) == ExchangeList{kCan, marker} + clean.mid(start))
            return true;
    return false;
}

}  // namespace quorlink::test
