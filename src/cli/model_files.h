// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving the model by the kind of file: raw images (by content,
// or named .hex), else .dat and .def data files by their extension.
#pragma once

#include "file_context.h"

#include <string>

namespace quorlink {
class Prompt;
struct Model;
}

namespace quorlink::cli {

enum class FileKind { Data, Default, Hex, Other };
FileKind KindOf(const std::string& path);

// Both report through the prompt and return false on failure.
// Loading changes nothing when it fails; a raw image keeps every bit.
bool LoadModelFile(Prompt& prompt, Model& model, const std::string& path, const FileContext& context);
// A raw image is the records encoded into MemoryImage, or with imageAsItStands
// MemoryImage byte for byte (an image read, not edited).
bool SaveModelFile(Prompt& prompt, Model& model, const std::string& path, const FileContext& context,
                   bool imageAsItStands = false);

}  // namespace quorlink::cli
