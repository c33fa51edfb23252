// SPDX-License-Identifier: GPL-3.0-or-later
// The raw image file of the service mode: the 8192 image bytes, byte a at
// offset a, nothing else.
#pragma once

#include "file_context.h"

#include <QString>

namespace quorlink {

struct Model;

// Both end as every file command does (EndFileCommand) and return the
// outcome; a failure carries the file fault with the system's reason, if any.
// Encodes the records, then writes the image over the start of the file (a
// longer existing file keeps its tail). A failed save leaves the old file as it was.
Outcome SaveHexImage(Model& model, const QString& path, const FileContext& context);
// Model check, then the bytes become MemoryImage and are decoded. On a failed
// check or read the image and the records stay as they were; a failed check
// carries its message and no fault.
Outcome ReadHexFileAs(Model& model, const QString& path, const FileContext& context);

// The same for an image that is to go out again as it stands: the read
// keeps every bit of the file (the decode clears two of byte 15), the save
// writes MemoryImage without encoding the records into it.
Outcome ReadImageAsItStands(Model& model, const QString& path, const FileContext& context);
Outcome SaveImageAsItStands(Model& model, const QString& path, const FileContext& context);

// Whether a path is taken for a raw image file rather than a data file: a
// file whose content is an image (IsMemoryImageFile), whatever its name, or
// any file named .hex, the name the image export writes (a longer file keeps
// its tail, and a file still to be written has no content to go by).
bool IsRawImageFile(const QString& path);

}  // namespace quorlink
