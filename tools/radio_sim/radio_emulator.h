// SPDX-License-Identifier: GPL-3.0-or-later
// A radio on the far side of a pseudo-terminal: it answers the clone
// requests from its own memory, takes CAN, logs every request, and spoils
// chosen answers on purpose. Runs on the event loop of the thread that made
// it, so a test can drive it in process while the program waits.
#pragma once

#include "paced_writer.h"
#include "pty_pair.h"
#include "radio_frames.h"

#include <QList>
#include <QObject>
#include <QSocketNotifier>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

namespace quorlink::sim {

constexpr int kMemorySize = 8192;
using Memory = std::array<std::uint8_t, kMemorySize>;

constexpr std::uint16_t kCode7100 = 7100;
constexpr std::uint16_t kCode5100 = 5100;

enum class FaultKind {
    NoAnswer,        // the request is lost: nothing comes back
    LowerCaseChecksum,
    BadChecksum,
    WrongCommand,    // 0x12 for 0x14 and the other way round, sum right
    MissingCr,       // a line feed where the CR belongs
    ExtraBytes,      // a junk byte after the CR (before the ACK of a write)
    Truncated,       // the last byte never comes
    SplitReply,      // four pieces, delayMs apart
    Delay,           // delayMs, then the whole reply
    OtherModelCode,  // the other model's code at bytes 0, 1, 8190, 8191
    HangUp,          // the line goes dead
    MisStore,        // a write is acknowledged, but its first byte is stored inverted
    Repeat,          // the whole answer twice (the copy delayMs after it), as an adapter that echoes itself
};

QString FaultKindName(FaultKind kind);
std::optional<FaultKind> FaultKindFromName(const QString& name);

struct FaultRule {
    FaultKind kind = FaultKind::NoAnswer;
    int command = -1;  // -1: any
    int address = -1;  // -1: any
    int times = 1;     // answers it spoils; -1: all
    int delayMs = 0;
};

struct LoggedRequest {
    enum class Kind { Frame, Cancel, Junk };
    Kind kind = Kind::Frame;
    QByteArray raw;  // as received: SOH..CR for a frame
    RadioRequest request;
    QString fault;   // the fault applied to the answer, if any
};

class RadioEmulator : public QObject {
    Q_OBJECT

public:
    explicit RadioEmulator(std::uint16_t modelCode, QObject* parent = nullptr);

    bool Start(QString* errorText = nullptr);
    void HangUp();
    QString SlavePath() const { return pty_.SlavePath(); }

    // 0xFF everywhere but the model code at both ends.
    static Memory BlankMemory(std::uint16_t modelCode);
    Memory& memory() { return memory_; }
    void AddFault(const FaultRule& rule) { faults_.append(rule); }
    void SetPace(int bytesPerSecond) { writer_.SetPace(bytesPerSecond); }
    // Bytes that go out as if the radio sent them, whatever was asked.
    void SendRaw(const QByteArray& bytes, int delayMs = 0) { writer_.Queue(bytes, delayMs); }

    // Bytes from the program that sit on the line, not yet read by the radio.
    bool InputPending() const;
    const QList<LoggedRequest>& requests() const { return requests_; }
    const QByteArray& received() const { return received_; }
    const QByteArray& sent() const { return writer_.Sent(); }
    void ClearLog();

signals:
    void requestLogged(const quorlink::sim::LoggedRequest& entry);

private:
    void OnReadable();
    void Feed(char byte);
    void EndJunk();
    void Log(LoggedRequest entry);
    void Answer(LoggedRequest& entry);
    std::optional<FaultRule> TakeFault(const RadioRequest& request);
    QByteArray ReadData(const RadioRequest& request, bool otherCode) const;
    void Store(const RadioRequest& request);

    std::uint16_t modelCode_;
    Memory memory_;
    PtyPair pty_;
    std::unique_ptr<QSocketNotifier> notifier_;
    PacedWriter writer_;
    QList<FaultRule> faults_;
    QList<LoggedRequest> requests_;
    QByteArray received_;
    QByteArray frame_;  // from SOH on, while a frame comes in
    QByteArray junk_;
};

}  // namespace quorlink::sim
