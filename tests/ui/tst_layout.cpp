// The window's layout rules in twips: minimum size, the tree's share, and
// the splitter drag.
#include "main_window_fixture.h"

#include <QTreeWidget>

using namespace quorlink;

class TestLayout : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> f;

    double Twips(int pixels) const { return pixels * f->window->TwipsPerPixelX(); }

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
