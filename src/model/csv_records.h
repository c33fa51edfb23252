// SPDX-License-Identifier: GPL-3.0-or-later
// Comma-separated text as spreadsheets write it: fields in double quotes may
// hold commas, line breaks and doubled quotes. Works on bytes, so UTF-8 text
// passes through untouched. Spreadsheets set to a language that writes a
// decimal comma separate with semicolons instead, or with tabs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorlink {

struct CsvRecord {
    int line = 0;  // where the record starts, from 1
    std::vector<std::string> fields;
    // A quote opened and never closed: the record has no fields, and the
    // reading went on at the line after the one it started on.
    bool unclosed = false;
};

// Blank lines give no record. With hashComments a line that starts with "#"
// is skipped too.
std::vector<CsvRecord> ParseCsv(std::string_view text, bool hashComments = false, char separator = ',');

// One field as the parser reads it back: quoted only when it must be.
std::string CsvField(const std::string& text);

}  // namespace quorlink
