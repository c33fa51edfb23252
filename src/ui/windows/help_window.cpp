// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window.h"

#include "program_icon.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>

namespace quorlink {

namespace {

// "Reading the radio" -> "reading-the-radio", as the guide's own links name its headings.
QString AnchorOf(const QString& heading)
{
    QString anchor = heading.toLower();
    anchor.replace(QLatin1Char(' '), QLatin1Char('-'));
    anchor.remove(QRegularExpression(QStringLiteral("[^a-z0-9_-]")));
    return anchor;
}

}  // namespace

HelpWindow::HelpWindow(const QString& guidePath, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmGuide"));
    setWindowTitle(tr("Quorlink User Guide"));
    setWindowIcon(ProgramIcon());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("txtGuide"));
    // The guide's links are followed here: Qt's own handling loads the guide
    // again for a link to one of its sections, and the reloaded text has lost
    // the names of its headings, so every such link went to the top.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
    // Relative picture paths resolve against the guide's own folder.
    browser_->setSource(QUrl::fromLocalFile(guidePath), QTextDocument::MarkdownResource);
    NameHeadings();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(760, 600);
}

// Markdown headings carry no anchors; the guide's table of contents links to them by name.
void HelpWindow::NameHeadings()
{
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorNames({AnchorOf(block.text())});
        cursor.mergeCharFormat(anchor);
    }
}

// A section of the guide ("#comparing") scrolls to its heading; anything
// else (a web page, another file) opens in the desktop's program for it.
void HelpWindow::FollowLink(const QUrl& link)
{
    const QUrl guide = browser_->source().adjusted(QUrl::RemoveFragment);
    const bool inGuide = link.adjusted(QUrl::RemoveFragment) == guide || (link.isRelative() && link.path().isEmpty());
    if (inGuide && link.hasFragment())
        browser_->scrollToAnchor(link.fragment());
    else if (!inGuide)
        QDesktopServices::openUrl(link.isRelative() ? guide.resolved(link) : link);
}

bool HelpWindow::GoTo(const QString& section)
{
    if (section.isEmpty()) {
        browser_->verticalScrollBar()->setValue(0);
        return true;
    }
    // A heading of that name first: the table of contents names it too.
    QTextBlock found;
    for (QTextBlock block = browser_->document()->begin(); block.isValid() && !found.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() > 0 && block.text() == section)
            found = block;
    for (QTextBlock block = browser_->document()->begin(); block.isValid() && !found.isValid(); block = block.next())
        if (block.text().startsWith(section))
            found = block;
    if (!found.isValid())
        return false;
    browser_->setTextCursor(QTextCursor(found));
    const QRectF where = browser_->document()->documentLayout()->blockBoundingRect(found);
    browser_->verticalScrollBar()->setValue(qRound(where.top()));
    return true;
}

}  // namespace quorlink
