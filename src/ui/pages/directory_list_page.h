// SPDX-License-Identifier: GPL-3.0-or-later
// pictE: the individual or the group directory as a read-only list, and the
// jump from a row to its entry page.
#pragma once

#include "records.h"

#include <QObject>

namespace quorlink {

class ListGrid;
class MmsiNoteLabel;
class PageHost;
class PageWiring;

class DirectoryListPage : public QObject {
    Q_OBJECT

public:
    explicit DirectoryListPage(PageHost& window, PageWiring& wiring);

    // gridOnly refreshes the rows without bringing the page to the front.
    void ShowDirectoryList(DirectoryKind kind, bool gridOnly = false);
    void MSFlexGrid2_DblClick();
    ListGrid* grid() const { return grid_; }

private:
    void SetDirectoryGridHeader(DirectoryKind kind);
    void FillDirectoryGrid(DirectoryKind kind);
    void ShowRowNote(int row);

    PageHost& window_;
    PageWiring& wiring_;
    ListGrid* grid_;
    MmsiNoteLabel* note_;
    DirectoryKind kind_ = DirectoryKind::Individual;
};

}  // namespace quorlink
