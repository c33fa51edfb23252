// The window's way of asking and telling: message boxes, file dialogs and
// the help viewer.
#pragma once

#include "prompt.h"

class QWidget;

namespace quorlink {

class WidgetPrompt : public Prompt {
public:
    explicit WidgetPrompt(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    Answer Message(const QString& title, const QString& text, MessageIcon icon,
                   MessageButtons buttons = MessageButtons::Ok) override;
    QString OpenFileName(const QString& filter) override;
    QString SaveFileName(const QString& filter) override;
    QString ShowHelp(const QString& helpFile, int context) override;

private:
    QWidget* parent_;
};

// "dat files(*.dat)|*.dat|All files(*.*)|*.*" -> "dat files(*.dat);;All files(*.*)".
QString QtFilter(const QString& filter);

}  // namespace quorlink
