// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_stack.h"

namespace quorlink {

PageStack::PageStack(QWidget* dataPane) : pane_(dataPane)
{
    const char* names[] = {"pictA", "pictB", "pictC", "pictD", "pictE", "pictF", "pictG"};
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QWidget(dataPane);
        panels_[i]->setObjectName(QLatin1String(names[i]));
        panels_[i]->setEnabled(false);
        panels_[i]->setAutoFillBackground(true);  // the front page hides the ones behind it
    }
}

void PageStack::HideAllPages()
{
    for (QWidget* p : panels_)
        p->setEnabled(false);
}

void PageStack::Activate(Panel p)
{
    QWidget* page = panel(p);
    page->raise();
    page->setEnabled(true);
    active_ = p;
}

void PageStack::Place(double tppX, double tppY, bool placeTabs)
{
    const int left = qRound(100 / tppX);
    const int top = qRound(100 / tppY);
    const int width = qMax(0, pane_->width() - qRound(200 / tppX));
    const int height = qMax(0, pane_->height() - qRound(200 / tppY));
    for (QWidget* p : panels_)
        p->setGeometry(left, top, width, height);
    if (placeTabs && tabStrip_)
        tabStrip_->setGeometry(0, 0, width, height);
}

}  // namespace quorlink
