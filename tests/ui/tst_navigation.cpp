// SPDX-License-Identifier: GPL-3.0-or-later
// The tree: its nodes, keys and texts, and how selecting nodes switches pages.
#include "main_window_fixture.h"

#include <QAccessible>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace quorlink;

class TestNavigation : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> f;
    QTreeWidget* tree = nullptr;
    QStringList requested;  // keys of the pages asked for

    QTreeWidgetItem* Node(const char* key) const { return f->window->Tree().ItemByKey(QLatin1String(key)); }

private slots:
    void init()
    {
        f = std::make_unique<test::MainWindowFixture>();
        f->model.ModelNumber = 1;
        MainWindow& w = f->Open();
        tree = f->Find<QTreeWidget>("tvTreeView");
        requested.clear();
        connect(&w, &MainWindow::PageRequested, this, [this](const QString& key) { requested << key; });
    }
    void cleanup() { f.reset(); }

    void nodesKeysAndTexts()
    {
        QStringList roots;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            roots << tree->topLevelItem(i)->text(0);
        QCOMPARE(roots, (QStringList{"Programmable Channel", "Exp Channel", "Setting"}));
        QStringList underP;
        for (int i = 0; i < Node("P")->childCount(); ++i)
            underP << NavigationTree::KeyOf(Node("P")->child(i));
        QCOMPARE(underP, (QStringList{"PU", "PI", "PC", "PW"}));
        QCOMPARE(Node("PU")->childCount(), 55);
        QCOMPARE(Node("PI")->childCount(), 55);
        QCOMPARE(Node("PC")->childCount(), 56);
        QCOMPARE(Node("PW")->childCount(), 0);
        QCOMPARE(Node("E")->childCount(), 40);
        QCOMPARE(Node("SM")->childCount(), 40);
        QCOMPARE(Node("SG")->childCount(), 10);
        QCOMPARE(Node("PU 0")->text(0), QStringLiteral("CH01A[Enable]"));
        QCOMPARE(Node("PU 54")->text(0), QStringLiteral("CH88A[Enable]"));
        QCOMPARE(Node("PC 20")->text(0), QStringLiteral("CH21A[Enable]"));
        QCOMPARE(Node("E 40")->text(0), QStringLiteral("EXP40"));  // fresh EXP channels are off
        QCOMPARE(Node("SM 1")->text(0), QStringLiteral("Individual ID1"));
        QCOMPARE(Node("SG 10")->text(0), QStringLiteral("Group ID10"));
        QVERIFY(Node("E 0") == nullptr);
        // Positions count from 1 in the order the nodes were added.
        QCOMPARE(NavigationTree::PositionOf(Node("P")), 1);
        QCOMPARE(NavigationTree::PositionOf(Node("PU")), 2);
        QCOMPARE(NavigationTree::PositionOf(Node("PU 0")), 3);
        QCOMPARE(NavigationTree::PositionOf(Node("SG 10")), 1 + 1 + 55 + 1 + 55 + 1 + 56 + 1 + 1 + 40 + 1 + 1 + 40 + 1 + 10);
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            QVERIFY(!(*it)->isExpanded());
    }

    void childKeys()
    {
        QCOMPARE(ChildKey(QStringLiteral("PU"), 0), QStringLiteral("PU 0"));
        QCOMPARE(ChildNumber(QStringLiteral("E 40")), 40);
        QCOMPARE(ChildNumber(QStringLiteral("PU")), -1);
        QCOMPARE(EnableMark(true), QStringLiteral("[Enable]"));
        QCOMPARE(EnableMark(false), QString());
    }

    void pagesOfNodes_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("panel");
        QTest::newRow("A/B") << "P" << int(Panel::A);
        QTest::newRow("USA list") << "PU" << int(Panel::B);
        QTest::newRow("Canada list") << "PC" << int(Panel::B);
        QTest::newRow("EXP list") << "E" << int(Panel::B);
        QTest::newRow("USA channel") << "PU 3" << int(Panel::C);
        QTest::newRow("EXP channel") << "E 40" << int(Panel::C);
        QTest::newRow("WX") << "PW" << int(Panel::D);
        QTest::newRow("directory") << "SG" << int(Panel::E);
        QTest::newRow("settings") << "S" << int(Panel::F);
        QTest::newRow("entry") << "SM 7" << int(Panel::G);
    }

    void pagesOfNodes()
    {
        QFETCH(QString, key);
        QFETCH(int, panel);
        MainWindow& w = *f->window;
        w.SelectNodeByKey(key);
        QCOMPARE(int(w.Pages().Active()), panel);
        for (int p = 0; p < 7; ++p)
            QCOMPARE(w.Pages().panel(Panel(p))->isEnabled(), p == panel);
        QCOMPARE(w.CurrentNodeIndex(), NavigationTree::PositionOf(Node(key.toLatin1().constData())));
        QCOMPARE(w.StatusText(1), kTreeHint);
        // A screen reader names every control of the page that takes the keyboard.
        for (QWidget* control : w.Pages().panel(Panel(panel))->findChildren<QWidget*>()) {
            if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus) || control->focusProxy())
                continue;
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
            const QString name = reader ? reader->text(QAccessible::Name).trimmed() : QString();
            QVERIFY2(!name.isEmpty() && name != QLatin1String(">"), qPrintable(control->objectName()));
        }
    }

    void unknownKeyChangesNothing()
    {
        MainWindow& w = *f->window;
        const int before = w.CurrentNodeIndex();
        w.SelectNodeByKey(QStringLiteral("PX 1"));
        QCOMPARE(w.CurrentNodeIndex(), before);
        QVERIFY(requested.isEmpty());
    }

    void shownNodeIsNotFilledAgain()
    {
        MainWindow& w = *f->window;
        w.SelectNodeByKey(QStringLiteral("PU"));
        QCOMPARE(requested, QStringList{"PU"});
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(Node("PU")).center());
        QCOMPARE(requested, QStringList{"PU"});
    }

    void downMovesThroughTheChannels()
    {
        MainWindow& w = *f->window;
        tree->expandItem(Node("P"));
        tree->expandItem(Node("PU"));
        w.SelectNodeByKey(QStringLiteral("PU 0"));
        tree->setFocus();
        requested.clear();
        for (int i = 1; i <= 3; ++i) {
            QTest::keyClick(tree, Qt::Key_Down);
            QCOMPARE(NavigationTree::KeyOf(tree->currentItem()), QStringLiteral("PU %1").arg(i));
            QCOMPARE(w.Pages().Active(), Panel::C);
        }
        QCOMPARE(requested, (QStringList{"PU 1", "PU 2", "PU 3"}));
    }

    void collapseMovesSelectionToParent()
    {
        MainWindow& w = *f->window;
        tree->expandItem(Node("P"));
        tree->expandItem(Node("PU"));
        w.SelectNodeByKey(QStringLiteral("PU 3"));
        tree->collapseItem(Node("PU"));
        QCOMPARE(NavigationTree::KeyOf(tree->currentItem()), QStringLiteral("PU"));
        QCOMPARE(w.Pages().Active(), Panel::B);
        QCOMPARE(requested.last(), QStringLiteral("PU"));
    }

    void treeTextsFollowTheRecords()
    {
        MainWindow& w = *f->window;
        f->model.UsaChannels.at(13).Enable = false;  // channel 16
        f->model.ExpChannels.at(7).Enable = true;
        f->model.IndividualDirectory.at(1).Enable = true;
        w.RefreshTreeAndColours();
        QCOMPARE(Node("PU 13")->text(0), QStringLiteral("CH16"));
        QCOMPARE(Node("E 7")->text(0), QStringLiteral("EXP7[Enable]"));
        QCOMPARE(Node("SM 1")->text(0), QStringLiteral("Individual ID1"));  // built once, not refreshed
    }

    // A jump from a list to its editor leaves the keyboard on the tree, so
    // Down goes on to the next channel.
    void jumpFromAListLeavesTheFocusOnTheTree()
    {
        MainWindow& w = *f->window;
        w.SelectNodeByKey(QStringLiteral("PI"));
        auto* grid = f->Find<QAbstractItemView>("MSFlexGrid1");
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(4, 0));
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(NavigationTree::KeyOf(tree->currentItem()), QStringLiteral("PI 4"));
        QVERIFY(tree->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(NavigationTree::KeyOf(tree->currentItem()), QStringLiteral("PI 5"));
        QCOMPARE(requested.last(), QStringLiteral("PI 5"));
    }

    // Tab and Shift+Tab leave a list for the next and the previous control,
    // so the keyboard gets back to the tree; the arrows move between cells.
    void tabLeavesTheLists_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("grid");
        QTest::newRow("USA") << "PU" << "MSFlexGrid1";
        QTest::newRow("group") << "SG" << "MSFlexGrid2";
    }

    void tabLeavesTheLists()
    {
        QFETCH(QString, key);
        QFETCH(QString, grid);
        QWindow* keys = f->window->windowHandle();
        f->window->SelectNodeByKey(key);
        auto* list = f->Find<QTableWidget>(grid.toLatin1().constData());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1, 1)).center());
        QTRY_VERIFY(list->hasFocus());
        QTest::keyClick(keys, Qt::Key_Right);
        QTest::keyClick(keys, Qt::Key_Down);
        const auto cell = [list] { return QPoint(list->currentColumn(), list->currentRow()); };
        QCOMPARE(cell(), QPoint(2, 2));

        QTest::keyClick(keys, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(tree));
        QTest::keyClick(keys, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(list));
        QTest::keyClick(keys, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(tree));
        QTest::keyClick(keys, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(list));
        QTest::keyClick(keys, Qt::Key_Tab, Qt::ControlModifier);  // no cell of its own either
        QCOMPARE(cell(), QPoint(2, 2));
    }

    // Lines join the nodes, run on from the root past open branches, and
    // every node with children has a box: plus when closed, minus when open.
    void treeDrawsLinesAndBoxes()
    {
        tree->expandItem(Node("P"));
        const QImage shot = tree->viewport()->grab().toImage();
        const QColor base = tree->viewport()->palette().color(QPalette::Base);
        const int indent = tree->indentation();
        auto inked = [&](int x, int top, int bottom) {
            for (int y = top; y <= bottom; ++y)
                if (shot.pixelColor(x, y) != base)
                    return true;
            return false;
        };
        // The middle of the branch column `up` indents left of a node's text.
        auto branchX = [&](const char* key, int up) { return tree->visualItemRect(Node(key)).left() - indent * up + indent / 2; };
        QVERIFY(branchX("PU", 2) >= 0 && branchX("P", 1) - 4 >= 0);
        const QRect pu = tree->visualItemRect(Node("PU"));
        QVERIFY2(inked(branchX("PU", 1), pu.top(), pu.bottom()), "PU's own branch");
        QVERIFY2(inked(branchX("PU", 2), pu.top(), pu.bottom()), "the root line past P's children to E");
        auto middle = [&](const char* key) {
            const QRect r = tree->visualItemRect(Node(key));
            return r.top() + r.height() / 2;
        };
        // Plus: a vertical stroke through the box's centre; minus: none.
        QVERIFY2(inked(branchX("E", 1), middle("E") - 2, middle("E") - 1), "plus on the closed E");
        QVERIFY2(!inked(branchX("P", 1), middle("P") - 2, middle("P") - 1), "minus on the open P");
        QVERIFY2(inked(branchX("P", 1) - 2, middle("P"), middle("P")), "minus stroke");
        QVERIFY2(inked(branchX("P", 1) - 4, middle("P") - 3, middle("P") + 3), "box side");
    }

    void clickOnTheEmptyAreaKeepsTheSelection()
    {
        MainWindow& w = *f->window;
        w.SelectNodeByKey(QStringLiteral("E"));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(5, tree->viewport()->height() - 3));
        QVERIFY(Node("E")->isSelected());
        QCOMPARE(tree->currentItem(), Node("E"));
        QCOMPARE(w.Pages().Active(), Panel::B);
    }

    void focusOnTheTreeSetsTheHint()
    {
        MainWindow& w = *f->window;
        w.SelectNodeByKey(QStringLiteral("S"));
        f->Find("tvTreeView")->clearFocus();
        QApplication::setActiveWindow(&w);
        f->Find("tvTreeView")->setFocus();
        QTRY_COMPARE(w.StatusText(1), kTreeHint);
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
