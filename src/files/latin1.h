// SPDX-License-Identifier: GPL-3.0-or-later
// The model keeps texts as 8-bit strings; files hold one byte per character.
// Latin-1 maps every byte to one character and back, so nothing is lost.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

namespace quorlink {

inline QString ToQString(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace quorlink
