// SPDX-License-Identifier: GPL-3.0-or-later
// pictG: one entry of the individual or the group directory, with adding at
// the end of the used entries and deleting that closes the gap.
#pragma once

#include "records.h"

#include <QObject>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quorlink {

class PageHost;
class PageWiring;
class MmsiField;
struct Model;

class DirectoryEntryPage : public QObject {
    Q_OBJECT

public:
    explicit DirectoryEntryPage(PageHost& window, PageWiring& wiring);

    // key is the entry's node: "SM 3", "SG 10".
    void ShowDirectoryEntry(const QString& key);
    void ShowDirectoryEntry(DirectoryKind kind, int number);
    void ClearEntryEditor();
    bool txtGMMSI_Validate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls(QWidget* page);
    void SetDirectoryFieldMode(DirectoryKind kind);
    void SetEntryState(int used);
    void chkGEnable_Click(bool ticked);
    void chkGDelete_Click(bool ticked);
    void StoreName();
    const DirectoryEntry* ShownEntry() const;
    // "Individual ID3": the entry shown, as its node names it.
    QString EntryName() const;

    PageHost& window_;
    PageWiring& wiring_;
    const Model& model_;
    DirectoryKind kind_ = DirectoryKind::Individual;
    int number_ = 0;  // 0: no entry shown
    QCheckBox* chkGEnable_ = nullptr;
    QCheckBox* chkGDelete_ = nullptr;
    QLabel* lblTag_ = nullptr;
    QLineEdit* txtGPosi_ = nullptr;
    QLabel* lblMmsi_ = nullptr;
    QLabel* lblGroup_ = nullptr;
    QLineEdit* txtGMMSI_ = nullptr;
    MmsiField* mmsi_ = nullptr;
    bool nameEdited_ = false;
};

}  // namespace quorlink
