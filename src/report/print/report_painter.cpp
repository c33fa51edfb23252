// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_painter.h"

#include "model.h"
#include "printed_report.h"
#include "latin1.h"
#include "whole_file.h"
#include "file_fault.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace quorlink {

namespace {

struct ReportPdfTexts {
    Q_DECLARE_TR_FUNCTIONS(ReportPdfTexts)
};

constexpr double kLeftMarginMm = 10;
constexpr double kHeaderTopMm = 5;

// Lines go down the printable area one line advance at a time.
class SheetWriter {
public:
    SheetWriter(QPainter& painter, QPagedPaintDevice& device)
        : painter_(painter), device_(device), dotsPerMm_(device.logicalDpiX() / 25.4),
          advance_(painter.fontMetrics().lineSpacing()), bottom_(device.height())
    {
    }

    void NewSheet(bool first)
    {
        if (!first)
            device_.newPage();
        y_ = 0;
    }

    void MoveTo(double mm) { y_ = mm * dotsPerMm_; }

    void Line(const PrintLine& line)
    {
        if (y_ + advance_ > bottom_) {  // a page taller than the sheet goes on over the next one
            device_.newPage();
            y_ = 0;
        }
        const int baseline = qRound(y_) + painter_.fontMetrics().ascent();
        for (const PrintCell& cell : line.cells)
            painter_.drawText(QPointF((cell.columnMm + kLeftMarginMm) * dotsPerMm_, baseline),
                              QString::fromLatin1(cell.text.data(), static_cast<qsizetype>(cell.text.size())));
        y_ += advance_;
    }

private:
    QPainter& painter_;
    QPagedPaintDevice& device_;
    double dotsPerMm_;
    double advance_;
    double bottom_;
    double y_ = 0;
};

}  // namespace

bool PaintReport(const Model& model, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The columns are fixed in millimetres; at the usual 9 points the user
    // MMSI runs into the "Count" that follows it; at 8 points nothing touches.
    QFont font = painter.font();
    font.setPointSizeF(8);
    // Letters stay letters: no "ff" or "fi" ligature, so text found or copied
    // from a PDF reads "OffsetTime", not "O" U+FB00 "setTime". Shaping, which
    // makes the ligatures, is left out where the script does not need it (Latin).
    font.setStyleStrategy(QFont::PreferNoShaping);
    painter.setFont(font);
    const std::vector<PrintPage> pages = BuildPrintedReport(model);
    const int count = static_cast<int>(pages.size());
    SheetWriter sheets(painter, device);
    for (int n = 1; n <= count; ++n) {
        sheets.NewSheet(n == 1);
        sheets.MoveTo(kHeaderTopMm);
        sheets.Line(PrintLine{{{PageHeaderText(model, n, count), 0}}});
        sheets.Line(PrintLine{});
        for (const PrintLine& line : pages[static_cast<std::size_t>(n - 1)].lines)
            sheets.Line(line);
    }
    return painter.end();
}

QByteArray ReportPdf(const Model& model)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Quorlink"));
        pdf.setTitle(QString::fromStdString(model.ModelName()) + QStringLiteral(" Quorlink"));
        pdf.setResolution(300);
        if (!PaintReport(model, pdf))
            return {};
    }
    return buffer.data();
}

QString WriteReportPdf(const Model& model, const QString& path)
{
    const QByteArray pdf = ReportPdf(model);
    if (pdf.isEmpty())
        return ReportPdfTexts::tr("Could not write %1").arg(QFileInfo(path).fileName());
    // Made whole in memory first, so a full disk keeps the previous file.
    return FaultText(WriteWholeFile(path, pdf));
}

}  // namespace quorlink
