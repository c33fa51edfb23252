// SPDX-License-Identifier: GPL-3.0-or-later
// What a byte of the image holds, in words a user knows from the editor:
// "USA CH16 name", "user MMSI", "individual directory 3 name".
#pragma once

#include <string>

namespace quorlink {

struct Model;

std::string ImageAreaName(const Model& model, int address);

}  // namespace quorlink
