// SPDX-License-Identifier: GPL-3.0-or-later
// The four operations on the radio's memory (model check, read, write,
// clear). Each opens the port, runs its exchanges in ascending address order,
// closes the port, leaves its flags in the link's TransferState and returns
// its outcome: the failures it knows carry their message under the
// operation's title.
#pragma once

#include "file_context.h"
#include "outcome.h"
#include "image_layout.h"
#include "written_areas.h"

#include <QString>
#include <bitset>
#include <functional>

namespace quorlink {

class SerialLink;
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
    int retryPauseMs = 50;       // after CAN, before the second attempt
    int settlePauseMs = 500;     // after a successful operation
    // Silence that proves no reply is still on its way: two of the longest
    // replies at 9600 baud. The line is brought back to it before every retry.
    int quietMs = 80;
};

// Which blocks of a read-back were answered, one bit per 16-byte block.
using BlockSet = std::bitset<kImageSize / kWriteBlockSize>;

class CloneProtocol {
public:
    explicit CloneProtocol(SerialLink& link, TransferHooks hooks = {});

    SerialLink& link() const { return link_; }

    int RetryCount = 1;  // attempts per exchange = RetryCount + 1
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

    // One exchange each, with its retries.
    void ReadBlock(Image& target, int address);
    void ReadByte(Image& target, int address);
    void WriteBlock(int address);
    void WriteByte(int address);

private:
    using BlockStep = std::function<void(int address)>;

    void Exchange(const QByteArray& request, const std::function<void()>& takeReply);
    bool BackInStep();
    void TakeDataReply(Image& target, int address, int command);
    void TakeAck();
    void WriteSingles(int first, int last);
    Outcome ReadOne(const OperationInfo& operation, Image& target, int address, int command);
    Outcome RunBlocks(const OperationInfo& operation, const BlockStep& step);
    Outcome OpenFailed(const OperationInfo& operation);
    // Logs the port's fault and closes it; the run ends as cancelled and failed.
    Outcome AfterPortFault(const OperationInfo& operation);
    // After the port is closed: the communication error, or the settle pause.
    Outcome Reported(const OperationInfo& operation);
    // The outcome the link's flags stand for, with no message yet.
    Outcome Ended() const;
    void Progress(int percent) const;
    void Pause(int milliseconds) const;
    bool Stopped() const;

    SerialLink& link_;
    TransferHooks hooks_;
    int writeFramesSent_ = 0;
};

// Progress before the block at address: address / 8191 as a whole percentage,
// ties to even.
int BlockProgress(int address);

}  // namespace quorlink
