// SPDX-License-Identifier: GPL-3.0-or-later
// A text of the records built from parts: one template marked
// QT_TRANSLATE_NOOP("Records", ...) with %1, %2 ... and the parts that fill
// it, so that a translator sees the whole sentence and may reorder it. The
// records fill it in English for files and reports; a display puts the
// template and each part through its translation first (a part that is no
// marked word, such as digits or a country's name, comes back as it is).
#pragma once

#include <string>
#include <vector>

namespace quorlink {

struct TextTemplate {
    const char* text = "";
    std::vector<std::string> args;
};

// The template with each %n replaced by args[n-1], in one pass: a part that
// holds "%1" stays as it is. A %n without its part stays too.
std::string Filled(const std::string& text, const std::vector<std::string>& args);
inline std::string Filled(const TextTemplate& t) { return Filled(t.text, t.args); }

}  // namespace quorlink
