// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "serial_port.h"

#include <QList>
#include <QSerialPort>
#include <QSocketNotifier>

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
    QString FailureText() const override;
    bool PermissionDenied() const override;
    void Doze(bool on) override;

private:
    QSerialPort port_;
    QString device_;
    QString openFailure_;      // why the last opening failed, in words about the port
    QString openFailureText_;  // the same in the user's language
    QList<QSocketNotifier*> dozing_;  // the port's read notifiers held off
};

}  // namespace quorlink
