// SPDX-License-Identifier: GPL-3.0-or-later
// "Serial Port": which device a COMn means. Lists the ports present (and
// follows cables plugged in or out), finds the cable by watching which port
// appears when it is plugged in again, and takes any device path typed in.
#pragma once

#include "port_names.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;

namespace quorlink {

class Prompt;

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
    void lstPorts_Changed();

    const PortList& ports_;
    int number_;
    StoredDevices stored_;
    Prompt& prompt_;
    QList<PortInfo> shown_;
    QListWidget* lstPorts_ = nullptr;
    QLineEdit* txtDevice_ = nullptr;
    QLabel* lblFound_ = nullptr;
    QTimer* refresh_ = nullptr;
};

}  // namespace quorlink
