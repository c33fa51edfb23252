// SPDX-License-Identifier: GPL-3.0-or-later
#include "ab_page.h"

#include "latin1.h"
#include "loaded_records.h"
#include "model.h"
#include "page_host.h"
#include "page_wiring.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quorlink {

namespace {

constexpr int kNone = SpecialChannels::kNone;
// The first item with value v, else "[None]".
void SelectValue(QComboBox* list, int value)
{
    const int index = list->findData(value);
    list->setCurrentIndex(index < 0 ? 0 : index);
}

const char* const kRegionNames[] = {"USA", "InterNational", "Canada"};
const char* const kRegionTitles[] = {QT_TRANSLATE_NOOP("quorlink::ABPage", "USA"),
                                     QT_TRANSLATE_NOOP("quorlink::ABPage", "International"),
                                     QT_TRANSLATE_NOOP("quorlink::ABPage", "Canada")};

// "USA A-Ch": the change stored, and the name of the list for a screen reader.
QString ChoiceName(Region region, const char* list)
{
    return ABPage::tr("%1 %2", "a region and its list").arg(ABPage::tr(kRegionTitles[static_cast<int>(region)]),
                                                             ABPage::tr(list));
}

}  // namespace

void ClearABOnDisable(Model& model, Region region, const ChannelRecord& record)
{
    if (record.Enable)
        return;
    SpecialChannels& s = model.Special;
    if (record.Position == s.Bch(region) + 1)
        s.Bch(region) = kNone;
    if (record.Position == s.Ach(region) + 1)
        s.Ach(region) = kNone;
    if (s.Ach(region) == kNone)
        s.Bch(region) = kNone;
}

ABPage::ABPage(PageHost& window, PageWiring& wiring)
    : QObject(wiring.Pages().panel(Panel::A)), window_(window), wiring_(wiring), model_(window.model())
{
    BuildRows(wiring.Pages().panel(Panel::A));
    wiring.AddRebuildStep([this] { RefreshABLists(); });
    wiring.SetPageHandler(Panel::A, [this](const QString&) {
        // The choices were put right when the records came in (RepairLoadedRecords).
        const PageHost::PageLoadingScope loading(window_);
        RefreshABLists();
        ShowABPage();
    });
}

void ABPage::BuildRows(QWidget* page)
{
    auto* column = new QVBoxLayout(page);
    const char* rowNames[] = {"pictAitem", "PictAach", "pictAbch", "pictApch"};
    const char* rowLabels[] = {"", QT_TR_NOOP("A-Ch"), QT_TR_NOOP("B-Ch"), QT_TR_NOOP("P-Ch")};
    const char* listPrefixes[] = {nullptr, "cmbA", "cmbB", "cmbP"};
    for (int row = 0; row < 4; ++row) {
        auto* panel = new QWidget(page);
        panel->setObjectName(QLatin1String(rowNames[row]));
        auto* grid = new QGridLayout(panel);
        grid->addWidget(new QLabel(tr(rowLabels[row]), panel), 0, 0);
        // Every row lays out its columns alike, so the lists line up under their titles.
        grid->setColumnMinimumWidth(0, 50);
        for (int c = 1; c <= 3; ++c)
            grid->setColumnStretch(c, 1);
        for (Region region : kRegions) {
            const int r = static_cast<int>(region);
            if (row == 0) {
                grid->addWidget(new QLabel(tr(kRegionTitles[r]), panel), 0, r + 1);
                continue;
            }
            auto* list = new QComboBox(panel);
            list->setObjectName(QLatin1String(listPrefixes[row]) + QLatin1String(kRegionNames[r]));
            list->setMinimumWidth(80);
            list->setAccessibleName(ChoiceName(region, rowLabels[row]));  // one title stands over three lists
            grid->addWidget(list, 0, r + 1);
            if (row == 1) {
                aLists_[static_cast<std::size_t>(r)] = list;
                connect(list, &QComboBox::activated, this, [this, region] { AChosen(region); });
            } else if (row == 2) {
                bLists_[static_cast<std::size_t>(r)] = list;
                connect(list, &QComboBox::activated, this, [this, region] { BChosen(region); });
            }
        }
        column->addWidget(panel);
        if (row < 3)
            shownRows_[static_cast<std::size_t>(row)] = panel;
        else
            panel->hide();  // the priority row has no behaviour
    }
    column->addStretch(1);
}

void ABPage::FillABList(QComboBox* list, Region region, int excluded)
{
    list->clear();
    list->addItem(tr("[None]"), kNone);
    const PlanTable& plan = model_.Plan(region);
    for (const ChannelRecord& record : model_.Channels(region)) {
        if (record.Position < plan.first() || record.Position > plan.last())
            continue;
        const std::string& label = plan.at(record.Position).Label;
        if (!OfferedAsAB(label) || record.Position == excluded + 1 || !record.Enable)
            continue;
        list->addItem(ToQString(label), record.Position - 1);
    }
}

void ABPage::RefreshABLists()
{
    for (Region region : kRegions) {
        FillABList(AList(region), region, model_.Special.Bch(region));
        FillABList(BList(region), region, model_.Special.Ach(region));
    }
}

// The lists show the choices; one they do not offer shows as "[None]".
void ABPage::SyncABPage()
{
    const SpecialChannels& s = model_.Special;
    for (Region region : kRegions) {
        SelectValue(AList(region), s.Ach(region));
        BList(region)->setEnabled(s.Ach(region) != kNone);
        SelectValue(BList(region), s.Bch(region));
    }
}

void ABPage::ShowABPage()
{
    SyncABPage();
    for (QWidget* row : shownRows_)
        row->setVisible(model_.ModelNumber == 1);
    wiring_.HideAllPages();
    wiring_.Pages().Activate(Panel::A);
}

void ABPage::AChosen(Region region)
{
    if (window_.PageLoading())
        return;
    const PageHost::PageLoadingScope loading(window_);
    const auto chosen = static_cast<std::int16_t>(AList(region)->currentData().toInt());
    window_.Edit(ChoiceName(region, QT_TR_NOOP("A-Ch")), [region, chosen](Model& model) {
        SpecialChannels& s = model.Special;
        s.Ach(region) = chosen;
        if (s.Ach(region) == kNone)
            s.Bch(region) = kNone;
    });
    FillABList(BList(region), region, model_.Special.Ach(region));
    FillABList(AList(region), region, model_.Special.Bch(region));
    SyncABPage();
}

void ABPage::BChosen(Region region)
{
    if (window_.PageLoading())
        return;
    const PageHost::PageLoadingScope loading(window_);
    const auto chosen = static_cast<std::int16_t>(BList(region)->currentData().toInt());
    window_.Edit(ChoiceName(region, QT_TR_NOOP("B-Ch")),
                 [region, chosen](Model& model) { model.Special.Bch(region) = chosen; });
    FillABList(AList(region), region, model_.Special.Bch(region));
    SyncABPage();
}

}  // namespace quorlink
