// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone_protocol.h"

#include "error_log.h"
#include "frame.h"
#include "model.h"
#include "serial_link.h"

#include <cmath>

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

// Replies carry no address: request and reply stay in step only while
// every reply answers the request just sent. Bytes no request asked for, or
// bytes behind a reply, mean an earlier answer came late or twice; the line
// is then left to fall quiet, everything on it is dropped and the request
// is asked again, so that no block is ever taken for another.
void CloneProtocol::Exchange(const QByteArray& request, const std::function<void()>& takeReply)
{
    TransferState& state = link_.state();
    for (int attempt = 0; attempt <= RetryCount; ++attempt) {
        state.ErrorFlag = true;
        state.CancelFlag = false;
        if ((attempt > 0 || link_.UnaskedBytes()) && !BackInStep())
            return;
        if (attempt > 0) {
            link_.Send(QByteArray(1, char(CAN)));
            Pause(Timings.retryPauseMs);
        }
        link_.Send(request);
        takeReply();
        if (state.CancelFlag || link_.PortFault())
            return;
        if (!state.ErrorFlag && !link_.UnaskedBytes())
            return;
        state.ErrorFlag = true;
    }
}

bool CloneProtocol::BackInStep()
{
    if (link_.DiscardUntilQuiet(Timings.quietMs, Timings.replyTimeoutMs) == WaitResult::Done)
        return true;
    link_.state().ErrorFlag = true;
    return false;
}

void CloneProtocol::TakeDataReply(Image& target, int address, int command)
{
    TransferState& state = link_.state();
    state.ErrorFlag = true;
    state.CancelFlag = false;
    if (link_.WaitByte(SOH, Timings.replyTimeoutMs) != WaitResult::Done)
        return;
    const int dataBytes = ReplyDataBytes(static_cast<Command>(command));
    QByteArray buffer(2 + 2 * dataBytes + 2 + 1, '\0');
    if (link_.ReceiveFrame(buffer, Timings.frameTimeoutMs) != WaitResult::Done)
        return;
    state.ErrorFlag = true;
    if (CheckReply(buffer) != command)
        return;
    // The checksum does not vouch for the digits themselves: a pair that is
    // not hex spoils the reply instead of landing in the image as garbage.
    std::uint8_t data[kBlockSize];
    for (int i = 0; i < dataBytes; ++i) {
        const int value = HexToByte(buffer.at(2 + 2 * i), buffer.at(3 + 2 * i));
        if (value < 0)
            return;
        data[i] = static_cast<std::uint8_t>(value);
    }
    for (int i = 0; i < dataBytes && address + i < kImageSize; ++i)
        target[address + i] = data[i];
    state.ErrorFlag = false;
}

void CloneProtocol::TakeAck()
{
    TransferState& state = link_.state();
    state.ErrorFlag = true;
    state.CancelFlag = false;
    if (link_.WaitByte(ACK, Timings.replyTimeoutMs) == WaitResult::Done)
        state.ErrorFlag = false;
}

void CloneProtocol::ReadBlock(Image& target, int address)
{
    Exchange(BuildRequest(ReadBlockCommand, address),
             [&] { TakeDataReply(target, address, ReadBlockCommand); });
}

void CloneProtocol::ReadByte(Image& target, int address)
{
    Exchange(BuildRequest(ReadByteCommand, address), [&] { TakeDataReply(target, address, ReadByteCommand); });
}

void CloneProtocol::WriteBlock(int address)
{
    const Image& image = link_.model().MemoryImage;
    const int count = std::min(kBlockSize, kImageSize - address);
    ++writeFramesSent_;
    Exchange(BuildRequest(WriteBlockCommand, address, image.data() + address, count), [this] { TakeAck(); });
}

void CloneProtocol::WriteByte(int address)
{
    const Image& image = link_.model().MemoryImage;
    ++writeFramesSent_;
    Exchange(BuildRequest(WriteByteCommand, address, image.data() + address, 1), [this] { TakeAck(); });
}

void CloneProtocol::WriteSingles(int first, int last)
{
    for (int address = first; address <= last; ++address) {
        WriteByte(address);
        if (Stopped())
            return;
    }
}

bool CloneProtocol::Stopped() const
{
    const TransferState& state = link_.state();
    return state.ErrorFlag || state.CancelFlag || link_.PortFault();
}

Outcome CloneProtocol::ReadDataChkModel()
{
    if (!link_.PortOpen())
        return OpenFailed(kModelCheck);
    TransferState& state = link_.state();
    state.ErrorFlag = false;
    Image scratch{};
    for (int address : {addr::ModelCodeHead, addr::ModelCodeHead + 1, addr::ModelCodeTail,
                        addr::ModelCodeTail + 1}) {
        ReadByte(scratch, address);
        if (Stopped())
            break;
    }
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
    return RunBlocks(kRead, [&](int address) { ReadBlock(target, address); });
}

Outcome CloneProtocol::ReadBeforeWrite(Image& target)
{
    return RunBlocks(kReadBeforeWrite, [&](int address) { ReadBlock(target, address); });
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
            WriteSingles(plan.firstByte, plan.lastByte);
        else if (plan.how == BlockWrite::Whole)
            WriteBlock(address);
    });
}

Outcome CloneProtocol::ReadBackWritten(Image& target, BlockSet& taken)
{
    taken.reset();
    return RunBlocks(kWrite, [&](int address) {
        if (WritePlanOf(address).how == BlockWrite::Never)
            return;
        ReadBlock(target, address);
        if (!Stopped())
            taken.set(static_cast<std::size_t>(address / kBlockSize));
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
    WriteByte(addr::UserMmsiCount);
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
        ReadBlock(target, address);
    else
        ReadByte(target, address);
    if (link_.PortFault())
        return AfterPortFault(operation);
    link_.ClosePort();
    const TransferState& state = link_.state();
    if (!state.CancelFlag && state.ErrorFlag)
        return Ended().Say(operation.title, kCommunicationError, MessageIcon::Critical);
    return Ended();
}

Outcome CloneProtocol::RunBlocks(const OperationInfo& operation, const BlockStep& step)
{
    if (!link_.PortOpen())
        return OpenFailed(operation);
    Progress(0);
    for (int address = 0; address < kImageSize; address += kBlockSize) {
        Progress(BlockProgress(address));
        step(address);
        if (Stopped())
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
