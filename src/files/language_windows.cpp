// SPDX-License-Identifier: GPL-3.0-or-later
// Windows keeps the display language per user; Qt reads it for us.
#include "language.h"

#include <QLocale>

namespace quorlink {

QString LanguageOfEnvironment()
{
    const QStringList languages = QLocale::system().uiLanguages();
    return OfferedLanguageFor(languages.isEmpty() ? QString() : languages.first());
}

}  // namespace quorlink
