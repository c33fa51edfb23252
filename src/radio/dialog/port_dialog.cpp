// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_dialog.h"

#include "prompt.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSet>
#include <QTimer>
#include <QVBoxLayout>

namespace quorlink {

namespace {

// Listing the ports is cheap; a second is quick enough for a cable plugged in.
constexpr int kRefreshMs = 1000;

QString ItemText(const PortInfo& port, const QList<int>& numbers)
{
    QStringList names;
    for (int number : numbers)
        names << QStringLiteral("COM%1").arg(number);
    QString text = QStringLiteral("%1  %2  %3").arg(names.join(QLatin1Char(',')), -4).arg(port.Name(), port.Summary());
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

QSet<QString> Devices(const QList<PortInfo>& ports)
{
    QSet<QString> devices;
    for (const PortInfo& port : ports)
        devices.insert(port.device);
    return devices;
}

}  // namespace

void PortListWidget::keyPressEvent(QKeyEvent* event)
{
    const QScopedValueRollback<bool> picking(picking_, true);
    QListWidget::keyPressEvent(event);
}

void PortListWidget::mousePressEvent(QMouseEvent* event)
{
    const QScopedValueRollback<bool> picking(picking_, true);
    QListWidget::mousePressEvent(event);
}

void PortListWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QScopedValueRollback<bool> picking(picking_, true);
    QListWidget::mouseMoveEvent(event);
}

void PortListWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QScopedValueRollback<bool> picking(picking_, true);
    QListWidget::mouseReleaseEvent(event);
}

PortDialog::PortDialog(const PortList& ports, int number, StoredDevices stored, Prompt& prompt, QWidget* parent)
    : QDialog(parent), ports_(ports), number_(number), stored_(std::move(stored)), prompt_(prompt)
{
    setObjectName(QStringLiteral("frmPort"));
    setWindowTitle(tr("Serial Port"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Serial ports present now (the list follows cables plugged in or out):"), this));
    lstPorts_ = new PortListWidget(this);
    lstPorts_->setObjectName(QStringLiteral("lstPorts"));
    layout->addWidget(lstPorts_);

    auto* findRow = new QHBoxLayout;
    auto* cmdFind = new QPushButton(tr("&Find my cable"), this);
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    findRow->addWidget(cmdFind);
    lblFound_ = new QLabel(this);
    lblFound_->setObjectName(QStringLiteral("lblFound"));
    lblFound_->setWordWrap(true);
    findRow->addWidget(lblFound_, 1);
    layout->addLayout(findRow);

    layout->addWidget(
        new QLabel(tr("Device for COM%1 (left empty, COM%1 follows the list above):").arg(number_), this));
    txtDevice_ = new QLineEdit(this);
    txtDevice_->setObjectName(QStringLiteral("txtDevice"));
    layout->addWidget(txtDevice_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdFind, &QPushButton::clicked, this, &PortDialog::cmdFind_Click);
    // A row the user moves to, selects or clicks (the current one too) is
    // picked; Qt's own moves of the current row, which select nothing, are not.
    auto picked = [this] {
        const QListWidgetItem* current = lstPorts_->currentItem();
        if (lstPorts_->Picking() && current && current->isSelected())
            TakeCurrentRow();
    };
    connect(lstPorts_, &QListWidget::currentRowChanged, this, picked);
    connect(lstPorts_, &QListWidget::itemSelectionChanged, this, picked);
    connect(lstPorts_, &QListWidget::itemClicked, this, &PortDialog::TakeCurrentRow);

    RefreshList();
    const QString current = ResolvePort({number_, {}}, stored_, shown_).device;
    txtDevice_->setText(StoredDevice(stored_, number_));
    SelectDevice(current);

    refresh_ = new QTimer(this);
    refresh_->setInterval(kRefreshMs);
    connect(refresh_, &QTimer::timeout, this, &PortDialog::RefreshList);
    refresh_->start();
    resize(560, 340);
}

void PortDialog::RefreshList()
{
    const QList<PortInfo> ports = ports_.Ports();
    if (lstPorts_->count() > 0 && Devices(ports) == Devices(shown_))
        return;
    // The row shown selected stays so; a row that is only current (the
    // keyboard's place in the list) picks nothing and is not selected now.
    const QList<QListWidgetItem*> rows = lstPorts_->selectedItems();
    const QString selected = rows.isEmpty() ? QString() : shown_.at(lstPorts_->row(rows.first())).device;
    const QSignalBlocker quiet(lstPorts_);
    shown_ = ports;
    lstPorts_->clear();
    for (const PortInfo& port : shown_)
        lstPorts_->addItem(ItemText(port, NumbersOf(port, stored_, shown_)));
    SelectDevice(selected);
}

void PortDialog::SelectDevice(const QString& device)
{
    const std::optional<PortInfo> port = FindPort(shown_, device);
    const QSignalBlocker quiet(lstPorts_);
    lstPorts_->setCurrentRow(-1);
    for (int row = 0; port && row < shown_.size(); ++row)
        if (shown_.at(row).device == port->device)
            lstPorts_->setCurrentRow(row);
}

void PortDialog::TakeCurrentRow()
{
    const int row = lstPorts_->currentRow();
    if (row < 0)
        return;
    const PortInfo& port = shown_.at(row);
    txtDevice_->setText(port.byIdLink.isEmpty() ? port.device : port.byIdLink);
}

void PortDialog::cmdFind_Click()
{
    const QString title = windowTitle();
    if (prompt_.Message(title, tr("Unplug the programming cable from the computer, then press OK."),
                        MessageIcon::Information, MessageButtons::OkCancel) != Answer::Ok)
        return;
    const QSet<QString> before = Devices(ports_.Ports());
    if (prompt_.Message(title, tr("Plug the cable in again, wait two seconds, then press OK."),
                        MessageIcon::Information, MessageButtons::OkCancel) != Answer::Ok)
        return;
    const QList<PortInfo> after = ports_.Ports();
    QList<PortInfo> appeared;
    for (const PortInfo& port : after)
        if (!before.contains(port.device))
            appeared << port;
    RefreshList();
    if (appeared.size() == 1) {
        SelectDevice(appeared.first().device);
        TakeCurrentRow();
        lblFound_->setText(tr("Your cable is %1 %2. Press OK to use it for COM%3.")
                               .arg(appeared.first().Name(), appeared.first().Summary())
                               .arg(number_)
                               .simplified());
        return;
    }
    if (appeared.isEmpty()) {
        lblFound_->setText(tr("No port appeared. Plug the cable in firmly, or try another USB socket; "
                              "quorlink-cli doctor says what stops a port."));
    } else {
        QStringList names;
        for (const PortInfo& port : appeared)
            names << port.Name();
        lblFound_->setText(tr("Several ports appeared (%1). Unplug the other adapters and try again, "
                              "or choose your cable from the list.")
                               .arg(names.join(QStringLiteral(", "))));
    }
    prompt_.Message(title, lblFound_->text(), MessageIcon::Exclamation);
}

QString PortDialog::ChosenDevice() const
{
    const QString typed = txtDevice_->text().trimmed();
    const std::optional<PortInfo> port = FindPort(shown_, typed);
    return port && !port->byIdLink.isEmpty() ? port->byIdLink : typed;
}

}  // namespace quorlink
