// SPDX-License-Identifier: GPL-3.0-or-later
// The window in every language it speaks, in large type, in a made-up
// language 40 % longer than English, and on a dark desktop: every text
// translated, none cut, one accelerator per menu item, and every coloured
// text clear of its background.
#include "compare_window.h"
#include "report_window.h"
#include "help_window.h"
#include "language.h"
#include "list_message_box.h"
#include "main_window_fixture.h"
#include "text_fit.h"
#include "readable_colour.h"
#include "widget_prompt.h"

#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QStyleFactory>
#include <cmath>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>

using namespace quorlink;

namespace {

// A longer, accented English: "[Ŝàvé àš···]". A text that comes out
// unchanged was never translated; the 40 % more finds what only just fits.
class PseudoTranslator : public QTranslator {
public:
    PseudoTranslator() : QTranslator(qApp) {}  // the application's, as the real ones are
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
        QCoreApplication::installTranslator(new PseudoTranslator);
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

// Fusion's colours on a dark desktop.
QPalette DarkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53), base(42, 42, 42), light(240, 240, 240);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, light);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, light);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, light);
    p.setColor(QPalette::Highlight, QColor(30, 95, 165));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, light);
    p.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    p.setColor(QPalette::Dark, QColor(35, 35, 35));
    p.setColor(QPalette::Mid, QColor(80, 80, 80));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return p;
}

// The colours an item the window tints is painted in, as its view's
// delegate takes them; the desktop's own (selection among them) are its own affair.
std::optional<QPair<QColor, QColor>> ItemColours(const QAbstractItemView* view, const QModelIndex& index)
{
    const QVariant text = index.data(Qt::ForegroundRole);
    const QVariant back = index.data(Qt::BackgroundRole);
    if ((!text.isValid() && !back.isValid()) || view->selectionModel()->isSelected(index))
        return std::nullopt;
    const QPalette& p = view->palette();
    return QPair<QColor, QColor>{text.isValid() ? text.value<QBrush>().color() : p.color(QPalette::Text),
                                 back.isValid() ? back.value<QBrush>().color() : p.color(QPalette::Base)};
}

// A tinted label's text against what shows through behind it.
std::optional<QPair<QColor, QColor>> LabelColours(const QLabel* label)
{
    const QColor text = label->palette().color(label->foregroundRole());
    if (text == QApplication::palette().color(QPalette::WindowText))
        return std::nullopt;
    const QWidget* behind = label;
    while (behind->parentWidget() && !behind->autoFillBackground() && !behind->isWindow())
        behind = behind->parentWidget();
    return QPair<QColor, QColor>{text, behind->palette().color(behind->backgroundRole())};
}

// How many tinted texts there were.
int CheckContrast(const QWidget* window, QStringList& faint)
{
    int tinted = 0;
    const auto check = [&faint, &tinted](const QWidget* on, const QString& text,
                                const std::optional<QPair<QColor, QColor>>& colours) {
        if (!colours)
            return;
        ++tinted;
        const QPair<QColor, QColor> c = *colours;
        if (ContrastRatio(c.first, c.second) < 4.5)
            faint << QStringLiteral("%1 %2 on %3 (%4:1)").arg(test::Where(on, text), c.first.name(), c.second.name())
                         .arg(ContrastRatio(c.first, c.second), 0, 'f', 2);
    };
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled())
            continue;  // a control that cannot be used may be dimmed
        if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty())
            check(label, label->text(), LabelColours(label));
        if (const auto* view = qobject_cast<const QAbstractItemView*>(w); view && view->model()) {
            const QAbstractItemModel* model = view->model();
            std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& parent) {
                for (int r = 0; r < model->rowCount(parent); ++r) {
                    for (int c = 0; c < model->columnCount(parent); ++c) {
                        const QModelIndex index = model->index(r, c, parent);
                        const QString text = index.data().toString();
                        if (!text.isEmpty())
                            check(view, text, ItemColours(view, index));
                    }
                    walk(model->index(r, 0, parent));
                }
            };
            walk(QModelIndex());
        }
    }
    return tinted;
}

// Lists what was found one to a line: QTest cuts a long message short.
bool NoneFound(const QStringList& found)
{
    for (const QString& line : found)
        qWarning("%s", qPrintable(line));
    return found.isEmpty();
}

}  // namespace

class TestReadable : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> f;

    // Hands look every page and editor of the window, and every box and
    // window it opens, while it is shown.
    void VisitEverything(const std::function<void(QWidget*)>& look)
    {
        MainWindow& w = f->Open();
        auto* tree = f->Find<QTreeWidget>("tvTreeView");
        for (QTreeWidgetItem* node : AllNodes(tree)) {
            tree->setCurrentItem(node);
            QTest::qWait(1);
            look(&w);
        }
        for (const char* action : {"mnuHelpAbout", "mnuOptionsSerialPortDevice", "mnuTransferRead", "mnuFileCompare"})
            WhileModal([&] { f->Trigger(action); }, look);
        WidgetPrompt prompt(&w);
        WhileModal([&] { prompt.Message(tr("Program to Radio"), tr("FileRead Error!!"), MessageIcon::Critical,
                                        MessageButtons::OkCancelSafe); },
                   look);
        Difference change{"S", "Radio Setup", "Contrast", "1", "2", false, false, {}, {}, {}};
        WhileModal([&] { prompt.ConfirmChanges(tr("Program to Radio"), {change}, {}); }, look);
        const auto shown = [&look](QWidget* window) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            look(window);
        };
        ListMessageBox list(f->prompt, tr("Open"), tr("..."), MessageIcon::Warning, QStringLiteral("1\n2"), &w);
        shown(&list);
        HelpWindow help(QStringLiteral(QUORLINK_TEST_DATA "/../../README.md"), &w);
        shown(&help);
        ReportWindow report(f->model, f->prompt, &w, 0);
        shown(&report);
        CompareWindow compare({change}, tr("Radio"), f->prompt, {}, &w);
        shown(&compare);
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
        QStringList cut;
        VisitEverything([&cut](QWidget* shown) { cut << test::CutTexts(shown); });
        cut.removeDuplicates();
        QVERIFY(NoneFound(cut));
    }

    // In the made-up language every text the window shows is a translated one.
    void everyTextIsTranslated()
    {
        Use({QStringLiteral("pseudo"), 1.0});
        QStringList english;
        QStringList ownNames;  // each language is offered by the name its speakers give it
        for (const OfferedLanguage& offered : kOfferedLanguages)
            ownNames << QString::fromUtf8(offered.nativeName);
        const auto check = [&](const QWidget* on, const QString& text) {
            // Numbers, codes, the radio's own words (HI, USA CH16) and the program's name have nothing to translate.
            static const QRegularExpression word(QStringLiteral("[a-z]{2}"));
            const QString words = QString(text).remove(QStringLiteral("Quorlink"));
            if (!text.startsWith(QLatin1Char('[')) && word.match(words).hasMatch() && !ownNames.contains(text))
                english << test::Where(on, text);
        };
        VisitEverything([&](QWidget* shown) {
            check(shown, shown->windowTitle());
            for (const QWidget* on : shown->findChildren<QWidget*>()) {
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
            for (const QAction* action : shown->findChildren<QAction*>())
                check(shown, action->text());
        });
        english.removeDuplicates();
        QVERIFY(NoneFound(english));
    }

    // WCAG's AA: 4.5:1 for every text the window colours, light or dark.
    void colouredTextsKeepTheirContrast_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void colouredTextsKeepTheirContrast()
    {
        QFETCH(bool, dark);
        const QPalette before = QApplication::palette();
        QStyle* const style = QApplication::style();
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(dark ? DarkPalette() : QApplication::style()->standardPalette());
        MainWindow& w = f->Open();
        auto* tree = f->Find<QTreeWidget>("tvTreeView");
        QStringList faint;
        int tinted = 0;
        for (QTreeWidgetItem* node : AllNodes(tree)) {
            tree->setCurrentItem(node);
            QTest::qWait(1);
            tinted += CheckContrast(&w, faint);
        }
        // A warning under an MMSI that starts as a ship's never does.
        w.SelectNodeByKey(QStringLiteral("S"));
        f->Find<QTabWidget>("tbsFNE")->setCurrentIndex(1);
        f->Find<QLineEdit>("txtFUser")->setText(QStringLiteral("012345678"));
        tinted += CheckContrast(&w, faint);
        faint.removeDuplicates();
        f.reset();
        QApplication::setPalette(before);
        Q_UNUSED(style);
        QVERIFY(tinted > 0);
        QVERIFY(NoneFound(faint));
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

QTEST_MAIN(TestReadable)
#include "tst_readable.moc"
