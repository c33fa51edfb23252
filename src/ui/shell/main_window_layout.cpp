// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the main window in twips (1/1440 inch), the splitter drag, the
// keys the window handles itself, and closing.
#include "main_window.h"

#include "control_tables.h"
#include "file_commands.h"
#include "help_commands.h"
#include "history_commands.h"
#include "model.h"
#include "prompt.h"
#include "settings_store.h"
#include "twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>
#include <QtMath>

namespace quorlink {

namespace {
constexpr double kSmallestWindowWidth = 9105;
constexpr double kSmallestWindowHeight = 6660;
constexpr double kSmallestTree = 2500;
constexpr double kSmallestDataPane = 6000;
constexpr double kSplitterMargin = 2500;  // a dragged splitter stays this far from the right edge
constexpr double kTreeShare = 0.3;
constexpr double kSplitterWidth = 130;

// The room the pages need at the least: each page's layout at its smallest,
// or, for a page whose parts are placed by hand (the settings tabs), its parts'.
QSize SmallestPage(const PageStack& pages)
{
    QSize need(0, 0);
    for (Panel p : {Panel::A, Panel::B, Panel::C, Panel::D, Panel::E, Panel::F, Panel::G}) {
        const QWidget* page = pages.panel(p);
        need = need.expandedTo(page->minimumSizeHint());
        for (const QWidget* part : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!part->isWindow())
                need = need.expandedTo(part->minimumSizeHint());
    }
    return need;
}

}  // namespace

// The handle between tree and data pane; the drag itself is the window's.
class MainWindow::SplitterHandle : public QWidget {
public:
    SplitterHandle(MainWindow* window, QWidget* parent) : QWidget(parent), window_(window)
    {
        setCursor(Qt::SplitHCursor);
    }

protected:
    void mousePressEvent(QMouseEvent*) override { window_->imgSplitter_MouseDown(); }
    void mouseMoveEvent(QMouseEvent* e) override { window_->imgSplitter_MouseMove(qRound(e->position().x())); }
    void mouseReleaseEvent(QMouseEvent*) override { window_->imgSplitter_MouseUp(); }

private:
    MainWindow* window_;
};

void MainWindow::BuildSplitter(QWidget* central)
{
    imgSplitter_ = new SplitterHandle(this, central);
    imgSplitter_->setObjectName(QStringLiteral("imgSplitter"));
    picSplitter_ = new QWidget(central);
    picSplitter_->setObjectName(QStringLiteral("picSplitter"));
    picSplitter_->setAutoFillBackground(true);
    picSplitter_->setBackgroundRole(QPalette::Dark);
    picSplitter_->hide();
}

double MainWindow::TwipsPerPixelX() const { return quorlink::TwipsPerPixelX(this); }

double MainWindow::TwipsPerPixelY() const { return quorlink::TwipsPerPixelY(this); }

// The twips size, or more where a page needs more room (large type, a
// longer language): at the tree's share of the width, every page keeps its
// layout's smallest size, so that no label, box or row is squeezed and cut.
QSize MainWindow::SmallestWindowSize() const
{
    const double tx = TwipsPerPixelX();
    const double ty = TwipsPerPixelY();
    const QSize twips(qCeil(kSmallestWindowWidth / tx), qCeil(kSmallestWindowHeight / ty));
    const QSize page = SmallestPage(router_->Pages());
    if (page.isEmpty())
        return twips;
    // One pixel more each way for the rounding of PlaceControls and Place.
    const double paneTwips = (page.width() + 1 + qRound(200 / tx)) * tx;
    const int width = qCeil((paneTwips + 400) / (1 - kTreeShare) / tx);
    // The menu bar, toolbar and status bar take the same height however tall the window.
    const int bars = layout() ? layout()->totalMinimumSize().height() : 0;
    const int height = bars + page.height() + 1 + qRound(100 / ty) + qRound(200 / ty);
    return twips.expandedTo(QSize(width, height));
}

double MainWindow::WindowWidthTwips() const { return width() * TwipsPerPixelX(); }
double MainWindow::TreeWidthTwips() const { return tvTreeView_->width() * TwipsPerPixelX(); }

void MainWindow::SizeControls(double w)
{
    if (w < kSmallestTree)
        w = kSmallestTree;
    if (w > WindowWidthTwips() - kSmallestDataPane)
        w = WindowWidthTwips() - kSmallestDataPane;
    PlaceControls(w, true);
}

void MainWindow::SizeControls2(double w) { PlaceControls(w, false); }

// The tree takes width w, the handle 130 twips after it, and the data pane the
// rest less a margin; all of them 50 twips from the top of the central area.
void MainWindow::PlaceControls(double w, bool placeTabs)
{
    const double tx = TwipsPerPixelX();
    const double ty = TwipsPerPixelY();
    auto px = [tx](double twips) { return qRound(twips / tx); };
    const int top = qRound(50 / ty);
    const int height = qMax(0, centralWidget()->height() - qRound(100 / ty));
    tvTreeView_->setGeometry(0, top, px(w), height);
    imgSplitter_->setGeometry(px(w), top, px(kSplitterWidth), height);
    pictData_->setGeometry(px(w + kSplitterWidth), top, qMax(0, px(WindowWidthTwips() - (w + 400))), height);
    router_->Pages().Place(tx, ty, placeTabs);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The smallest size is only a hint to the window manager; without one, or
    // with one that ignores it, the window sets itself back.
    const QSize smallest = SmallestWindowSize();
    if (minimumSize() != smallest)
        setMinimumSize(smallest);  // the pages' needs follow the desktop's font and the language
    if (width() < smallest.width() || height() < smallest.height())
        resize(size().expandedTo(smallest));
    if (tvTreeView_)
        SizeControls(kTreeShare * WindowWidthTwips());
}

void MainWindow::imgSplitter_MouseDown()
{
    const QRect handle = imgSplitter_->geometry();
    picSplitter_->setGeometry(handle.left(), handle.top(), qMax(1, handle.width() / 2), handle.height() - 1);
    picSplitter_->show();
    picSplitter_->raise();
    splitterDragging_ = true;
}

void MainWindow::imgSplitter_MouseMove(int x)
{
    if (!splitterDragging_)
        return;
    const double tx = TwipsPerPixelX();
    const double p = (imgSplitter_->x() + x) * tx;
    double left = p;
    if (p < kSmallestTree)
        left = kSmallestTree;
    else if (p > WindowWidthTwips() - kSplitterMargin)
        left = WindowWidthTwips() - kSplitterMargin;
    picSplitter_->move(qRound(left / tx), picSplitter_->y());
}

void MainWindow::imgSplitter_MouseUp()
{
    if (!splitterDragging_)
        return;
    SizeControls2(picSplitter_->x() * TwipsPerPixelX());
    picSplitter_->hide();
    splitterDragging_ = false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride && history_->IsHistoryKey(*static_cast<QKeyEvent*>(event)))
        return true;  // the window's undo and redo, never a text box's own
    if (event->type() == QEvent::KeyPress && HandleKey(watched, static_cast<QKeyEvent*>(event)))
        return true;
    // A page that asks for more room (a larger font) makes the window grow,
    // once the layouts have settled.
    if (event->type() == QEvent::LayoutRequest && (widget == pictData_ || widget->parentWidget() == pictData_))
        QTimer::singleShot(0, this, [this] {
            const QSize smallest = SmallestWindowSize();
            if (minimumSize() != smallest) {
                setMinimumSize(smallest);
                resize(size().expandedTo(smallest));
            }
        });
    if (event->type() == QEvent::FocusOut)
        document_.EndTyping(widget);
    if (event->type() == QEvent::FocusIn) {
        const QString hint = HintFor(widget->objectName());
        if (!hint.isNull())
            SetHint(hint);
    }
    return QMainWindow::eventFilter(watched, event);
}

// True when the key is used up here.
bool MainWindow::HandleKey(QObject* watched, QKeyEvent* key)
{
    if (key->modifiers() == Qt::ControlModifier && (key->key() == Qt::Key_F3 || key->key() == Qt::Key_F2)) {
        if (model_.DiagnosticMode)
            key->key() == Qt::Key_F3 ? files_->SaveHexImageCommand() : files_->OpenHexImageCommand();
        return true;
    }
    if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
        help_->ShowHelpFor(watched);
        return true;
    }
    // Enter never reaches a text box or a list as a character; the grids and
    // the tree still see it as a key.
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    return enter && !qobject_cast<QAbstractItemView*>(watched);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!document_.KeepDroppedEdits("exit")) {
        event->ignore();
        return;
    }
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        if (*it != this && (*it)->isVisible())
            (*it)->close();
    if (!isMinimized()) {
        const QRect frame = frameGeometry();
        SettingsStore::StorePlacement(QRectF(frame.x() * TwipsPerPixelX(), frame.y() * TwipsPerPixelY(),
                                             frame.width() * TwipsPerPixelX(), frame.height() * TwipsPerPixelY()));
    }
    event->accept();
}

}  // namespace quorlink
