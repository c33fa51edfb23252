// SPDX-License-Identifier: GPL-3.0-or-later
// pictF: the radio-wide settings on two tabs, the user MMSI, and the radio's
// count of user-MMSI settings with the command that clears it.
#pragma once

#include <QObject>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace quorlink {

class PageHost;
class PageWiring;
class MmsiField;
struct Model;

class SettingsPage : public QObject {
    Q_OBJECT

public:
    explicit SettingsPage(PageHost& window, PageWiring& wiring);

    void InitSettingsControls();
    void ShowSettingsPage();
    void FillSettingsPage();
    // Brings the field a difference or an undo step names into view and focus.
    void ShowField(const QString& field);
    void tbsFNE_Click(int tab);
    void cmdFClear_Click();
    bool txtFUser_Validate();

    struct Row;  // one list or check box and the field it edits

private:
    void BuildControls(QWidget* page);
    QWidget* BuildTab(int tab);
    void AddRowControl(const Row& row, QWidget* panel, QGridLayout* grid, int line);
    void AddMmsiRows(QWidget* panel, QGridLayout* grid, int line);
    void ListClick(const Row& row, int position);
    void CheckClick(const Row& row, bool ticked);

    PageHost& window_;
    PageWiring& wiring_;
    const Model& model_;
    QTabWidget* tbsFNE_ = nullptr;
    QWidget* tabPanels_[2] = {};
    std::vector<std::pair<const Row*, QComboBox*>> lists_;
    std::vector<std::pair<const Row*, QCheckBox*>> boxes_;
    QLineEdit* txtFUser_ = nullptr;
    MmsiField* userMmsi_ = nullptr;
    QLineEdit* txtFCount_ = nullptr;
    QPushButton* cmdFClear_ = nullptr;
};

}  // namespace quorlink
