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

    // One line: "place: field old -> new", or for bytes
    // "bytes 0x1E00-0x1E0F differ; the editor does not show them".
    std::string Text() const;
};

// Differences from older to newer. Both are compared as they would be
// written to the radio: each image is taken after encoding its records.
std::vector<Difference> CompareModels(const Model& older, const Model& newer);

// "1 difference", "N differences".
std::string DifferenceCount(std::size_t count);

}  // namespace quorlink
