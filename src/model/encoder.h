// SPDX-License-Identifier: GPL-3.0-or-later
// Records -> image. Only the fields the model owns are written; every other
// byte keeps what the radio, the file or the default image put there.
#pragma once

#include "fault.h"
#include "model.h"
#include "regions.h"

namespace quorlink {

// Encodes into a copy and keeps it only when every value fit, so a failed
// encode leaves MemoryImage as it was.
Fault EncodeImage(Model& model);

Fault EncodeSettings(Image& image, const CommonSettings& settings);
void EncodeABChannels(Image& image, const SpecialChannels& special);
void EncodePlanChannels(Image& image, const ChannelList& list, const RegionLayout& layout);
void EncodeWxChannels(Image& image, const ChannelList& wxChannels);
void EncodeExpChannels(Image& image, const OneBased<ChannelRecord>& expChannels);
void EncodeDirectory(Image& image, const Directory& directory, int start, int count);

void WriteEnableBitmap(Image& image, const ChannelList& records, int start, int byteCount);
void WriteScanBitmap(Image& image, const ChannelList& records, int start, int byteCount);
void WriteNames(Image& image, const ChannelList& records, int start, int count);
void WriteChannelFlags(Image& image, const ChannelList& records, int start, int count);
void WriteExpEntries(Image& image, const ChannelList& records, int start, int count);

}  // namespace quorlink
