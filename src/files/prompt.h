// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the user must read or answer goes through this interface: the
// window shows message boxes, the command line prints, tests record.
#pragma once

#include "comparison.h"
#include "outcome.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <functional>
#include <vector>

namespace quorlink {

struct PromptTexts {
    Q_DECLARE_TR_FUNCTIONS(PromptTexts)
};

// OkCancelSafe: OK and Cancel with Cancel the default, for a step that
// cannot be taken back. StopOrKeepWriting: "Stop Writing" (Yes) and "Keep
// Writing" (No), the default and Escape's answer.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, OkCancelSafe, StopOrKeepWriting };
enum class Answer { Ok, Cancel, Yes, No };

class Prompt {
public:
    virtual ~Prompt() = default;
    virtual Answer Message(const QString& title, const QString& text, MessageIcon icon,
                           MessageButtons buttons = MessageButtons::Ok) = 0;

    // A message whose text lists only the start of a longer list, with the
    // whole list on request (the window's box saves or copies it). Without a
    // window the text alone is shown.
    virtual Answer ListMessage(const QString& title, const QString& text, MessageIcon icon,
                               const QString& /*wholeList*/)
    {
        return Message(title, text, icon);
    }

    // File dialogs; filter in the form "dat files(*.dat)|*.dat|All files(*.*)|*.*".
    // An empty answer means the user cancelled. Without a window there is no one to ask.
    virtual QString OpenFileName(const QString& /*filter*/) { return {}; }
    virtual QString SaveFileName(const QString& /*filter*/) { return {}; }
    // Opens a help file at a context number; empty on success, else why it failed.
    virtual QString ShowHelp(const QString& /*helpFile*/, int /*context*/)
    {
        return PromptTexts::tr("No help viewer");
    }
    // Shows the user guide from the start of the given section (its heading or
    // the beginning of its paragraph; empty: the top); empty on success, else why it failed.
    virtual QString ShowGuide(const QString& /*section*/) { return PromptTexts::tr("No user guide"); }
    // As ConfirmChanges, with a tick box for each change: ticked comes in
    // one a change, all true, and leaves as the user ticked them.
    virtual bool ChooseChanges(const QString& title, const std::vector<Difference>& changes,
                               const std::function<void(const QString& key, const QString& field)>& jump,
                               std::vector<bool>& /*ticked*/)
    {
        return ConfirmChanges(title, changes, jump);
    }
    // Lists what a step would change (jump shows the page of a line's tree
    // key) and asks whether to take it; true only for the go-ahead. Without
    // a window there is no one to ask.
    virtual bool ConfirmChanges(const QString& /*title*/, const std::vector<Difference>& /*changes*/,
                                const std::function<void(const QString& key, const QString& field)>& /*jump*/)
    {
        return false;
    }

    // Opens the help file at a context, or says why not in a box with the
    // given caption: there is no help file, or the viewer's own reason.
    void ShowHelpOrSayWhy(const QString& caption, const QString& helpFile, int context)
    {
        if (helpFile.isEmpty()) {
            Message(caption,
                    PromptTexts::tr("Unable to display Help Contents. There is no Help associated with this project."),
                    MessageIcon::Information);
            return;
        }
        if (const QString failure = ShowHelp(helpFile, context); !failure.isEmpty())
            Message(caption, failure, MessageIcon::None);
    }

    // Help wherever it is asked for: the help file at a context when it is
    // installed; without it the user guide at a section stands in; when that
    // cannot be shown either, the box says why (as ShowHelpOrSayWhy).
    void ShowHelpOrGuide(const QString& caption, const QString& helpFile, int context, const QString& section)
    {
        if (!helpFile.isEmpty() && !QFileInfo::exists(helpFile) && ShowGuide(section).isEmpty())
            return;
        ShowHelpOrSayWhy(caption, helpFile, context);
    }
};

}  // namespace quorlink
