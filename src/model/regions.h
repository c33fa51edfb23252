// SPDX-License-Identifier: GPL-3.0-or-later
// Where each programmable region and each directory sits in the image. The
// decoder and encoder take one of these rows instead of repeating themselves.
#pragma once

#include "image_layout.h"
#include "records.h"

namespace quorlink {

struct RegionLayout {
    int enableStart;  // 8-byte Enable bitmap
    int scanStart;    // 8-byte ScanMemory bitmap
    int nameStart;    // 64 name slots of 16 bytes
    int flagStart;    // 64 flag bytes
    int achByte;      // A channel slot number
    int bchByte;      // B channel slot number
};

constexpr RegionLayout kRegionLayouts[] = {
    {80, 112, 512, 144, 19, 20},    // USA
    {88, 120, 1536, 208, 21, 22},   // International
    {96, 128, 2560, 272, 23, 24},   // Canada
};

inline const RegionLayout& LayoutOf(Region region)
{
    return kRegionLayouts[static_cast<int>(region)];
}

struct DirectoryLayout {
    int start;
    int count;
};

inline DirectoryLayout LayoutOf(DirectoryKind kind)
{
    return kind == DirectoryKind::Individual
               ? DirectoryLayout{addr::IndividualDirectory, kIndividualCount}
               : DirectoryLayout{addr::GroupDirectory, kGroupCount};
}

}  // namespace quorlink
