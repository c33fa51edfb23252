// SPDX-License-Identifier: GPL-3.0-or-later
// The radio's own reading and writing of the clone frames. Written apart from
// the program's frame code on purpose: a mistake there must not be mirrored
// here and so pass unnoticed.
#pragma once

#include <QByteArray>
#include <cstdint>

namespace quorlink::sim {

struct RadioRequest {
    bool valid = false;  // well formed, right length for its command, sum right
    int command = -1;
    int address = -1;
    QByteArray data;     // bytes carried by a write
};

// body: the characters between SOH and CR.
RadioRequest ParseRequestBody(const QByteArray& body);

// How a reply is spoiled on purpose.
struct ReplyStyle {
    bool lowerCaseSum = false;
    int sumOffset = 0;       // added to the right checksum
    int commandOverride = -1;
    bool lineFeedForCr = false;
    int extraBytes = 0;      // junk bytes after the CR
    int droppedBytes = 0;    // bytes cut off the end
};

QByteArray ReplyFrame(int command, const QByteArray& data, const ReplyStyle& style = {});

}  // namespace quorlink::sim
