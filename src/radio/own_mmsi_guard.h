// SPDX-License-Identifier: GPL-3.0-or-later
// Most DSC radios take a new own MMSI only once or a few times; after that
// only a dealer can reset it. Before a write the run therefore reads the
// radio's own MMSI and lets the caller stop when the write would change it.
#pragma once

#include "image_layout.h"
#include "outcome.h"

#include <QString>
#include <functional>

namespace quorlink {

class CloneProtocol;
class Prompt;
struct Model;

// Asked only when the radio holds an MMSI and the write brings another;
// true lets the write go on. newMmsi is empty when the write clears it.
using OwnMmsiApproval = std::function<bool(const QString& radioMmsi, const QString& newMmsi)>;

// Reads the one block with the radio's own MMSI and compares it with the one
// in MemoryImage. Done when the write may go on: the radio's MMSI is empty,
// equal, or the change was approved. A failed read carries its message; a
// refused change ends as a cancel and sends nothing more.
Outcome OwnMmsiAllowed(CloneProtocol& protocol, const OwnMmsiApproval& approve);
// The same check against an image of the radio already read; false when refused.
bool OwnMmsiAllowedBy(const Model& model, const Image& radio, const OwnMmsiApproval& approve);

// The warning with both numbers.
QString OwnMmsiWarning(const QString& radioMmsi, const QString& newMmsi);

// The window's answer: the warning in a box under the write's title with
// OK and Cancel, Cancel the default.
OwnMmsiApproval AskBeforeOwnMmsiChange(Prompt& prompt);

}  // namespace quorlink
