// SPDX-License-Identifier: GPL-3.0-or-later
// What an MMSI says about its station, after the ITU's numbering of maritime
// identities: the kind of station from the leading digits, and from the
// Maritime Identification Digits (MID) the country or area that issued it.
//
//   MIDxxxxxx  ship station          111MIDxxx  SAR aircraft
//   0MIDxxxxx  group of stations     99MIDxxxx  aid to navigation
//   00MIDxxxx  coast station         98MIDxxxx  craft of a parent ship
//   8MIDxxxxx  handheld with DSC     970xxxxxx  AIS-SART
//                                    972xxxxxx  man-overboard device
//                                    974xxxxxx  EPIRB-AIS
//
// The table of MIDs is data the program ships; whoever loads it hands it in.
#pragma once

#include "records.h"
#include "text_template.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quorlink {

struct MidCountry {
    std::string iso;   // ISO 3166 alpha-2
    std::string name;  // UTF-8
};

class MidTable {
public:
    // Lines "mid,iso,country" after a header line; lines starting with "#"
    // are comments. A line that is not three fields with a three-digit MID
    // makes the whole table empty and error says which line.
    static MidTable FromCsv(std::string_view text, std::string* error = nullptr);

    const MidCountry* Find(int mid) const;
    int size() const { return static_cast<int>(countries_.size()); }

private:
    std::map<int, MidCountry> countries_;
};

enum class MmsiKind {
    NotAnMmsi,  // not nine digits
    Unknown,    // nine digits in no form in use
    Ship,
    Group,
    Coast,
    Handheld,
    SarAircraft,
    AidToNavigation,
    ParentShipCraft,
    AisSart,
    ManOverboard,
    EpirbAis,
};

struct MmsiClass {
    MmsiKind kind = MmsiKind::NotAnMmsi;
    int mid = -1;                        // -1: the kind carries none
    const MidCountry* country = nullptr; // null when the MID is not allocated
};

MmsiClass ClassifyMmsi(std::string_view digits, const MidTable& table);
// "Ship station", "Group", ...; empty for NotAnMmsi and Unknown.
const char* MmsiKindName(MmsiKind kind);

// Which field a number is typed into: the radio's own, or a directory's.
enum class MmsiUse { Own, Individual, Group };

// The one-line note beside a field: what the number is, or a warning. A
// group field holds the eight digits after the fixed leading 0. Notes are
// advice only: they never refuse what the field accepts.
struct MmsiNote {
    std::string text;  // UTF-8, in English; empty for an empty field
    bool warning = false;
    // The same note for a display in the user's language: text is words
    // filled. Its parts are digits, a kind of station (a marked word) and a
    // country's name from the table of MIDs.
    TextTemplate words;
};
MmsiNote NoteForMmsi(std::string_view typed, MmsiUse use, const MidTable& table);

// The radio keeps an MMSI as ten digits: the nine of the number and a
// final 0. A group number always starts with 0, so its field takes only the
// eight digits after it. These four routines are the only place that knows.

// How many digits a field of that use takes: 9, or 8 for a group.
int TypedMmsiDigits(MmsiUse use);

// The stored form of the digits typed into a field of that use: empty stays
// empty (a group field's is "0"); nothing when the text is neither empty nor
// exactly the field's count of digits 0-9.
std::optional<std::string> StoredMmsi(std::string_view typed, MmsiUse use);

// The nine digits of an MMSI as the radio stores it: ten digits, the last
// always 0. Shorter or other texts come back as they are.
std::string ShownMmsi(const std::string& stored);
// What a field of that use shows for a stored MMSI: a group's without its
// leading 0, at most the field's count of characters.
std::string ShownMmsi(const std::string& stored, MmsiUse use);

// How a directory keeps an MMSI given as nine digits (a group's starting
// with 0), or for a group also as the eight after its 0 (as spreadsheets
// that drop a leading zero leave them): the form the entry page stores, or
// nothing when the page would refuse it.
std::optional<std::string> StoredDirectoryMmsi(DirectoryKind kind, std::string_view digits);

}  // namespace quorlink
