// SPDX-License-Identifier: GPL-3.0-or-later
// "Serial Port": which device a COMn means. Lists the ports present (and
// follows cables plugged in or out), finds the cable by watching which port
// appears when it is plugged in again, and takes any device path typed in.
// The field shows the stored device until the user picks a row.
#pragma once

#include "port_names.h"

#include <QDialog>
#include <QListWidget>

class QLabel;
class QLineEdit;
class QTimer;

namespace quorlink {

class Prompt;

// The list of ports. Picking() is on while it handles a key or the mouse,
// so that a row the user moves to can be told from one that Qt makes current
// by itself (the first row, when the list gets the keyboard with none current).
class PortListWidget : public QListWidget {
public:
    using QListWidget::QListWidget;
    bool Picking() const { return picking_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool picking_ = false;
};

class PortDialog : public QDialog {
    Q_OBJECT

public:
    // number: the COMn being chosen (1..4); stored: the devices stored now.
    PortDialog(const PortList& ports, int number, StoredDevices stored, Prompt& prompt, QWidget* parent = nullptr);

    // What OK stores for COMn: the typed or chosen device, as its by-id link
    // when it has one; empty lets COMn follow the list of ports again.
    QString ChosenDevice() const;

    void RefreshList();
    void cmdFind_Click();

private:
    void SelectDevice(const QString& device);
    // The current row's device goes into the field: the user picked it.
    void TakeCurrentRow();

    const PortList& ports_;
    int number_;
    StoredDevices stored_;
    Prompt& prompt_;
    QList<PortInfo> shown_;
    PortListWidget* lstPorts_ = nullptr;
    QLineEdit* txtDevice_ = nullptr;
    QLabel* lblFound_ = nullptr;
    QTimer* refresh_ = nullptr;
};

}  // namespace quorlink
