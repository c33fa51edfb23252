// SPDX-License-Identifier: GPL-3.0-or-later
// The window's way of asking and telling: message boxes, file dialogs and
// the help viewer.
#pragma once

#include "prompt.h"

#include <QPointer>
#include <QStringList>

class QWidget;

namespace quorlink {

class HelpWindow;

class WidgetPrompt : public Prompt {
public:
    explicit WidgetPrompt(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    // A folder the open dialog lists in its sidebar (made when missing).
    void AddSidebarFolder(const QString& folder);

    Answer Message(const QString& title, const QString& text, MessageIcon icon,
                   MessageButtons buttons = MessageButtons::Ok) override;
    Answer ListMessage(const QString& title, const QString& text, MessageIcon icon,
                       const QString& wholeList) override;
    QString OpenFileName(const QString& filter) override;
    QString SaveFileName(const QString& filter) override;
    QString ShowHelp(const QString& helpFile, int context) override;
    QString ShowGuide(const QString& section) override;
    bool ConfirmChanges(const QString& title, const std::vector<Difference>& changes,
                        const std::function<void(const QString& key, const QString& field)>& jump) override;
    bool ChooseChanges(const QString& title, const std::vector<Difference>& changes,
                       const std::function<void(const QString& key, const QString& field)>& jump,
                       std::vector<bool>& ticked) override;

private:
    QWidget* parent_;
    QPointer<HelpWindow> guide_;  // the guide window, once shown; it stays open beside the main window
    QStringList sidebarFolders_;
};

// "dat files(*.dat)|*.dat|All files(*.*)|*.*" -> "dat files(*.dat);;All files(*.*)".
QString QtFilter(const QString& filter);
// The extension a name without one gets under a filter such as "dat files(*.dat)":
// "dat"; empty for "All files(*.*)".
QString DefaultSuffixOf(const QString& qtNameFilter);

}  // namespace quorlink
