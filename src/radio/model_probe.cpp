// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_probe.h"

#include "clone_protocol.h"
#include "model.h"
#include "serial_link.h"

namespace quorlink {

namespace {

std::string ModelNamed(int head, int tail)
{
    for (const int number : {1, 0}) {
        Model model;
        model.ModelNumber = number;
        if (ModelCodeMatches(model, head, tail))
            return model.ModelName();
    }
    return {};
}

}  // namespace

ModelProbe AskModelCode(CloneProtocol& protocol)
{
    SerialLink& link = protocol.link();
    ModelProbe probe;
    if (!link.PortOpen()) {
        probe.fault = Fault{1, link.OpenFailure().toStdString()};
        return probe;
    }
    Image scratch{};
    Exchanged asked = Exchanged::Done;
    for (const int address : {addr::ModelCodeHead, addr::ModelCodeHead + 1, addr::ModelCodeTail,
                              addr::ModelCodeTail + 1}) {
        asked = protocol.ReadByte(scratch, address);
        if (asked != Exchanged::Done || link.PortFault())
            break;
    }
    probe.fault = link.PortFault();
    if (probe.fault)
        probe.fault.description = link.PortFaultText().toStdString();  // for the user, never logged
    link.ClosePort();
    probe.answered = asked == Exchanged::Done && !probe.fault;
    if (probe.answered) {
        probe.head = HeadCode(scratch);
        probe.tail = TailCode(scratch);
        probe.model = ModelNamed(probe.head, probe.tail);
    }
    return probe;
}

}  // namespace quorlink
