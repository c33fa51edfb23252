// A prompt for tests: records every message and answers from a queue
// (Ok or Yes when the queue is empty), so no test ever blocks on a box.
#pragma once

#include "prompt.h"

#include <QList>
#include <QQueue>

namespace quorlink::test {

struct ShownMessage {
    QString title;
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
};

class RecordingPrompt : public Prompt {
public:
    Answer Message(const QString& title, const QString& text, MessageIcon icon,
                   MessageButtons buttons = MessageButtons::Ok) override
    {
        shown.append({title, text, icon, buttons});
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? Answer::Yes
                                                                                          : Answer::Ok;
    }

    QList<ShownMessage> shown;
    QQueue<Answer> answers;
};

}  // namespace quorlink::test
