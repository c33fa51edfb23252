// SPDX-License-Identifier: GPL-3.0-or-later
// The window in every language it speaks, in large type, and in a made-up
// language 40 % longer than English: every text translated, none cut, and one
// accelerator per menu item.
#include "compare_window.h"
#include "help_window.h"
#include "language.h"
#include "list_message_box.h"
#include "main_window_fixture.h"
#include "text_fit.h"
#include "widget_prompt.h"

#include <QMenu>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>

using namespace quorlink;

namespace {

// A longer, accented English: "[Ŝàvé àš···]". A text that comes out
// unchanged was never translated; the 40 % more finds what only just fits.
class PseudoTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        const QString text = QString::fromUtf8(source);
        if (text.trimmed().isEmpty())
            return text;
        static const QString plain = QStringLiteral("aeiouAEIOUcnsy");
        static const QString accented = QStringLiteral("àéîõûÀÉÎÕÛçñšý");
        QString out = QStringLiteral("[");
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('%') || text[i] == QLatin1Char('<') || text[i] == QLatin1Char('\\')) {
                // Placeholders, markup and escapes stay as they are.
                const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\\s>]|$")), i + 1);
                out += text.mid(i, end - i);
                i = end - 1;
                continue;
            }
            const qsizetype at = plain.indexOf(text[i]);
            out += at >= 0 ? accented[at] : text[i];
        }
        return out + QString((text.size() * 2 + 4) / 5, QChar(0x00B7)) + QLatin1Char(']');
    }
};

struct Setting {
    QString language;  // an offered code, or "pseudo"
    double scale;      // of the desktop's font
};

void Use(const Setting& setting)
{
    for (QTranslator* old : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    if (setting.language == QLatin1String("pseudo"))
        QCoreApplication::installTranslator(new PseudoTranslator);  // owned by no one: one per test run
    else
        QVERIFY(InstallTranslations(setting.language));
    static const QFont desktop = QApplication::font();
    QFont font = desktop;
    font.setPointSizeF(desktop.pointSizeF() * setting.scale);
    QApplication::setFont(font);
}

void AddSettings(bool withScales)
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("scale");
    for (const OfferedLanguage& offered : kOfferedLanguages)
        QTest::newRow(offered.code) << QString::fromLatin1(offered.code) << 1.0;
    QTest::newRow("pseudo") << QStringLiteral("pseudo") << 1.0;
    if (withScales) {
        QTest::newRow("en 150 %") << QStringLiteral("en") << 1.5;
        QTest::newRow("en 200 %") << QStringLiteral("en") << 2.0;
    }
}

QList<QTreeWidgetItem*> AllNodes(QTreeWidget* tree)
{
    tree->expandAll();
    QList<QTreeWidgetItem*> nodes;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        nodes << *it;
    return nodes;
}

// Runs open, which shows a modal box, and hands the box to look before closing it.
void WhileModal(const std::function<void()>& open, const std::function<void(QWidget*)>& look)
{
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            poll.stop();
            QTest::qWait(20);
            look(box);
            seen = true;
            QMetaObject::invokeMethod(box, "reject", Qt::QueuedConnection);
        }
    });
    poll.start(10);
    open();
    QVERIFY(seen);
}

QStringList Shown(QWidget* w)
{
    w->show();
    if (!QTest::qWaitForWindowExposed(w))
        qWarning("not exposed");
    return test::CutTexts(w);
}

// Lists what was found one to a line: QTest cuts a long message short.
bool NoneFound(const QStringList& found)
{
    for (const QString& line : found)
        qWarning("%s", qPrintable(line));
    return found.isEmpty();
}

}  // namespace

class TestLanguages : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> f;

    // Every page, editor and box the window shows, with the texts cut on each.
    QStringList CutEverywhere()
    {
        MainWindow& w = f->Open();
        auto* tree = f->Find<QTreeWidget>("tvTreeView");
        QStringList cut;
        for (QTreeWidgetItem* node : AllNodes(tree)) {
            tree->setCurrentItem(node);
            QTest::qWait(1);
            cut << test::CutTexts(&w);
        }
        const auto modal = [&](const char* action) {
            WhileModal([&] { f->Trigger(action); }, [&](QWidget* box) { cut << test::CutTexts(box); });
        };
        modal("mnuHelpAbout");
        modal("mnuOptionsSerialPortDevice");
        modal("mnuTransferRead");
        modal("mnuFileCompare");
        WidgetPrompt prompt(&w);
        WhileModal([&] { prompt.Message(QStringLiteral("Program to Radio"), QStringLiteral("FileRead Error!!"), MessageIcon::Critical,
                                        MessageButtons::OkCancelSafe); },
                   [&](QWidget* box) { cut << test::CutTexts(box); });
        const std::vector<Difference> changes = {{"S", "Radio Setup", "Contrast", "1", "2", false, false, {}}};
        WhileModal([&] { prompt.ConfirmChanges(QStringLiteral("Program to Radio"), changes, {}); },
                   [&](QWidget* box) { cut << test::CutTexts(box); });
        ListMessageBox list(f->prompt, QStringLiteral("Open"), QStringLiteral("..."), MessageIcon::Warning,
                            QStringLiteral("1\n2"), &w);
        cut << Shown(&list);
        HelpWindow help(QStringLiteral(QUORLINK_TEST_DATA "/../../README.md"), &w);
        cut << Shown(&help);
        cut.removeDuplicates();
        return cut;
    }

private slots:
    void init() { f = std::make_unique<test::MainWindowFixture>(); }
    void cleanup()
    {
        f.reset();
        Use({QStringLiteral("en"), 1.0});
    }

    void noTextIsCut_data() { AddSettings(true); }
    void noTextIsCut()
    {
        QFETCH(QString, language);
        QFETCH(double, scale);
        Use({language, scale});
        const QStringList cut = CutEverywhere();
        QVERIFY(NoneFound(cut));
    }

    // In the made-up language every text the window shows is a translated one.
    void everyTextIsTranslated()
    {
        Use({QStringLiteral("pseudo"), 1.0});
        MainWindow& w = f->Open();
        auto* tree = f->Find<QTreeWidget>("tvTreeView");
        QStringList english;
        const auto check = [&english](const QWidget* on, const QString& text) {
            // Numbers, codes and the radio's own words (HI, USA CH16) have nothing to translate.
            static const QRegularExpression word(QStringLiteral("[a-z]{2}"));
            if (!text.startsWith(QLatin1Char('[')) && word.match(text).hasMatch())
                english << test::Where(on, text);
        };
        for (QTreeWidgetItem* node : AllNodes(tree)) {
            tree->setCurrentItem(node);
            QTest::qWait(1);
            for (const QWidget* on : w.findChildren<QWidget*>()) {
                if (!on->isVisible())
                    continue;
                if (const auto* label = qobject_cast<const QLabel*>(on))
                    check(on, label->text());
                else if (const auto* button = qobject_cast<const QAbstractButton*>(on))
                    check(on, button->text());
                else if (const auto* tabs = qobject_cast<const QTabBar*>(on))
                    for (int i = 0; i < tabs->count(); ++i)
                        check(on, tabs->tabText(i));
            }
        }
        QStringList ownNames;  // each language is offered by the name its speakers give it
        for (const OfferedLanguage& offered : kOfferedLanguages)
            ownNames << QString::fromUtf8(offered.nativeName);
        for (const QAction* action : w.findChildren<QAction*>()) {
            if (!ownNames.contains(action->text()))
                check(&w, action->text());
        }
        english.removeDuplicates();
        QVERIFY(NoneFound(english));
    }

    // Alt and a letter must lead to one item only, in every language.
    void eachMenuItemHasItsOwnKey_data() { AddSettings(false); }
    void eachMenuItemHasItsOwnKey()
    {
        QFETCH(QString, language);
        Use({language, 1.0});
        MainWindow& w = f->Open();
        QStringList twice;
        QList<QWidget*> menus = {w.menuBar()};
        for (QMenu* menu : w.findChildren<QMenu*>())
            menus << menu;
        for (const QWidget* menu : menus) {
            QMap<QChar, QString> keys;
            for (const QAction* action : menu->actions()) {
                const QString text = action->text().remove(QStringLiteral("&&"));
                const qsizetype at = text.indexOf(QLatin1Char('&'));
                if (action->isSeparator() || at < 0 || at + 1 >= text.size())
                    continue;
                const QChar key = text[at + 1].toLower();
                if (keys.contains(key))
                    twice << QStringLiteral("%1: \"%2\" and \"%3\"").arg(menu->objectName(), keys[key], action->text());
                keys[key] = action->text();
            }
        }
        QVERIFY(NoneFound(twice));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
