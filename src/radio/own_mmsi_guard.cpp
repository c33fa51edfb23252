// SPDX-License-Identifier: GPL-3.0-or-later
#include "own_mmsi_guard.h"

#include "clone_protocol.h"
#include "codecs.h"
#include "latin1.h"
#include "mmsi.h"
#include "model.h"
#include "prompt.h"
#include "serial_link.h"

#include <QCoreApplication>

namespace quorlink {

namespace {

struct OwnMmsiGuardTexts {
    Q_DECLARE_TR_FUNCTIONS(OwnMmsiGuardTexts)
};

QString OwnMmsiOf(const Image& image) { return ToQString(ShownMmsi(DecodeDigits(image, addr::UserMmsid))); }

}  // namespace

Outcome OwnMmsiAllowed(CloneProtocol& protocol, const OwnMmsiApproval& approve)
{
    Image radio{};
    Outcome read = protocol.ReadOwnMmsiBlock(radio);
    if (!read.done() || OwnMmsiAllowedBy(protocol.link().model(), radio, approve))
        return read;
    return Outcome::Cancelled();
}

bool OwnMmsiAllowedBy(const Model& model, const Image& radio, const OwnMmsiApproval& approve)
{
    const QString radioMmsi = OwnMmsiOf(radio);
    const QString newMmsi = OwnMmsiOf(model.MemoryImage);
    return radioMmsi.isEmpty() || radioMmsi == newMmsi || approve(radioMmsi, newMmsi);
}

QString OwnMmsiWarning(const QString& radioMmsi, const QString& newMmsi)
{
    const QString now = newMmsi.isEmpty() ? OwnMmsiGuardTexts::tr("no MMSI at all") : newMmsi;
    return OwnMmsiGuardTexts::tr("The radio's own MMSI is %1; this write would change it to %2.\n\n"
                                 "Many radios accept a new own MMSI only a few times; after that only a dealer "
                                 "can reset it.\n\nPress OK to write anyway, Cancel to write nothing.")
        .arg(radioMmsi, now);
}

OwnMmsiApproval AskBeforeOwnMmsiChange(Prompt& prompt)
{
    return [&prompt](const QString& radioMmsi, const QString& newMmsi) {
        return prompt.Message(ProgramTitle(), OwnMmsiWarning(radioMmsi, newMmsi),
                              MessageIcon::Warning, MessageButtons::OkCancelSafe) == Answer::Ok;
    };
}

}  // namespace quorlink
