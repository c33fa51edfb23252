// Writing a file so that it is either complete or not touched at all.
#pragma once

#include "fault.h"

#include <QByteArray>
#include <QString>

namespace quorlink {

// Writes bytes to a new file beside path and renames it over path only when
// every byte reached the disk; a full disk or a size limit leaves the old
// file as it was. The fault carries the system's reason.
Fault WriteWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace quorlink
