// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorlink {

struct Model;

// "RV48  Quorlink", and " - " plus the lower-cased file name when a file is open.
QString WindowTitle(const Model& model);

}  // namespace quorlink
