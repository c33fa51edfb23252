// SPDX-License-Identifier: GPL-3.0-or-later
// How a command ended: done, failed, or cancelled by the user, with what the
// user is to be told about it. Commands only build it; the window shows it
// in boxes, the command line prints it.
#pragma once

#include "fault.h"

#include <string>
#include <utility>
#include <vector>

namespace quorlink {

enum class MessageIcon { None, Information, Exclamation, Warning, Critical, Question };

// One report, in the order the user is to see it; text in UTF-8.
struct Message {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::None;
};

struct Outcome {
    enum class Kind { Done, Failed, Cancelled };

    Kind kind = Kind::Done;
    // The system's reason for a failure. Empty when the messages already
    // say all there is (a file of the other model, say).
    Fault fault;
    std::vector<Message> messages;
    // The command's flags: a failure raises ErrorFlag, a cancel raises
    // CancelFlag and so does a failure a fault ended.
    bool ErrorFlag = false;
    bool CancelFlag = false;

    static Outcome Done() { return {}; }
    static Outcome Failed(Fault why = {})
    {
        const bool faulted = static_cast<bool>(why);
        return {Kind::Failed, std::move(why), {}, true, faulted};
    }
    static Outcome Cancelled() { return {Kind::Cancelled, {}, {}, false, true}; }

    bool done() const { return kind == Kind::Done; }
    bool failed() const { return kind == Kind::Failed; }
    bool cancelled() const { return kind == Kind::Cancelled; }

    Outcome& Say(std::string title, std::string text, MessageIcon icon)
    {
        messages.push_back({std::move(title), std::move(text), icon});
        return *this;
    }
};

}  // namespace quorlink
