// SPDX-License-Identifier: GPL-3.0-or-later
// Clone protocol: the runs of the transfer dialog against a radio whose every
// reply comes from the input (scripted_port.h), with time-outs of a few
// milliseconds so that a silent radio ends each run quickly.
//
// Promises:
//  - no run crashes, hangs or leaves the port open;
//  - a read that fails or is cancelled leaves MemoryImage and the records as
//    they were;
//  - a read that succeeds holds exactly the data of the frames it took from
//    the line, which must be well formed (checked with a reader of our own,
//    reply_oracle.h), apart from the bytes the read fix-up and the decoder
//    put back; and its model check took replies with the chosen model's code;
//  - a write never changes MemoryImage; a clear changes at most its byte.
#include "clone_protocol.h"
#include "encoder.h"
#include "error_log.h"
#include "fuzz_support.h"
#include "reply_oracle.h"
#include "scripted_port.h"
#include "serial_link.h"
#include "transfer_runs.h"

#include <QCoreApplication>

using namespace quorlink;
using namespace quorlink::fuzz;

namespace {

constexpr int kTimeoutMs = 2;  // a silent radio costs two of these per exchange

struct Rig {
    Rig(const ScriptOptions& options, const std::uint8_t* entries, std::size_t size)
        : port(entries, size, options.pullAtEnd),
          model(FreshModel(options.modelNumber)),
          cancelAtTurn(options.cancelAtTurn)
    {
        link.UsePort(PortChoice{0, QStringLiteral("/dev/scripted-radio")});
        link.SetTurnBound(1);
        protocol.Timings = {kTimeoutMs, kTimeoutMs, 0, 0};
    }

    // The Cancel button, pressed once when the waits have taken that many turns.
    bool CancelPressed() { return ++turns == cancelAtTurn; }

    ScriptedPort port;
    Model model;
    int cancelAtTurn;
    int turns = 0;
    ErrorLog log{QString()};
    SerialLink link{port, model, log};
    CloneProtocol protocol{link, TransferHooks{{}, [this] { return CancelPressed(); }}};
};

void CheckRead(Rig& rig)
{
    const Model before = rig.model;
    const bool done = RunReadTransfer(rig.protocol).done();
    FUZZ_CHECK(!rig.port.IsOpen());
    if (!done) {
        FUZZ_CHECK(rig.model.MemoryImage == before.MemoryImage);
        FUZZ_CHECK(SameRecords(rig.model, before));
        return;
    }
    const ReplyOracle oracle(rig.port.exchanges());
    FUZZ_CHECK(oracle.ModelCode(addr::ModelCodeHead) == rig.model.ModelCode());
    FUZZ_CHECK(oracle.ModelCode(addr::ModelCodeTail) == rig.model.ModelCode());
    FUZZ_CHECK(oracle.MatchesReadImage(rig.model.MemoryImage));
}

void CheckWrite(Rig& rig)
{
    EncodeImage(rig.model);  // as the run does first: the image of the records
    const Model before = rig.model;
    RunWriteTransfer(rig.protocol);
    FUZZ_CHECK(!rig.port.IsOpen());
    FUZZ_CHECK(rig.model.MemoryImage == before.MemoryImage);
    FUZZ_CHECK(SameRecords(rig.model, before));
}

void CheckClear(Rig& rig)
{
    Image expected = rig.model.MemoryImage;
    if (RunClearTransfer(rig.protocol).done())
        expected[addr::UserMmsiCount] = 0;
    FUZZ_CHECK(!rig.port.IsOpen());
    FUZZ_CHECK(rig.model.MemoryImage == expected);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);  // the waits run its event loop
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const ScriptOptions options = ScriptOptions::FromByte(data[0]);
    Rig rig(options, data + 1, size - 1);
    switch (options.run) {
    case RunChoice::Read: CheckRead(rig); break;
    case RunChoice::Write: CheckWrite(rig); break;
    case RunChoice::Clear: CheckClear(rig); break;
    case RunChoice::ReadThenWrite:
        CheckRead(rig);
        CheckWrite(rig);
        break;
    }
    FUZZ_CHECK(!rig.link.state().BusyFlag);
    return 0;
}
