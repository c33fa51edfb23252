// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone_protocol.h"

#include "error_log.h"
#include "frame.h"
#include "model.h"
#include "serial_link.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <vector>

namespace quorlink {

// The title of an operation's messages and the source of its log lines.
struct OperationInfo {
    std::string title;
    QString source;
};

namespace {

const OperationInfo kModelCheck{"Model Check", QStringLiteral("frmRadio.ReadDataChkModel")};
const OperationInfo kRead{"Read from Radio", QStringLiteral("frmRadio.ReadData")};
const OperationInfo kWrite{"Program to Radio", QStringLiteral("frmRadio.WriteData")};
const OperationInfo kReadBeforeWrite{"Program to Radio", QStringLiteral("frmRadio.ReadBeforeWrite")};
const OperationInfo kOwnMmsi{"Program to Radio", QStringLiteral("frmRadio.ReadOwnMmsi")};
const OperationInfo kClear{"Clear Data", QStringLiteral("frmRadio.ClearData")};
const OperationInfo kClearCheck{"Clear Data", QStringLiteral("frmRadio.VerifyClear")};

const std::string kCommunicationError = "Communication Error!!";

}  // namespace

int BlockProgress(int address)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(address) / (kImageSize - 1) * 100.0));
}

CloneProtocol::CloneProtocol(SerialLink& link, TransferHooks hooks) : link_(link), hooks_(std::move(hooks))
{
    link_.SetCancelCheck(hooks_.cancelRequested);
}

namespace {

// Blocks between two markers: 18 bytes of proof every 32 blocks, about 1 % of a read.
constexpr int kSpanBlocks = 32;
// Markers sent to bring the line back before the run is given up.
constexpr int kMarkerAttempts = 3;
// Where a marker reads; a block read starts its block.
constexpr int kMarkerAddress = addr::Marker / kBlockSize * kBlockSize;

}  // namespace

CloneProtocol::Asked CloneProtocol::Ask(const QByteArray& request, const std::function<bool()>& takeReply,
                                        Sending sending)
{
    TransferState& state = link_.state();
    state.ErrorFlag = true;
    state.CancelFlag = false;
    // Bytes before the request answer nothing it asks: a reply came late or twice.
    if (link_.UnaskedBytes())
        return Asked::OutOfStep;
    link_.Send(request);
    if (sending == Sending::Write)
        ++writeFramesSent_;
    if (sending == Sending::Marker)
        ++pendingMarkers_;
    const bool answered = takeReply();
    if (state.CancelFlag || link_.PortFault())
        return Asked::Stopped;
    return answered ? Asked::Answered : Asked::OutOfStep;
}

bool CloneProtocol::Proven(int count, const Step& step, Command marker)
{
    TransferState& state = link_.state();
    // Failures charged to each request of the span, the marker last.
    std::vector<int> failures(static_cast<std::size_t>(count) + 1, 0);
    pendingMarkers_ = 0;  // a span begins in step, or right after the port opened
    for (;;) {
        int at = 0;
        Asked asked = Asked::Answered;
        while (at < count && (asked = step(at)) == Asked::Answered)
            ++at;
        if (asked == Asked::Answered)
            asked = AskMarker(marker);
        if (asked == Asked::Answered)
            return true;
        state.ErrorFlag = true;
        if (asked == Asked::Stopped || ++failures[static_cast<std::size_t>(at)] > RetryCount)
            return false;
        if (!BackInStep(marker))
            return false;
    }
}

bool CloneProtocol::BackInStep(Command marker)
{
    TransferState& state = link_.state();
    for (int attempt = 0; attempt < kMarkerAttempts; ++attempt) {
        link_.Send(QByteArray(1, char(CAN)));
        Pause(Timings.retryPauseMs);
        state.ErrorFlag = true;
        state.CancelFlag = false;
        link_.Send(BuildRequest(marker, kMarkerAddress));
        ++pendingMarkers_;
        bool heard = false;
        const WaitResult result = AwaitMarker(marker, heard);
        if (result == WaitResult::Done)
            return true;
        // A line that stays silent has nothing to get out of step with: asking
        // it again would only keep the user waiting.
        if (result == WaitResult::Cancelled || result == WaitResult::PortFault || link_.PortFault() || !heard)
            break;
        pendingMarkers_ = 0;  // none came: taken for lost, the next is asked afresh
    }
    state.ErrorFlag = true;
    return false;
}

// Everything before the last marker's reply is dropped: late replies,
// copies, the rest of a broken frame, and the replies to earlier markers,
// which look the same and are counted off. Every SOH starts a frame afresh,
// so that a short frame never swallows the start of the marker's.
WaitResult CloneProtocol::AwaitMarker(Command marker, bool& heard)
{
    QElapsedTimer clock;
    clock.start();
    const int size = 1 + 2 + 2 * ReplyDataBytes(marker) + 2 + 1;
    QByteArray frame;
    for (;;) {
        std::uint8_t byte = 0;
        const int left = Timings.replyTimeoutMs + Timings.frameTimeoutMs - static_cast<int>(clock.elapsed());
        if (const WaitResult result = link_.TakeAnyByte(byte, left); result != WaitResult::Done)
            return result;
        heard = true;
        if (byte == SOH)
            frame.clear();
        frame += char(byte);
        if (frame.size() == size && frame.front() == char(SOH) && byte == CR && CheckReply(frame.mid(1)) == marker &&
            --pendingMarkers_ <= 0) {
            pendingMarkers_ = 0;
            link_.state().ErrorFlag = false;
            return WaitResult::Done;
        }
        if (frame.size() >= size)
            frame.clear();
    }
}

bool CloneProtocol::TakeDataReply(Image& target, int address, int command)
{
    TransferState& state = link_.state();
    state.ErrorFlag = true;
    state.CancelFlag = false;
    if (link_.TakeByte(SOH, Timings.replyTimeoutMs) != WaitResult::Done)
        return false;
    const int dataBytes = ReplyDataBytes(static_cast<Command>(command));
    QByteArray buffer(2 + 2 * dataBytes + 2 + 1, '\0');
    if (link_.ReceiveFrame(buffer, Timings.frameTimeoutMs) != WaitResult::Done)
        return false;
    state.ErrorFlag = true;
    if (CheckReply(buffer) != command)
        return false;
    // The checksum does not vouch for the digits themselves: a pair that is
    // not hex spoils the reply instead of landing in the image as garbage.
    std::uint8_t data[kBlockSize];
    for (int i = 0; i < dataBytes; ++i) {
        const int value = HexToByte(buffer.at(2 + 2 * i), buffer.at(3 + 2 * i));
        if (value < 0)
            return false;
        data[i] = static_cast<std::uint8_t>(value);
    }
    for (int i = 0; i < dataBytes && address + i < kImageSize; ++i)
        target[address + i] = data[i];
    state.ErrorFlag = false;
    return true;
}

// Acknowledgements are single bytes that cannot be told apart: only the
// marker after them proves that each write got its own.
bool CloneProtocol::TakeAck()
{
    TransferState& state = link_.state();
    state.ErrorFlag = true;
    state.CancelFlag = false;
    if (link_.TakeByte(ACK, Timings.replyTimeoutMs) != WaitResult::Done)
        return false;
    state.ErrorFlag = false;
    return true;
}

CloneProtocol::Asked CloneProtocol::AskReadBlock(Image& target, int address)
{
    return Ask(BuildRequest(ReadBlockCommand, address),
               [&] { return TakeDataReply(target, address, ReadBlockCommand); });
}

CloneProtocol::Asked CloneProtocol::AskReadByte(Image& target, int address)
{
    return Ask(BuildRequest(ReadByteCommand, address),
               [&] { return TakeDataReply(target, address, ReadByteCommand); });
}

CloneProtocol::Asked CloneProtocol::AskWriteBlock(int address)
{
    const Image& image = link_.model().MemoryImage;
    const int count = std::min(kBlockSize, kImageSize - address);
    return Ask(BuildRequest(WriteBlockCommand, address, image.data() + address, count), [this] { return TakeAck(); },
               Sending::Write);
}

CloneProtocol::Asked CloneProtocol::AskWriteByte(int address)
{
    const Image& image = link_.model().MemoryImage;
    return Ask(BuildRequest(WriteByteCommand, address, image.data() + address, 1), [this] { return TakeAck(); },
               Sending::Write);
}

CloneProtocol::Asked CloneProtocol::AskMarker(Command marker)
{
    Image scratch{};
    return Ask(BuildRequest(marker, kMarkerAddress), [&] {
        if (!TakeDataReply(scratch, kMarkerAddress, marker))
            return false;
        pendingMarkers_ = 0;
        return true;
    }, Sending::Marker);
}

CloneProtocol::Asked CloneProtocol::WriteSingles(int first, int last)
{
    Asked asked = Asked::Answered;
    for (int address = first; address <= last && asked == Asked::Answered; ++address)
        asked = AskWriteByte(address);
    return asked;
}

void CloneProtocol::ReadBlock(Image& target, int address)
{
    Proven(1, [&](int) { return AskReadBlock(target, address); }, ReadByteCommand);
}

void CloneProtocol::ReadByte(Image& target, int address)
{
    Proven(1, [&](int) { return AskReadByte(target, address); }, ReadBlockCommand);
}

void CloneProtocol::WriteBlock(int address)
{
    Proven(1, [&](int) { return AskWriteBlock(address); }, ReadByteCommand);
}

void CloneProtocol::WriteByte(int address)
{
    Proven(1, [&](int) { return AskWriteByte(address); }, ReadByteCommand);
}

Outcome CloneProtocol::ReadDataChkModel()
{
    if (!link_.PortOpen())
        return OpenFailed(kModelCheck);
    TransferState& state = link_.state();
    state.ErrorFlag = false;
    Image scratch{};
    const int codeBytes[] = {addr::ModelCodeHead, addr::ModelCodeHead + 1, addr::ModelCodeTail,
                             addr::ModelCodeTail + 1};
    Proven(4, [&](int index) { return AskReadByte(scratch, codeBytes[index]); }, ReadBlockCommand);
    if (link_.PortFault())
        return AfterPortFault(kModelCheck);
    link_.ClosePort();
    if (state.CancelFlag)
        return Ended();
    if (state.ErrorFlag)
        return Ended().Say(kModelCheck.title, kCommunicationError, MessageIcon::Critical);
    if (!ModelCodeMatches(link_.model(), HeadCode(scratch), TailCode(scratch))) {
        state.ErrorFlag = true;
        return Ended().Say(kRead.title, "ModelName Error !!", MessageIcon::Critical);
    }
    return Ended();
}

Outcome CloneProtocol::ReadData(Image& target)
{
    return RunBlocks(kRead, [&](int address) { return AskReadBlock(target, address); });
}

Outcome CloneProtocol::ReadBeforeWrite(Image& target)
{
    return RunBlocks(kReadBeforeWrite, [&](int address) { return AskReadBlock(target, address); });
}

void CloneProtocol::AnnouncePass(const QString& pass) const
{
    if (hooks_.pass)
        hooks_.pass(pass);
}

Outcome CloneProtocol::WriteData()
{
    return RunBlocks(kWrite, [this](int address) {
        const BlockPlan plan = WritePlanOf(address);
        if (plan.how == BlockWrite::Tail)
            return WriteSingles(plan.firstByte, plan.lastByte);
        if (plan.how == BlockWrite::Whole)
            return AskWriteBlock(address);
        return Asked::Answered;
    });
}

Outcome CloneProtocol::ReadBackWritten(Image& target, BlockSet& taken)
{
    taken.reset();
    return RunBlocks(kWrite, [&](int address) {
        if (WritePlanOf(address).how == BlockWrite::Never)
            return Asked::Answered;
        const Asked asked = AskReadBlock(target, address);
        if (asked == Asked::Answered)
            taken.set(static_cast<std::size_t>(address / kBlockSize));
        return asked;
    });
}

Outcome CloneProtocol::ReadBackCleared(Image& target)
{
    return ReadOne(kClearCheck, target, addr::UserMmsiCount, ReadByteCommand);
}

Outcome CloneProtocol::ClearData()
{
    if (!link_.PortOpen())
        return OpenFailed(kClear);
    Progress(0);
    Proven(1, [this](int) { return AskWriteByte(addr::UserMmsiCount); }, ReadByteCommand);
    if (link_.PortFault())
        return AfterPortFault(kClear);
    link_.ClosePort();
    const TransferState& state = link_.state();
    if (!state.CancelFlag && !state.ErrorFlag)
        Progress(100);
    return Reported(kClear);
}

Outcome CloneProtocol::ReadOwnMmsiBlock(Image& target)
{
    return ReadOne(kOwnMmsi, target, addr::UserMmsid / kBlockSize * kBlockSize, ReadBlockCommand);
}

// One exchange on a port of its own; a failure is said under the operation's title.
Outcome CloneProtocol::ReadOne(const OperationInfo& operation, Image& target, int address, int command)
{
    if (!link_.PortOpen())
        return OpenFailed(operation);
    if (command == ReadBlockCommand)
        Proven(1, [&](int) { return AskReadBlock(target, address); }, ReadByteCommand);
    else
        Proven(1, [&](int) { return AskReadByte(target, address); }, ReadBlockCommand);
    if (link_.PortFault())
        return AfterPortFault(operation);
    link_.ClosePort();
    const TransferState& state = link_.state();
    if (!state.CancelFlag && state.ErrorFlag)
        return Ended().Say(operation.title, kCommunicationError, MessageIcon::Critical);
    return Ended();
}

Outcome CloneProtocol::RunBlocks(const OperationInfo& operation, const std::function<Asked(int address)>& step)
{
    if (!link_.PortOpen())
        return OpenFailed(operation);
    Progress(0);
    constexpr int kSpanBytes = kSpanBlocks * kBlockSize;
    for (int first = 0; first < kImageSize; first += kSpanBytes) {
        const int blocks = std::min(kSpanBlocks, (kImageSize - first) / kBlockSize);
        const bool proven = Proven(blocks, [&](int index) {
            const int address = first + index * kBlockSize;
            Progress(BlockProgress(address));
            return step(address);
        }, ReadByteCommand);
        if (!proven)
            break;
    }
    if (link_.PortFault())
        return AfterPortFault(operation);
    link_.ClosePort();
    return Reported(operation);
}

// Without this message the user would be left with a dialog that does nothing.
Outcome CloneProtocol::OpenFailed(const OperationInfo& operation)
{
    link_.state().ErrorFlag = true;
    return Ended().Say(operation.title, kCommunicationError + "\n" + link_.OpenFailure().toStdString(),
                       MessageIcon::Critical);
}

Outcome CloneProtocol::AfterPortFault(const OperationInfo& operation)
{
    const Fault fault = link_.PortFault();
    link_.log().Write(link_.model().DiagnosticMode, operation.source, fault);
    // Also ErrorFlag, so that a run which only looks at ErrorFlag after the
    // model check does not go on as if the check had passed.
    TransferState& state = link_.state();
    state.CancelFlag = true;
    state.ErrorFlag = true;
    link_.ClosePort();
    // A pulled cable is a communication error like any other, with the system's reason.
    return Ended().Say(operation.title, kCommunicationError + "\n" + fault.description, MessageIcon::Critical);
}

Outcome CloneProtocol::Reported(const OperationInfo& operation)
{
    const TransferState& state = link_.state();
    if (state.CancelFlag)
        return Ended();
    if (state.ErrorFlag)
        return Ended().Say(operation.title, kCommunicationError, MessageIcon::Critical);
    Pause(Timings.settlePauseMs);
    return Ended();
}

Outcome CloneProtocol::Ended() const { return quorlink::Ended(link_.state()); }

void CloneProtocol::Progress(int percent) const
{
    if (hooks_.progress)
        hooks_.progress(percent);
}

void CloneProtocol::Pause(int milliseconds) const
{
    if (milliseconds > 0 && hooks_.pause)
        hooks_.pause(milliseconds);
}

}  // namespace quorlink
