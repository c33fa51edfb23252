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
    // What went wrong on the way without ending the command (a backup that
    // could not be kept), to be told however it ended; text in UTF-8.
    std::vector<std::string> notes;

    static Outcome Done() { return {}; }
    static Outcome Failed(Fault why = {}) { return {Kind::Failed, std::move(why), {}, {}}; }
    static Outcome Cancelled() { return {Kind::Cancelled, {}, {}, {}}; }

    bool done() const { return kind == Kind::Done; }
    bool failed() const { return kind == Kind::Failed; }
    bool cancelled() const { return kind == Kind::Cancelled; }

    Outcome& Say(std::string title, std::string text, MessageIcon icon)
    {
        messages.push_back({std::move(title), std::move(text), icon});
        return *this;
    }
    Outcome& Note(std::string text)
    {
        notes.push_back(std::move(text));
        return *this;
    }
    // The notes of the steps before this one, told first.
    Outcome& After(std::vector<std::string> earlier)
    {
        earlier.insert(earlier.end(), notes.begin(), notes.end());
        notes = std::move(earlier);
        return *this;
    }
};

}  // namespace quorlink
