// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace quorlink {

namespace {

// Locale names come as ll, ll_CC, ll-CC, with an encoding or modifier after '.' or '@'.
QString Normalised(QString name)
{
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return name.replace(QLatin1Char('-'), QLatin1Char('_'));
}

bool Install(const QString& file)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

}  // namespace

QString OfferedLanguageFor(const QString& localeName)
{
    const QString name = Normalised(localeName);
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    QString match = QStringLiteral("en");
    for (const OfferedLanguage& offered : kOfferedLanguages) {
        const QString code = QLatin1String(offered.code);
        if (code == name)
            return code;
        // Any Portuguese reads the Brazilian translation better than English.
        if (code.section(QLatin1Char('_'), 0, 0) == language)
            match = code;
    }
    return match;
}

QString LanguageOfThisRun(const QString& storedChoice)
{
    for (const OfferedLanguage& offered : kOfferedLanguages) {
        if (storedChoice == QLatin1String(offered.code))
            return storedChoice;
    }
    return LanguageOfEnvironment();
}

bool InstallTranslations(const QString& code)
{
    if (code == QLatin1String("en"))
        return true;
    // Qt's own words: the standard buttons, the file dialogs' captions.
    const bool qt = Install(QStringLiteral(":/i18n/qtbase_%1.qm").arg(code));
    return InstallProgramTranslation(code) && qt;
}

bool InstallProgramTranslation(const QString& name)
{
    return Install(QStringLiteral(":/i18n/quorlink_%1.qm").arg(name));
}

}  // namespace quorlink
