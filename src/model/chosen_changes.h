// SPDX-License-Identifier: GPL-3.0-or-later
// A write that sends only some of its changes: the radio's own memory with
// the chosen fields of the data put in, bit for bit. Which bits a field holds
// is what the comparison lists; which part of the data they belong to is the
// memory map's.
#pragma once

#include "comparison.h"
#include "image_layout.h"

#include <string>
#include <vector>

namespace quorlink {

// Whether a write can send the line at all: the radio's own bytes it never writes are not.
bool IsSendable(const Difference& change);

// The part of the data (PartNames) the line's field lies in; a line of raw
// bytes is named by its first byte, a field with no bits of its own by the
// fields it moves with; empty when neither tells.
std::string PartOf(const std::vector<Difference>& changes, std::size_t line);

// The lines that move together, each group in list order: one value the
// pages show that the image keeps in several places (a directory entry's
// Enable is whether its MMSI is there; the user MMSI moves with its count).
// Every sendable line is in exactly one group.
std::vector<std::vector<std::size_t>> ChangeGroups(const std::vector<Difference>& changes);

// radio with the bits of each ticked line (by index into changes) taken from data.
Image WithTicked(const Image& radio, const Image& data, const std::vector<Difference>& changes,
                 const std::vector<bool>& ticked);

// radio with every changed bit that lies in one of parts taken from data; a
// field moves whole with its line's part, raw bytes byte by byte.
Image WithParts(const Image& radio, const Image& data, const std::vector<Difference>& changes,
                const std::vector<std::string>& parts);

}  // namespace quorlink
