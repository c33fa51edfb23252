// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_serial_port.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cerrno>

namespace quorlink {

namespace {

// The log keeps a failure's English words, the user reads them in their language.
enum class Wording { English, Shown };

QString Say(Wording wording, const char* text)
{
    return wording == Wording::English ? QString::fromLatin1(text)
                                       : QCoreApplication::translate("QtSerialPortTexts", text);
}

bool NodeExists(const QString& device) { return QFileInfo::exists(device); }

bool MayReadAndWrite(const QString& device)
{
    const QFileInfo node(device);
    return node.isReadable() && node.isWritable();
}

// QSerialPort words its failures after the call that failed, not after what
// happened to the port: a lock held by another program reads as a
// permission error and a line that hung up as an ioctl nobody asked for.
// Its reason is the system's text for errno; comparing texts tells which.
bool SystemSaid(const QString& reason, int error) { return reason == qt_error_string(error); }

QString OpenReason(const QString& device, QSerialPort::SerialPortError error, const QString& reason,
                   Wording wording)
{
    if (error == QSerialPort::PermissionError && MayReadAndWrite(device))
        return Say(wording, QT_TRANSLATE_NOOP("QtSerialPortTexts", "the port is in use by another program"));
    if (error == QSerialPort::UnsupportedOperationError && NodeExists(device))
        return Say(wording, QT_TRANSLATE_NOOP("QtSerialPortTexts", "%1 is not a serial port (%2)")).arg(device, reason);
    return reason;
}

QString RunReason(const QString& device, QSerialPort::SerialPortError error, const QString& reason, Wording wording)
{
    // A device still there that signalled bytes and had none to read was
    // read by someone else.
    const bool gone = !NodeExists(device);
    if (!gone && SystemSaid(reason, EAGAIN))
        return Say(wording, QT_TRANSLATE_NOOP("QtSerialPortTexts", "Another program is using the port and took the "
                                                                   "radio's answer (%1). Close it and try again."))
            .arg(reason);
    if (gone || SystemSaid(reason, ENOTTY) || SystemSaid(reason, EIO) || SystemSaid(reason, ENODEV))
        return Say(wording, QT_TRANSLATE_NOOP("QtSerialPortTexts", "The cable was unplugged: %1 went away (%2). Plug "
                                                                   "it in and try again."))
            .arg(device, reason);
    // A line that hangs up can leave a stale system reason behind; say first
    // what happened.
    if (error == QSerialPort::ResourceError)
        return Say(wording, QT_TRANSLATE_NOOP("QtSerialPortTexts", "The serial device went away (%1)")).arg(reason);
    return reason;
}

}  // namespace

bool QtSerialPort::Open(const QString& device)
{
    device_ = device;
    openFailure_ = {};
    openFailureText_ = {};
    port_.setPortName(device);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        openFailure_ = OpenReason(device, port_.error(), port_.errorString(), Wording::English);
        openFailureText_ = OpenReason(device, port_.error(), port_.errorString(), Wording::Shown);
        return false;
    }
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
    const QString reason =
        openFailure_.isEmpty() ? RunReason(device_, error, port_.errorString(), Wording::English) : openFailure_;
    return Fault{static_cast<int>(error), reason.toStdString()};
}

QString QtSerialPort::FailureText() const
{
    const QSerialPort::SerialPortError error = port_.error();
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return {};
    return openFailureText_.isEmpty() ? RunReason(device_, error, port_.errorString(), Wording::Shown)
                                      : openFailureText_;
}

bool QtSerialPort::PermissionDenied() const { return port_.error() == QSerialPort::PermissionError; }

std::unique_ptr<SerialPort> NewSystemSerialPort() { return std::make_unique<QtSerialPort>(); }

// QSerialPort reads through a notifier of its own; holding that off is the
// one way to let a frame gather in the system while the window stays live.
void QtSerialPort::Doze(bool on)
{
    if (on && dozing_.isEmpty()) {
        for (QSocketNotifier* notifier : port_.findChildren<QSocketNotifier*>())
            if (notifier->type() == QSocketNotifier::Read && notifier->isEnabled())
                dozing_.append(notifier);
        for (QSocketNotifier* notifier : dozing_)
            notifier->setEnabled(false);
    } else if (!on) {
        for (QSocketNotifier* notifier : dozing_)
            notifier->setEnabled(true);
        dozing_.clear();
    }
}

}  // namespace quorlink
