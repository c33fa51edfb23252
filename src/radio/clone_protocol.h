// SPDX-License-Identifier: GPL-3.0-or-later
// The four operations on the radio's memory (model check, read, write,
// clear). Each opens the port, runs its exchanges in ascending address order,
// closes the port and returns its outcome: the failures it knows carry their
// message under the operation's title; a cancel ends without one.
#pragma once

#include "file_context.h"
#include "frame.h"
#include "outcome.h"
#include "image_layout.h"
#include "written_areas.h"

#include <QString>
#include <bitset>
#include <functional>

namespace quorlink {

class SerialLink;
enum class WaitResult : int;
struct OperationInfo;

// How a run reports to whoever started it. progress gets 0..100; a cancel
// check is installed in the link, which asks it on every turn of a wait. The
// window can instead set the link's CancelFlag from its Cancel button: the waits run
// window events. pause waits out the protocol's pauses (before a second
// attempt, after a successful operation); the shared one keeps the window
// painting and leaves its clicks for the next wait.
struct TransferHooks {
    std::function<void(int percent)> progress;
    std::function<bool()> cancelRequested;
    std::function<void(int milliseconds)> pause = Pause;
    // Which pass of a run begins ("Reading the radio", "Writing", "Verifying"); the bar starts again for each.
    std::function<void(const QString& pass)> pass = {};
};

// The defaults are the radio's; tests shorten them.
struct ProtocolTimings {
    int replyTimeoutMs = 10000;  // SOH of a data reply, or ACK
    int frameTimeoutMs = 1000;   // the rest of a data reply after its SOH
    int retryPauseMs = 50;       // after CAN, before the marker that brings the line back
    int settlePauseMs = 500;     // after a successful operation
};

// Which blocks of a read-back were answered, one bit per 16-byte block.
using BlockSet = std::bitset<kImageSize / kBlockSize>;

// How an exchange, or a span of them a marker proves, ended. A fault of the
// port ends it as well; the link's PortFault() tells that apart.
enum class Exchanged { Done, Failed, Cancelled };

// The title of the write's messages and boxes, in the user's language.
QString ProgramTitle();

// Replies carry no address; what pairs a reply with its request is the
// radio's order: it answers one request at a time, in the order they come.
// A marker is a read whose reply the requests before it cannot be mistaken
// for (a one-byte read after block reads and writes, a block read after
// one-byte reads). When its reply comes next, with nothing before it, every
// reply taken since the last proven point answered its own request. Each pass
// puts a marker after every span of blocks and at its end; a block counts as
// read, written or verified only once the marker after it is in. After any
// anomaly (a time-out, a bad or unexpected frame, bytes nobody asked for) the
// line is brought back in step (CAN, then a marker, everything before its
// reply dropped) and the whole span is asked again.
class CloneProtocol {
public:
    explicit CloneProtocol(SerialLink& link, TransferHooks hooks = {});

    SerialLink& link() const { return link_; }

    int RetryCount = 1;  // attempts per request = RetryCount + 1
    ProtocolTimings Timings;

    Outcome ReadDataChkModel();
    // Fills target; a failed read leaves it partly filled.
    Outcome ReadData(Image& target);
    // The same read under the write's title, before a write.
    Outcome ReadBeforeWrite(Image& target);
    Outcome WriteData();
    Outcome ClearData();
    // The block that holds the radio's own MMSI, read on its own before a
    // write; failures are reported with the write's title.
    Outcome ReadOwnMmsiBlock(Image& target);
    // Reads back, under the write's title, every block WriteData sends to;
    // taken gets the blocks whose own reply came.
    Outcome ReadBackWritten(Image& target, BlockSet& taken);
    // Reads back, under the clear's title, the byte ClearData writes.
    Outcome ReadBackCleared(Image& target);
    // Write frames sent since this protocol was made: after the first the
    // radio no longer holds what it held.
    int WriteFramesSent() const { return writeFramesSent_; }
    void AnnouncePass(const QString& pass) const;

    // One request each, proven by a marker, with its retries.
    Exchanged ReadBlock(Image& target, int address);
    Exchanged ReadByte(Image& target, int address);
    Exchanged WriteBlock(int address);
    Exchanged WriteByte(int address);

private:
    // How one request went: its reply taken, the line out of step, or the
    // run stopped (cancel, a fault of the port).
    enum class Asked { Answered, OutOfStep, Stopped };
    // Sends the requests of the index-th block (or byte) of a span.
    using Step = std::function<Asked(int index)>;

    enum class Sending { Request, Write, Marker };
    Asked Ask(const QByteArray& request, const std::function<bool()>& takeReply, Sending sending = Sending::Request);
    Asked AskReadBlock(Image& target, int address);
    Asked AskReadByte(Image& target, int address);
    Asked AskWriteBlock(int address);
    Asked AskWriteByte(int address);
    Asked AskMarker(Command marker);
    Asked WriteSingles(int first, int last);
    // Runs count steps, then a marker; after an anomaly brings the line back
    // and runs them all again. Done once the marker proved them.
    Exchanged Proven(int count, const Step& step, Command marker);
    // Why a span could not be proven: Cancel was pressed, or the line failed.
    Exchanged Unproven() const;
    bool BackInStep(Command marker);
    // heard: whether any byte came meanwhile.
    WaitResult AwaitMarker(Command marker, bool& heard);
    bool TakeDataReply(Image& target, int address, int command);
    bool TakeAck();
    Outcome ReadOne(const OperationInfo& operation, Image& target, int address, int command);
    Outcome RunBlocks(const OperationInfo& operation, const std::function<Asked(int address)>& step);
    Outcome OpenFailed(const OperationInfo& operation);
    // Logs the port's fault and closes it; the run ends as failed.
    Outcome AfterPortFault(const OperationInfo& operation);
    // After the port is closed: a failure says the communication error, a
    // cancel nothing.
    Outcome Said(const OperationInfo& operation, Exchanged ended) const;
    // The same, with the settle pause after a success.
    Outcome Reported(const OperationInfo& operation, Exchanged ended) const;
    void Progress(int percent) const;
    void Pause(int milliseconds) const;

    SerialLink& link_;
    TransferHooks hooks_;
    int writeFramesSent_ = 0;
    // Markers sent whose reply has not come: each answers in its turn, and
    // only the last one's proves the line in step.
    int pendingMarkers_ = 0;
};

// "Communication Error!!" in the user's language, as the operations say it.
QString CommunicationErrorText();

// Progress before the block at address: address / 8191 as a whole percentage,
// ties to even.
int BlockProgress(int address);

}  // namespace quorlink
