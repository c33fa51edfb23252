// SPDX-License-Identifier: GPL-3.0-or-later
// Names and texts from files, lists and command lines may hold terminal
// control sequences; printed raw they retitle or clear the user's terminal,
// move the cursor over earlier lines or fake output. Everything the command
// line says goes through here.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace quorlink {

// Control characters as \xHH: C0 but line feed and tab, a carriage return
// unless a line feed follows, DEL and C1. The rest stays as it is.
QString EscapeControls(const QString& text);

// As EscapeControls, line feeds, tabs and carriage returns included: for a
// text that must stay on its one line, such as a report on a row of a list.
QString EscapeControlsOnOneLine(const QString& text);

// Bytes in the system's encoding (UTF-8), such as a file name from the
// command line: as EscapeControls, and each byte that does not decode as \xHH.
QString EscapeControls(QByteArrayView bytes);

}  // namespace quorlink
