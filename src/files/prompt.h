// Everything the user must read or answer goes through this interface: the
// window shows message boxes, the command line prints, tests record.
#pragma once

#include <QString>

namespace quorlink {

enum class MessageIcon { None, Information, Exclamation, Warning, Critical, Question };
// OkCancelSafe: OK and Cancel with Cancel the default, for a step that
// cannot be taken back.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, OkCancelSafe };
enum class Answer { Ok, Cancel, Yes, No };

class Prompt {
public:
    virtual ~Prompt() = default;
    virtual Answer Message(const QString& title, const QString& text, MessageIcon icon,
                           MessageButtons buttons = MessageButtons::Ok) = 0;

    // File dialogs; filter in the form "dat files(*.dat)|*.dat|All files(*.*)|*.*".
    // An empty answer means the user cancelled. Without a window there is no one to ask.
    virtual QString OpenFileName(const QString& /*filter*/) { return {}; }
    virtual QString SaveFileName(const QString& /*filter*/) { return {}; }
    // Opens a help file at a context number; empty on success, else why it failed.
    virtual QString ShowHelp(const QString& /*helpFile*/, int /*context*/)
    {
        return QStringLiteral("No help viewer");
    }
    // Shows the user guide from the start of the given section (its heading or
    // the beginning of its paragraph; empty: the top); empty on success, else why it failed.
    virtual QString ShowGuide(const QString& /*section*/) { return QStringLiteral("No user guide"); }
};

}  // namespace quorlink
