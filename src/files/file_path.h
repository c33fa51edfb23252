// SPDX-License-Identifier: GPL-3.0-or-later
// A file path kept in the model (which has no Qt) or given to the command
// line is held in UTF-8, on Linux the file system's own spelling and on
// Windows the one 8-bit form that holds every name (the system's code page
// does not). Unlike the Latin-1 of file contents this holds every name,
// "Лодка.dat" included.
#pragma once

#include <QString>
#include <string>

namespace quorlink {

inline std::string PathText(const QString& path) { return path.toStdString(); }

inline QString PathOf(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace quorlink
