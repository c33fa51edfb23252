// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer_runs.h"

#include "busy_scope.h"
#include "clone_protocol.h"
#include "decoder.h"
#include "encoder.h"
#include "latin1.h"
#include "model.h"
#include "prompt.h"
#include "serial_link.h"
#include "write_verification.h"

#include <QDir>

namespace quorlink {

namespace {

bool Succeeded(const Model& model) { return !model.ErrorFlag && !model.CancelFlag; }

bool Complete(CloneProtocol& protocol, const char* title)
{
    protocol.prompt().Message(QString::fromLatin1(title), QStringLiteral("Complete!!"), MessageIcon::Information);
    return true;
}

// A cancel during the check leaves ErrorFlag set as well; a fault of the port
// sets both. Either way the run stops here.
bool ModelChecked(CloneProtocol& protocol)
{
    protocol.ReadDataChkModel();
    return Succeeded(protocol.link().model());
}

// What a write cut short leaves behind, said after its own failure message.
// backup holds what was being written, before what the radio held (when it was read first).
void SayWriteCutShort(CloneProtocol& protocol, bool written, const QString& backup, const QString& before)
{
    QString again = backup.isEmpty()
                        ? QStringLiteral("program it again before use.")
                        : QStringLiteral("program it again before use, e.g. from the backup of this write,\n%1")
                              .arg(QDir::toNativeSeparators(backup));
    if (!before.isEmpty())
        again += QStringLiteral("\nTo put back what it held before, program\n%1").arg(QDir::toNativeSeparators(before));
    QString text;
    if (written)
        text = QStringLiteral("The write went through, but it was not verified: the radio may not hold what was "
                              "written. Compare it with the data, or ") + again;
    else if (protocol.WriteFramesSent() > 0)
        text = QStringLiteral("The radio now holds a partly written memory: ") + again;
    else
        return;
    protocol.prompt().Message(QStringLiteral("Program to Radio"), text, MessageIcon::Exclamation);
}

// The radio's whole memory, kept before anything is written to it; the own
// MMSI guard and the change list then look at it. False ends the run.
bool RadioReadFirst(CloneProtocol& protocol, const OwnMmsiApproval& approve, const TransferSafety& safety,
                    QString& before)
{
    Model& model = protocol.link().model();
    Image radio{};
    protocol.AnnouncePass(QStringLiteral("Reading the radio"));
    protocol.ReadBeforeWrite(radio);
    if (!Succeeded(model))
        return false;
    before = BackUpTransfer(safety, model, radio, BackupKind::BeforeWrite);
    if (approve && !OwnMmsiAllowedBy(model, radio, approve))
        return false;
    if (!safety.approveChanges)
        return true;
    Model held = model;
    TakeRead(held, radio);
    if (safety.approveChanges(held))
        return true;
    model.CancelFlag = true;
    return false;
}

}  // namespace

bool RunReadTransfer(CloneProtocol& protocol, const TransferSafety& safety)
{
    Model& model = protocol.link().model();
    Image scratch = model.MemoryImage;
    const BusyScope busy(model);
    if (!ModelChecked(protocol))
        return false;
    protocol.ReadData(scratch);
    if (!Succeeded(model))
        return false;
    BackUpTransfer(safety, model, scratch, BackupKind::Read);
    if (safety.beforeReplacing && !safety.beforeReplacing()) {
        model.CancelFlag = true;
        return false;
    }
    TakeRead(model, scratch);
    return Complete(protocol, "Read from Radio");
}

void TakeRead(Model& model, const Image& read)
{
    model.MemoryImage = read;
    Image defaults{};
    MakeDefaultImage(model, defaults);
    ApplyReadFixups(model, defaults);
    DecodeImage(model);
}

bool RunWriteTransfer(CloneProtocol& protocol, const OwnMmsiApproval& approve, const TransferSafety& safety)
{
    Model& model = protocol.link().model();
    if (const Fault fault = safety.sendImageAsIs ? Fault{} : EncodeImage(model)) {
        model.ErrorFlag = true;
        protocol.prompt().Message(QStringLiteral("Program to Radio"),
                                  QString::number(fault.number) + QStringLiteral("\n\n") + ToQString(fault.description),
                                  MessageIcon::Critical);
        return false;
    }
    const BusyScope busy(model);
    if (!ModelChecked(protocol))
        return false;
    QString before;
    if (safety.readFirst ? !RadioReadFirst(protocol, approve, safety, before)
                         : approve && !OwnMmsiAllowed(protocol, approve))
        return false;
    const QString backup = BackUpTransfer(safety, model, model.MemoryImage, BackupKind::Write);
    protocol.AnnouncePass(QStringLiteral("Writing"));
    protocol.WriteData();
    const bool written = Succeeded(model);
    if (written && safety.verifyAfterWriting)
        protocol.AnnouncePass(QStringLiteral("Verifying"));
    const Verification check = written && safety.verifyAfterWriting ? VerifyWrite(protocol) : Verification::Matched;
    if (written && check == Verification::Matched)
        return Complete(protocol, "Program to Radio");
    if (check != Verification::Differs)
        SayWriteCutShort(protocol, written, backup, before);
    return false;
}

bool RunClearTransfer(CloneProtocol& protocol, const TransferSafety& safety)
{
    Model& model = protocol.link().model();
    const BusyScope busy(model);
    if (!ModelChecked(protocol))
        return false;
    std::uint8_t& count = model.MemoryImage[addr::UserMmsiCount];
    const std::uint8_t kept = count;
    count = 0;
    protocol.ClearData();
    if (!Succeeded(model) || (safety.verifyAfterWriting && VerifyClear(protocol) != Verification::Matched)) {
        count = kept;
        return false;
    }
    return Complete(protocol, "Clear Data");
}

}  // namespace quorlink
