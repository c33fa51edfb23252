// SPDX-License-Identifier: GPL-3.0-or-later
// What the command classes of the window may ask of it, and what they share:
// the window their boxes belong to, the document, the pages and the tree.
#pragma once

#include "window_disabled_while_busy.h"

#include <QObject>
#include <QString>

class QWidget;

namespace quorlink {

class Document;
struct Model;
class ErrorLog;
class PageRouter;
class Prompt;
struct TransferSetup;

struct WindowTimings {
    int pauseMs = 500;     // the pause that ends every long command
    int newDelayMs = 100;  // the deferred New waits for the menu to close
};

class CommandShell {
public:
    // A field being typed into is checked before any command (PageHost::CommitPendingEdit).
    virtual bool CommitPendingEdit() = 0;
    virtual void UpdateTitle() = 0;
    // Sets status-bar panel 1.
    virtual void SetHint(const QString& hint) = 0;
    // Sets status-bar panel 2, where the window tells what a command did
    // (after "Modified" while there are unsaved edits). The note stays until
    // the next command starts (CommitPendingEdit). Of a long note only path,
    // a part of text, is cut short.
    virtual void SetStateText(const QString& text, const QString& path) = 0;
    // Fresh records of the chosen model, shown from the settings page.
    virtual void RebuildAll() = 0;

    // What one command class does for another, passed on by the window so
    // that no command class knows another.
    // File > Open and File > Compare With... of a file already chosen.
    virtual void OpenDataFile(const QString& path) = 0;
    virtual void CompareWithFile(const QString& path) = 0;
    // The timings, help file, stored port devices, backups and check a transfer runs with now.
    virtual TransferSetup TransferSetupNow() = 0;
    // The help file of the model, where a transfer's help button opens it.
    virtual QString HelpFile() const = 0;

protected:
    ~CommandShell() = default;
};

struct CommandContext {
    QWidget* window;  // the parent of the commands' boxes, disabled while one runs
    CommandShell& shell;
    PageRouter& pages;
    Document& document;
    Prompt& prompt;
    ErrorLog& log;
    WindowTimings timings;
    QString programFolder;
};

// The base of the command classes: what every command of the window works with.
class WindowCommands : public QObject {
public:
    explicit WindowCommands(const CommandContext& context);

protected:
    bool CommitPendingEdit() { return shell_.CommitPendingEdit(); }
    // Leaves the note what (a sentence with %1 for the path: "Saved as %1") in
    // panel 2: what a command did, and to which file.
    void NoteDone(const QString& what, const QString& path);
    // The file a command works on, asked after the field being typed into
    // is committed; empty when that check or the user stopped the command.
    QString AskOpenName(const QString& filter);
    QString AskSaveName(const QString& filter);
    using FocusAfter = WindowDisabledWhileBusy::FocusAfter;
    // For the length of a command; see WindowDisabledWhileBusy.
    WindowDisabledWhileBusy DisableWindow(FocusAfter after = FocusAfter::WhereItWas) const;

    QWidget* window_;
    CommandShell& shell_;
    PageRouter& pages_;
    Document& document_;
    const Model& model_;
    Prompt& prompt_;
    ErrorLog& log_;
    WindowTimings timings_;
    QString programFolder_;
};

}  // namespace quorlink
