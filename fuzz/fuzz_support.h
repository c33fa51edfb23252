// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the fuzz targets: a check that stops at the first broken
// promise (so libFuzzer keeps the input), and the models the targets start from.
#pragma once

#include "model.h"

namespace quorlink::fuzz {

[[noreturn]] void Broken(const char* promise, const char* file, int line);

#define FUZZ_CHECK(promise) ((promise) ? (void)0 : ::quorlink::fuzz::Broken(#promise, __FILE__, __LINE__))

// The model as the editor holds it after start-up with this model number;
// built once, copied by each run.
const Model& FreshModel(int modelNumber);

// Every record the pages edit: settings, A/B values, channels, directories.
bool SameRecords(const Model& a, const Model& b);

}  // namespace quorlink::fuzz
