// SPDX-License-Identifier: GPL-3.0-or-later
#include "serial_link.h"

#include "error_log.h"
#include "frame.h"
#include "model.h"
#include "open_failure.h"
#include "serial_port.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>

namespace quorlink {

namespace {

struct SerialLinkTexts {
    Q_DECLARE_TR_FUNCTIONS(SerialLinkTexts)
};

// One byte at 9600 baud, 8N1: the slowest this line ever carries.
constexpr qint64 kLineByteUs = 1000000 * 10 / 9600;
constexpr qint64 kWokenBytes = 3;
}  // namespace

// Deadlines run on a monotonic clock; "later" is strictly later. A turn is
// judged by the time it began: the window's events it ran may include a
// modal box (Help) that held it for minutes while the radio answered, and a
// byte that came meanwhile is not late.
class SerialLink::Deadline {
public:
    explicit Deadline(int timeoutMs) : timeoutMs_(timeoutMs) { clock_.start(); }
    void StartTurn() { turnStart_ = clock_.elapsed(); }
    qint64 MsLeft() const { return timeoutMs_ - clock_.elapsed(); }
    bool Passed() const { return turnStart_ > timeoutMs_; }

private:
    QElapsedTimer clock_;
    qint64 timeoutMs_;
    qint64 turnStart_ = 0;
};

SerialLink::SerialLink(SerialPort& port, Model& model, const ErrorLog& log)
    : port_(port), model_(model), log_(log)
{
    turnTimer_.setSingleShot(true);
    turnTimer_.setTimerType(Qt::PreciseTimer);
}

bool SerialLink::PortOpen()
{
    if (port_.IsOpen())
        return true;
    portFault_ = {};
    portFaultText_.clear();
    const PortTarget target = Target();
    if (!target.device.isEmpty() && port_.Open(DeviceToOpen(target.device))) {
        openFailure_.clear();
        bytesReceived_ = 0;
        return true;
    }
    Fault fault = port_.Failure();
    QString reason = port_.FailureText();
    if (target.device.isEmpty()) {
        fault = Fault{1, "No serial port for " + target.label.toStdString()};
        reason = SerialLinkTexts::tr("No serial port for %1").arg(target.label);
    }
    const QStringList causes = CauseLines(target, LookAtDevice(target.device), port_.PermissionDenied());
    openFailure_ = OpenFailureText(target, reason, causes);
    log_.Write(model_.DiagnosticMode, QStringLiteral("frmRadio.PortOpen"), fault);
    return false;
}

PortTarget SerialLink::Target() const
{
    const PortChoice choice = override_ ? *override_ : PortChoice{model_.PortNumber, {}};
    return ResolvePort(choice, stored_, choice.number > 0 ? ports_->Ports() : QList<PortInfo>());
}

void SerialLink::ClosePort() { port_.Close(); }

bool SerialLink::UnaskedBytes()
{
    // Bytes the system holds reach the port's buffer only as events run.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return port_.BytesWaiting() > 0;
}

void SerialLink::Send(const QByteArray& bytes)
{
    if (!port_.Write(bytes) && !portFault_) {
        TakePortFailure();
        if (!portFault_) {
            portFault_ = Fault{7, "The serial port did not take the bytes"};
            portFaultText_ = SerialLinkTexts::tr("The serial port did not take the bytes");
        }
    }
}

void SerialLink::TakePortFailure()
{
    if (portFault_)
        return;
    portFault_ = port_.Failure();
    if (portFault_)
        portFaultText_ = port_.FailureText();
}

void SerialLink::Turn(Deadline& deadline, bool mayBlock, qint64 restMs)
{
    deadline.StartTurn();
    QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents;
    if (mayBlock) {
        // A blocking turn also wakes when the deadline passes, so that it is
        // judged then and not a tick later.
        const qint64 bound = restMs > 0 ? restMs : turnBoundMs_;
        turnTimer_.start(static_cast<int>(std::clamp<qint64>(deadline.MsLeft() + 1, 0, bound)));
        flags |= QEventLoop::WaitForMoreEvents;
    }
    // The rest of a frame is on its way: sleep through the time it needs on
    // the line instead of waking for each byte, then take it in at once.
    const bool doze = mayBlock && restMs > 0;
    if (doze)
        port_.Doze(true);
    QCoreApplication::processEvents(flags);
    if (doze) {
        port_.Doze(false);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    turnTimer_.stop();
    if (cancelCheck_ && cancelCheck_())
        state_.CancelFlag = true;
}

std::optional<WaitResult> SerialLink::Interruption(const Deadline& deadline)
{
    TakePortFailure();
    if (portFault_)
        return WaitResult::PortFault;
    if (state_.CancelFlag)
        return WaitResult::Cancelled;
    if (deadline.Passed())
        return WaitResult::TimedOut;
    return std::nullopt;
}

WaitResult SerialLink::WaitByte(std::uint8_t expected, int timeoutMs)
{
    return NextByte(expected, timeoutMs, true);
}

WaitResult SerialLink::TakeByte(std::uint8_t expected, int timeoutMs)
{
    return NextByte(expected, timeoutMs, false);
}

WaitResult SerialLink::TakeAnyByte(std::uint8_t& byte, int timeoutMs)
{
    return NextByte(std::nullopt, timeoutMs, false, &byte);
}

// Without an expected byte, the first byte that comes is taken.
WaitResult SerialLink::NextByte(std::optional<std::uint8_t> expected, int timeoutMs, bool dropOthers,
                                std::uint8_t* taken)
{
    if (portFault_)
        return WaitResult::PortFault;
    Deadline deadline(timeoutMs);
    std::optional<std::uint8_t> last;
    for (;;) {
        Turn(deadline, port_.BytesWaiting() == 0);
        if (port_.BytesWaiting() > 0) {
            last = static_cast<std::uint8_t>(port_.Read(1).at(0));
            ++bytesReceived_;
        }
        if (const std::optional<WaitResult> end = Interruption(deadline))
            return *end;
        if (last && taken)
            *taken = *last;
        if (last && (!expected || last == expected))
            return WaitResult::Done;
        if (last && !dropOthers)
            return WaitResult::Unasked;
    }
}

WaitResult SerialLink::ReceiveFrame(QByteArray& buffer, int timeoutMs)
{
    state_.CancelFlag = false;
    if (portFault_)
        return WaitResult::PortFault;
    const qint64 count = buffer.size();
    Deadline deadline(timeoutMs);
    for (;;) {
        const qint64 missing = count - port_.BytesWaiting();
        // The last few bytes wake the wait as they come, so that it ends on time.
        Turn(deadline, missing > 0, std::max<qint64>(missing - kWokenBytes, 0) * kLineByteUs / 1000);
        if (port_.BytesWaiting() >= count)
            break;
        if (const std::optional<WaitResult> end = Interruption(deadline))
            return *end;
    }
    // Whatever follows the frame stays waiting: the caller judges it.
    const QByteArray frame = port_.Read(count);
    bytesReceived_ += frame.size();
    std::copy(frame.begin(), frame.end() - 1, buffer.begin());
    if (static_cast<std::uint8_t>(frame.back()) != CR)
        return WaitResult::BadEnd;
    return WaitResult::Done;
}

}  // namespace quorlink
