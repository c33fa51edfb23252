// SPDX-License-Identifier: GPL-3.0-or-later
// The MMSI boxes of the settings and directory pages: digits only, checked
// when the user leaves the box or starts a command while it has the focus.
#pragma once

#include "mmsi.h"

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QKeyEvent;
class QLineEdit;

namespace quorlink {

class PageHost;
class PageWiring;
struct MmsiPlace;

// True when text is not empty and holds only the digits 0 to 9 (no other
// script's digits: the radio stores each one in a nibble).
bool IsDigitText(const QString& text);

// The digit-only key filter: digits, control characters (backspace, ...) and
// Ctrl shortcuts pass; every other printable character is refused.
bool PassesDigitFilter(const QKeyEvent& key);

// The MMSI a box of that use shows for the stored one.
QString ShownInBox(const std::string& stored, MmsiUse use);

// Stores the box's MMSI in target when it is valid (blanks around it
// dropped). A refused text stays in the box when keepText is on, else the
// stored value is shown again.
bool CheckNumericField(bool keepText, MmsiUse use, QLineEdit* field, std::string& target);

// One MMSI box. Its page registers Validate as the box's commit check; a
// stored MMSI is an edit of the records (PageHost::Edit), named by changeName.
//
// Leaving the box towards another control of the window runs the check
// (Validate); when it fails, "Data Error!!" is shown with the rule broken
// and the focus is put back. Two ways out run no check and put the stored value back instead
// (LostFocus): a mouse click on the tree, which switches the page at once so
// the box cannot keep the focus, and a page switch that disables the box.
// Menus, popups and a switch to another application are no leave at all: the
// box keeps its pending edit and the window's commit step checks it.
class MmsiField : public QObject {
    Q_OBJECT

public:
    // place says which MMSI of the records the box shows (see MmsiAt).
    MmsiField(PageHost& window, PageWiring& wiring, QLineEdit* field, std::function<MmsiPlace()> place,
              std::function<QString()> changeName);

    // An individual MMSI (the user's own, a station's) or a group's, and the caption of the error box.
    void SetMode(MmsiUse use, const QString& caption);
    // Shows the stored value; a refusal still waiting is dropped.
    void Load();
    // The check before leaving or before a command: true when the command may run.
    bool Validate();
    // The leave without a check: a valid edit is stored, an invalid one reverted.
    void LostFocus();
    // A failed check whose message and focus return are still to come; a
    // click that moved the focus away must not act meanwhile.
    bool Refusing() const { return refusing_; }
    // Edited since the box got the focus or was last checked.
    bool Pending() const { return pending_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Check();
    bool StoreTyped(bool keepText);
    void ShowError();
    void GotFocus(Qt::FocusReason reason);
    void FocusLeft(Qt::FocusReason reason);
    void HoldFocus();

    PageHost& window_;
    PageWiring& wiring_;
    QLineEdit* field_;
    std::function<MmsiPlace()> place_;
    std::function<QString()> changeName_;
    bool pending_ = false;  // edited since the box got the focus or was checked
    MmsiUse use_ = MmsiUse::Individual;
    QString caption_;
    bool refusing_ = false;
    bool returning_ = false;  // the focus is being put back after a refusal
};

}  // namespace quorlink
