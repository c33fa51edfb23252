// SPDX-License-Identifier: GPL-3.0-or-later
// The MMSI boxes of the settings and directory pages: digits only, checked
// when the user leaves the box or starts a command while it has the focus.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QKeyEvent;
class QLineEdit;

namespace quorlink {

class PageHost;
class PageWiring;

// True when text is not empty and holds only the digits 0 to 9 (no other
// script's digits: the radio stores each one in a nibble).
bool IsDigitText(const QString& text);

// The digit-only key filter: digits, control characters (backspace, ...) and
// Ctrl shortcuts pass; every other printable character is refused.
bool PassesDigitFilter(const QKeyEvent& key);

// The model's StoredMmsi and ShownMmsi for a box of that length (8: a group
// MMSI's box, else an individual one's), blanks around typed text dropped.
std::optional<std::string> StoredMmsi(const QString& typed, int length);
QString ShownMmsi(const std::string& stored, int length);

// Stores the box's MMSI in target when it is valid. A refused text stays in
// the box when keepText is on, else the stored value is shown again.
bool CheckNumericField(bool keepText, int length, QLineEdit* field, std::string& target);

// One MMSI box. Its page registers Validate as the box's commit check; a
// stored MMSI is a change of the records, named by changeName.
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
    // target gives the record's MMSI text, or null when there is none.
    MmsiField(PageHost& window, PageWiring& wiring, QLineEdit* field, std::function<std::string*()> target,
              std::function<QString()> changeName);

    // Length 9 (user, individual) or 8 (group), and the caption of the error box.
    void SetMode(int length, const QString& caption);
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
    int length() const { return length_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Check();
    void Stored();
    void ShowError();
    void GotFocus(Qt::FocusReason reason);
    void FocusLeft(Qt::FocusReason reason);
    void HoldFocus();

    PageHost& window_;
    PageWiring& wiring_;
    QLineEdit* field_;
    std::function<std::string*()> target_;
    std::function<QString()> changeName_;
    bool pending_ = false;  // edited since the box got the focus or was checked
    int length_ = 9;
    QString caption_;
    bool refusing_ = false;
    bool returning_ = false;  // the focus is being put back after a refusal
};

}  // namespace quorlink
