// The raw image file of the service mode: the 8192 image bytes, byte a at
// offset a, nothing else.
#pragma once

#include "fault.h"
#include "file_context.h"

#include <QString>

namespace quorlink {

struct Model;

// Encodes the records, then writes the image over the start of the file (a
// longer existing file keeps its tail). Sets CancelFlag on failure; a failed
// save leaves the old file as it was.
Fault SaveHexImage(Model& model, const QString& path, const FileContext& context);
// Both return the file fault with the system's reason, if any.
// Model check, then the bytes become MemoryImage and are decoded. On a failed
// check or read the image and the records stay as they were.
Fault ReadHexFileAs(Model& model, const QString& path, const FileContext& context);

}  // namespace quorlink
