// SPDX-License-Identifier: GPL-3.0-or-later
// The language of messages as POSIX has it: the first of LC_ALL, LC_MESSAGES
// and LANG that is set. "C" and "POSIX" mean English.
#include "language.h"

#include <QByteArray>
#include <QtGlobal>

namespace quorlink {

QString LanguageOfEnvironment()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return OfferedLanguageFor(QString::fromLatin1(value));
    }
    return QStringLiteral("en");
}

}  // namespace quorlink
