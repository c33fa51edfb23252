// SPDX-License-Identifier: GPL-3.0-or-later
// The directories as a comma-separated list for spreadsheets and club
// rosters: a header "kind,mmsi,name", then one row per used entry with kind
// "individual" or "group", the nine-digit MMSI and the name, in UTF-8. A
// name a spreadsheet would run as a formula (starting with = + - @) is
// written with an apostrophe in front, which import takes off again.
#pragma once

#include "fault.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace quorlink {

struct Model;

QByteArray FormatDirectoryCsv(const Model& model);

// Why a row was not taken as it stood.
enum class RowProblem { BadRow, BadKind, BadNumber, Duplicate, ListFull, NameCut, NameChanged, ExtraColumns };

struct RowReport {
    int line;
    RowProblem problem;
    QString detail;  // the number or the name concerned
};

struct DirectoryImport {
    int added = 0;
    std::vector<RowReport> rows;  // in file order; NameCut, NameChanged and ExtraColumns rows were still added
};

// Adds the rows to the free entries after the used ones, in file order.
// A used entry is never changed; a number already in its directory is
// skipped. Names are folded to the characters a radio name can hold
// (letters upper case, accents dropped, anything else a blank) and cut to
// ten characters; a name changed beyond upper case is reported. The
// separator (comma, semicolon or tab) is the first line's; columns after
// the third are ignored. A first line whose MMSI field is not digits is a
// header, whatever its words; without one the list is read from its first
// line. Text that is not UTF-8 is read as Windows-1252. An empty list, or
// one whose first line is not three fields, is refused with a fault and
// changes nothing.
Fault ImportDirectoryCsv(Model& model, const QByteArray& csv, DirectoryImport& result);

// "line 4: 12345 is not a valid MMSI", one sentence per report, on one line:
// control characters of the row (a line feed in a quoted name) as \xHH.
QString DescribeRow(const RowReport& row);

// Whether the row was left out; the others were added, changed as they say.
bool IsRefused(RowProblem problem);

// What an import did, each count in words that fit it: "1 entry added",
// "No entries added"; and "2 rows refused, 1 name changed, 1 name cut",
// empty when every row was taken as it stood.
QString AddedText(const DirectoryImport& result);
QString ReportCounts(const DirectoryImport& result);

// The folded name, before it is cut.
QString FoldName(const QString& name);

// Reads a list from a regular file (at most 1 MiB) and imports it.
Fault ImportDirectoryFile(Model& model, const QString& path, DirectoryImport& result);
// Writes the list through the safe writer.
Fault ExportDirectoryFile(const Model& model, const QString& path);

}  // namespace quorlink
