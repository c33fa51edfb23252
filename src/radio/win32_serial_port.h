// SPDX-License-Identifier: GPL-3.0-or-later
// The serial port through plain Win32 calls, polled: the bytes waiting come
// from ClearCommError and a read takes what is there and returns at once.
// Overlapped reads are what QSerialPort uses on Windows; polling keeps to the
// link's own model of a port (bytes waiting, read what is there) and runs the
// same under Wine, where overlapped reads of a linked COM port never complete.
#pragma once

#include "serial_port.h"

namespace quorlink {

class Win32SerialPort : public SerialPort {
public:
    Win32SerialPort() = default;
    ~Win32SerialPort() override;
    Win32SerialPort(const Win32SerialPort&) = delete;
    Win32SerialPort& operator=(const Win32SerialPort&) = delete;

    bool Open(const QString& device) override;
    void Close() override;
    bool IsOpen() const override;
    qint64 BytesWaiting() const override;
    QByteArray Read(qint64 maxBytes) override;
    void DiscardInput() override;
    bool Write(const QByteArray& bytes) override;
    Fault Failure() const override;
    QString FailureText() const override;
    bool PermissionDenied() const override;

private:
    void Fail(unsigned long error) const;
    bool Configure();

    void* handle_ = nullptr;  // HANDLE; INVALID_HANDLE_VALUE is kept as null
    QString device_;
    mutable unsigned long error_ = 0;  // the system's error code of the last failure
    mutable bool opening_ = false;
};

}  // namespace quorlink
