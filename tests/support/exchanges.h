// SPDX-License-Identifier: GPL-3.0-or-later
// What the emulated radio was asked, for tests that follow a run's course.
#pragma once

#include "radio_emulator.h"

#include <QList>
#include <QPair>

namespace quorlink::test {

// (command, address) of every readable frame the radio got, in order; a CAN
// shows as (0x18, -1).
inline QList<QPair<int, int>> Exchanges(const sim::RadioEmulator& radio)
{
    QList<QPair<int, int>> list;
    for (const sim::LoggedRequest& entry : radio.requests()) {
        if (entry.kind == sim::LoggedRequest::Kind::Cancel)
            list.append({0x18, -1});
        else if (entry.kind == sim::LoggedRequest::Kind::Frame)
            list.append({entry.request.command, entry.request.address});
    }
    return list;
}

// The exchanges as a quiet line gives them: a retry (its CAN and the request
// asked again) comes when a loaded machine stalls past the short time-outs
// of the tests, and changes nothing a test of the run's course looks at.
inline QList<QPair<int, int>> WithoutRetries(const QList<QPair<int, int>>& exchanges)
{
    QList<QPair<int, int>> list;
    bool cancelled = false;
    for (const QPair<int, int>& exchange : exchanges) {
        const bool retry = cancelled && !list.isEmpty() && list.back() == exchange;
        cancelled = exchange.first == 0x18;
        if (!cancelled && !retry)
            list.append(exchange);
    }
    return list;
}

}  // namespace quorlink::test
