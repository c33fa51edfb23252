// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line needs to know of files and streams beyond the C
// library's words, which differ between systems: which file a name or a
// stream is, and how a file's bytes go to standard output unchanged.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace quorlink::cli {

// A file as the file system knows it, whatever name or link reached it.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity& other) const { return volume == other.volume && index == other.index; }
};

// The regular file a name leads to; nothing for anything else or nothing at all.
std::optional<FileIdentity> RegularFileIdentity(const QString& path);
// The file behind an open stream, whatever kind it is; nothing for a terminal or a pipe on Windows.
std::optional<FileIdentity> StreamIdentity(std::FILE* stream);

// Writes bytes to out exactly as they are: Windows' text mode would put a
// CR before every LF, which a report already ending its lines in CR LF, or a
// PDF, must not get. The other output keeps the stream's own mode. The
// count written; errno tells why a short write stopped.
std::size_t WriteBytesAsTheyAre(std::FILE* out, const QByteArray& bytes);

}  // namespace quorlink::cli
