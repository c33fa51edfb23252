// SPDX-License-Identifier: GPL-3.0-or-later
// A word of the records (marked QT_TRANSLATE_NOOP("Records", ...) in the
// model) in the user's language.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

namespace quorlink {

inline QString ModelText(const char* text) { return QCoreApplication::translate("Records", text); }
inline QString ModelText(const std::string& text) { return ModelText(text.c_str()); }

}  // namespace quorlink
