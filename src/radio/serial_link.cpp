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

constexpr int kDefaultTurnBoundMs = 5;
// One byte at 9600 baud, 8N1: the slowest this line ever carries.
constexpr qint64 kLineByteNs = 1'000'000'000LL * 10 / 9600;
// A reply cannot start before the radio has the whole request; allow a
// quarter for clocks that disagree.
constexpr qint64 kSoonestShare = 4;

// Keeps the turn timer running for one wait, so that a blocking turn wakes
// at least every few milliseconds.
class TurnTicks {
public:
    explicit TurnTicks(QTimer& timer) : timer_(timer) { timer_.start(); }
    ~TurnTicks() { timer_.stop(); }

private:
    QTimer& timer_;
};

}  // namespace

// Deadlines run on a monotonic clock; "later" is strictly later. A turn is
// judged by the time it began: the window's events it ran may include a
// modal box (Help) that held it for minutes while the radio answered, and a
// byte that came meanwhile is not late.
class SerialLink::Deadline {
public:
    explicit Deadline(int timeoutMs) : timeoutMs_(timeoutMs) { clock_.start(); }
    void StartTurn() { turnStart_ = clock_.elapsed(); }
    bool Passed() const { return turnStart_ > timeoutMs_; }

private:
    QElapsedTimer clock_;
    qint64 timeoutMs_;
    qint64 turnStart_ = 0;
};

SerialLink::SerialLink(SerialPort& port, Model& model, const ErrorLog& log)
    : port_(port), model_(model), log_(log)
{
    turnTimer_.setInterval(kDefaultTurnBoundMs);
}

bool SerialLink::PortOpen()
{
    if (port_.IsOpen())
        return true;
    portFault_ = {};
    const PortChoice choice = override_ ? *override_ : PortChoice{model_.PortNumber, {}};
    const PortTarget target = ResolvePort(choice, stored_, choice.number > 0 ? ports_->Ports() : QList<PortInfo>());
    if (!target.device.isEmpty() && port_.Open(DeviceToOpen(target.device))) {
        openFailure_.clear();
        return true;
    }
    Fault fault = port_.Failure();
    if (target.device.isEmpty())
        fault = Fault{1, "No serial port for " + target.label.toStdString()};
    const QString reason = QString::fromStdString(fault.description);
    const QStringList causes = CauseLines(target, LookAtDevice(target.device), port_.PermissionDenied());
    openFailure_ = OpenFailureText(target, reason, causes);
    log_.Write(model_.DiagnosticMode, QStringLiteral("frmRadio.PortOpen"), fault);
    return false;
}

void SerialLink::ClosePort() { port_.Close(); }

bool SerialLink::UnaskedBytes()
{
    // Bytes the system holds reach the port's buffer only as events run.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return port_.BytesWaiting() > 0;
}

WaitResult SerialLink::DiscardUntilQuiet(int quietMs, int limitMs)
{
    if (portFault_)
        return WaitResult::PortFault;
    Deadline deadline(limitMs);
    const TurnTicks ticks(turnTimer_);
    QElapsedTimer quiet;
    quiet.start();
    port_.DiscardInput();
    for (;;) {
        Turn(deadline, true);
        if (port_.BytesWaiting() > 0) {
            port_.DiscardInput();
            quiet.restart();
        }
        if (quiet.elapsed() >= quietMs)
            return WaitResult::Done;
        if (const std::optional<WaitResult> end = Interruption(deadline))
            return *end;
    }
}

void SerialLink::Send(const QByteArray& bytes)
{
    sentClock_.start();
    std::array<qint64, 7> known = byteNs_;
    const auto end = known.begin() + static_cast<std::ptrdiff_t>(std::min(byteNsCount_, known.size()));
    qint64 perByte = 0;
    if (end != known.begin()) {
        const auto middle = known.begin() + (end - known.begin()) / 2;
        std::nth_element(known.begin(), middle, end);
        perByte = *middle;
    }
    requestLineNs_ = bytes.size() * perByte;
    if (!port_.Write(bytes) && !portFault_) {
        portFault_ = port_.Failure();
        if (!portFault_)
            portFault_ = Fault{7, "The serial port did not take the bytes"};
    }
}

void SerialLink::Turn(Deadline& deadline, bool mayBlock)
{
    deadline.StartTurn();
    QCoreApplication::processEvents(mayBlock ? QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents
                                             : QEventLoop::AllEvents);
    if (cancelCheck_ && cancelCheck_())
        state_.CancelFlag = true;
}

// A radio answers only a whole request. How long that takes on this line is
// learnt from the replies themselves (a pseudo-terminal carries them at
// once); the median of the last few keeps one slow or split reply from
// setting it.
bool SerialLink::TooSoon() const
{
    return sentClock_.isValid() && sentClock_.nsecsElapsed() * kSoonestShare < requestLineNs_ * (kSoonestShare - 1);
}

void SerialLink::LearnByteTime(qint64 frameNs, qint64 bytes)
{
    if (bytes < 6)
        return;
    byteNs_[byteNsCount_ % byteNs_.size()] = std::min(frameNs / bytes, kLineByteNs);
    ++byteNsCount_;
}

std::optional<WaitResult> SerialLink::Interruption(const Deadline& deadline)
{
    if (!portFault_)
        portFault_ = port_.Failure();
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
    if (portFault_)
        return WaitResult::PortFault;
    Deadline deadline(timeoutMs);
    const TurnTicks ticks(turnTimer_);
    std::uint8_t last = 0;
    for (;;) {
        Turn(deadline, port_.BytesWaiting() == 0);
        if (port_.BytesWaiting() > 0) {
            if (TooSoon()) {
                // Stale bytes, or a line quicker than learnt: the retry
                // that follows learns it afresh.
                byteNsCount_ = 0;
                return WaitResult::OutOfStep;
            }
            last = static_cast<std::uint8_t>(port_.Read(1).at(0));
        }
        if (const std::optional<WaitResult> end = Interruption(deadline))
            return *end;
        if (last == expected) {
            frameStartNs_ = sentClock_.nsecsElapsed();
            return WaitResult::Done;
        }
    }
}

WaitResult SerialLink::ReceiveFrame(QByteArray& buffer, int timeoutMs)
{
    state_.ErrorFlag = true;
    state_.CancelFlag = false;
    if (portFault_)
        return WaitResult::PortFault;
    const qint64 count = buffer.size();
    Deadline deadline(timeoutMs);
    const TurnTicks ticks(turnTimer_);
    for (;;) {
        Turn(deadline, port_.BytesWaiting() < count);
        if (port_.BytesWaiting() >= count)
            break;
        if (const std::optional<WaitResult> end = Interruption(deadline))
            return *end;
    }
    LearnByteTime(sentClock_.nsecsElapsed() - frameStartNs_, count);
    // Whatever follows the frame stays waiting: the caller judges it.
    const QByteArray frame = port_.Read(count);
    std::copy(frame.begin(), frame.end() - 1, buffer.begin());
    if (static_cast<std::uint8_t>(frame.back()) != CR)
        return WaitResult::BadEnd;
    state_.ErrorFlag = false;
    return WaitResult::Done;
}

}  // namespace quorlink
