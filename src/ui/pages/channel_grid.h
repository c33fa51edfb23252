// SPDX-License-Identifier: GPL-3.0-or-later
// pictB: the read-only list of a region's channels or of the EXP channels,
// and the jump from a row to the channel's editor.
#pragma once

#include "records.h"

#include <QObject>

namespace quorlink {

class ListGrid;
class PageHost;
class PageWiring;
struct Model;

class ChannelGrid : public QObject {
    Q_OBJECT

public:
    explicit ChannelGrid(PageHost& window, PageWiring& wiring);

    void SetupChannelGrid();
    void ShowRegionList(Region region, bool fillOnly);
    void ShowExpList();
    void GotoChannelFromGrid();
    ListGrid* grid() const { return grid_; }

private:
    void SetRegionGridHeader();
    void SetExpGridHeader();
    void SetHeader(const QStringList& titles, const QList<int>& widthsTwips);
    void FillRegionGrid(Region region);
    void FillExpGrid();
    void SetRow(int row, const QStringList& cells);
    void ShowPanel();

    PageHost& window_;
    PageWiring& wiring_;
    const Model& model_;
    ListGrid* grid_;
};

}  // namespace quorlink
