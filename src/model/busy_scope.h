// SPDX-License-Identifier: GPL-3.0-or-later
// BusyFlag on for the length of a file step or a transfer, off again however it ends.
#pragma once

#include "model.h"

namespace quorlink {

class BusyScope {
public:
    explicit BusyScope(Model& model) : model_(model) { model_.BusyFlag = true; }
    ~BusyScope() { model_.BusyFlag = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Model& model_;
};

}  // namespace quorlink
