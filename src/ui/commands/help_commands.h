// SPDX-License-Identifier: GPL-3.0-or-later
// Help: the help file at a context number when it is installed, otherwise
// the user guide inside the program at the section of the focused page;
// and the about box.
#pragma once

#include "command_shell.h"

namespace quorlink {

class HelpCommands : public WindowCommands {
public:
    using WindowCommands::WindowCommands;

    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    // The help file of the model, and the help context of every control that has one.
    void SetHelpContexts();
    const QString& HelpFile() const { return helpFile_; }
    // F1 on watched: the help of its page.
    void ShowHelpFor(QObject* watched);

private:
    // The help file at a context; when it is not there, the user guide at a section.
    void ShowHelpAt(int context, const QString& section);
    QString GuideSectionOf(const QWidget* focus) const;

    QString helpFile_;
};

}  // namespace quorlink
