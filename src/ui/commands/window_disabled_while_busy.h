// SPDX-License-Identifier: GPL-3.0-or-later
// Busy pointer and a disabled window for the length of a command. Disabling
// the window takes the keyboard focus away; at the end it goes back where it
// was, or to the tree after a command that shows the data afresh (New, Open).
#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace quorlink {

class WindowDisabledWhileBusy {
public:
    enum class FocusAfter { WhereItWas, Tree };

    WindowDisabledWhileBusy(QWidget* window, QWidget* tree, FocusAfter after = FocusAfter::WhereItWas)
        : window_(window), tree_(tree), focus_(after == FocusAfter::Tree ? tree : window->focusWidget())
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        window_->setEnabled(false);
    }
    ~WindowDisabledWhileBusy()
    {
        window_->setEnabled(true);
        QApplication::restoreOverrideCursor();
        GiveFocusBack(focus_);
    }
    WindowDisabledWhileBusy(const WindowDisabledWhileBusy&) = delete;
    WindowDisabledWhileBusy& operator=(const WindowDisabledWhileBusy&) = delete;

private:
    // A control that is gone, hidden or greyed out now cannot take the keyboard;
    // the tree can, so that Up and Down work at once.
    void GiveFocusBack(QWidget* widget)
    {
        if (widget == nullptr || !widget->isVisible() || !widget->isEnabled())
            widget = tree_;
        widget->setFocus(Qt::OtherFocusReason);
    }

    QWidget* window_;
    QWidget* tree_;
    QPointer<QWidget> focus_;
};

}  // namespace quorlink
