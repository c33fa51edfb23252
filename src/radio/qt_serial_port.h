// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "serial_port.h"

#include <QSerialPort>

namespace quorlink {

class QtSerialPort : public SerialPort {
public:
    bool Open(const QString& device) override;
    void Close() override;
    bool IsOpen() const override;
    qint64 BytesWaiting() const override;
    QByteArray Read(qint64 maxBytes) override;
    void DiscardInput() override;
    bool Write(const QByteArray& bytes) override;
    Fault Failure() const override;
    bool PermissionDenied() const override;

private:
    QSerialPort port_;
    QString device_;
    QString openFailure_;  // why the last opening failed, in words about the port
};

}  // namespace quorlink
