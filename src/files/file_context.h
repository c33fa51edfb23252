// SPDX-License-Identifier: GPL-3.0-or-later
// What the file commands need from their surroundings: somewhere to log,
// and how long to pause after the work (the window's half-second pause;
// none on the command line).
#pragma once

#include "error_log.h"
#include "outcome.h"

#include <QByteArray>
#include <QString>

namespace quorlink {

struct Model;

struct FileContext {
    const ErrorLog& log;
    int pauseMs = 500;
    // The program's data folder, whose recovery folder keeps what a save
    // writes over in place; empty: such a save is refused.
    QString dataFolder = QString();
};

// Saves bytes whole as path (WriteWholeFile); a save that had to write over
// the file in place keeps its old content as a recovery copy, and its
// outcome tells the user so.
Outcome SaveWholeFile(const FileContext& context, const QString& path, const QByteArray& bytes);

// The one pause every long command ends with (and the clone protocol takes
// between attempts): the window keeps painting meanwhile, while clicks and
// keys wait until it is over. Sleeps when there is no event loop.
void Pause(int ms);

// Where every file command ends: for a fault a log line naming source, and
// the message ("FileSave Error!!", "FileRead Error!!", marked in the context
// "FileContextTexts" and said in the user's language) titled "Quorlink"
// added to the outcome for the caller to show.
Outcome EndFileCommand(const Model& model, const FileContext& context, Outcome outcome, const char* source,
                       const char* message);

}  // namespace quorlink
