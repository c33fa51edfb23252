// Everything the user must read or answer goes through this interface: the
// window shows message boxes, the command line prints, tests record.
#pragma once

#include <QString>

namespace quorlink {

enum class MessageIcon { None, Information, Exclamation, Warning, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

class Prompt {
public:
    virtual ~Prompt() = default;
    virtual Answer Message(const QString& title, const QString& text, MessageIcon icon,
                           MessageButtons buttons = MessageButtons::Ok) = 0;
};

}  // namespace quorlink
