// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor's command line asks for: "quorlink [FILE]", "quorlink /K",
// "quorlink --version", "quorlink --help".
#pragma once

#include <QStringList>

namespace quorlink {

struct EditorCommandLine {
    bool diagnostic = false;  // exactly "/K" (any case): the service mode
    bool version = false;
    bool help = false;
    QString file;             // opened after start-up, as File > Open opens it
    QStringList ignored;      // further arguments, which the editor has no use for
};

// The arguments without the program's name, after Qt took its own.
EditorCommandLine ParseEditorCommandLine(const QStringList& arguments);

extern const char* const kEditorUsage;

}  // namespace quorlink
