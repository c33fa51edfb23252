// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio_emulator.h"

#include <QTimer>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace quorlink::sim {

namespace {

constexpr char kSoh = 0x01;
constexpr char kCr = 0x0D;
constexpr char kAck = 0x06;
constexpr char kCan = 0x18;
constexpr char kNak = 0x15;       // what a spoiled write answer sends instead of ACK
constexpr int kLongestFrame = 42;  // SOH, 40 characters, CR
constexpr int kSplitPieces = 4;

struct NamedFault {
    FaultKind kind;
    const char* name;
};

const NamedFault kFaultNames[] = {
    {FaultKind::NoAnswer, "no-answer"},
    {FaultKind::LowerCaseChecksum, "lower-case-sum"},
    {FaultKind::BadChecksum, "bad-sum"},
    {FaultKind::WrongCommand, "wrong-command"},
    {FaultKind::MissingCr, "missing-cr"},
    {FaultKind::ExtraBytes, "extra-bytes"},
    {FaultKind::Truncated, "truncated"},
    {FaultKind::SplitReply, "split"},
    {FaultKind::Delay, "delay"},
    {FaultKind::OtherModelCode, "other-model"},
    {FaultKind::HangUp, "hang-up"},
    {FaultKind::MisStore, "mis-store"},
    {FaultKind::Repeat, "repeat"},
};

bool IsRead(int command) { return command == 0x12 || command == 0x14; }

bool IsModelCodeAddress(int address)
{
    return address == 0 || address == 1 || address == kMemorySize - 2 || address == kMemorySize - 1;
}

ReplyStyle StyleFor(std::optional<FaultKind> kind)
{
    ReplyStyle style;
    if (!kind)
        return style;
    switch (*kind) {
    case FaultKind::LowerCaseChecksum: style.lowerCaseSum = true; break;
    case FaultKind::BadChecksum: style.sumOffset = 1; break;
    case FaultKind::MissingCr: style.lineFeedForCr = true; break;
    case FaultKind::ExtraBytes: style.extraBytes = 1; break;
    case FaultKind::Truncated: style.droppedBytes = 1; break;
    default: break;
    }
    return style;
}

// There is no negative answer to a write: a spoiled one is a wrong byte, a
// junk byte before the ACK, or silence.
QByteArray WriteAnswer(std::optional<FaultKind> kind)
{
    const QByteArray ack(1, kAck);
    if (!kind)
        return ack;
    switch (*kind) {
    case FaultKind::ExtraBytes: return 'Z' + ack;
    case FaultKind::Truncated: return {};
    case FaultKind::LowerCaseChecksum:
    case FaultKind::BadChecksum:
    case FaultKind::WrongCommand:
    case FaultKind::MissingCr: return QByteArray(1, kNak);
    default: return ack;
    }
}

}  // namespace

QString FaultKindName(FaultKind kind)
{
    for (const NamedFault& named : kFaultNames)
        if (named.kind == kind)
            return QLatin1String(named.name);
    return {};
}

std::optional<FaultKind> FaultKindFromName(const QString& name)
{
    for (const NamedFault& named : kFaultNames)
        if (name == QLatin1String(named.name))
            return named.kind;
    return std::nullopt;
}

RadioEmulator::RadioEmulator(std::uint16_t modelCode, QObject* parent)
    : QObject(parent), modelCode_(modelCode), memory_(BlankMemory(modelCode)), writer_(this)
{
}

Memory RadioEmulator::BlankMemory(std::uint16_t modelCode)
{
    Memory memory;
    memory.fill(0xFF);
    for (int at : {0, kMemorySize - 2}) {
        memory[at] = static_cast<std::uint8_t>(modelCode >> 8);
        memory[at + 1] = static_cast<std::uint8_t>(modelCode);
    }
    return memory;
}

bool RadioEmulator::Start(QString* errorText)
{
    if (!pty_.Open(errorText))
        return false;
    writer_.Attach(pty_.MasterFd());
    notifier_ = std::make_unique<QSocketNotifier>(pty_.MasterFd(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &RadioEmulator::OnReadable);
    return true;
}

void RadioEmulator::HangUp()
{
    notifier_.reset();
    writer_.Detach();
    pty_.Close();
}

bool RadioEmulator::InputPending() const
{
    pollfd master{pty_.MasterFd(), POLLIN, 0};
    return pty_.IsOpen() && ::poll(&master, 1, 0) == 1 && (master.revents & POLLIN);
}

void RadioEmulator::ClearLog()
{
    requests_.clear();
    received_.clear();
    writer_.ClearSent();
}

void RadioEmulator::OnReadable()
{
    char buffer[512];
    for (;;) {
        const ssize_t count = ::read(pty_.MasterFd(), buffer, sizeof buffer);
        if (count <= 0) {
            // EAGAIN means all is read; anything else would fire forever.
            if (count == 0 || (errno != EAGAIN && errno != EINTR))
                notifier_->setEnabled(false);
            return;
        }
        writer_.NoteIncoming(static_cast<int>(count));
        received_.append(buffer, static_cast<int>(count));
        for (ssize_t i = 0; i < count && pty_.IsOpen(); ++i)
            Feed(buffer[i]);
        if (!pty_.IsOpen())
            return;
    }
}

void RadioEmulator::Feed(char byte)
{
    if (!frame_.isEmpty()) {
        if (byte == kCr) {
            LoggedRequest entry;
            entry.raw = frame_ + byte;
            entry.request = ParseRequestBody(frame_.mid(1));
            frame_.clear();
            Answer(entry);
            Log(entry);
            return;
        }
        if (byte != kSoh && byte != kCan && frame_.size() < kLongestFrame) {
            frame_ += byte;
            return;
        }
        junk_ += frame_;  // a frame broken off: what came of it is junk
        frame_.clear();
    }
    if (byte == kSoh) {
        EndJunk();
        frame_ = QByteArray(1, kSoh);
    } else if (byte == kCan) {
        EndJunk();
        LoggedRequest entry;
        entry.kind = LoggedRequest::Kind::Cancel;
        entry.raw = QByteArray(1, kCan);
        Log(entry);
    } else {
        junk_ += byte;
    }
}

void RadioEmulator::EndJunk()
{
    if (junk_.isEmpty())
        return;
    LoggedRequest entry;
    entry.kind = LoggedRequest::Kind::Junk;
    entry.raw = junk_;
    junk_.clear();
    Log(entry);
}

void RadioEmulator::Log(LoggedRequest entry)
{
    requests_.append(entry);
    emit requestLogged(requests_.back());
}

void RadioEmulator::Answer(LoggedRequest& entry)
{
    const RadioRequest& request = entry.request;
    if (!request.valid)
        return;  // the radio ignores what it cannot read
    const std::optional<FaultRule> fault = TakeFault(request);
    const std::optional<FaultKind> kind = fault ? std::optional<FaultKind>(fault->kind) : std::nullopt;
    if (kind)
        entry.fault = FaultKindName(*kind);
    if (kind == FaultKind::NoAnswer)
        return;
    if (kind == FaultKind::HangUp) {
        HangUp();
        return;
    }
    QByteArray reply;
    if (IsRead(request.command)) {
        ReplyStyle style = StyleFor(kind);
        if (kind == FaultKind::WrongCommand)
            style.commandOverride = request.command == 0x14 ? 0x12 : 0x14;
        reply = ReplyFrame(request.command, ReadData(request, kind == FaultKind::OtherModelCode), style);
    } else {
        Store(request);
        if (kind == FaultKind::MisStore && request.address < kMemorySize && !request.data.isEmpty())
            memory_[request.address] = static_cast<std::uint8_t>(~request.data.at(0));
        reply = WriteAnswer(kind);
    }
    if (kind == FaultKind::SplitReply) {
        int start = 0;
        for (int piece = 1; piece <= kSplitPieces; ++piece) {
            const int end = static_cast<int>(reply.size()) * piece / kSplitPieces;
            writer_.Queue(reply.mid(start, end - start), piece == 1 ? 0 : fault->delayMs);
            start = end;
        }
    } else if (kind == FaultKind::Repeat && fault->delayMs > 0) {
        // The copy goes out whole once the line is free again, delayMs after the reply.
        writer_.Queue(reply);
        QTimer::singleShot(writer_.MsUntilFree() + fault->delayMs, this, [this, reply] { writer_.Queue(reply); });
    } else {
        writer_.Queue(kind == FaultKind::Repeat ? reply + reply : reply, kind == FaultKind::Delay ? fault->delayMs : 0);
    }
}

std::optional<FaultRule> RadioEmulator::TakeFault(const RadioRequest& request)
{
    for (FaultRule& rule : faults_) {
        if (rule.times == 0 || (rule.command >= 0 && rule.command != request.command) ||
            (rule.address >= 0 && rule.address != request.address))
            continue;
        if (rule.times > 0)
            --rule.times;
        return rule;
    }
    return std::nullopt;
}

QByteArray RadioEmulator::ReadData(const RadioRequest& request, bool otherCode) const
{
    const std::uint16_t other = modelCode_ == kCode7100 ? kCode5100 : kCode7100;
    const int count = request.command == 0x14 ? 16 : 1;
    QByteArray data;
    for (int address = request.address; address < request.address + count; ++address) {
        std::uint8_t value = address < kMemorySize ? memory_[address] : 0xFF;
        if (otherCode && IsModelCodeAddress(address))
            value = static_cast<std::uint8_t>(address % 2 == 0 ? other >> 8 : other & 0xFF);
        data += static_cast<char>(value);
    }
    return data;
}

void RadioEmulator::Store(const RadioRequest& request)
{
    if (request.address + request.data.size() > kMemorySize)
        return;
    for (int i = 0; i < request.data.size(); ++i)
        memory_[request.address + i] = static_cast<std::uint8_t>(request.data.at(i));
}

}  // namespace quorlink::sim
