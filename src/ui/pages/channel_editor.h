// SPDX-License-Identifier: GPL-3.0-or-later
// pictC: one programmable or EXP channel. Every box writes its record at
// once; boxes without meaning in the current state are greyed, not cleared.
#pragma once

#include "page_keys.h"

#include <QObject>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace quorlink {

class PageHost;
class PageWiring;
struct ChannelRecord;
struct Model;
struct PlanEntry;

class ChannelEditor : public QObject {
    Q_OBJECT

public:
    explicit ChannelEditor(PageHost& window, PageWiring& wiring);

    void ShowRegionChannel(Region region, int index);
    void ShowExpChannel(int number);
    void ClearChannelEditor();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls(QWidget* page);
    QCheckBox* AddBox(QWidget* parent, const char* name, const char* caption);
    void FillBoxes(const ChannelRecord& record, const PlanEntry* entry);
    void ActivatePage();

    // Enabling rules; they never store.
    void ApplyEnableRules();
    void ApplyTxRules();

    // User changes.
    void chkCEnable_Click();
    void chkCTXEnable_Click();
    void chkCTXOnly_Click(const char* change);
    void chkCDup_Click();
    void StoreFlag(bool ChannelRecord::*field, QCheckBox* box, const char* change);
    void txtCTag_Change(const QString& text);
    void cmbCN_Click();
    void ShowExpEnable(int number);

    std::optional<ChannelKey> ShownKey() const;
    const ChannelRecord* ShownRecord() const;
    const PlanEntry* EntryOf(const ChannelRecord& record, const std::optional<Region>& region) const;
    bool EditorActive() const;
    // "CH16 name": the shown channel and what changed.
    QString ChangeName(const char* change) const;
    // Changes the shown channel's record in the records, as one undo step.
    void Change(const char* change, const std::function<void(Model&, ChannelRecord&)>& edit,
                QWidget* typingField = nullptr);

    PageHost& window_;
    PageWiring& wiring_;
    const Model& model_;
    QLabel* lblCPosition_ = nullptr;
    QLineEdit* txtCN_ = nullptr;
    QComboBox* cmbCN_ = nullptr;
    QLineEdit* txtCRF_ = nullptr;
    QLineEdit* txtCTF_ = nullptr;
    QCheckBox* chkCEnable_ = nullptr;
    QCheckBox* chkCTXEnable_ = nullptr;
    QCheckBox* chkCTXOnly_ = nullptr;
    QCheckBox* chkCTXPower_ = nullptr;
    QCheckBox* chkCDup_ = nullptr;
    QCheckBox* chkCScan_ = nullptr;
    QCheckBox* chkCVSmemory_ = nullptr;
    QLabel* lblCTag_ = nullptr;
    QLineEdit* txtCTag_ = nullptr;
    QString lastPositionText_;
};

}  // namespace quorlink
