// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the printed report on any paged device: a printer, or a PDF file.
#pragma once

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;

namespace quorlink {

struct Model;

// Every report page starts on a new sheet with its header 5 mm below the top
// of the printable area; a page taller than a sheet goes on over the next
// sheets without a header. Returns false when the device cannot be painted on.
bool PaintReport(const Model& model, QPagedPaintDevice& device);

// The printed report as the bytes of a PDF file; empty when it cannot be painted.
QByteArray ReportPdf(const Model& model);
// Those bytes saved whole as path; an empty text on success, else why not.
QString WriteReportPdf(const Model& model, const QString& path);

}  // namespace quorlink
