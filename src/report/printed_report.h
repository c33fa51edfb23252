// SPDX-License-Identifier: GPL-3.0-or-later
// The printed report as data: pages of lines of cells, each cell at a column
// in millimetres from the left margin. Painting it is the printer's business.
#pragma once

#include <string>
#include <vector>

namespace quorlink {

struct Model;

struct PrintCell {
    std::string text;
    double columnMm;
};

struct PrintLine {
    std::vector<PrintCell> cells;
};

// One page of the report; it may need more than one sheet.
struct PrintPage {
    std::vector<PrintLine> lines;  // the first is the banner
};

// 9 pages for the MR7100A (the A/B page first), 8 for the MR5100A.
std::vector<PrintPage> BuildPrintedReport(const Model& model);
// "MR7100A Quorlink --- Page 1 of 9".
std::string PageHeaderText(const Model& model, int page, int pageCount);

}  // namespace quorlink
