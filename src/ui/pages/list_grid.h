// SPDX-License-Identifier: GPL-3.0-or-later
// The read-only lists of the data pane (channel lists, directories): bold
// text, whole rows selected, one fixed header row and one fixed first column,
// every row the same height, and a jump to the row's own page on a double
// click or Enter. The arrows move between cells; Tab and Shift+Tab go on to
// the next and the previous control.
#pragma once

#include <QTableWidget>
#include <functional>

class QTableView;

namespace quorlink {

class ListGrid : public QTableWidget {
    Q_OBJECT

public:
    // Fills page; jump runs for a double click or Enter on the current row.
    ListGrid(QWidget* page, const QString& name, std::function<void()> jump);

    // Every row, those there now and those added later, this many pixels high.
    void SetRowHeight(int pixels);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;

private:
    void BuildFixedColumn();
    void PlaceFixedColumn();
    void ShowOnlyFirstColumn();

    // A second view of the same rows over the left edge, showing only the
    // first column: it does not scroll sideways.
    QTableView* fixedColumn_ = nullptr;
    std::function<void()> jump_;
};

}  // namespace quorlink
