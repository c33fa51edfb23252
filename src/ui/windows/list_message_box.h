// SPDX-License-Identifier: GPL-3.0-or-later
// A message box for a report that lists only the start of a longer list:
// besides OK it offers Save As... and Copy, which give the whole list.
#pragma once

#include "prompt.h"

#include <QDialog>

class QLabel;

namespace quorlink {

class ListMessageBox : public QDialog {
    Q_OBJECT

public:
    // prompt asks for the file name of Save As and tells a failed save.
    ListMessageBox(Prompt& prompt, const QString& title, const QString& text, MessageIcon icon,
                   const QString& wholeList, QWidget* parent = nullptr);

    void cmdSaveAs_Click();
    void cmdCopy_Click();

private:
    Prompt& prompt_;
    QString wholeList_;
    QLabel* done_ = nullptr;  // what Save As or Copy did
};

}  // namespace quorlink
