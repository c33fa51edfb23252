// SPDX-License-Identifier: GPL-3.0-or-later
// The whole radio programme as plain text in fixed-width columns, lines
// separated by CR LF, no line break after the last line.
#pragma once

#include <string>

namespace quorlink {

struct Model;

std::string BuildTextReport(const Model& model);

}  // namespace quorlink
