// SPDX-License-Identifier: GPL-3.0-or-later
// A message of the command line in the user's language with its parts put
// in as bytes: a name from the command line that is not UTF-8 keeps its
// bytes, for EscapeControls to show them as \xHH.
#pragma once

#include "text_template.h"

#include <QString>
#include <string>
#include <vector>

namespace quorlink::cli {

inline std::string Said(const QString& translated, const std::vector<std::string>& parts = {})
{
    return Filled(translated.toStdString(), parts);
}

}  // namespace quorlink::cli
