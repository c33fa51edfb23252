// SPDX-License-Identifier: GPL-3.0-or-later
// What differs between two data sets, said in the words the pages use:
// "USA CH16: name "DISTRESS" -> "CALL"". Each side is compared as the bytes a
// radio holds, or would hold after a write of it: a field is listed exactly
// when its bits differ, and every differing bit that is no field's is listed
// as a range of bytes. Field differences come in tree order; byte ranges follow.
#pragma once

#include "text_template.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorlink {

struct Model;

// Bits of one byte of the image.
struct ImageBits {
    int address;
    std::uint8_t mask;
};

struct Difference {
    std::string key;       // tree key of the page that shows it; empty for raw bytes
    std::string place;     // "USA CH16", "Radio Setup", "bytes 0x1E00-0x1E0F"
    std::string field;     // "name", "Contrast"; empty for raw bytes
    std::string oldValue;  // as the page shows it; hex bytes for raw bytes
    std::string newValue;
    bool rawBytes = false;
    bool unwritten = false;  // raw bytes a write never sends: the radio's own
    // Where it lies: the field's bits, or the differing bits of each raw byte.
    // Empty for a field kept in no bits of its own (a directory entry's Enable
    // is whether it holds an MMSI).
    std::vector<ImageBits> bits;
    // place and field for a display in the user's language: place is
    // placeWords filled, field fieldWords (marked words; labels, numbers and
    // addresses as parts).
    TextTemplate placeWords;
    TextTemplate fieldWords;

    // One line: "place: field old -> new", or for bytes
    // "bytes 0x1E00-0x1E0F differ; the editor does not show them", or for
    // the radio's own "bytes 0x0030-0x004F differ; Program to Radio does not write them".
    std::string Text() const;
    // Text()'s sentence: %1 the place, %2 the field, %3 and %4 the values.
    const char* Sentence() const;
};

// What a side is. Data (a data file, the editor's records) reaches a radio
// as its records encode it; an image (a radio's memory as it sent it, a raw
// image file, a backup opened unchanged) goes byte for byte as it stands.
enum class SideKind { Data, Image };

struct ComparedSide {
    ComparedSide(const Model& m, SideKind k = SideKind::Data) : model(m), kind(k) {}
    const Model& model;
    SideKind kind;
};

// Differences from older (what a radio holds, or would hold after a write
// of it) to newer (what a write of it would leave there). Bytes a write never
// sends are no difference, except between two images: then they are listed
// apart.
std::vector<Difference> CompareModels(const ComparedSide& older, const ComparedSide& newer);

// "1 difference", "N differences"; DifferenceCountWords for a display.
std::string DifferenceCount(std::size_t count);
TextTemplate DifferenceCountWords(std::size_t count);

}  // namespace quorlink
