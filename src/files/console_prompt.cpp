// SPDX-License-Identifier: GPL-3.0-or-later
#include "console_prompt.h"

#include "terminal_text.h"

namespace quorlink {

Answer ConsolePrompt::Message(const QString& title, const QString& text, MessageIcon,
                              MessageButtons buttons)
{
    // A message of several lines (a verify error's places, a port's causes) keeps them.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(out_, "%s: %s\n", qPrintable(EscapeControls(title)), qPrintable(EscapeControls(lines.trimmed())));
    std::fflush(out_);
    if (buttons == MessageButtons::OkCancelSafe)
        return Answer::Cancel;  // nobody to ask: the safe answer
    if (buttons == MessageButtons::StopOrKeepWriting)
        return Answer::No;
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? Answer::Yes
                                                                                      : Answer::Ok;
}

}  // namespace quorlink
