// SPDX-License-Identifier: GPL-3.0-or-later
// Turning the texts of a data file into numbers and flags. A text that does
// not convert gives nothing, and the field keeps its value.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace quorlink {

// A decimal number, fraction rounded to the nearest integer (ties to even),
// inside the 16-bit range.
std::optional<std::int16_t> ToShort(const QString& text);
// 0 is false, any other number true; also the words True and False.
std::optional<bool> ToFlag(const QString& text);
// The file holds the offset index minus 24.
std::optional<std::int16_t> OffsetTimeFromFile(const QString& text);

}  // namespace quorlink
