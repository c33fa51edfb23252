// SPDX-License-Identifier: GPL-3.0-or-later
#include "directory_entry_page.h"

#include "directory_pages.h"
#include "latin1.h"
#include "mmsi_note.h"
#include "model.h"
#include "name_validator.h"
#include "navigation_tree.h"
#include "numeric_field.h"
#include "page_host.h"
#include "page_wiring.h"
#include "twips.h"
#include "prompt.h"
#include "widest_label.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quorlink {

namespace {

constexpr int kNameLength = 10;
constexpr double kGroupOffsetTwips = 150;

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// The group field's offset: 150 twips, or the room the "0" needs in the
// page's type where that is more (large type). A font given to the "0"
// alone does not move the field.
int GroupOffset(const QLabel* zero)
{
    const QFontMetrics page(zero->parentWidget()->font());
    const QMargins frame = zero->contentsMargins();
    const int needed = page.boundingRect(QRect(0, 0, 2000, 2000), Qt::TextShowMnemonic, zero->text()).width() +
                       frame.left() + frame.right() + 2 * zero->margin();
    return qMax(qRound(kGroupOffsetTwips / TwipsPerPixelX(zero)), needed);
}

}  // namespace

DirectoryEntryPage::DirectoryEntryPage(PageHost& window, PageWiring& wiring)
    : QObject(wiring.Pages().panel(Panel::G)), window_(window), wiring_(wiring), model_(window.model())
{
    BuildControls(wiring.Pages().panel(Panel::G));
    wiring.AddRebuildStep([this] { ClearEntryEditor(); });
    wiring.SetPageHandler(Panel::G, [this](const QString& key) { ShowDirectoryEntry(key); });
    wiring.AddDirectoryColouring(
        [&window, &wiring](DirectoryKind kind) { ColourDirectoryNodes(window, wiring, kind); });
}

// Controls are created in their Tab order: the focus chain follows creation.
void DirectoryEntryPage::BuildControls(QWidget* page)
{
    auto* inner = new QFrame(page);
    inner->setObjectName(QStringLiteral("pictGG"));
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(inner);
    outer->addStretch(1);
    auto* grid = new QGridLayout(inner);

    chkGEnable_ = new QCheckBox(tr("Add"), inner);
    chkGEnable_->setObjectName(QStringLiteral("chkGEnable"));
    chkGDelete_ = new QCheckBox(tr("Delete"), inner);
    chkGDelete_->setObjectName(QStringLiteral("chkGDelete"));
    grid->addWidget(chkGEnable_, 0, 0);
    grid->addWidget(chkGDelete_, 0, 1, Qt::AlignLeft);

    // "Station Name" or "Group Name": the column is as wide as the wider, so
    // the fields stay where they are from one directory to the other.
    lblTag_ = new WidestTextLabel({DirectoryText(TraitsOf(DirectoryKind::Individual).nameLabel),
                                   DirectoryText(TraitsOf(DirectoryKind::Group).nameLabel)},
                                  inner);
    lblTag_->setObjectName(QStringLiteral("lblTag"));
    txtGPosi_ = new QLineEdit(inner);
    txtGPosi_->setObjectName(QStringLiteral("txtGPosi"));
    txtGPosi_->setMaxLength(kNameLength);
    txtGPosi_->setValidator(new UpperCaseValidator(txtGPosi_));
    txtGPosi_->installEventFilter(this);
    lblTag_->setBuddy(txtGPosi_);
    grid->addWidget(lblTag_, 1, 0);
    grid->addWidget(txtGPosi_, 1, 1, Qt::AlignLeft);

    lblMmsi_ = NamedLabel("lblMmsi", tr("MMSI"), inner);
    lblGroup_ = NamedLabel("lblGroup", QStringLiteral("0"), inner);  // the fixed first digit of a group MMSI
    txtGMMSI_ = new QLineEdit(inner);
    txtGMMSI_->setObjectName(QStringLiteral("txtGMMSI"));
    lblMmsi_->setBuddy(txtGMMSI_);
    // The "0" takes the group field's offset; hidden, the field starts at the row's left.
    auto* mmsiRow = new QHBoxLayout;
    mmsiRow->setSpacing(0);
    mmsiRow->addWidget(lblGroup_);
    mmsiRow->addWidget(txtGMMSI_);
    grid->addWidget(lblMmsi_, 2, 0);
    grid->addLayout(mmsiRow, 2, 1, Qt::AlignLeft);
    auto* note = new MmsiNoteLabel(window_.Mids(), "lblGMMSINote", inner);
    note->Follow(txtGMMSI_, [this] { return TraitsOf(kind_).mmsiUse; });
    grid->addWidget(note, 3, 1, 1, 2);
    grid->setColumnStretch(2, 1);

    mmsi_ = new MmsiField(
        window_, wiring_, txtGMMSI_,
        [this] { return MmsiPlace{kind_, number_}; },
        [this] { return tr("%1 MMSI").arg(EntryName()); });
    window_.SetCommitCheck(txtGMMSI_, [this] { return txtGMMSI_Validate(); });
    connect(chkGEnable_, &QCheckBox::clicked, this, &DirectoryEntryPage::chkGEnable_Click);
    connect(chkGDelete_, &QCheckBox::clicked, this, &DirectoryEntryPage::chkGDelete_Click);
    connect(txtGPosi_, &QLineEdit::textEdited, this, [this] { nameEdited_ = true; });
    // A command chosen while the name is being typed saves the name too.
    window_.SetCommitCheck(txtGPosi_, [this] {
        StoreName();
        return true;
    });
}

void DirectoryEntryPage::ClearEntryEditor()
{
    number_ = 0;
    chkGEnable_->setChecked(false);
    chkGDelete_->setChecked(false);
    txtGPosi_->clear();
    nameEdited_ = false;
    mmsi_->Load();
}

bool DirectoryEntryPage::txtGMMSI_Validate() { return mmsi_->Validate(); }

QString DirectoryEntryPage::EntryName() const
{
    return DirectoryNodeText(model_, kind_, number_).remove(EnableMark(true));
}

const DirectoryEntry* DirectoryEntryPage::ShownEntry() const
{
    const Directory& directory = model_.DirectoryOf(kind_);
    return number_ >= 1 && number_ <= directory.size() ? &directory.at(number_) : nullptr;
}

void DirectoryEntryPage::ShowDirectoryEntry(const QString& key)
{
    const std::optional<DirectoryKind> kind = DirectoryOfListKey(key.section(QLatin1Char(' '), 0, 0));
    if (kind)
        ShowDirectoryEntry(*kind, ChildNumber(key));
}

void DirectoryEntryPage::ShowDirectoryEntry(DirectoryKind kind, int number)
{
    if (number < 1 || number > model_.DirectoryOf(kind).size())
        return;
    const PageHost::PageLoadingScope loading(window_);
    kind_ = kind;
    number_ = number;
    SetDirectoryFieldMode(kind);
    txtGPosi_->setText(ToQString(ShownEntry()->TagName));
    nameEdited_ = false;
    mmsi_->Load();
    SetEntryState(CountUsedEntries(model_.DirectoryOf(kind)));
    ColourDirectoryNodes(window_, wiring_, kind);
    wiring_.HideAllPages();
    wiring_.Pages().Activate(Panel::G);
}

void DirectoryEntryPage::SetDirectoryFieldMode(DirectoryKind kind)
{
    const DirectoryTraits& traits = TraitsOf(kind);
    lblGroup_->setVisible(kind == DirectoryKind::Group);
    lblGroup_->setFixedWidth(GroupOffset(lblGroup_));
    mmsi_->SetMode(traits.mmsiUse, DirectoryText(traits.mmsiCaption));
    lblTag_->setText(DirectoryText(traits.nameLabel));
    chkGEnable_->setProperty("helpContext", traits.checkHelp);
    chkGDelete_->setProperty("helpContext", traits.checkHelp);
    txtGPosi_->setProperty("helpContext", traits.nameHelp);
    txtGMMSI_->setProperty("helpContext", traits.mmsiHelp);
}

// A used entry can be deleted and edited; the first free one can be added;
// the ones after it offer nothing.
void DirectoryEntryPage::SetEntryState(int used)
{
    const bool usedEntry = number_ <= used;
    chkGEnable_->setChecked(usedEntry);
    chkGEnable_->setEnabled(number_ == used + 1);
    chkGDelete_->setChecked(!usedEntry);
    chkGDelete_->setEnabled(usedEntry);
    for (QWidget* w : {static_cast<QWidget*>(lblTag_), static_cast<QWidget*>(txtGPosi_),
                       static_cast<QWidget*>(lblMmsi_), static_cast<QWidget*>(lblGroup_),
                       static_cast<QWidget*>(txtGMMSI_)})
        w->setEnabled(usedEntry);
}

void DirectoryEntryPage::chkGEnable_Click(bool ticked)
{
    if (!wiring_.Pages().IsActive(Panel::G) || window_.PageLoading() || !ticked || ShownEntry() == nullptr)
        return;
    window_.Edit(tr("Add %1").arg(EntryName()),
                 [kind = kind_, number = number_](Model& model) { model.DirectoryOf(kind).at(number).Enable = true; });
    ShowDirectoryEntry(kind_, number_);
    // The name is what the user types next.
    txtGPosi_->setFocus(Qt::OtherFocusReason);
}

void DirectoryEntryPage::chkGDelete_Click(bool ticked)
{
    if (!wiring_.Pages().IsActive(Panel::G) || window_.PageLoading() || !ticked)
        return;
    const PageHost::PageLoadingScope loading(window_);
    // A click that took the focus from a refused MMSI deletes nothing.
    const bool sure = !mmsi_->Refusing() &&
                      window_.prompt().Message(QStringLiteral("Quorlink"), tr("Are you sure ?"),
                                               MessageIcon::Critical, MessageButtons::YesNo) == Answer::Yes;
    if (sure) {
        window_.Edit(tr("Delete %1").arg(EntryName()), [kind = kind_, number = number_](Model& model) {
            DeleteDirectoryEntry(model.DirectoryOf(kind), number);
        });
        ShowDirectoryEntry(kind_, number_);
    } else {
        chkGDelete_->setChecked(false);
    }
}

void DirectoryEntryPage::StoreName()
{
    if (nameEdited_ && ShownEntry()) {
        const std::string name = ToStdString(txtGPosi_->text());
        window_.Edit(tr("%1 name").arg(EntryName()), [kind = kind_, number = number_, &name](Model& model) {
            model.DirectoryOf(kind).at(number).TagName = name;
        });
    }
    nameEdited_ = false;
}

bool DirectoryEntryPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtGPosi_) {
        if (event->type() == QEvent::FocusIn)
            QMetaObject::invokeMethod(txtGPosi_, &QLineEdit::selectAll, Qt::QueuedConnection);
        else if (event->type() == QEvent::FocusOut)
            StoreName();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quorlink
