// SPDX-License-Identifier: GPL-3.0-or-later
// A file path kept in the model (which has no Qt) is held as the file system
// spells it: QFile's 8-bit name, UTF-8 here. Unlike the Latin-1 of file
// contents this holds every name, "Лодка.dat" included.
#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace quorlink {

inline std::string PathText(const QString& path) { return QFile::encodeName(path).toStdString(); }

inline QString PathOf(const std::string& text)
{
    return QFile::decodeName(QByteArray::fromStdString(text));
}

}  // namespace quorlink
