// SPDX-License-Identifier: GPL-3.0-or-later
// The window's layout rules in twips: minimum size, the tree's share, and
// the splitter drag.
#include "main_window_fixture.h"
#include "navigation_tree.h"
#include "text_fit.h"

#include <QScopeGuard>
#include <QTreeWidget>
#include <QWindow>

using namespace quorlink;

class TestLayout : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> f;

    double Twips(int pixels) const { return pixels * f->window->TwipsPerPixelX(); }

    // Presses the splitter handle, moves it to x (in the handle's coordinates) and lets go.
    void DragSplitter(int x) const
    {
        QWidget* handle = f->Find("imgSplitter");
        const int y = handle->height() / 2;
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(2, y));
        QTest::mouseMove(handle, QPoint(x, y));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(x, y));
    }

private slots:
    void init()
    {
        f = std::make_unique<test::MainWindowFixture>();
        f->Open();
    }
    void cleanup() { f.reset(); }

    void minimumSize()
    {
        MainWindow& w = *f->window;
        w.resize(100, 100);
        QTest::qWait(10);
        QVERIFY(w.width() * w.TwipsPerPixelX() >= 9105 - w.TwipsPerPixelX());
        QVERIFY(w.height() * w.TwipsPerPixelY() >= 6660 - w.TwipsPerPixelY());
    }

    // A window manager that ignores the size hints (or none at all) may still
    // make the window smaller; the window sets itself back.
    void minimumSizeKeptWithoutWindowManager()
    {
        MainWindow& w = *f->window;
        const QSize smallest = w.minimumSize();
        w.windowHandle()->resize(100, 80);
        QTest::qWait(20);  // the platform reports the new size a moment later
        QTRY_COMPARE(w.size(), smallest);
        QVERIFY(w.width() * w.TwipsPerPixelX() >= 9105 && w.height() * w.TwipsPerPixelY() >= 6660);
    }

    void treeTakesThirtyPercentClamped()
    {
        MainWindow& w = *f->window;
        w.resize(1400, 700);
        QTRY_COMPARE(w.width(), 1400);
        QVERIFY(qAbs(w.TreeWidthTwips() - 0.3 * w.WindowWidthTwips()) <= 2 * w.TwipsPerPixelX());
        auto* pane = f->Find("pictData");
        QVERIFY(pane->geometry().left() >= f->Find("tvTreeView")->geometry().right());
    }

    void sizeControlsClamps()
    {
        MainWindow& w = *f->window;
        w.SizeControls(100);
        QVERIFY(qAbs(w.TreeWidthTwips() - 2500) <= w.TwipsPerPixelX());
        w.SizeControls(1e6);
        QVERIFY(qAbs(w.TreeWidthTwips() - (w.WindowWidthTwips() - 6000)) <= w.TwipsPerPixelX());
    }

    void splitterDragIsClamped()
    {
        MainWindow& w = *f->window;
        w.resize(1000, 600);
        QTRY_COMPARE(w.width(), 1000);
        QWidget* handle = f->Find("imgSplitter");
        QWidget* bar = f->Find("picSplitter");
        const QPoint inside(2, handle->height() / 2);

        QTest::mousePress(handle, Qt::LeftButton, {}, inside);
        QVERIFY(bar->isVisible());
        QTest::mouseMove(handle, QPoint(-handle->x() + 3, inside.y()));  // far left
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(-handle->x() + 3, inside.y()));
        QVERIFY(!bar->isVisible());
        QVERIFY(qAbs(w.TreeWidthTwips() - 2500) <= w.TwipsPerPixelX());

        QTest::mousePress(handle, Qt::LeftButton, {}, inside);
        QTest::mouseMove(handle, QPoint(w.width() - handle->x(), inside.y()));  // far right
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(w.width() - handle->x(), inside.y()));
        QVERIFY(qAbs(w.TreeWidthTwips() - (w.WindowWidthTwips() - 2500)) <= 2 * w.TwipsPerPixelX());

        // The next window resize gives the tree its 30 % again.
        w.resize(1100, 600);
        QTRY_COMPARE(w.width(), 1100);
        QVERIFY(qAbs(w.TreeWidthTwips() - 0.3 * w.WindowWidthTwips()) <= 2 * w.TwipsPerPixelX());
    }

    // The settings tabs keep their size and place through a splitter drag
    // and fill their page again at the next window resize.
    void splitterDragLeavesTheSettingsTabs()
    {
        MainWindow& w = *f->window;
        w.resize(1000, 600);
        QTRY_COMPARE(w.width(), 1000);
        w.SelectNodeByKey(QStringLiteral("S"));
        QWidget* tabs = f->Find("tbsFNE");
        QWidget* page = w.Pages().panel(Panel::F);
        QCOMPARE(tabs->size(), page->size());
        const QRect before = tabs->geometry();
        DragSplitter(-f->Find("imgSplitter")->x());  // far left: the page grows
        QTest::qWait(10);
        QVERIFY(page->width() > before.width());
        QCOMPARE(tabs->geometry(), before);
        w.resize(1100, 600);
        QTRY_COMPARE(w.width(), 1100);
        QCOMPARE(tabs->size(), page->size());
    }

    // A larger desktop font while the window is open: the window grows until
    // the weather page's rows are whole, and back at the normal font it may
    // again be as small as the twips allow.
    void windowGrowsWithTheFont()
    {
        MainWindow& w = *f->window;
        w.SelectNodeByKey(TreeKey(NodeKey::Wx));
        const QSize twips = w.minimumSize();
        const QFont normal = QApplication::font();
        const auto restore = qScopeGuard([normal] { QApplication::setFont(normal); });
        QFont large = normal;
        large.setPointSizeF(normal.pointSizeF() * 2);
        QApplication::setFont(large);
        QTRY_VERIFY(w.minimumSize().height() > twips.height());
        QTRY_VERIFY2(test::CutTexts(&w).isEmpty(), qPrintable(test::CutTexts(&w).join(QLatin1Char('\n'))));
        QApplication::setFont(normal);
        QTRY_COMPARE(w.minimumSize(), twips);
    }

    void pagesFillTheDataPane()
    {
        MainWindow& w = *f->window;
        QWidget* pane = f->Find("pictData");
        for (int p = 0; p < 7; ++p) {
            const QRect page = w.Pages().panel(Panel(p))->geometry();
            QVERIFY(qAbs(Twips(page.left()) - 100) <= w.TwipsPerPixelX());
            QVERIFY(qAbs(Twips(pane->width() - page.width()) - 200) <= 2 * w.TwipsPerPixelX());
        }
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
