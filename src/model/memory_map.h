// SPDX-License-Identifier: GPL-3.0-or-later
// Every area of the radio's memory in one table: where it lies, what it
// holds, how a write sends it and what the pages call it. The write plan and
// the names of bytes are read from here; the comparison takes what a write
// sends from the plan.
#pragma once

#include "image_layout.h"

#include <cstdint>
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

// The radio-wide settings, each kept in bits of its own.
enum class Setting {
    Contrast, Dimmer, OffsetTime, KeyBeep, WxAlert, ScanType, Scrambler, TrueMag,
    IndReply, IndAck, Ringer, PosReply, DscScan, UserMmsi, Count,
    AtisUsa, AtisInternational, AtisCanada, AtisNumber,
};

// Where a setting lies and what the pages call it. Bits top-width+1 .. top of
// each of its bytes are its own (a digit field: every bit of its bytes).
//
//   byte 13  . . . . . U I C     ATIS: USA, International, Canada
//   byte 14  S W D D K C C C     scan type, WX alert, dimmer, key beep, contrast
//   byte 15  . M . O O O O O     true MAG, time offset (bits 7 and 5 are no one's)
//   byte 16  R A P S G G . .     ind. reply, ind. ACK, POS reply, DSC scan, ringer
//   byte 37  scrambler           336-340 user MMSI, 341 its count, 342-346 ATIS number
struct SettingField {
    Setting setting;
    int address;
    int bytes;
    int top;
    int width;
    const char* compared;  // the Compare window's word ("Records"); null: not compared
    const char* label;     // the settings page's label ("SettingsRows"); null: not on the page

    constexpr std::uint8_t mask() const { return static_cast<std::uint8_t>(((1 << width) - 1) << (top - width + 1)); }
};

const SettingField& FieldOf(Setting setting);
// The bits of the byte at address that some setting owns.
std::uint8_t SettingBitsAt(int address);
// The label of the setting the Compare window calls compared; null when none.
const char* SettingLabelOf(const std::string& compared);

// The parts of the data, in the table's order, each once.
const std::vector<std::string>& PartNames();

// The area holding address, a byte of the image; bytes of no listed area
// are the radio's own and are written whole.
const MemoryArea& AreaAt(int address);

}  // namespace quorlink
