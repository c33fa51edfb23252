// SPDX-License-Identifier: GPL-3.0-or-later
// The directory list pages and the entry page: adding, deleting, names,
// the two MMSI forms and their checks, the jump from the list, node colours.
#include "data_file.h"
#include "error_log.h"
#include "hex_file.h"
#include "main_window_fixture.h"
#include "support/sample_model.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTreeWidget>

using namespace quorlink;

Q_DECLARE_METATYPE(quorlink::DirectoryKind)

namespace {
constexpr DirectoryKind kInd = DirectoryKind::Individual;
constexpr DirectoryKind kGroup = DirectoryKind::Group;
}  // namespace

class TestDirectoryPages : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> f;

    MainWindow& W() const { return *f->window; }
    Directory& D(DirectoryKind kind) const { return f->model.DirectoryOf(kind); }
    static QString Key(DirectoryKind kind, int number = 0)
    {
        const QString list = kind == kInd ? "SM" : "SG";
        return number ? list + ' ' + QString::number(number) : list;
    }
    QTableWidget* Grid() const { return f->Find<QTableWidget>("MSFlexGrid2"); }
    QTreeWidget* Tree() const { return f->Find<QTreeWidget>("tvTreeView"); }
    QCheckBox* Add() const { return f->Find<QCheckBox>("chkGEnable"); }
    QCheckBox* Delete() const { return f->Find<QCheckBox>("chkGDelete"); }
    QLineEdit* Name() const { return f->Find<QLineEdit>("txtGPosi"); }
    QLineEdit* Mmsi() const { return f->Find<QLineEdit>("txtGMMSI"); }
    const QList<test::ShownMessage>& Shown() const { return f->prompt.shown; }

    // Entries 1..used in use, named after their number.
    void Use(DirectoryKind kind, int used) const
    {
        for (int i = 1; i <= used; ++i)
            D(kind).at(i) = {true, "NAME" + std::to_string(i), "36600000" + std::to_string(i % 10) + "0"};
    }
    void ShowEntry(DirectoryKind kind, int number) const { W().SelectNodeByKey(Key(kind, number)); }
    QTreeWidgetItem* Node(const QString& key) const { return W().Tree().ItemByKey(key); }
    bool Greyed(const QString& key) const
    {
        // Greyed is anything but the normal text: the grey itself is made readable on the tree's background.
        return Node(key)->foreground(0).color() != Tree()->palette().color(QPalette::Active, QPalette::Text);
    }
    void Click(QWidget* w) const { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, w->height() / 2)); }
    // Clicked into; the whole text is selected once the click is over.
    void FocusBy(QLineEdit* field) const
    {
        Click(field);
        QTRY_VERIFY(field->hasFocus());
        QTRY_COMPARE(field->selectedText(), field->text());
    }
    void ClickTreeNode(const QString& key) const
    {
        Tree()->scrollToItem(Node(key));
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, Tree()->visualItemRect(Node(key)).center());
        QCOMPARE(NavigationTree::KeyOf(Tree()->currentItem()), key);
    }

private slots:
    void init()
    {
        f = std::make_unique<test::MainWindowFixture>();
        f->Open();
    }
    void cleanup() { f.reset(); }

    void entryStates_data()
    {
        QTest::addColumn<DirectoryKind>("kind");
        QTest::addColumn<int>("used");
        QTest::newRow("3 individual") << kInd << 3;
        QTest::newRow("3 groups") << kGroup << 3;
        QTest::newRow("all 40 individual") << kInd << 40;
        QTest::newRow("none") << kGroup << 0;
    }

    void entryStates()
    {
        QFETCH(DirectoryKind, kind);
        QFETCH(int, used);
        Use(kind, used);
        for (int k = 1; k <= D(kind).size(); ++k) {
            ShowEntry(kind, k);
            QCOMPARE(W().Pages().Active(), Panel::G);
            const bool inUse = k <= used;
            QCOMPARE(Add()->isEnabled(), k == used + 1);  // offers "Add"
            QCOMPARE(Add()->isChecked(), inUse);
            QCOMPARE(Delete()->isEnabled(), inUse);       // offers "Delete"
            QCOMPARE(Delete()->isChecked(), !inUse);
            for (const char* name : {"txtGPosi", "txtGMMSI", "lblTag", "lblMmsi"})
                QCOMPARE(f->Find(name)->isEnabled(), inUse);
        }
        for (int k = 1; k <= D(kind).size(); ++k)
            QCOMPARE(Greyed(Key(kind, k)), k > used + 1);
    }

    void addOpensTheFirstFreeEntry()
    {
        Use(kInd, 3);
        ShowEntry(kInd, 5);
        {
            const MainWindow::PageLoadingScope loading(W());  // ticked while a page is filled: nothing added
            Click(Add());
        }
        ShowEntry(kInd, 4);
        QVERIFY(!D(kInd).at(5).Enable && !D(kInd).at(4).Enable);
        Click(Add());
        QVERIFY(D(kInd).at(4).Enable);
        QVERIFY(!Add()->isEnabled() && Delete()->isEnabled());
        QVERIFY(Name()->isEnabled() && Mmsi()->isEnabled());
        QTRY_VERIFY(Name()->hasFocus());  // the name is what the user types next
        QVERIFY(!Greyed(QStringLiteral("SM 5")) && Greyed(QStringLiteral("SM 6")));
    }

    void deleteClosesTheGap_data()
    {
        QTest::addColumn<DirectoryKind>("kind");
        QTest::addColumn<int>("used");
        QTest::addColumn<int>("deleted");
        QTest::newRow("2 of 3") << kInd << 3 << 2;
        QTest::newRow("last of 3") << kInd << 3 << 3;
        QTest::newRow("last of a full directory") << kInd << 40 << 40;
        QTest::newRow("group 1 of 10") << kGroup << 10 << 1;
    }

    void deleteClosesTheGap()
    {
        QFETCH(DirectoryKind, kind);
        QFETCH(int, used);
        QFETCH(int, deleted);
        Use(kind, used);
        const Directory before = D(kind);
        ShowEntry(kind, deleted);
        Click(Delete());
        QCOMPARE(Shown().size(), 1);
        QCOMPARE(Shown()[0].title, QStringLiteral("Quorlink"));
        QCOMPARE(Shown()[0].text, QStringLiteral("Are you sure ?"));
        QCOMPARE(Shown()[0].icon, MessageIcon::Critical);
        QCOMPARE(Shown()[0].buttons, MessageButtons::YesNo);
        for (int i = 1; i < deleted; ++i)
            QCOMPARE(D(kind).at(i), before.at(i));
        for (int i = deleted; i < used; ++i)
            QCOMPARE(D(kind).at(i), before.at(i + 1));
        for (int i = used; i <= D(kind).size(); ++i)
            QCOMPARE(D(kind).at(i), DirectoryEntry{});
        // Entry k is shown again, holding what followed it.
        QCOMPARE(W().Pages().Active(), Panel::G);
        QCOMPARE(Name()->text(), deleted < used ? QString::fromStdString(before.at(deleted + 1).TagName) : QString());
        QCOMPARE(Add()->isEnabled(), deleted == used);
        QVERIFY(!W().PageLoading());
    }

    void answerNoChangesNothing()
    {
        Use(kInd, 3);
        const Directory before = D(kInd);
        ShowEntry(kInd, 2);
        f->prompt.answers.enqueue(Answer::No);
        Click(Delete());
        QCOMPARE(Shown().size(), 1);
        QCOMPARE(D(kInd), before);
        QVERIFY(!Delete()->isChecked() && Delete()->isEnabled());
        QVERIFY(!W().PageLoading());
    }

    void namesUpperCasedCutAndStored()
    {
        Use(kGroup, 2);
        ShowEntry(kGroup, 1);
        QCOMPARE(f->Find<QLabel>("lblTag")->text(), QStringLiteral("Group Name"));
        FocusBy(Name());
        QTest::keyClicks(Name(), QStringLiteral("ab1"));
        QCOMPARE(Name()->text(), QStringLiteral("AB1"));
        QTest::keyClick(Name(), Qt::Key_Tab);
        QCOMPARE(D(kGroup).at(1).TagName, std::string("AB1"));

        ShowEntry(kGroup, 2);
        FocusBy(Name());
        QTest::keyClicks(Name(), QStringLiteral("abcdefghijk"));
        QCOMPARE(Name()->text(), QStringLiteral("ABCDEFGHIJ"));
        f->Trigger("mnuFileSave");  // a command chosen while the name is typed stores it first
        QCOMPARE(D(kGroup).at(2).TagName, std::string("ABCDEFGHIJ"));

        QVERIFY(Name()->hasFocus());
        QTest::keyClick(Name(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Name(), QStringLiteral("tug"));
        ClickTreeNode(QStringLiteral("SG"));  // leaving by the tree stores it as well
        QCOMPARE(D(kGroup).at(2).TagName, std::string("TUG"));
    }

    void mmsiForms_data()
    {
        QTest::addColumn<DirectoryKind>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("individual") << kInd << "366123456" << "3661234560";
        QTest::newRow("group") << kGroup << "36612345" << "0366123450";
        QTest::newRow("individual emptied") << kInd << "" << "";
        QTest::newRow("group emptied") << kGroup << "" << "0";
    }

    void mmsiForms()
    {
        QFETCH(DirectoryKind, kind);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        const bool group = kind == kGroup;
        Use(kind, 2);
        ShowEntry(kind, 2);
        QCOMPARE(f->Find("lblGroup")->isVisible(), group);
        QCOMPARE(f->Find<QLabel>("lblGroup")->text(), QStringLiteral("0"));
        FocusBy(Mmsi());
        QTest::keyClick(Mmsi(), Qt::Key_Backspace);
        QTest::keyClicks(Mmsi(), typed + QStringLiteral("a9"));  // a letter, and one digit too many
        QCOMPARE(Mmsi()->text(), typed.isEmpty() ? QStringLiteral("9") : typed);
        if (typed.isEmpty())
            QTest::keyClick(Mmsi(), Qt::Key_Backspace);
        QTest::keyClick(Mmsi(), Qt::Key_Tab);
        QCOMPARE(D(kind).at(2).Mmsid, stored.toStdString());
        QVERIFY(Shown().isEmpty());

        ShowEntry(kind, 1);
        ShowEntry(kind, 2);
        QCOMPARE(Mmsi()->text(), typed);
        W().SelectNodeByKey(Key(kind));
        QCOMPARE(Grid()->item(1, 2)->text(), stored);
    }

    // The group field stands 150 twips right of the name field above it,
    // behind its "0"; the individual field right below the name. Both kinds
    // share one label column, so the name field does not move between them.
    void groupFieldStartsFurtherRight()
    {
        Use(kInd, 1);
        Use(kGroup, 1);
        QWidget* zero = f->Find("lblGroup");
        QFont large = zero->font();  // the offset is fixed, whatever the font of the "0"
        large.setPointSizeF(large.pointSizeF() * 3);
        zero->setFont(large);
        const auto x = [this](QWidget* w) {
            QApplication::processEvents();  // the layout has placed the fields
            return w->mapTo(&W(), QPoint()).x();
        };
        ShowEntry(kInd, 1);
        QTRY_COMPARE(Mmsi()->x(), Name()->x());
        const int nameX = x(Name());
        ShowEntry(kGroup, 1);
        QTRY_COMPARE(Mmsi()->x() - Name()->x(), qRound(150 / W().TwipsPerPixelX()));
        QVERIFY(zero->geometry().right() < Mmsi()->x());
        QCOMPARE(x(Name()), nameX);
    }

    void refusedMmsi_data()
    {
        QTest::addColumn<DirectoryKind>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("rule");
        QTest::newRow("individual") << kInd << "36612345" << "Individual Directory MMSI" << "An MMSI has 9 digits.";
        QTest::newRow("group") << kGroup << "3661234" << "Group Directory MMSI"
                               << "A group MMSI has 8 digits after its leading 0.";
    }

    void refusedMmsi()
    {
        QFETCH(DirectoryKind, kind);
        QFETCH(QString, typed);
        QFETCH(QString, caption);
        QFETCH(QString, rule);
        Use(kind, 2);
        const Directory before = D(kind);
        ShowEntry(kind, 1);
        FocusBy(Mmsi());
        QTest::keyClicks(Mmsi(), typed);
        QTest::keyClick(Mmsi(), Qt::Key_Backtab);
        QTRY_COMPARE(Shown().size(), 1);
        QCOMPARE(Shown()[0].title, caption);
        QCOMPARE(Shown()[0].text, QStringLiteral("Data Error!!\n\n") + rule);
        QCOMPARE(Shown()[0].icon, MessageIcon::Exclamation);
        QTRY_VERIFY(Mmsi()->hasFocus());
        QCOMPARE(Mmsi()->text(), typed);

        Click(Delete());  // the click that takes the focus away deletes nothing
        QTRY_COMPARE(Shown().size(), 2);
        QCOMPARE(Shown()[1].title, caption);
        QVERIFY(!Delete()->isChecked());
        QTRY_VERIFY(Mmsi()->hasFocus());

        f->model.Settings.Contrast = 1;
        f->Trigger("mnuFileNew");  // the commit step refuses the same way
        QTest::qWait(20);
        QCOMPARE(Shown().size(), 3);
        QCOMPARE(Shown()[2].title, caption);
        QCOMPARE(int(f->model.Settings.Contrast), 1);
        QCOMPARE(D(kind), before);
    }

    void groupRevertShowsTheDigitsAfterTheLabel()
    {
        D(kGroup).at(1) = {true, "FLEET", "0366123450"};
        ShowEntry(kGroup, 1);
        QCOMPARE(Mmsi()->text(), QStringLiteral("36612345"));
        FocusBy(Mmsi());
        QTest::keyClicks(Mmsi(), QStringLiteral("77"));
        ClickTreeNode(QStringLiteral("SG"));
        QCOMPARE(Mmsi()->text(), QStringLiteral("36612345"));
        QCOMPARE(D(kGroup).at(1).Mmsid, std::string("0366123450"));
        QTest::qWait(10);
        QVERIFY(Shown().isEmpty());
    }

    void listPages_data()
    {
        QTest::addColumn<DirectoryKind>("kind");
        QTest::addColumn<QString>("nameTitle");
        QTest::addColumn<int>("help");
        QTest::newRow("individual") << kInd << "STATION NAME" << 1047;
        QTest::newRow("group") << kGroup << "GROUP NAME" << 1067;
    }

    void listPages()
    {
        QFETCH(DirectoryKind, kind);
        QFETCH(QString, nameTitle);
        QFETCH(int, help);
        const int rows = D(kind).size();
        D(kind).at(2) = {true, "TUG", "0123"};  // shown as stored, however short
        W().SelectNodeByKey(Key(kind));
        QCOMPARE(W().Pages().Active(), Panel::E);
        QCOMPARE(Grid()->rowCount(), rows);
        const QStringList titles = {"No.", nameTitle, "MMSI"};
        const int widths[] = {800, 2500, 2150};
        QCOMPARE(Grid()->columnCount(), 3);
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(Grid()->horizontalHeaderItem(c)->text(), titles[c]);
            QCOMPARE(Grid()->columnWidth(c), qRound(widths[c] / W().TwipsPerPixelX()));
        }
        const QStringList second = {"2", "TUG", "0123"};
        for (int c = 0; c < 3; ++c)
            QCOMPARE(Grid()->item(1, c)->text(), second[c]);
        QCOMPARE(Grid()->item(rows - 1, 0)->text(), QString::number(rows));
        QCOMPARE(Grid()->rowHeight(rows - 1), qRound(350 / W().TwipsPerPixelY()));
        QCOMPARE(Grid()->property("helpContext").toInt(), help);
    }

    // Each directory's note on its own terms, on the entry page as typed and
    // on the list page for the selected row.
    void mmsiNotes_data()
    {
        QTest::addColumn<DirectoryKind>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("coast station") << kInd << "002110001" << "Coast station · Germany";
        QTest::newRow("group as a station")
            << kInd << "023212345" << "Starts with 0: a group number; it belongs in the group directory";
        QTest::newRow("unallocated") << kInd << "299123456" << "MID 299 is not allocated to any country";
        QTest::newRow("group") << kGroup << "50312345" << "Group of stations · Australia";
        QTest::newRow("group without MID") << kGroup << "03661234" << "Group numbers start with 0 and a MID";
    }
    void mmsiNotes()
    {
        QFETCH(DirectoryKind, kind);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        Use(kind, 2);
        ShowEntry(kind, 2);
        auto* note = f->Find<QLabel>("lblGMMSINote");
        FocusBy(Mmsi());
        QTest::keyClicks(Mmsi(), typed);
        QCOMPARE(note->text(), text);
        QTRY_VERIFY(test::WhollyShown(note));  // wrapped where the page is too narrow for it
        QTest::keyClick(Mmsi(), Qt::Key_Tab);  // a warning refuses nothing
        QCOMPARE(D(kind).at(2).Mmsid, (kind == kGroup ? "0" : "") + typed.toStdString() + "0");
        QVERIFY(Shown().isEmpty());

        W().SelectNodeByKey(Key(kind));
        auto* listNote = f->Find<QLabel>("lblENote");
        Grid()->setCurrentCell(1, 0);
        QCOMPARE(listNote->text(), text);
        QTRY_VERIFY(test::WhollyShown(listNote));
        Grid()->setCurrentCell(5, 0);  // a free entry
        QCOMPARE(listNote->text(), QString());
    }

    void gridJumpsToTheEntry()
    {
        Use(kInd, 3);
        W().SelectNodeByKey(QStringLiteral("SM"));
        const QRect cell = Grid()->visualItemRect(Grid()->item(2, 1));
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, cell.center());  // a double click's first click
        QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(NavigationTree::KeyOf(Tree()->currentItem()), QStringLiteral("SM 3"));
        QCOMPARE(W().Pages().Active(), Panel::G);
        QCOMPARE(Name()->text(), QStringLiteral("NAME3"));
        QVERIFY(Node(QStringLiteral("SM"))->isExpanded());

        W().SelectNodeByKey(QStringLiteral("SG"));
        Grid()->setFocus();
        Grid()->setCurrentCell(9, 0);
        QTest::keyClick(Grid(), Qt::Key_Return);
        QCOMPARE(NavigationTree::KeyOf(Tree()->currentItem()), QStringLiteral("SG 10"));
        QCOMPARE(W().Pages().Active(), Panel::G);
    }

    void tabOrderAndHints()
    {
        Use(kGroup, 2);
        ShowEntry(kGroup, 1);
        Tree()->setFocus();
        QStringList chain;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            if (now == Tree() || now == nullptr)
                break;
            chain << now->objectName() + ": " + W().StatusText(1);
        }
        QCOMPARE(chain, (QStringList{"chkGDelete: [Space]:An effective and invalid change.",
                                     "txtGPosi: A maximum of 10 characters.",
                                     "txtGMMSI: Numeric Only. Indispensable 9 figures."}));
        QCOMPARE(Mmsi()->property("helpContext").toInt(), 1071);
    }

    void nodesColouredOnExpandAndRefresh()
    {
        Use(kInd, 2);
        Use(kGroup, 5);
        Tree()->expandItem(Node(QStringLiteral("S")));
        Tree()->expandItem(Node(QStringLiteral("SG")));
        QVERIFY(!Greyed(QStringLiteral("SG 6")) && Greyed(QStringLiteral("SG 7")));
        W().RefreshTreeAndColours();
        QVERIFY(!Greyed(QStringLiteral("SM 3")) && Greyed(QStringLiteral("SM 4")));
    }

    // Whatever replaces the records as a whole colours the nodes of both
    // directories for the records it brought (the read: tst_transfer_dialog).
    void nodesColouredAfterRecordsReplaced_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("import");
        QTest::newRow("Open") << "boat.dat" << false;
        QTest::newRow("Open of a backup image") << "boat.hex" << false;
        QTest::newRow("image import (Ctrl+F2)") << "boat.hex" << true;
    }

    void nodesColouredAfterRecordsReplaced()
    {
        QFETCH(QString, file);
        QFETCH(bool, import);
        Model source;
        source.ModelNumber = f->model.ModelNumber;
        NewModel(source);
        test::ApplySampleEdits(source);  // 2 stations, 1 group
        for (const char* key : {"S", "SM", "SG"})
            Tree()->expandItem(Node(QLatin1String(key)));
        QVERIFY(Greyed(QStringLiteral("SG 2")) && Greyed(QStringLiteral("SM 3")));
        const QString path = f->programDir.filePath(file);
        const FileContext context{ErrorLog(QString()), 0};
        QVERIFY((file.endsWith(".dat") ? SaveFileAs(source, path, context) : SaveHexImage(source, path, context)).done());
        f->prompt.fileNames.enqueue(path);
        if (import) {
            f->model.DiagnosticMode = true;
            QTest::keyClick(W().windowHandle(), Qt::Key_F2, Qt::ControlModifier);
        } else {
            f->Trigger("mnuFileOpen");
        }
        QVERIFY(!Greyed(QStringLiteral("SG 2")) && Greyed(QStringLiteral("SG 3")));
        QVERIFY(!Greyed(QStringLiteral("SM 3")) && Greyed(QStringLiteral("SM 4")));
    }
};

QTEST_MAIN(TestDirectoryPages)
#include "tst_directory_pages.moc"
