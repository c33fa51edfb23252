// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo: one step per stored change on every page, the page and node
// of a step shown again, exact records both ways, and what clears the history.
#include "main_window_fixture.h"

#include "encoder.h"
#include "record_set.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <functional>

using namespace quorlink;

namespace {

using Fixture = test::MainWindowFixture;

struct StepCase {
    const char* tag;
    const char* key;      // the page the change is made on
    const char* name;     // as the Undo item names it
    const char* control;  // clicked, or given text: typed into a box, chosen in a list
    const char* text;
    const char* shown;    // controls and nodes that show the change, split by "|"
    void (*setUp)(Model&);
};

void Type(QLineEdit* box, const char* text)
{
    box->setFocus();
    QApplication::processEvents();  // a box that gets the focus selects its text
    QTest::keyClicks(box, QLatin1String(text));
}

void Change(Fixture& f, const StepCase& step)
{
    QWidget* control = f.Find(step.control);
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        list->setCurrentIndex(list->findText(QLatin1String(step.text)));
        emit list->activated(list->currentIndex());
    } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
        Type(box, step.text);
    } else {
        f.prompt.answers.enqueue(Answer::Yes);  // Delete asks first
        static_cast<QAbstractButton*>(control)->click();
    }
}

QString Shown(Fixture& f, const StepCase& step)
{
    QStringList shown;
    for (const QString& name : QString(QLatin1String(step.shown)).split('|')) {
        QWidget* w = f.Find(name.toLatin1().constData());
        if (auto* box = qobject_cast<QAbstractButton*>(w))
            shown << (box->isChecked() ? "on" : "off");
        else if (auto* list = qobject_cast<QComboBox*>(w))
            shown << list->currentText() + (list->isEnabled() ? "" : " off");
        else if (auto* line = qobject_cast<QLineEdit*>(w))
            shown << line->text();
        else if (QTreeWidgetItem* node = f.window->Tree().ItemByKey(name))
            shown << node->text(0) + node->foreground(0).color().name();
    }
    return shown.join('|');
}

void UseEntries(Directory& directory, int used)
{
    for (int i = 1; i <= used; ++i)
        directory.at(i) = {true, "NAME" + std::to_string(i), "3660000000"};
}

const StepCase kSteps[] = {
    {"check box", "PU 13", "CH16 Scan Memory", "chkCScan", nullptr, "chkCScan", nullptr},
    {"enable with A/B repair", "PU 13", "CH16 Enable", "chkCEnable", nullptr, "chkCEnable|PU 13",
     [](Model& m) {
         m.UsaChannels.at(13).Enable = true;
         m.Special.Ach(Region::Usa) = m.UsaChannels.at(13).Position - 1;
     }},
    {"channel name", "PU 13", "CH16 name", "txtCTag", "AB", "txtCTag", nullptr},
    {"list choice", "S", "Contrast Level", "cmbFCont", "7", "cmbFCont", nullptr},
    {"A/B choice", "P", "USA A-Ch", "cmbAUSA", "68", "cmbAUSA|cmbBUSA", nullptr},
    {"user MMSI", "S", "User MMSI", "txtFUser", "366222222", "txtFUser",
     [](Model& m) { m.Settings.UserMmsid = "3661111110"; }},
    {"add", "SM 3", "Add Individual ID3", "chkGEnable", nullptr, "chkGEnable|SM 4",
     [](Model& m) { UseEntries(m.IndividualDirectory, 2); }},
    {"delete", "SM 2", "Delete Individual ID2", "chkGDelete", nullptr, "txtGPosi|SM 3|SM 4",
     [](Model& m) { UseEntries(m.IndividualDirectory, 3); }},
    {"entry name", "SG 1", "Group ID1 name", "txtGPosi", "XY", "txtGPosi",
     [](Model& m) { UseEntries(m.GroupDirectory, 1); }},
    {"entry MMSI", "SG 1", "Group ID1 MMSI", "txtGMMSI", "36612345", "txtGMMSI",
     [](Model& m) { UseEntries(m.GroupDirectory, 1); }},
    {"station MMSI", "SM 1", "Individual ID1 MMSI", "txtGMMSI", "366123456", "txtGMMSI",
     [](Model& m) { UseEntries(m.IndividualDirectory, 1); }},
    {"WX name", "PW", "WX01 name", "txtDTagName(0)", "Q", "txtDTagName(0)", nullptr},
    {"WX check", "PW", "WX01 Scan", "chkDScan(0)", nullptr, "chkDScan(0)", nullptr},
    {"DSC check", "S", "Individual Reply", "chkFindReply", nullptr, "chkFindReply", nullptr},
    {"EXP position", "E 3", "EXP3 position", "cmbCN", "5", "cmbCN|E 3", nullptr},
};

}  // namespace

class TestUndo : public QObject {
    Q_OBJECT

    std::unique_ptr<Fixture> f;

    Image Encoded() const
    {
        Model copy = f->model;
        EncodeImage(copy);
        return copy.MemoryImage;
    }
    QAction* Item(bool undo) const { return f->Find<QAction>(undo ? "mnuEditUndo" : "mnuEditRedo"); }
    QString Selected() const { return NavigationTree::KeyOf(f->window->TreeWidget()->currentItem()); }
    void Show(const QString& key) const { f->window->SelectNodeByKey(key); }
    void Show(const char* key) const { Show(QLatin1String(key)); }
    // Undoes or redoes until nothing is left; the number of steps taken.
    int All(bool undo) const
    {
        int steps = 0;
        while (Item(undo)->isEnabled() && steps <= 1000) {
            Item(undo)->trigger();
            ++steps;
        }
        return steps;
    }

private slots:
    void init()
    {
        f = std::make_unique<Fixture>();
        f->Open();
    }
    void cleanup() { f.reset(); }

    void itemsFollowTheHistory()
    {
        QList<QAction*> edit = f->Find<QMenu>("mnuEdit")->actions();
        QCOMPARE(edit.size(), 4);
        QCOMPARE(edit[0]->menu()->objectName(), QStringLiteral("mnuEditModel"));
        QVERIFY(edit[1]->isSeparator());
        QCOMPARE(edit[2], Item(true));
        QCOMPARE(edit[3], Item(false));
        QCOMPARE(Item(true)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(Item(false)->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                                                 QKeySequence(QStringLiteral("Ctrl+Y"))}));
        auto state = [this] {
            return QStringList{Item(true)->text(), Item(true)->isEnabled() ? "on" : "off", Item(false)->text(),
                               Item(false)->isEnabled() ? "on" : "off"};
        };
        QCOMPARE(state(), (QStringList{"&Undo", "off", "&Redo", "off"}));
        f->Find<QCheckBox>("chkFBeep")->click();
        QCOMPARE(state(), (QStringList{"&Undo Key Beep", "on", "&Redo", "off"}));
        f->Find<QCheckBox>("chkFWX")->click();
        Item(true)->trigger();
        QCOMPARE(state(), (QStringList{"&Undo Key Beep", "on", "&Redo WX Alert", "on"}));
        Item(true)->trigger();
        QCOMPARE(state(), (QStringList{"&Undo", "off", "&Redo Key Beep", "on"}));
        Item(false)->trigger();
        // A new change drops what could have been redone.
        f->Find<QCheckBox>("chkFMAG")->click();
        QCOMPARE(state(), (QStringList{"&Undo True MAG", "on", "&Redo", "off"}));
    }

    void stepOfEachKind_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kSteps)); ++i)
            QTest::newRow(kSteps[i].tag) << i;
    }

    // Undone on another page, the step shows its own page again with the
    // value from before; redone, the value from after; the records match
    // byte for byte each time.
    void stepOfEachKind()
    {
        QFETCH(int, index);
        const StepCase& step = kSteps[index];
        const QString key = QLatin1String(step.key);
        if (step.setUp)
            step.setUp(f->model);
        f->Load();
        Show(key);
        if (key == QLatin1String("S")) {  // the tab that holds the control
            auto* tabs = f->Find<QTabWidget>("tbsFNE");
            for (int tab = 0; tab < tabs->count(); ++tab)
                if (tabs->widget(tab)->isAncestorOf(f->Find(step.control)))
                    tabs->setCurrentIndex(tab);
        }
        const Image before = Encoded();
        const RecordSet beforeRecords = RecordSet::Of(f->model);
        const QString shownBefore = Shown(*f, step);
        Change(*f, step);
        Show(key == QLatin1String("S") ? QStringLiteral("PW") : QStringLiteral("S"));  // leaves every field
        const Image after = Encoded();
        const RecordSet afterRecords = RecordSet::Of(f->model);
        QVERIFY(afterRecords != beforeRecords);
        Show(key);
        const QString shownAfter = Shown(*f, step);
        QVERIFY(shownAfter != shownBefore);
        Show(QStringLiteral("E"));

        QCOMPARE(Item(true)->text(), QStringLiteral("&Undo ") + QLatin1String(step.name));
        Item(true)->trigger();
        QVERIFY(Encoded() == before && RecordSet::Of(f->model) == beforeRecords);
        QCOMPARE(Selected(), key);
        QCOMPARE(Shown(*f, step), shownBefore);
        QVERIFY(!Item(true)->isEnabled());

        Show(QStringLiteral("E"));
        Item(false)->trigger();
        QVERIFY(Encoded() == after && RecordSet::Of(f->model) == afterRecords);
        QCOMPARE(Selected(), key);
        QCOMPARE(Shown(*f, step), shownAfter);
    }

    // Typing is one step until the focus leaves; Ctrl+Z in the box is the
    // window's undo, not the box's own.
    void typingIsOneStep()
    {
        Show(QStringLiteral("PU 13"));
        const auto tag = [this] { return QString::fromStdString(f->model.UsaChannels.at(13).ChTag); };
        const QString name = tag();
        Type(f->Find<QLineEdit>("txtCTag"), "HARBOUR");
        Type(f->Find<QLineEdit>("txtCTag"), "X");  // the focus never left
        Show(QStringLiteral("PU 14"));
        Show(QStringLiteral("PU 13"));
        Type(f->Find<QLineEdit>("txtCTag"), "Y");  // a second step, typed over the whole name
        QCOMPARE(tag(), QStringLiteral("Y"));
        auto* box = f->Find<QLineEdit>("txtCTag");
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(tag(), QStringLiteral("HARBOURX"));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(tag(), name);
        QCOMPARE(box->text(), name);
        QVERIFY(!Item(true)->isEnabled());
        QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(tag(), QStringLiteral("HARBOURX"));
    }

    // In another language the step is named as the page's label reads, and
    // undone it still finds its field on the other settings tab.
    void translatedStepFindsItsField()
    {
        struct Bracketing : QTranslator {
            bool isEmpty() const override { return false; }
            QString translate(const char* context, const char* text, const char*, int) const override
            {
                const bool labels = qstrcmp(context, "SettingsRows") == 0;
                return labels ? QStringLiteral("<%1>").arg(QLatin1String(text)) : QString();
            }
        } language;
        f.reset();
        QCoreApplication::installTranslator(&language);
        f = std::make_unique<Fixture>();
        f->Open();
        Show("S");
        auto* tabs = f->Find<QTabWidget>("tbsFNE");
        tabs->setCurrentIndex(1);
        f->Find<QAbstractButton>("chkFDSC")->click();
        Show("PW");
        QCOMPARE(Item(true)->text(), QStringLiteral("&Undo <DSC Scan>"));
        Item(true)->trigger();
        QCOMPARE(tabs->currentIndex(), 1);
        QVERIFY(f->Find("chkFDSC")->hasFocus());
        f.reset();
    }

    // A name typed and typed back changes nothing: no step is kept for it,
    // and the step before it is still the next undo.
    void nameTypedBackLeavesNoStep_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("step");
        QTest::newRow("channel") << "PU 0" << "txtCTag" << "CH01A name";
        QTest::newRow("WX channel") << "PW" << "txtDTagName(0)" << "WX01 name";
        QTest::newRow("directory entry") << "SM 1" << "txtGPosi" << "Individual ID1 name";
    }

    void nameTypedBackLeavesNoStep()
    {
        QFETCH(QString, key);
        QFETCH(QString, box);
        QFETCH(QString, step);
        UseEntries(f->model.IndividualDirectory, 1);
        QTest::keyClick(f->Find("chkFBeep"), Qt::Key_Space);  // a step before
        const Model before = f->model;
        Show(key);
        auto* name = f->Find<QLineEdit>(box.toLatin1().constData());
        const QByteArray typedBack = (name->text() + "A\b\t").toLatin1();  // Tab: the focus leaves the box
        Type(name, typedBack.constData());
        QCOMPARE(Item(true)->text(), QStringLiteral("&Undo Key Beep"));
        Type(name, "B\t");  // typed again, a step of its own that takes the name back
        QCOMPARE(Item(true)->text(), QStringLiteral("&Undo ") + step);
        Item(true)->trigger();
        QVERIFY(RecordSet::Of(f->model) == RecordSet::Of(before));
    }

    // Records that need putting right are put right as they come in; showing
    // every page and tab after that changes no record and makes no step.
    void showingChangesNoRecord()
    {
        Model& m = f->model;
        m.Special.Ach(Region::Int) = m.Special.Bch(Region::Int) = 5;  // A and B the same channel
        m.Settings.Dimmer = 5;                                         // the list shows it as OFF
        m.ExpChannels.at(1).Position = m.ExpPlan.first();
        m.ExpChannels.at(1).DuplexSelectable = !m.ExpPlan.at(m.ExpPlan.first()).DefaultDuplex;
        f->Load();
        QCOMPARE(int(m.Special.Ach(Region::Int)), 255);
        QCOMPARE(int(m.Settings.Dimmer), 0);
        QCOMPARE(m.ExpChannels.at(1).DuplexSelectable, m.ExpPlan.at(m.ExpPlan.first()).DefaultDuplex);
        const RecordSet loaded = RecordSet::Of(m);
        QStringList keys;
        for (QTreeWidgetItemIterator it(f->window->TreeWidget()); *it; ++it)
            keys << NavigationTree::KeyOf(*it);
        for (const QString& key : keys) {
            Show(key);
            for (int tab : {1, 0})
                if (key == QLatin1String("S"))
                    f->Find<QTabWidget>("tbsFNE")->setCurrentIndex(tab);
            QVERIFY2(RecordSet::Of(m) == loaded, qPrintable(key));
        }
        QVERIFY(!Item(true)->isEnabled());
        QVERIFY(!f->window->StatusText(2).contains(QStringLiteral("Modified")));
    }

    void randomEditsUndoneAndRedone()
    {
        QRandomGenerator random(19);
        const auto pick = [&](int n) { return int(random.bounded(n)); };
        const auto click = [this](const QString& name) { f->Find<QAbstractButton>(qPrintable(name))->click(); };
        const char* flags[] = {"chkCEnable", "chkCTXEnable", "chkCTXOnly", "chkCTXPower", "chkCDup", "chkCScan"};
        const std::function<void()> edits[] = {
            [&] { Show(QStringLiteral("PC %1").arg(pick(20))), click(flags[pick(6)]); },
            [&] { Show(QStringLiteral("PC %1").arg(pick(20))), Type(f->Find<QLineEdit>("txtCTag"), pick(2) ? "A" : "B"); },
            [&] { Show("PW"), click(QString(pick(2) ? "chkDEnable(%1)" : "chkDScan(%1)").arg(pick(10))); },
            [&] {
                Show("S");
                auto* list = f->Find<QComboBox>(pick(2) ? "cmbFCont" : "cmbFOffset");
                list->setCurrentIndex(pick(list->count()));
            },
            [&] {
                Show("P");
                auto* list = f->Find<QComboBox>(pick(2) ? "cmbACanada" : "cmbBCanada");
                list->setCurrentIndex(pick(list->count()));
                if (list->isEnabled())
                    emit list->activated(list->currentIndex());
            },
            [&] {
                int used = 0;
                while (f->model.IndividualDirectory.at(used + 1).Enable)
                    ++used;
                const bool add = used == 0 || pick(2);
                Show(QStringLiteral("SM %1").arg(add ? used + 1 : 1 + pick(used)));
                f->prompt.answers.enqueue(Answer::Yes);
                click(add ? "chkGEnable" : "chkGDelete");
            },
        };
        const Image start = Encoded();
        const EditHistory& history = f->window->Data().History();
        for (int i = 0; i < 50; ++i) {
            edits[pick(int(std::size(edits)))]();
            // A page that wrote a record besides its step leaves records the history does not hold.
            QVERIFY(!history.NextUndo() || *history.NextUndo()->after == RecordSet::Of(f->model));
        }
        Show("S");
        const Image end = Encoded();
        const int steps = All(true);
        QVERIFY2(steps >= 30 && steps <= 50, qPrintable(QString::number(steps)));  // some clicks change nothing
        QVERIFY(Encoded() == start);
        QCOMPARE(All(false), steps);
        QVERIFY(Encoded() == end);
    }

    void historyKeepsTheLatestSteps()
    {
        auto* beep = f->Find<QCheckBox>("chkFBeep");
        const bool start = f->model.Settings.KeyBeep;
        for (int i = 0; i < 205; ++i)
            beep->click();
        QCOMPARE(All(true), 200);
        QCOMPARE(f->model.Settings.KeyBeep, !start);  // 5 clicks could not be undone
    }

    void clearedByCommandsThatReplaceTheRecords_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("new") << "mnuFileNew" << true;
        QTest::newRow("open") << "mnuFileOpen" << true;
        QTest::newRow("model switch") << "mnuEditModel1" << true;
        QTest::newRow("save") << "mnuFileSaveAs" << false;
    }

    void clearedByCommandsThatReplaceTheRecords()
    {
        QFETCH(QString, command);
        QFETCH(bool, cleared);
        const QString path = f->programDir.filePath(QStringLiteral("boat.dat"));
        f->prompt.fileNames.enqueue(path);
        f->Trigger("mnuFileSaveAs");
        f->Find<QCheckBox>("chkFBeep")->click();
        f->Find<QCheckBox>("chkFWX")->click();
        Item(true)->trigger();
        QVERIFY(Item(true)->isEnabled() && Item(false)->isEnabled());
        f->prompt.fileNames.enqueue(path);
        f->prompt.answers.enqueue(Answer::Ok);
        f->Trigger(command.toLatin1().constData());
        QTest::qWait(20);  // a deferred New has run
        QCOMPARE(Item(true)->isEnabled(), !cleared);
        QCOMPARE(Item(false)->isEnabled(), !cleared);
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
