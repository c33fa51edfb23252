// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone_protocol.h"

#include "error_log.h"
#include "frame.h"
#include "model.h"
#include "prompt.h"
#include "serial_link.h"

#include <cmath>

namespace quorlink {

// The title of an operation's messages and the source of its log lines.
struct OperationInfo {
    QString title;
    QString source;
};

namespace {

const OperationInfo kModelCheck{QStringLiteral("Model Check"), QStringLiteral("frmRadio.ReadDataChkModel")};
const OperationInfo kRead{QStringLiteral("Read from Radio"), QStringLiteral("frmRadio.ReadData")};
const OperationInfo kWrite{QStringLiteral("Program to Radio"), QStringLiteral("frmRadio.WriteData")};
const OperationInfo kReadBeforeWrite{QStringLiteral("Program to Radio"), QStringLiteral("frmRadio.ReadBeforeWrite")};
const OperationInfo kOwnMmsi{QStringLiteral("Program to Radio"), QStringLiteral("frmRadio.ReadOwnMmsi")};
const OperationInfo kClear{QStringLiteral("Clear Data"), QStringLiteral("frmRadio.ClearData")};
const OperationInfo kClearCheck{QStringLiteral("Clear Data"), QStringLiteral("frmRadio.VerifyClear")};

const QString kCommunicationError = QStringLiteral("Communication Error!!");

}  // namespace

int BlockProgress(int address)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(address) / (kImageSize - 1) * 100.0));
}

CloneProtocol::CloneProtocol(SerialLink& link, Prompt& prompt, TransferHooks hooks)
    : link_(link), prompt_(prompt), hooks_(std::move(hooks))
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
    Model& model = link_.model();
    for (int attempt = 0; attempt <= RetryCount; ++attempt) {
        model.ErrorFlag = true;
        model.CancelFlag = false;
        if ((attempt > 0 || link_.UnaskedBytes()) && !BackInStep())
            return;
        if (attempt > 0) {
            link_.Send(QByteArray(1, char(CAN)));
            Pause(Timings.retryPauseMs);
        }
        link_.Send(request);
        takeReply();
        if (model.CancelFlag || link_.PortFault())
            return;
        if (!model.ErrorFlag && !link_.UnaskedBytes())
            return;
        model.ErrorFlag = true;
    }
}

bool CloneProtocol::BackInStep()
{
    if (link_.DiscardUntilQuiet(Timings.quietMs, Timings.replyTimeoutMs) == WaitResult::Done)
        return true;
    link_.model().ErrorFlag = true;
    return false;
}

void CloneProtocol::TakeDataReply(Image& target, int address, int command)
{
    Model& model = link_.model();
    model.ErrorFlag = true;
    model.CancelFlag = false;
    if (link_.WaitByte(SOH, Timings.replyTimeoutMs) != WaitResult::Done)
        return;
    const int dataBytes = ReplyDataBytes(static_cast<Command>(command));
    QByteArray buffer(2 + 2 * dataBytes + 2 + 1, '\0');
    if (link_.ReceiveFrame(buffer, Timings.frameTimeoutMs) != WaitResult::Done)
        return;
    model.ErrorFlag = true;
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
    model.ErrorFlag = false;
}

void CloneProtocol::TakeAck()
{
    Model& model = link_.model();
    model.ErrorFlag = true;
    model.CancelFlag = false;
    if (link_.WaitByte(ACK, Timings.replyTimeoutMs) == WaitResult::Done)
        model.ErrorFlag = false;
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
    const Model& model = link_.model();
    return model.ErrorFlag || model.CancelFlag || link_.PortFault();
}

void CloneProtocol::ReadDataChkModel()
{
    Model& model = link_.model();
    if (!OpenPort(kModelCheck))
        return;
    model.ErrorFlag = false;
    Image scratch{};
    for (int address : {addr::ModelCodeHead, addr::ModelCodeHead + 1, addr::ModelCodeTail,
                        addr::ModelCodeTail + 1}) {
        ReadByte(scratch, address);
        if (Stopped())
            break;
    }
    if (EndAfterPortFault(kModelCheck))
        return;
    link_.ClosePort();
    if (model.CancelFlag)
        return;
    if (model.ErrorFlag) {
        prompt_.Message(kModelCheck.title, kCommunicationError, MessageIcon::Critical);
        return;
    }
    if (!ModelCodeMatches(model, HeadCode(scratch), TailCode(scratch))) {
        model.ErrorFlag = true;
        prompt_.Message(kRead.title, QStringLiteral("ModelName Error !!"), MessageIcon::Critical);
    }
}

void CloneProtocol::ReadData(Image& target)
{
    RunBlocks(kRead, [&](int address) { ReadBlock(target, address); });
}

void CloneProtocol::ReadBeforeWrite(Image& target)
{
    RunBlocks(kReadBeforeWrite, [&](int address) { ReadBlock(target, address); });
}

void CloneProtocol::AnnouncePass(const QString& pass) const
{
    if (hooks_.pass)
        hooks_.pass(pass);
}

void CloneProtocol::WriteData()
{
    RunBlocks(kWrite, [this](int address) {
        const BlockPlan plan = WritePlanOf(address);
        if (plan.how == BlockWrite::Tail)
            WriteSingles(plan.firstByte, plan.lastByte);
        else if (plan.how == BlockWrite::Whole)
            WriteBlock(address);
    });
}

void CloneProtocol::ReadBackWritten(Image& target, BlockSet& taken)
{
    taken.reset();
    RunBlocks(kWrite, [&](int address) {
        if (WritePlanOf(address).how == BlockWrite::Never)
            return;
        ReadBlock(target, address);
        if (!Stopped())
            taken.set(static_cast<std::size_t>(address / kBlockSize));
    });
}

void CloneProtocol::ReadBackCleared(Image& target)
{
    ReadOne(kClearCheck, target, addr::UserMmsiCount, ReadByteCommand);
}

void CloneProtocol::ClearData()
{
    Model& model = link_.model();
    if (!OpenPort(kClear))
        return;
    Progress(0);
    WriteByte(addr::UserMmsiCount);
    if (EndAfterPortFault(kClear))
        return;
    link_.ClosePort();
    if (!model.CancelFlag && !model.ErrorFlag)
        Progress(100);
    ReportOutcome(kClear);
}

void CloneProtocol::ReadOwnMmsiBlock(Image& target)
{
    ReadOne(kOwnMmsi, target, addr::UserMmsid / kBlockSize * kBlockSize, ReadBlockCommand);
}

// One exchange on a port of its own; a failure is said under the operation's title.
void CloneProtocol::ReadOne(const OperationInfo& operation, Image& target, int address, int command)
{
    if (!OpenPort(operation))
        return;
    if (command == ReadBlockCommand)
        ReadBlock(target, address);
    else
        ReadByte(target, address);
    if (EndAfterPortFault(operation))
        return;
    link_.ClosePort();
    if (!link_.model().CancelFlag && link_.model().ErrorFlag)
        prompt_.Message(operation.title, kCommunicationError, MessageIcon::Critical);
}

void CloneProtocol::RunBlocks(const OperationInfo& operation, const BlockStep& step)
{
    if (!OpenPort(operation))
        return;
    Progress(0);
    for (int address = 0; address < kImageSize; address += kBlockSize) {
        Progress(BlockProgress(address));
        step(address);
        if (Stopped())
            break;
    }
    if (EndAfterPortFault(operation))
        return;
    link_.ClosePort();
    ReportOutcome(operation);
}

bool CloneProtocol::OpenPort(const OperationInfo& operation)
{
    if (link_.PortOpen())
        return true;
    link_.model().ErrorFlag = true;
    // Without this message the user would be left with a dialog that does nothing.
    prompt_.Message(operation.title, kCommunicationError + QLatin1Char('\n') + link_.OpenFailure(),
                    MessageIcon::Critical);
    return false;
}

bool CloneProtocol::EndAfterPortFault(const OperationInfo& operation)
{
    const Fault fault = link_.PortFault();
    if (!fault)
        return false;
    Model& model = link_.model();
    link_.log().Write(model.DiagnosticMode, operation.source, fault);
    // A pulled cable is a communication error like any other, with the system's reason.
    prompt_.Message(operation.title, kCommunicationError + QLatin1Char('\n') + QString::fromStdString(fault.description),
                    MessageIcon::Critical);
    // Also ErrorFlag, so that a run which only looks at ErrorFlag after the
    // model check does not go on as if the check had passed.
    model.CancelFlag = true;
    model.ErrorFlag = true;
    link_.ClosePort();
    return true;
}

void CloneProtocol::ReportOutcome(const OperationInfo& operation)
{
    const Model& model = link_.model();
    if (model.CancelFlag)
        return;
    if (model.ErrorFlag)
        prompt_.Message(operation.title, kCommunicationError, MessageIcon::Critical);
    else
        Pause(Timings.settlePauseMs);
}

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
