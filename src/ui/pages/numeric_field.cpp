// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric_field.h"

#include "latin1.h"
#include "mmsi.h"
#include "model.h"
#include "page_host.h"
#include "page_wiring.h"
#include "prompt.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

namespace quorlink {

namespace {

// The focus goes to a menu, a popup list or another application and comes
// back to the same box: nothing was left.
bool StaysInField(Qt::FocusReason reason)
{
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

}  // namespace

bool IsDigitText(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool PassesDigitFilter(const QKeyEvent& key)
{
    // Shortcuts such as Ctrl+A or Ctrl+V type nothing, whatever text the platform gives them.
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return true;
    const QString text = key.text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return true;
    return IsDigitText(text);
}

QString ShownInBox(const std::string& stored, MmsiUse use) { return ToQString(ShownMmsi(stored, use)); }

bool CheckNumericField(bool keepText, MmsiUse use, QLineEdit* field, std::string& target)
{
    if (const std::optional<std::string> stored = StoredMmsi(ToStdString(field->text().trimmed()), use)) {
        target = *stored;
        return true;
    }
    if (!keepText)
        field->setText(ShownInBox(target, use));
    return false;
}

MmsiField::MmsiField(PageHost& window, PageWiring& wiring, QLineEdit* field, std::function<MmsiPlace()> place,
                     std::function<QString()> changeName)
    : QObject(field), window_(window), wiring_(wiring), field_(field), place_(std::move(place)),
      changeName_(std::move(changeName))
{
    field_->setMaxLength(TypedMmsiDigits(use_));
    field_->setAttribute(Qt::WA_InputMethodEnabled, false);  // composed text would pass the key filter
    field_->installEventFilter(this);
    connect(field_, &QLineEdit::textEdited, this, [this] { pending_ = true; });
}

void MmsiField::SetMode(MmsiUse use, const QString& caption)
{
    use_ = use;
    caption_ = caption;
    field_->setMaxLength(TypedMmsiDigits(use));
}

void MmsiField::Load()
{
    refusing_ = false;
    const std::string* stored = MmsiAt(window_.model(), place_());
    field_->setText(stored ? ShownInBox(*stored, use_) : QString());
}

// Stores a pending valid edit; false when the pending edit is refused.
bool MmsiField::Check()
{
    if (pending_ && !StoreTyped(true))
        return false;
    pending_ = false;
    return true;
}

// A typed MMSI that passes the check is an edit of the record the box shows;
// false when it is refused.
bool MmsiField::StoreTyped(bool keepText)
{
    const std::string* stored = MmsiAt(window_.model(), place_());
    if (stored == nullptr)
        return true;
    std::string checked = *stored;
    if (!CheckNumericField(keepText, use_, field_, checked))
        return false;
    pending_ = false;
    window_.Edit(changeName_(), [place = place_(), checked](Model& records) {
        if (std::string* mmsi = MmsiAt(records, place))
            *mmsi = checked;
    });
    return true;
}

// The rule the refused text breaks is the box's second paragraph.
void MmsiField::ShowError()
{
    const QString rule = use_ == MmsiUse::Group ? tr("A group MMSI has 8 digits after its leading 0.")
                                                : tr("An MMSI has %1 digits.").arg(TypedMmsiDigits(use_));
    window_.prompt().Message(caption_, tr("Data Error!!\n\n%1").arg(rule), MessageIcon::Exclamation,
                             MessageButtons::Ok);
}

bool MmsiField::Validate()
{
    if (Check())
        return true;
    ShowError();
    return false;
}

void MmsiField::LostFocus()
{
    refusing_ = false;
    if (pending_)
        StoreTyped(false);  // a refused text gives way to the stored one
    pending_ = false;
}

void MmsiField::GotFocus(Qt::FocusReason reason)
{
    if (StaysInField(reason))
        return;
    // Coming back after a refusal keeps the refused edit pending.
    if (refusing_ || returning_)
        refusing_ = false;
    else
        pending_ = false;
    QMetaObject::invokeMethod(field_, &QLineEdit::selectAll, Qt::QueuedConnection);
}

void MmsiField::FocusLeft(Qt::FocusReason reason)
{
    if (StaysInField(reason))
        return;
    QWidget* next = QApplication::focusWidget();
    QWidget* tree = wiring_.TreeWidget();
    const bool treeClicked = reason == Qt::MouseFocusReason && next && (next == tree || tree->isAncestorOf(next));
    const bool asksForCheck = field_->isEnabled() && next && next != field_ &&
                              next->window() == field_->window() && !treeClicked;
    if (!asksForCheck) {
        LostFocus();
        return;
    }
    if (Check())
        return;
    // The focus has already moved; the message and the way back wait until
    // the event that moved it is over.
    refusing_ = true;
    QTimer::singleShot(0, this, &MmsiField::HoldFocus);
}

void MmsiField::HoldFocus()
{
    if (!refusing_)
        return;
    if (!field_->isEnabled() || !field_->isVisible()) {
        LostFocus();
        return;
    }
    refusing_ = false;
    ShowError();
    returning_ = true;
    field_->setFocus(Qt::OtherFocusReason);
    returning_ = false;
}

bool MmsiField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == field_) {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (!PassesDigitFilter(*static_cast<QKeyEvent*>(event)))
                return true;
            break;
        case QEvent::FocusIn:
            GotFocus(static_cast<QFocusEvent*>(event)->reason());
            break;
        case QEvent::FocusOut:
            FocusLeft(static_cast<QFocusEvent*>(event)->reason());
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quorlink
