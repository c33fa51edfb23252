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

    // Column widths in twips, set after the titles. A column whose title
    // needs more room (large type, a longer language) is as wide as the title.
    void SetColumnWidths(const QList<int>& twips);
    // Every row, those there now and those added later, this many twips
    // high, or as high as a line of its text where that is more.
    void SetRowHeight(int twips);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;

private:
    void BuildFixedColumn();
    void PlaceFixedColumn();
    void ShowOnlyFirstColumn();
    // Applies the sizes in twips at the font of the moment.
    void FitColumns();
    void FitRows();
    int LineHeight() const;

    // A second view of the same rows over the left edge, showing only the
    // first column: it does not scroll sideways.
    QTableView* fixedColumn_ = nullptr;
    std::function<void()> jump_;
    QList<int> columnTwips_;
    int rowTwips_ = 0;
};

}  // namespace quorlink
