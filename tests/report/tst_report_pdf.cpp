// SPDX-License-Identifier: GPL-3.0-or-later
// The printed report painted into PDF files, read back with its text positions.
#include "model.h"
#include "printed_report.h"
#include "report_painter.h"
#include "support/sample_model.h"

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorlink;

namespace {

constexpr double kMmPerPoint = 25.4 / 72;

struct Word {
    int page;
    double xMm;
    double yMm;
    QString text;
    double xEndMm;
};

// Every word of the PDF with its position, as pdftotext -bbox finds it.
QList<Word> Words(const QString& pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    static const QRegularExpression pageTag(QStringLiteral("<page "));
    static const QRegularExpression wordTag(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    QList<Word> words;
    int page = 0;
    for (const QString& part : html.split(pageTag)) {
        for (auto it = wordTag.globalMatch(part); it.hasNext();) {
            const auto m = it.next();
            words.append({page, m.captured(1).toDouble() * kMmPerPoint, m.captured(2).toDouble() * kMmPerPoint,
                          m.captured(4).replace(QStringLiteral("&amp;"), QStringLiteral("&")),
                          m.captured(3).toDouble() * kMmPerPoint});
        }
        ++page;
    }
    return words;
}

int Pages(const QList<Word>& words)
{
    int pages = 0;
    for (const Word& w : words)
        pages = qMax(pages, w.page);
    return pages;
}

// The first word with this text on a sheet, searched after (page, y).
const Word* Find(const QList<Word>& words, int page, const QString& text, double belowMm = -1)
{
    for (const Word& w : words)
        if (w.page == page && w.text == text && w.yMm > belowMm)
            return &w;
    return nullptr;
}

}  // namespace

class TestReportPdf : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    Model model;

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is needed; ./test.sh installs it");
    }

    void init()
    {
        model = Model();
        model.ModelNumber = 1;
        QVERIFY(!NewModel(model));
        test::ApplySampleEdits(model);
    }

    void pageCountsAndHeaders()
    {
        const QString first = dir.filePath(QStringLiteral("first.pdf"));
        QVERIFY(WriteReportPdf(model, first).isEmpty());
        const QList<Word> words = Words(first);
        QCOMPARE(Pages(words), 9);
        QVERIFY(Find(words, 1, QStringLiteral("MR7100A")));
        QVERIFY(Find(words, 9, QStringLiteral("9")));

        model.ModelNumber = 0;
        const QString second = dir.filePath(QStringLiteral("second.pdf"));
        QVERIFY(WriteReportPdf(model, second).isEmpty());
        const QList<Word> words2 = Words(second);
        QCOMPARE(Pages(words2), 8);
        QVERIFY(Find(words2, 1, QStringLiteral("Common")));
        QVERIFY(Find(words2, 8, QStringLiteral("Group")));
    }

    // Cells start at their column plus the 10 mm margin; the header sits 5 mm down.
    void columnsLineUp()
    {
        const QString path = dir.filePath(QStringLiteral("columns.pdf"));
        QVERIFY(WriteReportPdf(model, path).isEmpty());
        const QList<Word> words = Words(path);
        const Word* header = Find(words, 3, QStringLiteral("MR7100A"));
        const Word* ch = Find(words, 3, QStringLiteral("CH"));
        QVERIFY(header && ch);
        const double left = ch->xMm - 10;  // the printable edge
        QVERIFY(left >= 0 && left < 10);
        QVERIFY(qAbs(header->xMm - ch->xMm) < 0.3);
        QVERIFY(header->yMm > 5 - 0.5 && header->yMm < 5 + 6);
        const std::pair<const char*, double> titles[] = {{"ENABLE", 12}, {"RX(MHz)", 31}, {"TX(MHz)", 52},
                                                         {"TX", 73}, {"LOW", 82}, {"UP", 94}, {"DUP", 104},
                                                         {"MEM", 116}, {"VS", 128}};
        for (const auto& [title, column] : titles) {
            const Word* w = Find(words, 3, QLatin1String(title));
            QVERIFY2(w, title);
            QVERIFY2(qAbs(w->xMm - (left + 10 + column)) < 0.3, title);
            QVERIFY(qAbs(w->yMm - ch->yMm) < 0.1);
        }
        // A row: "16" then its RX frequency at 31 mm.
        const Word* row16 = nullptr;
        for (const Word& w : words)
            if (w.page == 3 && w.text == QLatin1String("DISTRESS"))
                row16 = &w;
        QVERIFY(row16);
        QVERIFY(qAbs(row16->xMm - (left + 10 + 137)) < 0.3);
        const Word* settingValue = Find(words, 2, QStringLiteral("LO"));
        QVERIFY(settingValue);
        QVERIFY(settingValue->xMm > left + 10 + 48);  // after ": " at 48 mm
        // The user MMSI ends before the "----- Count" at 70 mm begins.
        const Word* mmsi = Find(words, 2, QStringLiteral("3669876540"));
        const Word* dashes = Find(words, 2, QStringLiteral("-----"));
        QVERIFY(mmsi && dashes);
        QVERIFY(mmsi->xEndMm < dashes->xMm);
        QVERIFY(qAbs(dashes->xMm - (left + 10 + 70)) < 0.3);
    }

    // A page taller than the sheet goes on over the next sheet without a header.
    void longPageContinues()
    {
        const QString path = dir.filePath(QStringLiteral("small.pdf"));
        {
            QPdfWriter pdf(path);
            pdf.setResolution(300);
            pdf.setPageSize(QPageSize(QPageSize::A6));
            QVERIFY(PaintReport(model, pdf));
        }
        const QList<Word> words = Words(path);
        QVERIFY(Pages(words) > 9);
        int headers = 0;
        int lastPage = 0;
        for (const Word& w : words)
            if (w.text == QLatin1String("Quorlink") && w.page != lastPage) {
                ++headers;
                lastPage = w.page;
            }
        QCOMPARE(headers, 9);
        // Header numbers count report pages, not sheets: the last header says 9 of 9.
        QStringList lastHeader;
        double headerY = -1;
        for (const Word& w : words) {
            if (w.text == QLatin1String("MR7100A")) {
                lastHeader.clear();
                headerY = w.yMm;
            }
            if (qAbs(w.yMm - headerY) < 0.1)
                lastHeader << w.text;
        }
        QCOMPARE(lastHeader.join(QLatin1Char(' ')), QStringLiteral("MR7100A Quorlink --- Page 9 of 9"));
    }

    // Text found or copied from the PDF reads as printed: no letters joined
    // into a ligature ("Oﬀset" with U+FB00), every word of the report there.
    void textReadsAsPrinted()
    {
        const QString path = dir.filePath(QStringLiteral("text.pdf"));
        QVERIFY(WriteReportPdf(model, path).isEmpty());
        QProcess tool;
        tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY(tool.waitForFinished(30000) && tool.exitCode() == 0);
        const QString text = QString::fromUtf8(tool.readAllStandardOutput());
        QVERIFY(!text.contains(QRegularExpression(QStringLiteral("[\\x{FB00}-\\x{FB4F}]"))));
        const QStringList found = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        for (const PrintPage& page : BuildPrintedReport(model))
            for (const PrintLine& line : page.lines)
                for (const PrintCell& cell : line.cells)
                    for (const QString& word : QString::fromLatin1(cell.text.data(), qsizetype(cell.text.size())).split(' '))
                        QVERIFY2(word.isEmpty() || found.contains(word), qPrintable(word));
    }

    void unwritableTarget()
    {
        QVERIFY(!WriteReportPdf(model, dir.filePath(QStringLiteral("no/such/folder/x.pdf"))).isEmpty());
    }
};

QTEST_MAIN(TestReportPdf)
#include "tst_report_pdf.moc"
