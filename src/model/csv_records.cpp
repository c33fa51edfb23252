// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_records.h"

namespace quorlink {

namespace {

bool IsBlank(const CsvRecord& record) { return record.fields.size() == 1 && record.fields[0].empty(); }

}  // namespace

std::vector<CsvRecord> ParseCsv(std::string_view text, bool hashComments)
{
    std::vector<CsvRecord> records;
    CsvRecord record{1, {std::string()}};
    int line = 1;
    bool quoted = false;
    bool atLineStart = true;
    auto finish = [&] {
        if (!IsBlank(record))
            records.push_back(std::move(record));
        record = CsvRecord{line, {std::string()}};
        atLineStart = true;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (atLineStart && !quoted && hashComments && c == '#') {
            while (i < text.size() && text[i] != '\n')
                ++i;
            ++line;
            record.line = line;
            continue;
        }
        atLineStart = false;
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                record.fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n')
                    ++line;
                record.fields.back() += c;
            }
        } else if (c == '"' && record.fields.back().empty()) {
            quoted = true;
        } else if (c == ',') {
            record.fields.emplace_back();
        } else if (c == '\n') {
            ++line;
            finish();
        } else if (c != '\r') {
            record.fields.back() += c;
        }
    }
    finish();
    return records;
}

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

}  // namespace quorlink
