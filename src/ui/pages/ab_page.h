// SPDX-License-Identifier: GPL-3.0-or-later
// pictA: the A and B channel of each region, among its enabled channels.
#pragma once

#include "channel_record.h"
#include "records.h"

#include <QObject>
#include <array>

class QComboBox;
class QWidget;

namespace quorlink {

class PageHost;
class PageWiring;
struct Model;

// Keeps the A/B choices valid when a channel is disabled: a disabled channel
// is no longer the region's A or B channel, and without an A there is no B.
void ClearABOnDisable(Model& model, Region region, const ChannelRecord& record);

class ABPage : public QObject {
    Q_OBJECT

public:
    explicit ABPage(PageHost& window, PageWiring& wiring);

    void RefreshABLists();
    void SyncABPage();
    void ShowABPage();
    void FillABList(QComboBox* list, Region region, int excluded);
    QComboBox* AList(Region region) const { return aLists_[static_cast<std::size_t>(region)]; }
    QComboBox* BList(Region region) const { return bLists_[static_cast<std::size_t>(region)]; }

private:
    void BuildRows(QWidget* page);
    void AChosen(Region region);
    void BChosen(Region region);

    PageHost& window_;
    PageWiring& wiring_;
    const Model& model_;
    std::array<QComboBox*, 3> aLists_{};
    std::array<QComboBox*, 3> bLists_{};
    std::array<QWidget*, 3> shownRows_{};  // pictAitem, PictAach, pictAbch
};

}  // namespace quorlink
