// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_grid.h"

#include "formatters.h"
#include "latin1.h"
#include "list_grid.h"
#include "model.h"
#include "navigation_tree.h"
#include "page_host.h"
#include "page_wiring.h"

#include <QTreeWidget>

namespace quorlink {

namespace {

constexpr int kRowHeightTwips = 350;

// A set flag reads as its column's title: both are translated alike.
QString Flag(bool on, const char* word, const char* off)
{
    return on ? ChannelGrid::tr(word) : QString(QLatin1String(off));
}

// The cells from ENABLE to CH Name, common to region and EXP rows.
QStringList FlagCells(const ChannelRecord& r, const PlanEntry* entry)
{
    const QString rx = entry ? ToQString(FormatFrequency(r.Duplex ? entry->DuplexRxFreq : entry->RxFreq)) : QString();
    const QString tx = entry ? ToQString(FormatFrequency(entry->TxFreq)) : QString();
    return {rx, tx, Flag(r.TxEnable, QT_TRANSLATE_NOOP("quorlink::ChannelGrid", "TX"), "--"),
            Flag(r.LowPower, QT_TRANSLATE_NOOP("quorlink::ChannelGrid", "LOW"), "---"),
            Flag(r.PowUp, QT_TRANSLATE_NOOP("quorlink::ChannelGrid", "UP"), "--"),
            Flag(r.Duplex, QT_TRANSLATE_NOOP("quorlink::ChannelGrid", "DUP"), "---"),
            Flag(r.ScanMemory, QT_TRANSLATE_NOOP("quorlink::ChannelGrid", "MEM"), "---"),
            Flag(r.VsMemory, QT_TRANSLATE_NOOP("quorlink::ChannelGrid", "VS"), "--"), ToQString(r.ChTag)};
}

const PlanEntry* EntryAt(const PlanTable& plan, int index)
{
    return index >= plan.first() && index <= plan.last() ? &plan.at(index) : nullptr;
}

}  // namespace

ChannelGrid::ChannelGrid(PageHost& window, PageWiring& wiring)
    : QObject(wiring.Pages().panel(Panel::B)), window_(window), wiring_(wiring), model_(window.model())
{
    grid_ = new ListGrid(wiring.Pages().panel(Panel::B), QStringLiteral("MSFlexGrid1"), [this] { GotoChannelFromGrid(); });

    wiring.AddRebuildStep([this] { SetupChannelGrid(); });
    wiring.SetPageHandler(Panel::B, [this](const QString& key) {
        if (key == TreeKey(NodeKey::Exp))
            ShowExpList();
        for (Region region : kRegions)
            if (key == RegionKey(region))
                ShowRegionList(region, false);
        // No label stands for the list: a screen reader names it as the tree does.
        if (const QTreeWidgetItem* node = wiring_.Tree().ItemByKey(key))
            grid_->setAccessibleName(node->text(0));
    });
}

void ChannelGrid::SetupChannelGrid() { ShowRegionList(Region::Usa, true); }

void ChannelGrid::SetHeader(const QStringList& titles, const QList<int>& widthsTwips)
{
    if (grid_->columnCount() == titles.size())
        return;
    grid_->setColumnCount(static_cast<int>(titles.size()));
    grid_->setHorizontalHeaderLabels(titles);
    for (int c = 0; c < titles.size(); ++c)
        grid_->horizontalHeaderItem(c)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid_->SetColumnWidths(widthsTwips);
}

void ChannelGrid::SetRegionGridHeader()
{
    SetHeader({tr("CH"), tr("ENABLE"), tr("RX[MHz]"), tr("TX[MHz]"), tr("TX"), tr("LOW"), tr("UP"), tr("DUP"),
               tr("MEM"), tr("VS"), tr("CH Name")},
              {800, 1000, 1000, 1000, 600, 600, 600, 600, 600, 600, 2000});
}

void ChannelGrid::SetExpGridHeader()
{
    SetHeader({tr("CH"), tr("ENABLE"), tr("POS"), tr("RX[MHz]"), tr("TX[MHz]"), tr("TX"), tr("LOW"), tr("UP"),
               tr("DUP"), tr("MEM"), tr("VS"), tr("CH Name")},
              {800, 1000, 800, 1000, 1000, 600, 600, 600, 600, 600, 600, 2000});
}

// Grid row r (from 1) is table row r - 1: the titles stand in the fixed header.
void ChannelGrid::SetRow(int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid_->setItem(row - 1, c, item);
    }
}

void ChannelGrid::FillRegionGrid(Region region)
{
    const ChannelList& records = model_.Channels(region);
    grid_->setRowCount(static_cast<int>(records.size()));
    for (int r = 1; r <= static_cast<int>(records.size()); ++r) {
        const ChannelRecord& record = records[static_cast<std::size_t>(r - 1)];
        const PlanEntry* entry = EntryAt(model_.Plan(region), record.Position);
        SetRow(r, QStringList{entry ? ToQString(entry->Label) : QString(), record.Enable ? tr("[Enable]") : QString()}
                      + FlagCells(record, entry));
    }
}

void ChannelGrid::FillExpGrid()
{
    grid_->setRowCount(model_.ExpChannels.size());
    for (int n = 1; n <= model_.ExpChannels.size(); ++n) {
        const ChannelRecord& record = model_.ExpChannels.at(n);
        SetRow(n, QStringList{QString::number(n), record.Enable ? tr("[Enable]") : QString(),
                              QString::number(record.Position)}
                      + FlagCells(record, EntryAt(model_.ExpPlan, record.Position)));
    }
}

void ChannelGrid::ShowRegionList(Region region, bool fillOnly)
{
    grid_->hide();
    SetRegionGridHeader();
    grid_->SetRowHeight(kRowHeightTwips);
    FillRegionGrid(region);
    grid_->show();
    if (!fillOnly)
        ShowPanel();
}

void ChannelGrid::ShowExpList()
{
    grid_->hide();
    SetExpGridHeader();
    grid_->SetRowHeight(kRowHeightTwips);
    FillExpGrid();
    grid_->show();
    ShowPanel();
}

void ChannelGrid::ShowPanel()
{
    wiring_.HideAllPages();
    wiring_.Pages().Activate(Panel::B);
}

void ChannelGrid::GotoChannelFromGrid()
{
    const QString key = NavigationTree::KeyOf(wiring_.TreeWidget()->currentItem());
    const int row = grid_->currentRow() + 1;
    if (row < 1)
        return;
    QString target;
    for (Region region : kRegions)
        if (key == RegionKey(region))
            target = ChildKey(key, row - 1);
    if (key.startsWith(QLatin1Char('E')))
        target = ChildKey(NodeKey::Exp, row);
    if (!target.isEmpty())
        window_.SelectNodeByKey(target);
}

}  // namespace quorlink
