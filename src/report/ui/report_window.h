// SPDX-License-Identifier: GPL-3.0-or-later
// frmPrn, "Print to File": the text report in a box the user may read, edit
// and save as a text file.
#pragma once

#include <QDialog>

class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace quorlink {

class Prompt;
struct Model;

class ReportWindow : public QDialog {
    Q_OBJECT

public:
    ReportWindow(const Model& model, Prompt& prompt, QWidget* parent = nullptr, int pauseMs = 500);

    QPlainTextEdit* textBox() const { return txtPrn_; }
    // Writes what the box shows, as CR LF lines, plus one CR LF.
    bool SaveReportText(const QString& path);
    void mnuFileSave_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildTextReport();

    const Model& model_;
    Prompt& prompt_;
    int pauseMs_;
    QPlainTextEdit* txtPrn_;
    QPushButton* cmdOK_;
    QTimer* timer1_;
    QMenuBar* menus_;
};

}  // namespace quorlink
