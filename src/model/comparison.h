// SPDX-License-Identifier: GPL-3.0-or-later
// What differs between two data sets, said in the words the pages use:
// "USA CH16: name "DISTRESS" -> "CALL"". Field differences come in tree
// order; bytes that differ where no page shows them follow as ranges.
#pragma once

#include <string>
#include <vector>

namespace quorlink {

struct Model;

struct Difference {
    std::string key;       // tree key of the page that shows it; empty for raw bytes
    std::string place;     // "USA CH16", "Radio Setup", "bytes 0x1E00-0x1E0F"
    std::string field;     // "name", "Contrast"; empty for raw bytes
    std::string oldValue;  // as the page shows it; hex bytes for raw bytes
    std::string newValue;
    bool rawBytes = false;
    bool unwritten = false;  // raw bytes a write never sends: the radio's own

    // One line: "place: field old -> new", or for bytes
    // "bytes 0x1E00-0x1E0F differ; the editor does not show them", or for
    // the radio's own "bytes 0x0030-0x004F differ; Program to Radio does not write them".
    std::string Text() const;
};

// What the two sides are. Bytes a write never sends are no difference
// between data and a radio; between two raw images they are listed apart.
enum class ComparedSides { WithData, TwoImages };

// Differences from older to newer. Both are compared as they would be
// written to the radio: each image is taken after encoding its records.
std::vector<Difference> CompareModels(const Model& older, const Model& newer,
                                      ComparedSides sides = ComparedSides::WithData);

// "1 difference", "N differences".
std::string DifferenceCount(std::size_t count);

}  // namespace quorlink
