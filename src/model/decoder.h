// SPDX-License-Identifier: GPL-3.0-or-later
// Image -> records. Decoding never adds or removes channels: the lists built
// from the plans stay, only their settings come from the image.
#pragma once

#include "model.h"
#include "regions.h"

namespace quorlink {

// Takes the model's image over: its records decoded, and the two bits of the
// time-offset byte that are no setting's (7 and 5) cleared for good.
void DecodeImage(Model& model);
// The records an image holds; the image stays as it is.
void DecodeRecords(const Image& image, Model& model);

void DecodeSettings(const Image& image, CommonSettings& settings);
void DecodeABChannels(const Image& image, SpecialChannels& special);
void DecodePlanChannels(const Image& image, ChannelList& list, const RegionLayout& layout);
void DecodeWxChannels(const Image& image, ChannelList& wxChannels);
void DecodeExpChannels(const Image& image, OneBased<ChannelRecord>& expChannels);
void DecodeDirectory(const Image& image, Directory& directory, int start, int count);
// Every slot as stored, each enabled when it holds an MMSI, without the rule
// that the first empty slot ends the directory.
void DecodeDirectorySlots(const Image& image, Directory& directory, int start, int count);

// Record-area readers: records from the first on, at most count bytes or records.
void ReadEnableBitmap(const Image& image, ChannelList& records, int start, int byteCount);
void ReadScanBitmap(const Image& image, ChannelList& records, int start, int byteCount);
void ReadNames(const Image& image, ChannelList& records, int start, int count);
void ReadChannelFlags(const Image& image, ChannelList& records, int start, int count);
void ReadExpEntries(const Image& image, ChannelList& records, int start, int count);

}  // namespace quorlink
