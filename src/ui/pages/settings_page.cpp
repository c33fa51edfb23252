// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_page.h"

#include "formatters.h"
#include "latin1.h"
#include "memory_map.h"
#include "mmsi_note.h"
#include "model.h"
#include "loaded_records.h"
#include "model_text.h"
#include "numeric_field.h"
#include "page_host.h"
#include "page_wiring.h"
#include "setting_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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
    Setting setting;                      // its label is the one the memory map gives it
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
const char* const kTabTitles[] = {QT_TRANSLATE_NOOP("SettingsRows", "Radio Setup"),
                                  QT_TRANSLATE_NOOP("SettingsRows", "DSC Setup")};

int Same(int v) { return v; }

// words: the list holds the editor's words ("Memory", "3 min"); the radio's
// own display words (HI, OFF, digits) stay as the radio shows them.
QStringList Items(const SettingChoices& choices, bool words = false)
{
    QStringList items;
    for (int i = 0; i < choices.count; ++i)
        items << (words ? ModelText(choices.texts[i]) : QString::fromLatin1(choices.texts[i]));
    return items;
}

QStringList ContrastItems()
{
    QStringList items;
    for (int level = 0; level < kContrastLevels; ++level)
        items << QString::number(level);
    return items;
}
QStringList DimmerItems() { return Items(kDimmerChoices); }
QStringList ScanItems() { return Items(kScanTypeChoices, true); }
QStringList ScramblerItems() { return Items(kScramblerChoices); }
QStringList RingerItems() { return Items(kRingerChoices, true); }
QStringList OffsetItems()
{
    QStringList items;
    for (const std::string& text : BuildOffsetTimeList())
        items << ToQString(text);
    return items;
}

using S = CommonSettings;
using Row = SettingsPage::Row;

constexpr Row List(int tab, const char* name, Setting setting, std::int16_t S::*value, QStringList (*items)(),
                   int (*toPosition)(int) = Same, int (*toValue)(int) = Same)
{
    return {tab, name, setting, nullptr, value, nullptr, items, toPosition, toValue};
}

constexpr Row Check(int tab, const char* name, Setting setting, const char* marker, bool S::*flag)
{
    return {tab, name, setting, marker, nullptr, flag, nullptr, nullptr, nullptr};
}

// Top to bottom on each tab; the order is also the Tab order. Labels and the
// texts beside the boxes are shown through RowText.
const Row kRows[] = {
    List(kRadioTab, "cmbFCont", Setting::Contrast, &S::Contrast, ContrastItems),
    List(kRadioTab, "cmbFDim", Setting::Dimmer, &S::Dimmer, DimmerItems,
         LevelToPosition, PositionToLevel),
    List(kRadioTab, "cmbFOffset", Setting::OffsetTime, &S::OffsetTime, OffsetItems),
    Check(kRadioTab, "chkFBeep", Setting::KeyBeep,
          QT_TRANSLATE_NOOP("SettingsRows", "[On]"), &S::KeyBeep),
    Check(kRadioTab, "chkFWX", Setting::WxAlert, QT_TRANSLATE_NOOP("SettingsRows", "[On]"),
          &S::WxAlert),
    List(kRadioTab, "cmbFScan", Setting::ScanType, &S::ScanType, ScanItems),
    List(kRadioTab, "cmbFScrambler", Setting::Scrambler, &S::Scrambler,
         ScramblerItems, ScramblerToPosition, ScramblerToPosition),
    Check(kRadioTab, "chkFMAG", Setting::TrueMag,
          QT_TRANSLATE_NOOP("SettingsRows", "[Magnetic On]"), &S::TrueMag),
    Check(kDscTab, "chkFindReply", Setting::IndReply,
          QT_TRANSLATE_NOOP("SettingsRows", "[Auto]"), &S::IndReply),
    Check(kDscTab, "chkFindAck", Setting::IndAck,
          QT_TRANSLATE_NOOP("SettingsRows", "[Able to Comply]"), &S::IndACK),
    List(kDscTab, "cmbFIND", Setting::Ringer, &S::Ind, RingerItems,
         LevelToPosition, PositionToLevel),
    Check(kDscTab, "chkFposRR", Setting::PosReply,
          QT_TRANSLATE_NOOP("SettingsRows", "[Auto]"), &S::POSRR),
    Check(kDscTab, "chkFDSC", Setting::DscScan, QT_TRANSLATE_NOOP("SettingsRows", "[On]"),
          &S::DscScan),
};
// The user MMSI and the count stand in no row of the table.

QString RowText(const char* text) { return QCoreApplication::translate("SettingsRows", text); }

QLabel* AddLabel(QGridLayout* grid, QWidget* panel, const char* text, int line, QWidget* buddy)
{
    auto* label = new QLabel(RowText(text), panel);
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
    tbsFNE_->setAccessibleName(tr("Settings"));
    wiring_.Pages().SetTabStrip(tbsFNE_);
    for (int tab : {kRadioTab, kDscTab})
        tbsFNE_->addTab(BuildTab(tab), RowText(kTabTitles[tab]));
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
        auto* box = new QCheckBox(RowText(row.marker), panel);
        box->setAccessibleName(RowText(FieldOf(row.setting).label));
        connect(box, &QCheckBox::clicked, this, [this, &row](bool ticked) { CheckClick(row, ticked); });
        boxes_.emplace_back(&row, box);
        control = box;
    }
    control->setObjectName(QLatin1String(row.name));
    AddLabel(grid, panel, FieldOf(row.setting).label, line, control);
    grid->addWidget(control, line, 1, Qt::AlignLeft);
}

void SettingsPage::AddMmsiRows(QWidget* panel, QGridLayout* grid, int line)
{
    txtFUser_ = new QLineEdit(panel);
    txtFUser_->setObjectName(QStringLiteral("txtFUser"));
    userMmsi_ = new MmsiField(window_, wiring_, txtFUser_, [] { return MmsiPlace{}; },
                              [] { return RowText(FieldOf(Setting::UserMmsi).label); });
    userMmsi_->SetMode(MmsiUse::Individual, RowText(FieldOf(Setting::UserMmsi).label));
    window_.SetCommitCheck(txtFUser_, [this] { return txtFUser_Validate(); });
    AddLabel(grid, panel, FieldOf(Setting::UserMmsi).label, line, txtFUser_);
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
    cmdFClear_ = new QPushButton(tr("Clear"), panel);
    cmdFClear_->setObjectName(QStringLiteral("cmdFClear"));
    connect(cmdFClear_, &QPushButton::clicked, this, &SettingsPage::cmdFClear_Click);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(txtFCount_);
    countRow->addWidget(cmdFClear_);
    AddLabel(grid, panel, FieldOf(Setting::Count).label, line + 1, txtFCount_);
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
        // A stored value the list shows as another entry was put right when the records came in.
        list->setCurrentIndex(row->toPosition(s.*(row->value)));
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
// keyboard; the Count, which takes no focus, only shows. The Compare window
// names a field in English, an undo step as the label reads in the user's
// language.
void SettingsPage::ShowField(const QString& field)
{
    const char* labelOfCompared = SettingLabelOf(ToStdString(field));
    const QString label = labelOfCompared ? QLatin1String(labelOfCompared) : field;
    const auto names = [&label](const char* text) { return label == QLatin1String(text) || label == RowText(text); };
    std::vector<std::pair<const Row*, QWidget*>> controls(lists_.begin(), lists_.end());
    controls.insert(controls.end(), boxes_.begin(), boxes_.end());
    int tab = -1;
    QWidget* control = nullptr;
    for (const auto& [row, widget] : controls)
        if (names(FieldOf(row->setting).label)) {
            tab = row->tab;
            control = widget;
        }
    if (names(FieldOf(Setting::UserMmsi).label)) {
        tab = kDscTab;
        control = txtFUser_;
    } else if (names(FieldOf(Setting::Count).label)) {
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
    if (position < 0 || window_.PageLoading())
        return;
    const auto value = static_cast<std::int16_t>(row.toValue(position));
    window_.Edit(RowText(FieldOf(row.setting).label), [&row, value](Model& model) { model.Settings.*(row.value) = value; });
}

void SettingsPage::CheckClick(const Row& row, bool ticked)
{
    if (window_.PageLoading())
        return;
    window_.Edit(RowText(FieldOf(row.setting).label), [&row, ticked](Model& model) { model.Settings.*(row.flag) = ticked; });
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
