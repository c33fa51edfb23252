// SPDX-License-Identifier: GPL-3.0-or-later
// Help: the help file at a context number when it is installed, otherwise
// the user guide inside the program at the section of the focused page.
#include "main_window.h"

#include "prompt.h"

#include <QTreeWidget>
#include <iterator>

namespace quorlink {

namespace {

// Where the guide describes each page: the start of its heading or paragraph.
constexpr const char* kPageSections[] = {
    "Programmable Channel",        // A: priority, A and B channels
    "USA, International, Canada",  // B: channel lists
    "A channel",                   // C: channel editor
    "WX Channel",                  // D: weather channels
    "Individual Directory",        // E: directory lists
    "Setting:",                    // F: common settings
    "Individual Directory",        // G: directory entries
};

}  // namespace

QString MainWindow::GuideSectionOf(const QWidget* focus) const
{
    if (focus == nullptr)
        return {};
    if (focus == tvTreeView_ || tvTreeView_->isAncestorOf(focus))
        return QStringLiteral("The window");
    for (int i = 0; i < int(std::size(kPageSections)); ++i)
        if (pages_->panel(static_cast<Panel>(i))->isAncestorOf(focus))
            return QLatin1String(kPageSections[i]);
    return {};
}

void MainWindow::ShowHelpAt(int context, const QString& section)
{
    prompt_.ShowHelpOrGuide(windowTitle(), helpFile_, context, section);
}

}  // namespace quorlink
