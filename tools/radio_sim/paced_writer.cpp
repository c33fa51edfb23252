// SPDX-License-Identifier: GPL-3.0-or-later
#include "paced_writer.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace quorlink::sim {

namespace {
constexpr qint64 kNsPerMs = 1000000;
constexpr int kRetryMs = 1;  // the pty was full
}  // namespace

PacedWriter::PacedWriter(QObject* parent) : QObject(parent)
{
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PacedWriter::Flush);
}

void PacedWriter::Attach(int fd) { fd_ = fd; }

void PacedWriter::Detach()
{
    fd_ = -1;
    timer_.stop();
    pending_.clear();
}

void PacedWriter::SetPace(int bytesPerSecond)
{
    byteNs_ = bytesPerSecond > 0 ? 1000000000LL / bytesPerSecond : 0;
}

void PacedWriter::NoteIncoming(int count)
{
    if (byteNs_ > 0)
        lineFreeNs_ = std::max(lineFreeNs_, Now()) + count * byteNs_;
}

void PacedWriter::Queue(const QByteArray& bytes, int delayMs)
{
    qint64 at = std::max(lineFreeNs_, Now()) + delayMs * kNsPerMs;
    for (char byte : bytes) {
        at += byteNs_;
        pending_.push_back({at, byte});
    }
    lineFreeNs_ = std::max(lineFreeNs_, at);
    if (!timer_.isActive())
        Flush();
}

int PacedWriter::MsUntilFree() const
{
    const qint64 last = pending_.empty() ? 0 : pending_.back().atNs;
    return static_cast<int>((std::max<qint64>(last - Now(), 0) + kNsPerMs - 1) / kNsPerMs);
}

void PacedWriter::Flush()
{
    const qint64 now = Now();
    QByteArray chunk;
    for (auto it = pending_.begin(); it != pending_.end() && it->atNs <= now; ++it)
        chunk += it->byte;
    qint64 written = 0;
    if (!chunk.isEmpty() && fd_ >= 0) {
        written = ::write(fd_, chunk.constData(), static_cast<size_t>(chunk.size()));
        if (written < 0)
            written = 0;
    }
    sent_ += chunk.left(written);
    pending_.erase(pending_.begin(), pending_.begin() + written);
    if (pending_.empty() || fd_ < 0)
        return;
    const qint64 waitNs = pending_.front().atNs - now;
    const int waitMs = written < chunk.size() ? kRetryMs : static_cast<int>((waitNs + kNsPerMs - 1) / kNsPerMs);
    timer_.start(std::max(waitMs, 0));
}

}  // namespace quorlink::sim
