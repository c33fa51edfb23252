// SPDX-License-Identifier: GPL-3.0-or-later
// The languages the program speaks, and which one a run takes: the one chosen
// under Options > Language, else the desktop's (the command line: LC_ALL,
// LC_MESSAGES, LANG). English is the source text and needs no translation.
#pragma once

#include <QString>

namespace quorlink {

struct OfferedLanguage {
    const char* code;        // as the translation files are named: "fr", "pt_BR"
    const char* nativeName;  // as its speakers write it, so anyone can find their own
};

inline constexpr OfferedLanguage kOfferedLanguages[] = {
    {"en", "English"}, {"fr", "Fran\xC3\xA7" "ais"}, {"es", "Espa\xC3\xB1ol"},
    {"de", "Deutsch"}, {"pt_BR", "Portugu\xC3\xAAs (Brasil)"},
};

// The offered language closest to a locale name such as "fr_CA.UTF-8",
// "pt", "de-AT" or "C"; "en" when none is offered.
QString OfferedLanguageFor(const QString& localeName);

// The language the environment asks for, as an offered code.
QString LanguageOfEnvironment();

// The run's language: the stored choice, when it names an offered language, else the environment's.
QString LanguageOfThisRun(const QString& storedChoice);

// Installs the program's and Qt's own translations for an offered language
// into the running application; English installs none. False when a
// translation the language needs is missing.
bool InstallTranslations(const QString& code);

// A translation of the program kept outside the offered ones (for checks): its
// file is ":/i18n/quorlink_<name>.qm".
bool InstallProgramTranslation(const QString& name);

}  // namespace quorlink
