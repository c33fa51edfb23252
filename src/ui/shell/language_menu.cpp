// SPDX-License-Identifier: GPL-3.0-or-later
#include "language_menu.h"

#include "language.h"
#include "menu_items.h"
#include "prompt.h"
#include "settings_store.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QTranslator>

namespace quorlink {

namespace {

struct LanguageMenuTexts {
    Q_DECLARE_TR_FUNCTIONS(LanguageMenuTexts)
};

const char* const kCaption = QT_TRANSLATE_NOOP("LanguageMenuTexts", "Language");
const char* const kNote =
    QT_TRANSLATE_NOOP("LanguageMenuTexts", "The new language takes effect when Quorlink starts again.");

// In the language just chosen, which this run does not speak yet; in this
// run's language when there is no translation of it.
QString InLanguage(const QString& code, const char* text)
{
    if (code == QLatin1String("en"))
        return QString::fromUtf8(text);
    QTranslator chosen;
    if (chosen.load(QStringLiteral(":/i18n/quorlink_%1.qm").arg(code))) {
        const QString translated = chosen.translate("LanguageMenuTexts", text);
        if (!translated.isEmpty())
            return translated;
    }
    return LanguageMenuTexts::tr(text);
}

void Choose(const QString& choice, const QString& runLanguage, Prompt& prompt)
{
    SettingsStore::StoreLanguage(choice);
    const QString language = LanguageOfThisRun(choice);
    if (language != runLanguage)
        prompt.Message(InLanguage(language, kCaption), InLanguage(language, kNote), MessageIcon::Information);
}

}  // namespace

void AddLanguageMenu(QMenu* options, Prompt& prompt)
{
    AddSeparator(options, "mnuOptionsBar9");
    QMenu* menu = options->addMenu(LanguageMenuTexts::tr("&Language"));
    menu->setObjectName(QStringLiteral("mnuOptionsLanguage"));
    auto* group = new QActionGroup(menu);  // exclusive: one choice is checked
    const QString stored = SettingsStore::Language();
    const QString runLanguage = LanguageOfThisRun(stored);
    // A stored code the program does not offer (edited by hand) means the system's language.
    const QString checked = runLanguage == stored ? stored : QString();
    const auto add = [&](const QString& code, const QString& caption) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(QStringLiteral("mnuOptionsLanguage1(%1)").arg(group->actions().size()));
        item->setData(code);
        item->setCheckable(true);
        item->setChecked(code == checked);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, menu, [code, runLanguage, &prompt] {
            Choose(code, runLanguage, prompt);
        });
    };
    add(QString(), LanguageMenuTexts::tr("System default"));
    AddSeparator(menu, "mnuOptionsLanguageBar0");
    for (const OfferedLanguage& offered : kOfferedLanguages)
        add(QLatin1String(offered.code), QString::fromUtf8(offered.nativeName));
}

}  // namespace quorlink
