// SPDX-License-Identifier: GPL-3.0-or-later
// What a byte of the image holds, in words a user knows from the editor:
// "USA CH16 name", "user MMSI", "individual directory 3 name".
#pragma once

#include "text_template.h"

#include <string>

namespace quorlink {

struct Model;

std::string ImageAreaName(const Model& model, int address);
// The same for a display in the user's language: its parts are labels,
// numbers and the names of lists ("USA", "individual").
TextTemplate ImageAreaWords(const Model& model, int address);

}  // namespace quorlink
