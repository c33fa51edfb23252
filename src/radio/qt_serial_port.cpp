// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_serial_port.h"

namespace quorlink {

bool QtSerialPort::Open(const QString& device)
{
    port_.setPortName(device);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite))
        return false;
    port_.clearError();
    return true;
}

void QtSerialPort::Close()
{
    if (port_.isOpen())
        port_.close();
}

bool QtSerialPort::IsOpen() const { return port_.isOpen(); }

qint64 QtSerialPort::BytesWaiting() const { return port_.bytesAvailable(); }

QByteArray QtSerialPort::Read(qint64 maxBytes) { return port_.read(maxBytes); }

void QtSerialPort::DiscardInput()
{
    port_.clear(QSerialPort::Input);
    port_.readAll();
}

bool QtSerialPort::Write(const QByteArray& bytes)
{
    // QSerialPort only queues what it is given; without the flush a CAN would
    // sit in the queue through the pause that is meant to follow it.
    if (port_.write(bytes) != bytes.size())
        return false;
    port_.flush();
    return port_.error() == QSerialPort::NoError;
}

Fault QtSerialPort::Failure() const
{
    const QSerialPort::SerialPortError error = port_.error();
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return {};
    QString reason = port_.errorString();
    // A line that hangs up can leave a stale system reason behind; say first
    // what happened.
    if (error == QSerialPort::ResourceError)
        reason = QStringLiteral("The serial device went away (%1)").arg(reason);
    return Fault{static_cast<int>(error), reason.toStdString()};
}

bool QtSerialPort::PermissionDenied() const { return port_.error() == QSerialPort::PermissionError; }

}  // namespace quorlink
