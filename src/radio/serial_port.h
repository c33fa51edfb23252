// SPDX-License-Identifier: GPL-3.0-or-later
// The byte pipe the clone protocol talks through. The program uses the
// QSerialPort one; anything that counts or records bytes can wrap it.
#pragma once

#include "fault.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace quorlink {

class SerialPort {
public:
    virtual ~SerialPort() = default;

    // 9600 baud, 8 data bits, no parity, 1 stop bit, raw bytes, no flow control.
    virtual bool Open(const QString& device) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Bytes received and not yet read. They arrive while the event loop runs.
    virtual qint64 BytesWaiting() const = 0;
    virtual QByteArray Read(qint64 maxBytes) = 0;
    // Drops every byte received, those the system still queues included.
    virtual void DiscardInput() = 0;
    // Hands the bytes to the system at once; false when it refuses them.
    virtual bool Write(const QByteArray& bytes) = 0;
    // While dozing, bytes that arrive wait in the system instead of waking the
    // program for each; waking takes them in at the next turn. A port that
    // is polled anyway need not do anything.
    virtual void Doze(bool /*on*/) {}
    // What went wrong last, with the system's reason; number 0 when nothing did.
    // Its words are English: the error log takes them.
    virtual Fault Failure() const = 0;
    // The same reason as the user reads it, in the user's language.
    virtual QString FailureText() const { return QString::fromStdString(Failure().description); }
    virtual bool PermissionDenied() const = 0;
};

// The port of this system: QSerialPort on Linux, polled Win32 calls on Windows.
std::unique_ptr<SerialPort> NewSystemSerialPort();

}  // namespace quorlink
