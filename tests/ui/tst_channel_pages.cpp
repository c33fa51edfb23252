// SPDX-License-Identifier: GPL-3.0-or-later
// The channel list grid, the channel editor and the WX rows, driven through
// the tree and the real widgets.
#include "main_window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTreeWidget>

using namespace quorlink;

class TestChannelPages : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> f;

    MainWindow& W() const { return *f->window; }
    QTableWidget* Grid() const { return f->Find<QTableWidget>("MSFlexGrid1"); }
    QCheckBox* Box(const char* name) const { return f->Find<QCheckBox>(name); }
    QString Cell(int gridRow, int column) const { return Grid()->item(gridRow - 1, column)->text(); }
    QString NodeText(const char* key) const { return W().Tree().ItemByKey(QLatin1String(key))->text(0); }
    void Click(QWidget* w) const { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, w->height() / 2)); }

private slots:
    void init()
    {
        f = std::make_unique<test::MainWindowFixture>();
        f->model.ModelNumber = 1;
        f->Open();
    }
    void cleanup() { f.reset(); }

    void regionList()
    {
        W().SelectNodeByKey(QStringLiteral("PU"));
        QCOMPARE(W().Pages().Active(), Panel::B);
        QCOMPARE(Grid()->rowCount() + 1, 56);  // with the header row
        QCOMPARE(Grid()->columnCount(), 11);
        QCOMPARE(Grid()->horizontalHeaderItem(2)->text(), QStringLiteral("RX[MHz]"));
        QCOMPARE(Cell(55, 0), QStringLiteral("88A"));
        QCOMPARE(Cell(1, 1), QStringLiteral("[Enable]"));
        QCOMPARE(Cell(1, 10), QStringLiteral("VTS"));
        // "15" receives only; "20" is duplex and receives on 161.600.
        const QStringList row15 = {"15", "[Enable]", "156.750", "---.---", "--", "---", "--", "---", "---", "--", "COMMERCIAL"};
        for (int c = 0; c < 11; ++c)
            QCOMPARE(Cell(13, c), row15[c]);
        QCOMPARE(Cell(18, 0), QStringLiteral("20"));
        QCOMPARE(Cell(18, 2), QStringLiteral("161.600"));
        QCOMPARE(Cell(18, 7), QStringLiteral("DUP"));
        QCOMPARE(Grid()->rowHeight(0), qRound(350 / W().TwipsPerPixelY()));
    }

    void expList()
    {
        f->model.ExpChannels.at(2).Position = 16;
        W().SelectNodeByKey(QStringLiteral("E"));
        QCOMPARE(Grid()->columnCount(), 12);
        QCOMPARE(Grid()->rowCount() + 1, 41);
        QCOMPARE(Cell(1, 0), QStringLiteral("1"));
        QCOMPARE(Cell(1, 2), QStringLiteral("0"));
        QCOMPARE(Cell(1, 1), QString());
        QCOMPARE(Cell(2, 4), QStringLiteral("156.800"));
        W().SelectNodeByKey(QStringLiteral("PC"));
        QCOMPARE(Grid()->columnCount(), 11);
    }

    // Every row is 350 twips high, whichever list was shown before.
    void everyRowOfEveryListHasItsHeight()
    {
        const int height = qRound(350 / W().TwipsPerPixelY());
        for (const char* key : {"E", "PI", "PC", "PU"}) {
            W().SelectNodeByKey(QLatin1String(key));
            for (int r = 0; r < Grid()->rowCount(); ++r)
                QVERIFY2(Grid()->rowHeight(r) == height, qPrintable(QStringLiteral("%1 row %2").arg(key).arg(r + 1)));
        }
    }

    // Scrolled sideways to the end, the grid still shows the CH column at its
    // left edge, level with the rows it labels.
    void firstColumnStaysWhenScrolledSideways()
    {
        W().resize(W().minimumSize());
        W().SelectNodeByKey(QStringLiteral("PU"));
        QTRY_VERIFY(Grid()->horizontalScrollBar()->maximum() > 0);
        Grid()->horizontalScrollBar()->setValue(Grid()->horizontalScrollBar()->maximum());
        Grid()->verticalScrollBar()->setValue(Grid()->verticalScrollBar()->maximum());
        const QPoint inViewport(3, Grid()->viewport()->height() / 2);
        const QPoint inGrid = Grid()->viewport()->mapTo(Grid(), inViewport);
        QWidget* at = Grid()->childAt(inGrid);
        auto* view = at ? qobject_cast<QAbstractItemView*>(at->parentWidget()) : nullptr;
        QVERIFY(view);
        const QModelIndex shown = view->indexAt(view->viewport()->mapFrom(Grid(), inGrid));
        QCOMPARE(shown.column(), 0);
        QCOMPARE(shown.row(), Grid()->rowAt(inViewport.y()));
        QCOMPARE(shown.data().toString(), Grid()->item(shown.row(), 0)->text());
        // The header keeps its title above it.
        QWidget* header = Grid()->childAt(Grid()->viewport()->mapTo(Grid(), QPoint(3, -3)));
        QVERIFY(header);
        auto* titles = qobject_cast<QHeaderView*>(header) ? qobject_cast<QHeaderView*>(header)
                                                          : qobject_cast<QHeaderView*>(header->parentWidget());
        QVERIFY(titles);
        QCOMPARE(titles->logicalIndexAt(titles->mapFrom(Grid(), Grid()->viewport()->mapTo(Grid(), QPoint(3, -3)))), 0);
    }

    void jumpsFromTheGrid()
    {
        W().SelectNodeByKey(QStringLiteral("PC"));
        const QRect first = Grid()->visualItemRect(Grid()->item(0, 0));
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, first.center());  // a double click's first click
        QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(NavigationTree::KeyOf(f->Find<QTreeWidget>("tvTreeView")->currentItem()), QStringLiteral("PC 0"));
        QCOMPARE(W().Pages().Active(), Panel::C);
        QCOMPARE(f->Find<QLineEdit>("txtCN")->text(), QStringLiteral("01"));

        W().SelectNodeByKey(QStringLiteral("E"));
        Grid()->setFocus();
        Grid()->setCurrentCell(39, 0);
        QTest::keyClick(Grid(), Qt::Key_Return);
        QCOMPARE(NavigationTree::KeyOf(f->Find<QTreeWidget>("tvTreeView")->currentItem()), QStringLiteral("E 40"));
        QCOMPARE(f->Find<QLabel>("lblCPosition")->text(), QStringLiteral("Position"));
    }

    void disablingGreysWithoutClearing()
    {
        ChannelRecord& r = f->model.UsaChannels.at(13);  // channel 16
        r.ScanMemory = r.VsMemory = r.PowUp = r.LowPower = true;
        f->model.Special.Ach(Region::Usa) = 15;
        f->model.Special.Bch(Region::Usa) = 7;
        W().SelectNodeByKey(QStringLiteral("PU 13"));
        QVERIFY(Box("chkCEnable")->isChecked());
        QVERIFY(Box("chkCTXPower")->isEnabled());
        Click(Box("chkCEnable"));
        QVERIFY(!r.Enable);
        for (const char* name : {"chkCTXEnable", "chkCTXOnly", "chkCTXPower", "chkCDup", "chkCScan", "chkCVSmemory"})
            QVERIFY2(!Box(name)->isEnabled(), name);
        QVERIFY(!f->Find("txtCTag")->isEnabled());
        QVERIFY(Box("chkCScan")->isChecked() && Box("chkCVSmemory")->isChecked() && Box("chkCTXPower")->isChecked());
        QVERIFY(r.ScanMemory && r.VsMemory && r.PowUp && r.LowPower && r.TxEnable);
        QCOMPARE(NodeText("PU 13"), QStringLiteral("CH16"));
        QCOMPARE(int(f->model.Special.Ach(Region::Usa)), 255);  // it was the A channel
        QCOMPARE(int(f->model.Special.Bch(Region::Usa)), 255);
        QVERIFY(Box("chkCEnable")->hasFocus());

        W().SelectNodeByKey(QStringLiteral("PU"));
        QCOMPARE(Cell(14, 1), QString());
        QCOMPARE(Cell(14, 0), QStringLiteral("16"));
    }

    void txCascade()
    {
        ChannelRecord& r = f->model.UsaChannels.at(0);
        r.LowPower = true;
        r.PowUp = true;
        W().SelectNodeByKey(QStringLiteral("PU 0"));
        QVERIFY(Box("chkCTXOnly")->isEnabled() && Box("chkCTXPower")->isEnabled());
        Click(Box("chkCTXEnable"));
        QVERIFY(!r.TxEnable);
        QVERIFY(r.LowPower);
        QVERIFY(!Box("chkCTXOnly")->isEnabled() && !Box("chkCTXPower")->isEnabled());
        QVERIFY(Box("chkCTXOnly")->isChecked());
        Click(Box("chkCTXEnable"));
        Click(Box("chkCTXOnly"));
        QVERIFY(r.TxEnable && !r.LowPower);
        QVERIFY(!Box("chkCTXPower")->isEnabled());
        QVERIFY(!Box("chkCDup")->isEnabled());  // fixed by the plan for region channels
    }

    void showingNeverStores()
    {
        const ChannelList before = f->model.UsaChannels;
        const auto expBefore = f->model.ExpChannels;
        for (const char* key : {"PU 0", "PU 13", "PU 54", "E 1", "E 40", "PU 2"})
            W().SelectNodeByKey(QLatin1String(key));
        QVERIFY(f->model.UsaChannels == before);
        for (int n = 1; n <= 40; ++n) {
            ChannelRecord a = f->model.ExpChannels.at(n);
            ChannelRecord b = expBefore.at(n);
            a.DuplexSelectable = b.DuplexSelectable;  // taken from the plan on showing
            QVERIFY(a == b);
        }
    }

    void expDuplexAndPosition()
    {
        W().SelectNodeByKey(QStringLiteral("E 3"));
        QComboBox* position = f->Find<QComboBox>("cmbCN");
        QCOMPARE(position->count(), 282);
        QCOMPARE(position->currentText(), QStringLiteral("0"));
        position->setFocus();
        QTRY_VERIFY(position->hasFocus());
        QTest::keyClick(position, Qt::Key_Down);  // position 1
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(position, Qt::Key_Down);
        const ChannelRecord& r = f->model.ExpChannels.at(3);
        QCOMPARE(int(r.Position), 5);
        QVERIFY(r.Enable);
        QCOMPARE(r.ChTag, f->model.ExpPlan.at(5).DefaultTag);
        QVERIFY(!r.Duplex && !r.ScanMemory && !r.VsMemory && !r.PowUp);
        QCOMPARE(NodeText("E 3"), QStringLiteral("EXP3[Enable]"));
        QVERIFY(position->hasFocus());

        QCOMPARE(f->Find<QLineEdit>("txtCRF")->text(), QStringLiteral("156.250"));
        QVERIFY(Box("chkCDup")->isEnabled());
        Click(Box("chkCDup"));
        QVERIFY(r.Duplex);
        QCOMPARE(f->Find<QLineEdit>("txtCRF")->text(), QStringLiteral("160.850"));
        QCOMPARE(f->Find<QLineEdit>("txtCTF")->text(), QStringLiteral("156.250"));
    }

    // The label column is as wide as "Channel Number", also on an EXP channel
    // whose label is the shorter "Position": no field moves between kinds.
    void fieldsStayBetweenChannelKinds()
    {
        const auto places = [this](const char* number) {
            QList<int> x;
            for (const char* name : {number, "txtCRF", "txtCTF", "chkCEnable", "chkCVSmemory", "txtCTag", "lblCTag"})
                x << f->Find(name)->mapTo(W().window(), QPoint()).x();
            return x;
        };
        W().SelectNodeByKey(QStringLiteral("PU 13"));
        QTRY_VERIFY(f->Find("txtCN")->isVisible());
        const QList<int> channel = places("txtCN");
        for (const char* key : {"E 3", "PI 5", "E 40", "PC 0"}) {
            W().SelectNodeByKey(QLatin1String(key));
            QApplication::processEvents();
            QCOMPARE(places(key[0] == 'E' ? "cmbCN" : "txtCN"), channel);
        }
    }

    void nameBox()
    {
        W().SelectNodeByKey(QStringLiteral("PU 0"));
        QLineEdit* name = f->Find<QLineEdit>("txtCTag");
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("ab1 c-d#efghij"));
        QCOMPARE(f->model.UsaChannels.at(0).ChTag, std::string("AB1 C-D#EFGH"));
        QCOMPARE(name->text().size(), 12);
        QCOMPARE(W().StatusText(1), QStringLiteral("A maximum of 12 characters"));
    }

    // Enter never reaches a text box; the grids still use it.
    void enterIsSwallowed()
    {
        W().SelectNodeByKey(QStringLiteral("PU 0"));
        QLineEdit* name = f->Find<QLineEdit>("txtCTag");
        int returns = 0;
        connect(name, &QLineEdit::returnPressed, this, [&] { ++returns; });
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Return);
        QTest::keyClick(name, Qt::Key_Enter);
        QCOMPARE(returns, 0);
        QCOMPARE(name->text(), QStringLiteral("VTS"));
    }

    void wxRows()
    {
        W().SelectNodeByKey(QStringLiteral("PW"));
        QCOMPARE(W().Pages().Active(), Panel::D);
        QCOMPARE(f->Find<QLabel>("lblWX(9)")->text(), QStringLiteral("WX10[163.275MHz]"));
        QCheckBox* enable = Box("chkDEnable(2)");
        QCheckBox* scan = Box("chkDScan(2)");
        QLineEdit* name = f->Find<QLineEdit>("txtDTagName(2)");
        QCOMPARE(name->text(), QStringLiteral("162.475MHZ"));
        enable->setFocus();
        QTRY_COMPARE(enable->text(), QStringLiteral(">"));
        QCOMPARE(W().StatusText(1), QStringLiteral("Select[x]Enable/[]Disable."));
        QTest::keyClick(enable, Qt::Key_Space);
        QVERIFY(!f->model.WxChannels.at(2).Enable);
        QVERIFY(!scan->isEnabled() && !name->isEnabled());
        QTest::keyClick(enable, Qt::Key_Space);
        scan->setFocus();
        QTRY_COMPARE(enable->text(), QStringLiteral(" "));
        QCOMPARE(scan->text(), QStringLiteral(">"));
        QTest::keyClick(scan, Qt::Key_Space);
        QVERIFY(f->model.WxChannels.at(2).ScanMemory);
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("noaa"));
        QCOMPARE(f->model.WxChannels.at(2).ChTag, std::string("NOAA"));
    }
};

QTEST_MAIN(TestChannelPages)
#include "tst_channel_pages.moc"
