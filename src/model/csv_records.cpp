// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_records.h"

namespace quorlink {

namespace {

bool IsBlank(const CsvRecord& record) { return record.fields.size() == 1 && record.fields[0].empty(); }

}  // namespace

std::vector<CsvRecord> ParseCsv(std::string_view text, bool hashComments, char separator)
{
    std::vector<CsvRecord> records;
    CsvRecord record{1, {std::string()}};
    std::size_t recordStart = 0;
    int line = 1;
    bool quoted = false;
    bool atLineStart = true;
    auto startRecord = [&](std::size_t at) {
        record = CsvRecord{line, {std::string()}};
        recordStart = at;
        atLineStart = true;
    };
    std::size_t i = 0;
    while (i < text.size() || quoted) {
        if (i == text.size()) {
            // Read to the end, the open quote would swallow every later row;
            // only the record it is in is lost.
            records.push_back(CsvRecord{record.line, {}, true});
            line = record.line + 1;
            const std::size_t lineEnd = text.find('\n', recordStart);
            quoted = false;
            startRecord(lineEnd == std::string_view::npos ? text.size() : lineEnd + 1);
            i = recordStart;
            continue;
        }
        const char c = text[i++];
        if (atLineStart && !quoted && hashComments && c == '#') {
            while (i < text.size() && text[i] != '\n')
                ++i;
            i += i < text.size() ? 1 : 0;
            ++line;
            record.line = line;
            recordStart = i;
            continue;
        }
        atLineStart = false;
        if (quoted) {
            if (c == '"' && i < text.size() && text[i] == '"') {
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
        } else if (c == separator) {
            record.fields.emplace_back();
        } else if (c == '\n') {
            ++line;
            if (!IsBlank(record))
                records.push_back(std::move(record));
            startRecord(i);
        } else if (c != '\r') {
            record.fields.back() += c;
        }
    }
    if (!IsBlank(record))
        records.push_back(std::move(record));
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
