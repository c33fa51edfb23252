// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_page.h"

#include "formatters.h"
#include "latin1.h"
#include "mmsi_note.h"
#include "model.h"
#include "numeric_field.h"
#include "page_host.h"
#include "page_wiring.h"
#include "setting_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

namespace quorlink {

struct SettingsPage::Row {
    int tab;
    const char* name;
    const char* label;
    const char* marker;                   // check boxes: the text beside the box
    std::int16_t CommonSettings::*value;  // lists
    bool CommonSettings::*flag;           // check boxes
    QStringList (*items)();
    int (*toPosition)(int value);
    int (*toValue)(int position);
};

namespace {

constexpr int kRadioTab = 0;
constexpr int kDscTab = 1;
const char* const kTabTitles[] = {"Radio Setup", "DSC Setup"};

int Same(int v) { return v; }

QStringList Items(const SettingChoices& choices)
{
    QStringList items;
    for (int i = 0; i < choices.count; ++i)
        items << QString::fromLatin1(choices.texts[i]);
    return items;
}

QStringList ContrastItems() { return {"0", "1", "2", "3", "4", "5", "6", "7"}; }
QStringList DimmerItems() { return Items(kDimmerChoices); }
QStringList ScanItems() { return Items(kScanTypeChoices); }
QStringList ScramblerItems() { return Items(kScramblerChoices); }
QStringList RingerItems() { return Items(kRingerChoices); }
QStringList OffsetItems()
{
    QStringList items;
    for (const std::string& text : BuildOffsetTimeList())
        items << ToQString(text);
    return items;
}

using S = CommonSettings;
using Row = SettingsPage::Row;

constexpr Row List(int tab, const char* name, const char* label, std::int16_t S::*value, QStringList (*items)(),
                   int (*toPosition)(int) = Same, int (*toValue)(int) = Same)
{
    return {tab, name, label, nullptr, value, nullptr, items, toPosition, toValue};
}

constexpr Row Check(int tab, const char* name, const char* label, const char* marker, bool S::*flag)
{
    return {tab, name, label, marker, nullptr, flag, nullptr, nullptr, nullptr};
}

// Top to bottom on each tab; the order is also the Tab order.
const Row kRows[] = {
    List(kRadioTab, "cmbFCont", "Contrast Level", &S::Contrast, ContrastItems),
    List(kRadioTab, "cmbFDim", "Dimmer Status", &S::Dimmer, DimmerItems, LevelToPosition, PositionToLevel),
    List(kRadioTab, "cmbFOffset", "Offset Time", &S::OffsetTime, OffsetItems),
    Check(kRadioTab, "chkFBeep", "Key Beep", "[On]", &S::KeyBeep),
    Check(kRadioTab, "chkFWX", "WX Alert", "[On]", &S::WxAlert),
    List(kRadioTab, "cmbFScan", "Scan Type", &S::ScanType, ScanItems),
    List(kRadioTab, "cmbFScrambler", "Voice Scrambler", &S::Scrambler, ScramblerItems, ScramblerToPosition,
         ScramblerToPosition),
    Check(kRadioTab, "chkFMAG", "True MAG", "[Magnetic On]", &S::TrueMag),
    Check(kDscTab, "chkFindReply", "Individual Reply", "[Auto]", &S::IndReply),
    Check(kDscTab, "chkFindAck", "Individual ACK", "[Able to Comply]", &S::IndACK),
    List(kDscTab, "cmbFIND", "Individual Ringer", &S::Ind, RingerItems, LevelToPosition, PositionToLevel),
    Check(kDscTab, "chkFposRR", "POS Request Reply", "[Auto]", &S::POSRR),
    Check(kDscTab, "chkFDSC", "DSC Scan", "[On]", &S::DscScan),
};

// The Compare window's words for the fields whose labels say more.
struct FieldAlias {
    const char* compared;
    const char* label;
};
const FieldAlias kFieldAliases[] = {{"Contrast", "Contrast Level"}, {"Dimmer", "Dimmer Status"}};

QLabel* AddLabel(QGridLayout* grid, QWidget* panel, const char* text, int line, QWidget* buddy)
{
    auto* label = new QLabel(QLatin1String(text), panel);
    label->setBuddy(buddy);
    grid->addWidget(label, line, 0);
    return label;
}

}  // namespace

SettingsPage::SettingsPage(PageHost& window, PageWiring& wiring)
    : QObject(wiring.Pages().panel(Panel::F)), window_(window), wiring_(wiring), model_(window.model())
{
    BuildControls(wiring.Pages().panel(Panel::F));
    wiring.AddRebuildStep([this] { InitSettingsControls(); });
    wiring.SetPageHandler(Panel::F, [this](const QString&) { ShowSettingsPage(); });
    wiring.SetFieldHandler(Panel::F, [this](const QString& field) { ShowField(field); });
}

// The tab strip is placed by the window, not by a layout: a splitter drag
// leaves it as it is until the next window resize.
void SettingsPage::BuildControls(QWidget* page)
{
    tbsFNE_ = new QTabWidget(page);
    tbsFNE_->setObjectName(QStringLiteral("tbsFNE"));
    wiring_.Pages().SetTabStrip(tbsFNE_);
    for (int tab : {kRadioTab, kDscTab})
        tbsFNE_->addTab(BuildTab(tab), QLatin1String(kTabTitles[tab]));
    connect(tbsFNE_, &QTabWidget::currentChanged, this, &SettingsPage::tbsFNE_Click);
}

// Controls are created in their Tab order: the focus chain follows creation.
QWidget* SettingsPage::BuildTab(int tab)
{
    auto* panel = new QWidget(tbsFNE_);
    panel->setObjectName(QStringLiteral("pictFtbs(%1)").arg(tab));
    tabPanels_[tab] = panel;
    auto* grid = new QGridLayout(panel);
    int line = 0;
    for (const Row& row : kRows)
        if (row.tab == tab)
            AddRowControl(row, panel, grid, line++);
    if (tab == kDscTab)
        AddMmsiRows(panel, grid, line);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(grid->rowCount(), 1);
    return panel;
}

void SettingsPage::AddRowControl(const Row& row, QWidget* panel, QGridLayout* grid, int line)
{
    QWidget* control = nullptr;
    if (row.items) {
        auto* list = new QComboBox(panel);
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        connect(list, &QComboBox::currentIndexChanged, this, [this, &row](int position) { ListClick(row, position); });
        lists_.emplace_back(&row, list);
        control = list;
    } else {
        auto* box = new QCheckBox(QLatin1String(row.marker), panel);
        box->setAccessibleName(QLatin1String(row.label));
        connect(box, &QCheckBox::clicked, this, [this, &row](bool ticked) { CheckClick(row, ticked); });
        boxes_.emplace_back(&row, box);
        control = box;
    }
    control->setObjectName(QLatin1String(row.name));
    AddLabel(grid, panel, row.label, line, control);
    grid->addWidget(control, line, 1, Qt::AlignLeft);
}

void SettingsPage::AddMmsiRows(QWidget* panel, QGridLayout* grid, int line)
{
    txtFUser_ = new QLineEdit(panel);
    txtFUser_->setObjectName(QStringLiteral("txtFUser"));
    userMmsi_ = new MmsiField(window_, wiring_, txtFUser_, [this] { return &model_.Settings.UserMmsid; },
                              [] { return QStringLiteral("User MMSI"); });
    userMmsi_->SetMode(9, QStringLiteral("User MMSI"));
    window_.SetCommitCheck(txtFUser_, [this] { return txtFUser_Validate(); });
    AddLabel(grid, panel, "User MMSI", line, txtFUser_);
    grid->addWidget(txtFUser_, line, 1, Qt::AlignLeft);
    auto* note = new MmsiNoteLabel(window_.Mids(), "lblFUserNote", panel);
    note->Follow(txtFUser_, [] { return MmsiUse::Own; });
    grid->addWidget(note, ++line, 1, 1, 2);

    // The count is the radio's, shown only: it changes by a transfer, never here.
    txtFCount_ = new QLineEdit(panel);
    txtFCount_->setObjectName(QStringLiteral("txtFCount"));
    txtFCount_->setReadOnly(true);
    txtFCount_->setFocusPolicy(Qt::NoFocus);
    QPalette grey = txtFCount_->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    txtFCount_->setPalette(grey);
    cmdFClear_ = new QPushButton(QStringLiteral("Clear"), panel);
    cmdFClear_->setObjectName(QStringLiteral("cmdFClear"));
    connect(cmdFClear_, &QPushButton::clicked, this, &SettingsPage::cmdFClear_Click);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(txtFCount_);
    countRow->addWidget(cmdFClear_);
    AddLabel(grid, panel, "Count", line + 1, txtFCount_);
    grid->addLayout(countRow, line + 1, 1, Qt::AlignLeft);
}

void SettingsPage::InitSettingsControls()
{
    for (const auto& [row, list] : lists_) {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(row->items());
    }
    for (const auto& [row, box] : boxes_)
        box->setChecked(false);
    txtFUser_->clear();
    txtFCount_->clear();
}

void SettingsPage::FillSettingsPage()
{
    const PageHost::PageLoadingScope loading(window_);
    const CommonSettings& s = model_.Settings;
    for (const auto& [row, list] : lists_) {
        list->setCurrentIndex(row->toPosition(s.*(row->value)));
        // Written back even when the position did not change, so that a stored
        // value the list cannot show becomes the value of the entry shown.
        ListClick(*row, list->currentIndex());
    }
    for (const auto& [row, box] : boxes_)
        box->setChecked(s.*(row->flag));
    userMmsi_->Load();
    txtFCount_->setText(QString::number(UserMmsiCount(model_)));
}

void SettingsPage::ShowSettingsPage()
{
    FillSettingsPage();
    wiring_.HideAllPages();
    wiring_.Pages().Activate(Panel::F);
    {
        const QSignalBlocker quiet(tbsFNE_);
        tbsFNE_->setCurrentIndex(kRadioTab);
    }
    tbsFNE_Click(kRadioTab);
}

// The tab that holds the field comes to the front, and the field takes the
// keyboard; the Count, which takes no focus, only shows.
void SettingsPage::ShowField(const QString& field)
{
    QString label = field;
    for (const FieldAlias& alias : kFieldAliases)
        if (field == QLatin1String(alias.compared))
            label = QLatin1String(alias.label);
    std::vector<std::pair<const Row*, QWidget*>> controls(lists_.begin(), lists_.end());
    controls.insert(controls.end(), boxes_.begin(), boxes_.end());
    int tab = -1;
    QWidget* control = nullptr;
    for (const auto& [row, widget] : controls)
        if (label == QLatin1String(row->label)) {
            tab = row->tab;
            control = widget;
        }
    if (label == QLatin1String("User MMSI")) {
        tab = kDscTab;
        control = txtFUser_;
    } else if (label == QLatin1String("Count")) {
        tab = kDscTab;
    }
    if (tab < 0)
        return;
    tbsFNE_->setCurrentIndex(tab);
    if (control)
        control->setFocus(Qt::OtherFocusReason);
}

void SettingsPage::tbsFNE_Click(int tab)
{
    for (int i : {kRadioTab, kDscTab})
        tabPanels_[i]->setEnabled(i == tab);
}

void SettingsPage::ListClick(const Row& row, int position)
{
    if (position < 0)
        return;
    model_.Settings.*(row.value) = static_cast<std::int16_t>(row.toValue(position));
    if (!window_.PageLoading())
        window_.StoreChange(QLatin1String(row.label));
}

void SettingsPage::CheckClick(const Row& row, bool ticked)
{
    if (window_.PageLoading())
        return;
    model_.Settings.*(row.flag) = ticked;
    window_.StoreChange(QLatin1String(row.label));
}

bool SettingsPage::txtFUser_Validate() { return userMmsi_->Validate(); }

void SettingsPage::cmdFClear_Click()
{
    // A click that took the focus from a refused MMSI must not clear the radio.
    if (userMmsi_->Refusing() || !window_.CommitPendingEdit())
        return;
    if (window_.RunTransferDialog(TransferMode::Clear))
        window_.RefreshCurrentPage();
}

}  // namespace quorlink
