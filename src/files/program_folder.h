// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorlink {

// The folder of the program's own files (the default data file, err.log):
// the executable's folder when it can be written and the program is not an
// installed one, else the per-user data folder ~/.local/share/Quorlink,
// created when missing.
QString ProgramFolder();

// The same choice for an executable in the given folder. An installed
// program sits in the bin/ folder of a prefix whose share/ folder holds its
// desktop entry (share/applications/quorlink.desktop); it never writes into
// bin/, not even when run by a user who could.
QString ProgramFolderFor(const QString& executableFolder);

// The per-user data folder (~/.local/share/Quorlink, %LOCALAPPDATA%\Quorlink
// on Windows), created when missing.
QString PerUserDataFolder();

// Where backups and recovery copies go: the per-user data folder, for the
// editor and the command line alike and wherever they run from. Their own
// folders differ in a build tree (build/src/app, build/src/cli), and a
// clean build must not take the backups with it. The folder is made by the
// first file kept there.
QString DataFolder();

// Where the help file of the given name is looked for: the program's folder
// first, then prefix/share/quorlink beside the executable's bin/ folder.
// When neither holds it, the name in the program's folder, so that a failure names it.
QString HelpFilePath(const QString& programFolder, const QString& fileName);
QString HelpFilePathFor(const QString& programFolder, const QString& executableFolder, const QString& fileName);

// The user guide (README.md, its pictures beside it under docs/images): the
// installed one in prefix/share/doc/quorlink beside the executable's bin/
// folder, or beside the executable itself (the Windows installer and zip put
// it there), else the one in the source tree the program was built from;
// empty when none is there.
QString UserGuidePath();
QString UserGuidePathFor(const QString& executableFolder);

}  // namespace quorlink
