// SPDX-License-Identifier: GPL-3.0-or-later
// A prompt for tests: records every message and answers from a queue
// (Ok or Yes when the queue is empty), so no test ever blocks on a box.
#pragma once

#include "prompt.h"

#include <QList>
#include <QPair>
#include <QQueue>
#include <QStringList>

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

    // Recorded as a message; the whole list it offers goes to wholeLists.
    Answer ListMessage(const QString& title, const QString& text, MessageIcon icon,
                       const QString& wholeList) override
    {
        wholeLists.append(wholeList);
        return Message(title, text, icon);
    }

    // Records an outcome's messages as the window shows them, one box each;
    // hands the outcome back.
    Outcome Show(Outcome outcome)
    {
        for (const quorlink::Message& message : outcome.messages)
            Message(QString::fromStdString(message.title), QString::fromStdString(message.text), message.icon);
        return outcome;
    }

    QString OpenFileName(const QString& filter) override { return NextFileName(filter); }
    QString SaveFileName(const QString& filter) override { return NextFileName(filter); }
    QString ShowHelp(const QString& helpFile, int context) override
    {
        helpRequests.append({helpFile, context});
        return helpFailure;
    }
    QString ShowGuide(const QString& section) override
    {
        guideRequests.append(section);
        return guideFailure;
    }

    bool ConfirmChanges(const QString& title, const std::vector<Difference>& changes,
                        const std::function<void(const QString& key, const QString& field)>&) override
    {
        confirmations.append({title, changes});
        return confirmAnswers.isEmpty() ? true : confirmAnswers.dequeue();
    }

    bool ChooseChanges(const QString& title, const std::vector<Difference>& changes,
                       const std::function<void(const QString& key, const QString& field)>& jump,
                       std::vector<bool>& ticked) override
    {
        const bool go = ConfirmChanges(title, changes, jump);
        if (choose)
            choose(changes, ticked);
        return go;
    }

    QList<QPair<QString, std::vector<Difference>>> confirmations;  // every change list shown
    // Unticks changes as a user would; unset: all stay ticked.
    std::function<void(const std::vector<Difference>&, std::vector<bool>&)> choose;
    QQueue<bool> confirmAnswers;  // empty queue: go ahead
    QList<ShownMessage> shown;
    QStringList wholeLists;       // the whole list of every ListMessage
    QQueue<Answer> answers;
    QQueue<QString> fileNames;    // answers to file dialogs; empty queue: cancelled
    QStringList dialogFilters;    // the filter of every file dialog asked
    QList<QPair<QString, int>> helpRequests;
    QString helpFailure;          // what ShowHelp reports
    QStringList guideRequests;    // the section of every user guide shown
    QString guideFailure;         // what ShowGuide reports

private:
    QString NextFileName(const QString& filter)
    {
        dialogFilters.append(filter);
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
};

}  // namespace quorlink::test
