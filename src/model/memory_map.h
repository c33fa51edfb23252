// SPDX-License-Identifier: GPL-3.0-or-later
// Every area of the radio's memory in one table: where it lies, what it
// holds, how a write sends it and what the pages call it. The write plan and
// the names of bytes are read from here; the comparison takes what a write
// sends from the plan.
#pragma once

#include "image_layout.h"

#include <string>
#include <vector>

namespace quorlink {

// What an area holds; the kinds past Value repeat one field per channel or entry.
enum class Holds {
    Value,         // one setting or bitmap
    ChannelFlags,  // a flag byte per slot of a plan
    ChannelNames,  // a name slot per slot of a plan
    WxNames,
    ExpNames,
    ExpEntries,    // flags and frequency index per EXP channel
    Directory,     // MMSI and name per entry
    RadioOwn,      // none of ours
};

// How a write sends an area's bytes.
enum class Sent {
    Whole,   // in its block's frame
    Singly,  // one frame per byte: the rest of its block is the radio's
    Never,   // the radio's own
};

struct MemoryArea {
    int start;
    int size;
    Holds holds;
    const char* name;  // Value: the pages' words; a list: its own ("USA", "individual")
    int region;        // ChannelFlags and ChannelNames: the plan's Region
    int slotBytes;     // a list: bytes per channel or entry
    Sent sent;
    // The part of the data it belongs to, as a write names it to send only
    // some of its changes (write --only, --keep).
    const char* part;
};

// The parts of the data, in the table's order, each once.
const std::vector<std::string>& PartNames();

// The area holding address, a byte of the image; bytes of no listed area
// are the radio's own and are written whole.
const MemoryArea& AreaAt(int address);

}  // namespace quorlink
