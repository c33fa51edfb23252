// SPDX-License-Identifier: GPL-3.0-or-later
// Help: the help file at a context number when it is installed, otherwise
// the user guide inside the program at the section of the focused page.
#include "help_commands.h"

#include "about_box.h"
#include "control_tables.h"
#include "latin1.h"
#include "model.h"
#include "page_router.h"
#include "program_folder.h"
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

void HelpCommands::mnuHelpContents_Click() { ShowHelpAt(kHelpContentsContext, QString()); }

void HelpCommands::mnuHelpAbout_Click()
{
    AboutBox about(model_, window_);
    about.exec();
}

void HelpCommands::SetHelpContexts()
{
    helpFile_ = HelpFilePath(programFolder_, ToQString(model_.VariantCode) + QStringLiteral(".HLP"));
    for (QWidget* w : window_->findChildren<QWidget*>())
        if (const int context = HelpContextFor(w->objectName()))
            w->setProperty("helpContext", context);
}

QString HelpCommands::GuideSectionOf(const QWidget* focus) const
{
    if (focus == nullptr)
        return {};
    if (focus == pages_.TreeWidget() || pages_.TreeWidget()->isAncestorOf(focus))
        return QStringLiteral("The window");
    for (int i = 0; i < int(std::size(kPageSections)); ++i)
        if (pages_.Pages().panel(static_cast<Panel>(i))->isAncestorOf(focus))
            return QLatin1String(kPageSections[i]);
    return {};
}

void HelpCommands::ShowHelpAt(int context, const QString& section)
{
    prompt_.ShowHelpOrGuide(window_->windowTitle(), helpFile_, context, section);
}

void HelpCommands::ShowHelpFor(QObject* watched)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    int context = 0;
    for (QObject* o = watched; o && !context; o = o->parent())
        context = o->property("helpContext").toInt();
    ShowHelpAt(context ? context : kHelpContentsContext, GuideSectionOf(widget));
}

}  // namespace quorlink
