// SPDX-License-Identifier: GPL-3.0-or-later
// The Compare window: the differences between the editor's data and a file
// or the radio, each a row that jumps to its page; and the small question
// of what to compare with.
#pragma once

#include "comparison.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace quorlink {

class Prompt;

enum class CompareSource { File, Radio, LastRead };

// Asks what to compare the editor's data with; nothing when cancelled.
// "Last read of this radio" is offered only when lastReadAvailable.
std::optional<CompareSource> AskCompareSource(QWidget* parent, bool lastReadAvailable);

class CompareWindow : public QDialog {
    Q_OBJECT

public:
    // jump shows the page of a tree key in the main window, and on it the
    // field the difference names ("Contrast", "name").
    using Jump = std::function<void(const QString& key, const QString& field)>;
    CompareWindow(std::vector<Difference> differences, const QString& sources, Prompt& prompt, Jump jump,
                  QWidget* parent);

    // The same list, modal, to approve a write: "&Write" and "Cancel" (the
    // default); with nothing to change it says so and offers "Write &Anyway".
    // True only for the go-ahead. With ticked (one a change, all true) each
    // line and page gets a tick box, and ticked says which were left ticked.
    static bool ConfirmWrite(std::vector<Difference> changes, const QString& title, Prompt& prompt, Jump jump,
                             QWidget* parent, std::vector<bool>* ticked = nullptr);

    // The list as text: one difference a line, then the count.
    QString ListText() const;
    void cmdSaveAs_Click();

private:
    void JumpTo(QTreeWidgetItem* item);
    // The heading and the list; the buttons come with the purpose.
    CompareWindow(std::vector<Difference> differences, const QString& sources, Prompt& prompt, Jump jump,
                  QWidget* parent, bool listOnly);

    std::vector<Difference> differences_;
    Prompt& prompt_;
    Jump jump_;
    QTreeWidget* list_ = nullptr;
};

}  // namespace quorlink
