// SPDX-License-Identifier: GPL-3.0-or-later
// A word of the records (marked QT_TRANSLATE_NOOP("Records", ...) in the
// model) in the user's language.
#pragma once

#include "text_template.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <string>

namespace quorlink {

inline QString ModelText(const char* text) { return QCoreApplication::translate("Records", text); }
inline QString ModelText(const std::string& text) { return ModelText(text.c_str()); }

// The template in the user's language with each %n replaced by parts[n-1], in
// one pass: a part holding "%1" stays as it is.
QString FilledText(const QString& text, const QStringList& parts);

// A text built from parts, each translated where it is a marked word (labels,
// digits and country names, Latin-1 like every text of the records, come back as they are).
QString ModelText(const TextTemplate& words);

}  // namespace quorlink
