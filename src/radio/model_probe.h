// SPDX-License-Identifier: GPL-3.0-or-later
// The model check's question asked on its own, for a user who wants to know
// whether a radio is on the port at all: the four bytes of the model code,
// each proven as the model check proves them. A silent line is given up
// after the first.
#pragma once

#include "fault.h"

#include <string>

namespace quorlink {

class CloneProtocol;

struct ModelProbe {
    bool answered = false;  // all four bytes came
    int head = -1;          // the model code at the start of the memory, and at its end
    int tail = -1;
    std::string model;      // the model both copies name; empty when they name none
    Fault fault;            // the port would not open, or failed meanwhile; in the user's language
};

// Opens the link's port, asks, and closes it again.
ModelProbe AskModelCode(CloneProtocol& protocol);

}  // namespace quorlink
