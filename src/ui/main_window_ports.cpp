// SPDX-License-Identifier: GPL-3.0-or-later
// Options > SerialPort beyond the four numbers: which device each COMn
// means, and the dialog that chooses it.
#include "main_window.h"

#include "model.h"
#include "port_dialog.h"
#include "prompt.h"
#include "settings_store.h"

#include <QAction>

namespace quorlink {

void MainWindow::UpdatePortHints()
{
    const StoredDevices stored = SettingsStore::PortDevices();
    const QList<PortInfo> ports = portList_->Ports();
    for (int i = 0; i < 4; ++i)
        serialPorts_[i]->setToolTip(PortHint(i + 1, stored, ports));
}

void MainWindow::mnuOptionsSerialPortDevice_Click()
{
    // A hand-edited port number outside 1..4 has no item; the dialog then chooses for COM1.
    const int number = model_.PortNumber >= 1 && model_.PortNumber <= 4 ? model_.PortNumber : 1;
    PortDialog dialog(*portList_, number, SettingsStore::PortDevices(), prompt_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SettingsStore::StorePortDevice(number, dialog.ChosenDevice());
    if (number != model_.PortNumber)
        mnuOptionsSerialPort1_Click(number - 1);
    UpdatePortHints();
    prompt_.Message(QStringLiteral("Serial Port"),
                    QStringLiteral("COM%1 now means %2.")
                        .arg(number)
                        .arg(PortMeaning(number, SettingsStore::PortDevices(), portList_->Ports())),
                    MessageIcon::Information);
}

}  // namespace quorlink
