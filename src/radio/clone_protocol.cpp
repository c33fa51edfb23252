// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone_protocol.h"

#include "error_log.h"
#include "frame.h"
#include "model.h"
#include "serial_link.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace quorlink {

// The title of an operation's messages (translated when said) and the source of its log lines.
struct OperationInfo {
    const char* title;
    const char* source;
};

namespace {

struct CloneProtocolTexts {
    Q_DECLARE_TR_FUNCTIONS(CloneProtocolTexts)
};

constexpr OperationInfo kModelCheck{QT_TRANSLATE_NOOP("CloneProtocolTexts", "Model Check"),
                                    "frmRadio.ReadDataChkModel"};
constexpr OperationInfo kRead{QT_TRANSLATE_NOOP("CloneProtocolTexts", "Read from Radio"), "frmRadio.ReadData"};
// Every step of a write, and its boxes, go under this one title.
constexpr const char* kProgramTitle = QT_TRANSLATE_NOOP("CloneProtocolTexts", "Program to Radio");
constexpr OperationInfo kWrite{kProgramTitle, "frmRadio.WriteData"};
constexpr OperationInfo kReadBeforeWrite{kProgramTitle, "frmRadio.ReadBeforeWrite"};
constexpr OperationInfo kOwnMmsi{kProgramTitle, "frmRadio.ReadOwnMmsi"};
constexpr OperationInfo kClear{QT_TRANSLATE_NOOP("CloneProtocolTexts", "Clear Data"), "frmRadio.ClearData"};
constexpr OperationInfo kClearCheck{QT_TRANSLATE_NOOP("CloneProtocolTexts", "Clear Data"), "frmRadio.VerifyClear"};

std::string TitleOf(const OperationInfo& operation)
{
    return QCoreApplication::translate("CloneProtocolTexts", operation.title).toStdString();
}

// The error with the system's reason on its own line.
std::string CommunicationErrorWith(const QString& reason)
{
    return (CommunicationErrorText() + QLatin1Char('\n') + reason).toStdString();
}

}  // namespace

QString CommunicationErrorText() { return CloneProtocolTexts::tr("Communication Error!!"); }

QString ProgramTitle() { return QCoreApplication::translate("CloneProtocolTexts", kProgramTitle); }

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

}  // namespace

Outcome CloneProtocol::ReadDataChkModel()
{
    if (!link_.PortOpen())
        return OpenFailed(kModelCheck);
    Image scratch{};
    const int codeBytes[] = {addr::ModelCodeHead, addr::ModelCodeHead + 1, addr::ModelCodeTail,
                             addr::ModelCodeTail + 1};
    const Exchanged asked =
        Proven(4, [&](int index) { return AskReadByte(scratch, codeBytes[index]); }, ReadBlockCommand);
    if (link_.PortFault())
        return AfterPortFault(kModelCheck);
    link_.ClosePort();
    if (asked != Exchanged::Done)
        return Said(kModelCheck, asked);
    if (!ModelCodeMatches(link_.model(), HeadCode(scratch), TailCode(scratch)))
        return Outcome::Failed().Say(TitleOf(kRead), CloneProtocolTexts::tr("ModelName Error !!").toStdString(),
                                     MessageIcon::Critical);
    return Outcome::Done();
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
    const Exchanged asked = Proven(1, [this](int) { return AskWriteByte(addr::UserMmsiCount); }, ReadByteCommand);
    if (link_.PortFault())
        return AfterPortFault(kClear);
    link_.ClosePort();
    if (asked == Exchanged::Done)
        Progress(100);
    return Reported(kClear, asked);
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
    const Exchanged asked = command == ReadBlockCommand ? ReadBlock(target, address) : ReadByte(target, address);
    if (link_.PortFault())
        return AfterPortFault(operation);
    link_.ClosePort();
    return Said(operation, asked);
}

Outcome CloneProtocol::RunBlocks(const OperationInfo& operation, const std::function<Asked(int address)>& step)
{
    if (!link_.PortOpen())
        return OpenFailed(operation);
    Progress(0);
    constexpr int kSpanBytes = kSpanBlocks * kBlockSize;
    Exchanged asked = Exchanged::Done;
    for (int first = 0; first < kImageSize && asked == Exchanged::Done; first += kSpanBytes) {
        const int blocks = std::min(kSpanBlocks, (kImageSize - first) / kBlockSize);
        asked = Proven(blocks, [&](int index) {
            const int address = first + index * kBlockSize;
            Progress(BlockProgress(address));
            return step(address);
        }, ReadByteCommand);
    }
    if (link_.PortFault())
        return AfterPortFault(operation);
    link_.ClosePort();
    return Reported(operation, asked);
}

// Without this message the user would be left with a dialog that does nothing.
Outcome CloneProtocol::OpenFailed(const OperationInfo& operation)
{
    return Outcome::Failed().Say(TitleOf(operation), CommunicationErrorWith(link_.OpenFailure()),
                                 MessageIcon::Critical);
}

Outcome CloneProtocol::AfterPortFault(const OperationInfo& operation)
{
    const Fault fault = link_.PortFault();
    link_.log().Write(link_.model().DiagnosticMode, QLatin1String(operation.source), fault);
    link_.ClosePort();
    // A pulled cable is a communication error like any other, with the system's reason.
    return Outcome::Failed().Say(TitleOf(operation), CommunicationErrorWith(link_.PortFaultText()),
                                 MessageIcon::Critical);
}

Outcome CloneProtocol::Said(const OperationInfo& operation, Exchanged ended) const
{
    switch (ended) {
    case Exchanged::Done: return Outcome::Done();
    case Exchanged::Cancelled: return Outcome::Cancelled();
    case Exchanged::Failed: break;
    }
    return Outcome::Failed().Say(TitleOf(operation), CommunicationErrorText().toStdString(), MessageIcon::Critical);
}

Outcome CloneProtocol::Reported(const OperationInfo& operation, Exchanged ended) const
{
    if (ended == Exchanged::Done)
        Pause(Timings.settlePauseMs);
    return Said(operation, ended);
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
