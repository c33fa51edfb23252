// SPDX-License-Identifier: GPL-3.0-or-later
// The radio's side of the wire. Without pacing every byte goes out when it
// is due; with pacing the line carries one byte per 1/rate seconds in either
// direction, so a request must finish "arriving" before the reply starts and
// each reply byte leaves on its own tick, as on a real cable.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>

namespace quorlink::sim {

class PacedWriter : public QObject {
public:
    explicit PacedWriter(QObject* parent = nullptr);

    void Attach(int fd);
    void Detach();
    void SetPace(int bytesPerSecond);  // 0: as fast as the pty takes them
    // count bytes from the program have just been read.
    void NoteIncoming(int count);
    // Sends bytes once the line is free, after delayMs more.
    void Queue(const QByteArray& bytes, int delayMs = 0);
    bool Idle() const { return pending_.empty(); }
    // Until the last byte queued has left, rounded up.
    int MsUntilFree() const;
    const QByteArray& Sent() const { return sent_; }
    void ClearSent() { sent_.clear(); }

private:
    struct Due {
        qint64 atNs;
        char byte;
    };

    void Flush();
    qint64 Now() const { return clock_.nsecsElapsed(); }

    QElapsedTimer clock_;
    QTimer timer_;
    std::deque<Due> pending_;
    QByteArray sent_;
    qint64 byteNs_ = 0;
    qint64 lineFreeNs_ = 0;
    int fd_ = -1;
};

}  // namespace quorlink::sim
