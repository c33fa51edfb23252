// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_set.h"

namespace quorlink {

RecordSet RecordSet::Of(const Model& model) { return {static_cast<const EditableRecords&>(model)}; }

void RecordSet::PutInto(Model& model) const
{
    static_cast<EditableRecords&>(model) = *this;
}

}  // namespace quorlink
