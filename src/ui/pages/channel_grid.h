// pictB: the read-only list of a region's channels or of the EXP channels,
// and the jump from a row to the channel's editor.
#pragma once

#include "records.h"

#include <QObject>

class QTableWidget;

namespace quorlink {

class MainWindow;
struct Model;

class ChannelGrid : public QObject {
    Q_OBJECT

public:
    explicit ChannelGrid(MainWindow& window);

    void SetupChannelGrid();
    void ShowRegionList(Region region, bool fillOnly);
    void ShowExpList();
    void GotoChannelFromGrid();
    QTableWidget* grid() const { return grid_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetRegionGridHeader();
    void SetExpGridHeader();
    void SetHeader(const QStringList& titles, const QList<int>& widthsTwips);
    void FillRegionGrid(Region region);
    void FillExpGrid();
    void SetRow(int row, const QStringList& cells);
    void ShowPanel();

    MainWindow& window_;
    Model& model_;
    QTableWidget* grid_;
};

}  // namespace quorlink
