// SPDX-License-Identifier: GPL-3.0-or-later
// The tick boxes of the change list before a write: one per line and one
// per page, all ticked at first. Lines that move together tick together; the
// count and the Write button follow the ticks.
#pragma once

#include "comparison.h"

#include <QCoreApplication>
#include <QObject>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quorlink {

class ChangeTicks : public QObject {
    Q_DECLARE_TR_FUNCTIONS(ChangeTicks)

public:
    // Regroups the list's items, one a change in order, under an item per page.
    ChangeTicks(QTreeWidget* list, const std::vector<Difference>& changes, QLabel* count, QPushButton* write);

    // One a change: whether it is to be sent.
    std::vector<bool> Ticked() const;

private:
    void LineChanged(QTreeWidgetItem* item);
    void ShowCount();

    const std::vector<Difference>& changes_;
    QLabel* count_;
    QPushButton* write_;
    std::vector<QTreeWidgetItem*> lines_;         // one a change; null for one a write never sends
    std::vector<std::vector<std::size_t>> tied_;  // the lines that move together
    std::vector<int> tieOf_;
    bool tying_ = false;
};

}  // namespace quorlink
