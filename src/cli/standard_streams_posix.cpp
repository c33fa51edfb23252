// SPDX-License-Identifier: GPL-3.0-or-later
#include "standard_streams.h"

#include <QFile>
#include <sys/stat.h>

namespace quorlink::cli {

namespace {

FileIdentity IdentityOf(const struct stat& status)
{
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace

std::optional<FileIdentity> RegularFileIdentity(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return IdentityOf(status);
}

std::optional<FileIdentity> StreamIdentity(std::FILE* stream)
{
    struct stat status {};
    if (stream == nullptr || fileno(stream) < 0 || ::fstat(fileno(stream), &status) != 0)
        return std::nullopt;
    return IdentityOf(status);
}

std::size_t WriteBytesAsTheyAre(std::FILE* out, const QByteArray& bytes)
{
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), out);
}

}  // namespace quorlink::cli
