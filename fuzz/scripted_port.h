// SPDX-License-Identifier: GPL-3.0-or-later
// A radio on a serial port that answers from a script instead of its memory.
//
// Script: one byte of options (see ScriptOptions), then one entry per request
// frame the program sends, in order:
//   n, then n bytes          (n < 128) the radio puts these bytes on the line
//   128 + n, s, d, n bytes   (n < 127) the first s bytes at once, the rest
//                            after the program has looked d more times
//   255                      the cable is pulled: the port fails from now on
// Bytes still held back when the next request goes out arrive before its
// reply. A CAN the program sends before a second attempt takes no entry. When
// the script runs out, the radio falls silent, or the cable is pulled: at the
// next request, or as soon as the program closes the port.
#pragma once

#include "serial_port.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorlink::fuzz {

enum class RunChoice { Read, Write, Clear, ReadThenWrite };

struct ScriptOptions {
    int modelNumber = 1;       // bit 0 set: 1, clear: 2
    RunChoice run = RunChoice::Read;  // bits 2-1
    bool pullAtEnd = false;    // bit 3
    int cancelAtTurn = 0;      // bits 7-4 (c): Cancel is pressed once, in turn
                               // 8 c^2 of the waits; never when c is 0

    static ScriptOptions FromByte(std::uint8_t byte);
    std::uint8_t ToByte() const;
};

constexpr std::uint8_t kSplitReply = 128;
constexpr std::uint8_t kPullCable = 255;

// One per request frame: what the program sent, and every byte it took from
// the line after it, up to its next request.
struct ScriptedExchange {
    QByteArray request;
    QByteArray received;
    int opening = 0;  // which opening of the port it was sent in, from 1
};

class ScriptedPort : public SerialPort {
public:
    // entries: the script after its options byte.
    ScriptedPort(const std::uint8_t* entries, std::size_t size, bool pullAtEnd);

    bool Open(const QString& device) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    qint64 BytesWaiting() const override;
    QByteArray Read(qint64 maxBytes) override;
    // Drops what has arrived; bytes still on their way arrive later, as on a line.
    void DiscardInput() override { pending_.clear(); }
    bool Write(const QByteArray& bytes) override;
    Fault Failure() const override;
    bool PermissionDenied() const override { return false; }

    const std::vector<ScriptedExchange>& exchanges() const { return exchanges_; }

private:
    void Answer();
    std::uint8_t Take();

    const std::uint8_t* next_;
    const std::uint8_t* end_;
    bool pullAtEnd_;
    bool open_ = false;
    int openings_ = 0;
    bool pulled_ = false;
    // The radio's bytes on their way: pending_ has arrived, held_ arrives
    // when the program has looked holdLooks_ more times.
    mutable QByteArray pending_;
    mutable QByteArray held_;
    mutable int holdLooks_ = 0;
    std::vector<ScriptedExchange> exchanges_;
};

}  // namespace quorlink::fuzz
