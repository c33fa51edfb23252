// SPDX-License-Identifier: GPL-3.0-or-later
// Comma-separated text as spreadsheets write it: fields in double quotes may
// hold commas, line breaks and doubled quotes. Works on bytes, so UTF-8 text
// passes through untouched.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorlink {

struct CsvRecord {
    int line = 0;  // where the record starts, from 1
    std::vector<std::string> fields;
};

// Blank lines give no record. With hashComments a line that starts with "#"
// is skipped too.
std::vector<CsvRecord> ParseCsv(std::string_view text, bool hashComments = false);

// One field as the parser reads it back: quoted only when it must be.
std::string CsvField(const std::string& text);

}  // namespace quorlink
