// SPDX-License-Identifier: GPL-3.0-or-later
// A second, deliberately plain reader of the radio's data replies, to tell
// what a successful run must have taken from the line: after the first SOH
// it read, the frame. The program's own reader is what is being fuzzed, so
// nothing of it is used here.
#pragma once

#include "image_layout.h"
#include "scripted_port.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace quorlink::fuzz {

class ReplyOracle {
public:
    // Keeps, for each (command, address) asked, what the program read after
    // the last asking: the only answer a successful exchange can have taken.
    explicit ReplyOracle(const std::vector<ScriptedExchange>& exchanges);

    // The data bytes of the frame in it if that is a well-formed answer.
    std::optional<std::vector<std::uint8_t>> Data(int command, int address) const;
    // The code in the one-byte replies at address and address + 1, or -1.
    int ModelCode(int address) const;
    // Whether a successful read's image holds the block replies' data, apart
    // from the bytes the read fix-up resets and the bits decoding clears.
    bool MatchesReadImage(const Image& image) const;

private:
    std::map<std::pair<int, int>, QByteArray> replies_;
};

}  // namespace quorlink::fuzz
