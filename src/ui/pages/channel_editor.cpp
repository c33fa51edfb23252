// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_editor.h"

#include "ab_page.h"
#include "formatters.h"
#include "latin1.h"
#include "model.h"
#include "name_validator.h"
#include "navigation_tree.h"
#include "page_host.h"
#include "page_wiring.h"
#include "widest_label.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace quorlink {

namespace {

QString Frequency(double mhz) { return ToQString(FormatFrequency(mhz)); }

// The record of key in model, or null; const or not as model is.
template <typename M>
auto RecordIn(M& model, const ChannelKey& key) -> decltype(&model.ExpChannels.at(1))
{
    if (key.region) {
        auto& list = model.Channels(*key.region);
        return key.number >= 0 && key.number < static_cast<int>(list.size())
                   ? &list[static_cast<std::size_t>(key.number)]
                   : nullptr;
    }
    return key.number >= 1 && key.number <= model.ExpChannels.size() ? &model.ExpChannels.at(key.number) : nullptr;
}

QLineEdit* ReadOnlyBox(QWidget* parent, const char* name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

}  // namespace

ChannelEditor::ChannelEditor(PageHost& window, PageWiring& wiring)
    : QObject(wiring.Pages().panel(Panel::C)), window_(window), wiring_(wiring), model_(window.model())
{
    BuildControls(wiring.Pages().panel(Panel::C));
    wiring.AddRebuildStep([this] { ClearChannelEditor(); });
    wiring.SetPageHandler(Panel::C, [this](const QString& key) {
        const std::optional<ChannelKey> k = ParseChannelKey(key);
        if (!k)
            return;
        if (k->region)
            ShowRegionChannel(*k->region, k->number);
        else
            ShowExpChannel(k->number);
    });
}

QCheckBox* ChannelEditor::AddBox(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QCheckBox(tr(caption), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

void ChannelEditor::BuildControls(QWidget* page)
{
    auto* inner = new QWidget(page);
    inner->setObjectName(QStringLiteral("pictCC"));
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(inner);
    outer->addStretch(1);

    auto* form = new QGridLayout(inner);
    // "Channel Number" for a USA, International or Canada channel, "Position"
    // for an EXP one: the column is as wide as the wider, so no field moves.
    lblCPosition_ = new WidestTextLabel({tr("Channel Number"), tr("Position")}, inner);
    lblCPosition_->setObjectName(QStringLiteral("lblCPosition"));
    txtCN_ = ReadOnlyBox(inner, "txtCN");
    cmbCN_ = new QComboBox(inner);
    cmbCN_->setObjectName(QStringLiteral("cmbCN"));
    cmbCN_->installEventFilter(this);
    txtCRF_ = ReadOnlyBox(inner, "txtCRF");
    txtCTF_ = ReadOnlyBox(inner, "txtCTF");
    form->addWidget(lblCPosition_, 0, 0);
    form->addWidget(txtCN_, 0, 1);
    form->addWidget(cmbCN_, 0, 1);
    auto* rxLabel = new QLabel(tr("Rx Frequency"), inner);
    rxLabel->setBuddy(txtCRF_);
    form->addWidget(rxLabel, 1, 0);
    form->addWidget(txtCRF_, 1, 1);
    auto* txLabel = new QLabel(tr("Tx Frequency"), inner);
    txLabel->setBuddy(txtCTF_);
    form->addWidget(txLabel, 2, 0);
    form->addWidget(txtCTF_, 2, 1);

    // A box's caption also names the change it stores.
    chkCEnable_ = AddBox(inner, "chkCEnable", QT_TR_NOOP("Enable"));
    chkCTXEnable_ = AddBox(inner, "chkCTXEnable", QT_TR_NOOP("Tx Enable"));
    chkCTXOnly_ = AddBox(inner, "chkCTXOnly", QT_TR_NOOP("Only Low Power"));
    chkCTXPower_ = AddBox(inner, "chkCTXPower", QT_TR_NOOP("Power Up"));
    chkCDup_ = AddBox(inner, "chkCDup", QT_TR_NOOP("Duplex"));
    chkCScan_ = AddBox(inner, "chkCScan", QT_TR_NOOP("Scan Memory"));
    chkCVSmemory_ = AddBox(inner, "chkCVSmemory", QT_TR_NOOP("VS Memory"));
    int row = 3;
    for (QCheckBox* box : {chkCEnable_, chkCTXEnable_, chkCTXOnly_, chkCTXPower_, chkCDup_, chkCScan_, chkCVSmemory_})
        form->addWidget(box, row++, 0, 1, 2);
    lblCTag_ = new QLabel(tr("CH Name"), inner);
    lblCTag_->setObjectName(QStringLiteral("lblCTag"));
    txtCTag_ = new QLineEdit(inner);
    txtCTag_->setObjectName(QStringLiteral("txtCTag"));
    txtCTag_->setMaxLength(12);
    txtCTag_->setValidator(new UpperCaseValidator(txtCTag_));
    txtCTag_->installEventFilter(this);
    lblCTag_->setBuddy(txtCTag_);
    form->addWidget(lblCTag_, row, 0);
    form->addWidget(txtCTag_, row, 1);
    form->setColumnStretch(2, 1);

    connect(chkCEnable_, &QCheckBox::clicked, this, &ChannelEditor::chkCEnable_Click);
    connect(chkCTXEnable_, &QCheckBox::clicked, this, &ChannelEditor::chkCTXEnable_Click);
    connect(chkCTXOnly_, &QCheckBox::clicked, this, [this] { chkCTXOnly_Click(QT_TR_NOOP("Only Low Power")); });
    connect(chkCTXPower_, &QCheckBox::clicked, this,
            [this] { StoreFlag(&ChannelRecord::PowUp, chkCTXPower_, QT_TR_NOOP("Power Up")); });
    connect(chkCScan_, &QCheckBox::clicked, this,
            [this] { StoreFlag(&ChannelRecord::ScanMemory, chkCScan_, QT_TR_NOOP("Scan Memory")); });
    connect(chkCVSmemory_, &QCheckBox::clicked, this,
            [this] { StoreFlag(&ChannelRecord::VsMemory, chkCVSmemory_, QT_TR_NOOP("VS Memory")); });
    connect(chkCDup_, &QCheckBox::clicked, this, &ChannelEditor::chkCDup_Click);
    connect(txtCTag_, &QLineEdit::textEdited, this, &ChannelEditor::txtCTag_Change);
    connect(cmbCN_, &QComboBox::activated, this, &ChannelEditor::cmbCN_Click);
}

void ChannelEditor::ClearChannelEditor()
{
    for (QLineEdit* box : {txtCN_, txtCRF_, txtCTF_, txtCTag_})
        box->clear();
    for (QCheckBox* box : {chkCEnable_, chkCTXEnable_, chkCTXOnly_, chkCTXPower_, chkCDup_, chkCScan_, chkCVSmemory_})
        box->setChecked(false);
    cmbCN_->clear();
    for (int i = model_.ExpPlan.first(); i <= model_.ExpPlan.last(); ++i)
        cmbCN_->addItem(QString::number(i));
}

std::optional<ChannelKey> ChannelEditor::ShownKey() const
{
    return ParseChannelKey(NavigationTree::KeyOf(wiring_.TreeWidget()->currentItem()));
}

const ChannelRecord* ChannelEditor::ShownRecord() const
{
    const std::optional<ChannelKey> key = ShownKey();
    return key ? RecordIn(model_, *key) : nullptr;
}

// The plan entry of a record, or null when its Position names none (a
// hand-edited file); the frequency texts then stay empty.
const PlanEntry* ChannelEditor::EntryOf(const ChannelRecord& record, const std::optional<Region>& region) const
{
    const PlanTable& plan = region ? model_.Plan(*region) : model_.ExpPlan;
    return record.Position >= plan.first() && record.Position <= plan.last() ? &plan.at(record.Position) : nullptr;
}

bool ChannelEditor::EditorActive() const { return wiring_.Pages().IsActive(Panel::C); }

QString ChannelEditor::ChangeName(const char* change) const
{
    const std::optional<ChannelKey> key = ShownKey();
    QString node = key->region ? ChannelNodeText(model_, *key->region, key->number) : ExpNodeText(model_, key->number);
    return tr("%1 %2", "a channel and what changed").arg(node.remove(EnableMark(true)), tr(change));
}

void ChannelEditor::Change(const char* change, const std::function<void(Model&, ChannelRecord&)>& edit,
                           QWidget* typingField)
{
    const std::optional<ChannelKey> key = ShownKey();
    if (!key || ShownRecord() == nullptr)
        return;
    window_.Edit(
        ChangeName(change),
        [&key, &edit](Model& model) {
            if (ChannelRecord* record = RecordIn(model, *key))
                edit(model, *record);
        },
        typingField);
}

void ChannelEditor::FillBoxes(const ChannelRecord& record, const PlanEntry* entry)
{
    const PageHost::PageLoadingScope loading(window_);
    txtCRF_->setText(entry ? Frequency(record.Duplex ? entry->DuplexRxFreq : entry->RxFreq) : QString());
    txtCTF_->setText(entry ? Frequency(entry->TxFreq) : QString());
    chkCEnable_->setChecked(record.Enable);
    chkCTXEnable_->setChecked(record.TxEnable);
    chkCTXOnly_->setChecked(record.LowPower);
    chkCTXPower_->setChecked(record.PowUp);
    chkCDup_->setChecked(record.Duplex);
    chkCDup_->setEnabled(record.DuplexSelectable);
    chkCVSmemory_->setChecked(record.VsMemory);
    chkCScan_->setChecked(record.ScanMemory);
    txtCTag_->setText(ToQString(record.ChTag));
}

void ChannelEditor::ActivatePage()
{
    wiring_.HideAllPages();
    wiring_.Pages().Activate(Panel::C);
    ApplyEnableRules();
}

void ChannelEditor::ShowRegionChannel(Region region, int index)
{
    const ChannelList& list = model_.Channels(region);
    if (index < 0 || index >= static_cast<int>(list.size()))
        return;
    const ChannelRecord& record = list[static_cast<std::size_t>(index)];
    lblCPosition_->setText(tr("Channel Number"));
    lblCPosition_->setBuddy(txtCN_);
    txtCN_->show();
    cmbCN_->hide();
    const PlanEntry* entry = EntryOf(record, region);
    txtCN_->setText(entry ? ToQString(entry->Label) : QString());
    FillBoxes(record, entry);
    ActivatePage();
}

void ChannelEditor::ShowExpChannel(int number)
{
    if (number < 1 || number > model_.ExpChannels.size())
        return;
    const ChannelRecord& record = model_.ExpChannels.at(number);
    lblCPosition_->setText(tr("Position"));
    lblCPosition_->setBuddy(cmbCN_);
    txtCN_->hide();
    cmbCN_->show();
    const PlanEntry* entry = EntryOf(record, std::nullopt);
    cmbCN_->setCurrentIndex(entry ? record.Position - model_.ExpPlan.first() : -1);
    FillBoxes(record, entry);
    ActivatePage();
}

void ChannelEditor::ApplyEnableRules()
{
    const bool on = chkCEnable_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{chkCTXEnable_, chkCVSmemory_, chkCScan_, txtCTag_, lblCTag_})
        w->setEnabled(on);
    if (!on)
        chkCDup_->setEnabled(false);  // only showing a channel enables Duplex
    ApplyTxRules();
}

void ChannelEditor::ApplyTxRules()
{
    chkCTXOnly_->setEnabled(chkCTXEnable_->isChecked() && chkCTXEnable_->isEnabled());
    chkCTXPower_->setEnabled(chkCTXOnly_->isChecked() && chkCTXOnly_->isEnabled());
}

void ChannelEditor::chkCEnable_Click()
{
    const std::optional<ChannelKey> key = ShownKey();
    if (window_.PageLoading() || ShownRecord() == nullptr || !key)
        return;
    const bool on = chkCEnable_->isChecked();
    Change(QT_TR_NOOP("Enable"), [&key, on](Model& model, ChannelRecord& record) {
        record.Enable = on;
        if (key->region)
            ClearABOnDisable(model, *key->region, record);
    });
    QTreeWidgetItem* node = wiring_.TreeWidget()->currentItem();
    if (key->region) {
        ShowRegionChannel(*key->region, key->number);
        node->setText(0, ChannelNodeText(model_, *key->region, key->number));
    } else {
        ShowExpChannel(key->number);
        node->setText(0, ExpNodeText(model_, key->number));
    }
    chkCEnable_->setFocus();
}

void ChannelEditor::chkCTXEnable_Click()
{
    if (window_.PageLoading())
        return;
    ApplyTxRules();
    chkCTXOnly_Click(QT_TR_NOOP("Tx Enable"));
}

void ChannelEditor::chkCTXOnly_Click(const char* change)
{
    if (window_.PageLoading())
        return;
    ApplyTxRules();
    if (!EditorActive() || ShownRecord() == nullptr)
        return;
    const bool tx = chkCTXEnable_->isChecked();
    const bool low = chkCTXOnly_->isChecked();
    Change(change, [tx, low](Model&, ChannelRecord& record) {
        record.TxEnable = tx;
        record.LowPower = low;
    });
}

void ChannelEditor::StoreFlag(bool ChannelRecord::*field, QCheckBox* box, const char* change)
{
    if (window_.PageLoading() || !EditorActive() || ShownRecord() == nullptr)
        return;
    const bool on = box->isChecked();
    Change(change, [field, on](Model&, ChannelRecord& record) { record.*field = on; });
}

void ChannelEditor::chkCDup_Click()
{
    const ChannelRecord* record = ShownRecord();
    if (window_.PageLoading() || !EditorActive() || record == nullptr)
        return;
    const bool duplex = chkCDup_->isChecked();
    Change(QT_TR_NOOP("Duplex"), [duplex](Model&, ChannelRecord& shown) { shown.Duplex = duplex; });
    const std::optional<ChannelKey> key = ShownKey();
    if (const PlanEntry* entry = EntryOf(*record, key ? key->region : std::nullopt))
        txtCRF_->setText(Frequency(record->Duplex ? entry->DuplexRxFreq : entry->RxFreq));
}

void ChannelEditor::txtCTag_Change(const QString& text)
{
    if (EditorActive() && ShownRecord()) {
        const std::string tag = ToStdString(text);
        Change(QT_TR_NOOP("name"), [&tag](Model&, ChannelRecord& record) { record.ChTag = tag; }, txtCTag_);
    }
}

void ChannelEditor::cmbCN_Click()
{
    const std::optional<ChannelKey> key = ShownKey();
    if (!key || key->region)
        return;
    const int number = key->number;
    const bool moved = cmbCN_->currentText() != lastPositionText_;
    if (moved)
        lastPositionText_ = cmbCN_->currentText();
    const auto position = static_cast<std::int16_t>(lastPositionText_.toInt());
    // A new position starts from its defaults, which enable the channel.
    const bool enable = moved || chkCEnable_->isChecked();
    Change(QT_TR_NOOP("position"), [moved, position, enable](Model& model, ChannelRecord& record) {
        if (moved) {
            record.Position = position;
            ExpChannelDefaults(record, model.ExpPlan);
        }
        record.Enable = enable;
    });
    ShowExpEnable(number);
    cmbCN_->setFocus();
}

void ChannelEditor::ShowExpEnable(int number)
{
    ShowExpChannel(number);
    if (QTreeWidgetItem* node = wiring_.TreeWidget()->currentItem())
        node->setText(0, ExpNodeText(model_, number));
}

bool ChannelEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cmbCN_ && event->type() == QEvent::FocusIn)
        lastPositionText_ = cmbCN_->currentText();
    if (watched == txtCTag_ && event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(txtCTag_, &QLineEdit::selectAll, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

}  // namespace quorlink
