// SPDX-License-Identifier: GPL-3.0-or-later
// File > Import Directory... and Export Directory...: the directories to and
// from a list that clubs and fleets keep in a spreadsheet.
#include "directory_list_commands.h"

#include "directory_csv.h"
#include "document.h"
#include "file_filters.h"
#include "page_router.h"
#include "latin1.h"
#include "model.h"
#include "prompt.h"
#include "file_fault.h"

#include <QAction>
#include <QMenu>

namespace quorlink {

namespace {

constexpr int kRowsShown = 20;     // the box lists no more: it must fit on the screen
constexpr int kLongestRow = 100;   // characters of a row in the box
constexpr int kRowEnd = 48;        // of which the end of a shortened row keeps these

// A row as the box shows it. A long value (a name of a million letters) would
// take the window seconds to lay out and make the box taller than the screen:
// a long row keeps its start (the line and what is wrong) and its end, with
// an ellipsis for the rest. Save As and Copy give it whole.
QString ShortenedRow(const QString& row)
{
    if (row.size() <= kLongestRow)
        return row;
    qsizetype head = kLongestRow - kRowEnd - 1;
    qsizetype tail = row.size() - kRowEnd;
    if (row.at(head - 1).isHighSurrogate())
        --head;  // never half a character
    if (row.at(tail).isLowSurrogate())
        ++tail;
    return row.left(head) + QChar(0x2026) + row.mid(tail);
}

// What was added, the first rows not taken as they stood, then their counts,
// in the words the command line uses.
QString ImportSummary(const DirectoryImport& result)
{
    QStringList lines{AddedText(result) + QLatin1Char('.')};
    const int count = static_cast<int>(result.rows.size());
    for (int i = 0; i < count && i < kRowsShown; ++i)
        lines << ShortenedRow(DescribeRow(result.rows[std::size_t(i)]));
    QString total = ReportCounts(result);
    if (count > kRowsShown)
        total = DirectoryListCommands::tr("%1; the first %2 of %3 are listed above")
                    .arg(total, QString::number(kRowsShown), QString::number(count));
    if (!total.isEmpty())
        lines << total + QLatin1Char('.');
    return lines.join(QLatin1Char('\n'));
}

// Every row not taken as it stood, one a line, as the file lists them.
QString WholeRowList(const DirectoryImport& result)
{
    QString list;
    for (const RowReport& row : result.rows)
        list += DescribeRow(row) + QLatin1Char('\n');
    return list;
}

}  // namespace

// Placed after Compare With..., behind a separator of their own and ahead of
// the one before Exit, so that the specified items keep their places.
void DirectoryListCommands::AddDirectoryListCommands(QMenu* file)
{
    QAction* beforeExit = file->findChild<QAction*>(QStringLiteral("mnuFileBar3"));
    auto add = [&](const char* name, const QString& caption, void (DirectoryListCommands::*command)()) {
        auto* action = new QAction(caption, file);
        action->setObjectName(QLatin1String(name));
        file->insertAction(beforeExit, action);
        connect(action, &QAction::triggered, this, command);
    };
    QAction* bar = new QAction(file);
    bar->setSeparator(true);
    bar->setObjectName(QStringLiteral("mnuFileBarDirectory"));
    file->insertAction(beforeExit, bar);
    add("mnuFileImportDirectory", tr("&Import Directory..."), &DirectoryListCommands::mnuFileImportDirectory_Click);
    add("mnuFileExportDirectory", tr("&Export Directory..."), &DirectoryListCommands::mnuFileExportDirectory_Click);
}

void DirectoryListCommands::mnuFileImportDirectory_Click()
{
    const QString path = AskOpenName(ListFilter());
    if (path.isEmpty())
        return;
    const QString title = tr("Import Directory");
    DirectoryImport result;
    Fault fault{};
    // The whole import is one step; one that failed changed nothing and makes none.
    document_.Edit(title, pages_.ShownKey(), nullptr, [&](Model& model) { fault = ImportDirectoryFile(model, path, result); });
    if (fault) {
        prompt_.Message(title, FaultText(fault), MessageIcon::Exclamation);
        return;
    }
    pages_.RefreshCurrentPage();
    pages_.RefreshTreeAndColours();
    if (result.rows.empty())
        prompt_.Message(title, ImportSummary(result), MessageIcon::Information);
    else
        prompt_.ListMessage(title, ImportSummary(result), MessageIcon::Exclamation, WholeRowList(result));
}

void DirectoryListCommands::mnuFileExportDirectory_Click()
{
    const QString path = AskSaveName(ListFilter());
    if (path.isEmpty())
        return;
    if (const Fault fault = ExportDirectoryFile(document_.Records(), path))
        prompt_.Message(tr("Export Directory"), FaultText(fault), MessageIcon::Exclamation);
    else
        NoteDone(tr("Directory exported to %1"), path);
}

}  // namespace quorlink
