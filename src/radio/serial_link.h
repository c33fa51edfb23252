// SPDX-License-Identifier: GPL-3.0-or-later
// The five primitives the clone protocol runs on: open, close, flush, send,
// and the two waits. The waits run on the window's thread: every turn lets
// pending window events run (so Cancel can be pressed), then looks at the
// port. A turn sleeps until a byte or an event arrives, at most a few ms, so
// a wait neither freezes the window nor spins a core.
#pragma once

#include "fault.h"
#include "port_names.h"
#include "transfer_state.h"

#include <QByteArray>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

namespace quorlink {

class ErrorLog;
class SerialPort;
struct Model;

enum class WaitResult : int {
    Done = 0,       // byte found, or frame complete
    Cancelled = 1,
    PortFault = 2,  // the open port failed (device gone); PortFault() says why
    TimedOut = 3,
    Unasked = 4,    // another byte came first: the line is out of step
    BadEnd = -1,    // a frame whose last byte is not CR
};

class SerialLink {
public:
    SerialLink(SerialPort& port, Model& model, const ErrorLog& log);

    Model& model() const { return model_; }
    const ErrorLog& log() const { return log_; }
    TransferState& state() { return state_; }
    const TransferState& state() const { return state_; }

    // Opens this port instead of the model's PortNumber (the command line).
    void UsePort(const PortChoice& choice) { override_ = choice; }
    // Where a port number finds its device: the devices stored for COM1..COM4
    // and the ports present (the system's unless given). The list must outlive the link.
    void UseDevices(StoredDevices stored, const PortList* ports = nullptr)
    {
        stored_ = std::move(stored);
        ports_ = ports ? ports : &systemPorts_;
    }
    // Asked on every turn of a wait after the window's events ran; true
    // raises CancelFlag, as the Cancel button does.
    void SetCancelCheck(std::function<bool()> check) { cancelCheck_ = std::move(check); }
    // Longest sleep of one turn of a wait: how soon a cancel check is asked.
    void SetTurnBound(int milliseconds) { turnBoundMs_ = milliseconds; }

    // True when already open. A failure is logged ("frmRadio.PortOpen") and
    // described by OpenFailure().
    bool PortOpen();
    void ClosePort();
    // Bytes have come that no reply taken so far accounts for.
    bool UnaskedBytes();
    void Send(const QByteArray& bytes);
    // Drops every byte before the expected one.
    WaitResult WaitByte(std::uint8_t expected, int timeoutMs);
    // The next byte, which must be the expected one: Unasked (the byte is
    // consumed) when another comes first.
    WaitResult TakeByte(std::uint8_t expected, int timeoutMs);
    // The next byte, whatever it is.
    WaitResult TakeAnyByte(std::uint8_t& byte, int timeoutMs);
    // Waits for buffer.size() bytes; copies all but the last into the
    // buffer. Clears CancelFlag at entry; Done only when the frame ends with CR.
    WaitResult ReceiveFrame(QByteArray& buffer, int timeoutMs);

    QString OpenFailure() const { return openFailure_; }
    // The port an opening tries now: the name the user knows and its device.
    PortTarget Target() const;
    // The ports present, as the link looks them up.
    const PortList& Ports() const { return *ports_; }
    // Bytes taken from the port since it last opened: none means nothing answered.
    qint64 BytesReceived() const { return bytesReceived_; }
    // Set when the open port fails under a transfer; cleared by PortOpen.
    // Its words are English, for the error log; PortFaultText is what the user reads.
    const Fault& PortFault() const { return portFault_; }
    QString PortFaultText() const { return portFaultText_; }

private:
    class Deadline;

    // Runs the window's events; the deadline is then judged by the time the turn began.
    // restMs: how long the rest of an awaited frame still needs on the line.
    void Turn(Deadline& deadline, bool mayBlock, qint64 restMs = 0);
    // Why a wait must end whatever it waits for: the port failed, Cancel, or
    // the deadline, tested in this order (a cancel wins over a time-out).
    std::optional<WaitResult> Interruption(const Deadline& deadline);
    // Takes the port's failure, when it has one and none is kept yet.
    void TakePortFailure();
    WaitResult NextByte(std::optional<std::uint8_t> expected, int timeoutMs, bool dropOthers,
                        std::uint8_t* taken = nullptr);

    SerialPort& port_;
    Model& model_;
    const ErrorLog& log_;
    TransferState state_;
    std::optional<PortChoice> override_;
    StoredDevices stored_;
    SystemPortList systemPorts_;
    const PortList* ports_ = &systemPorts_;
    std::function<bool()> cancelCheck_;
    QTimer turnTimer_;
    // A cancel check is asked this often; bytes and window events wake a wait at once.
    int turnBoundMs_ = 20;
    QString openFailure_;
    Fault portFault_;
    QString portFaultText_;
    qint64 bytesReceived_ = 0;
};

}  // namespace quorlink
