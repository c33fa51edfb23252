// SPDX-License-Identifier: GPL-3.0-or-later
// One request and its reply, and the spans of requests a marker proves.
#include "clone_protocol.h"

#include "frame.h"
#include "model.h"
#include "serial_link.h"

#include <QElapsedTimer>
#include <algorithm>
#include <vector>

namespace quorlink {

namespace {

// Markers sent to bring the line back before the run is given up.
constexpr int kMarkerAttempts = 3;
// Where a marker reads; a block read starts its block.
constexpr int kMarkerAddress = addr::Marker / kBlockSize * kBlockSize;

}  // namespace

CloneProtocol::Asked CloneProtocol::Ask(const QByteArray& request, const std::function<bool()>& takeReply,
                                        Sending sending)
{
    TransferState& state = link_.state();
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

Exchanged CloneProtocol::Proven(int count, const Step& step, Command marker)
{
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
            return Exchanged::Done;
        if (asked == Asked::Stopped || ++failures[static_cast<std::size_t>(at)] > RetryCount)
            return Unproven();
        if (!BackInStep(marker))
            return Unproven();
    }
}

Exchanged CloneProtocol::Unproven() const
{
    return link_.state().CancelFlag ? Exchanged::Cancelled : Exchanged::Failed;
}

bool CloneProtocol::BackInStep(Command marker)
{
    TransferState& state = link_.state();
    for (int attempt = 0; attempt < kMarkerAttempts; ++attempt) {
        link_.Send(QByteArray(1, char(CAN)));
        Pause(Timings.retryPauseMs);
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
            return WaitResult::Done;
        }
        if (frame.size() >= size)
            frame.clear();
    }
}

bool CloneProtocol::TakeDataReply(Image& target, int address, int command)
{
    link_.state().CancelFlag = false;
    if (link_.TakeByte(SOH, Timings.replyTimeoutMs) != WaitResult::Done)
        return false;
    const int dataBytes = ReplyDataBytes(static_cast<Command>(command));
    QByteArray buffer(2 + 2 * dataBytes + 2 + 1, '\0');
    if (link_.ReceiveFrame(buffer, Timings.frameTimeoutMs) != WaitResult::Done)
        return false;
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
    return true;
}

// Acknowledgements are single bytes that cannot be told apart: only the
// marker after them proves that each write got its own.
bool CloneProtocol::TakeAck()
{
    link_.state().CancelFlag = false;
    return link_.TakeByte(ACK, Timings.replyTimeoutMs) == WaitResult::Done;
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

Exchanged CloneProtocol::ReadBlock(Image& target, int address)
{
    return Proven(1, [&](int) { return AskReadBlock(target, address); }, ReadByteCommand);
}

Exchanged CloneProtocol::ReadByte(Image& target, int address)
{
    return Proven(1, [&](int) { return AskReadByte(target, address); }, ReadBlockCommand);
}

Exchanged CloneProtocol::WriteBlock(int address)
{
    return Proven(1, [&](int) { return AskWriteBlock(address); }, ReadByteCommand);
}

Exchanged CloneProtocol::WriteByte(int address)
{
    return Proven(1, [&](int) { return AskWriteByte(address); }, ReadByteCommand);
}

}  // namespace quorlink
