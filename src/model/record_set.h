// SPDX-License-Identifier: GPL-3.0-or-later
// The model's editable records taken out as one value: what an undo step
// keeps from before and after a change.
#pragma once

#include "editable_records.h"
#include "model.h"

namespace quorlink {

struct RecordSet : EditableRecords {
    static RecordSet Of(const Model& model);
    // Puts every record back; the image and the program-wide values stay.
    void PutInto(Model& model) const;
};

}  // namespace quorlink
