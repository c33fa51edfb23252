// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prompt.h"

#include <cstdio>

namespace quorlink {

// Prints each message as "title: text", control characters escaped, on a
// stream (standard error for the command line) and answers every question
// with its first button, except that a question whose default is Cancel is
// answered Cancel.
class ConsolePrompt : public Prompt {
public:
    explicit ConsolePrompt(std::FILE* out = stderr) : out_(out) {}
    Answer Message(const QString& title, const QString& text, MessageIcon icon,
                   MessageButtons buttons = MessageButtons::Ok) override;

private:
    std::FILE* out_;
};

}  // namespace quorlink
