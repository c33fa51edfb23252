// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer_runs.h"

#include "clone_protocol.h"
#include "decoder.h"
#include "encoder.h"
#include "model.h"
#include "model_text.h"
#include "no_radio_help.h"
#include "serial_link.h"
#include "write_verification.h"

#include <QCoreApplication>
#include <QDir>
#include <optional>

namespace quorlink {

namespace {

struct TransferRunTexts {
    Q_DECLARE_TR_FUNCTIONS(TransferRunTexts)
};

Outcome Complete(const QString& title)
{
    return Outcome::Done().Say(title.toStdString(), TransferRunTexts::tr("Complete!!").toStdString(),
                               MessageIcon::Information);
}

// Every run starts here: a radio that does not answer this is not there, and
// the user is told what to look at.
Outcome CheckModel(CloneProtocol& protocol)
{
    return WithNoRadioHelp(protocol.link(), protocol.ReadDataChkModel());
}

// The backups a write keeps, and how it ended, for its note in the backups' index.
struct WriteNotes {
    QString before;  // what the radio held, when it was read first
    QString sent;    // what was being written
    WriteOutcome outcome = WriteOutcome::Failed;
    std::optional<Image> data;  // the data's image, when the change list may narrow what is sent
    Notes told;                 // backups that could not be kept
};

// How to put back what the radio held: its before-write backup, or, when the
// radio already held a memory an earlier write left partly written, the
// last backup of it whole.
QString PutBack(const QString& dataFolder, const QString& before)
{
    if (before.isEmpty())
        return {};
    const QString whole = LastWholeBeforeWrite(dataFolder, before);
    if (whole == before)
        return TransferRunTexts::tr("\nTo put back what it held before, program\n%1")
            .arg(QDir::toNativeSeparators(before));
    const QString earlier = TransferRunTexts::tr("\nWhat it held before this write was itself a partly written memory, "
                                                 "left by an earlier write cut short (%1). ")
                                .arg(QDir::toNativeSeparators(before));
    if (whole.isEmpty())
        return earlier + TransferRunTexts::tr("No backup of it whole is kept.");
    return earlier + TransferRunTexts::tr("To put back what it held when it was last whole, program\n%1")
                         .arg(QDir::toNativeSeparators(whole));
}

// What a write cut short leaves behind, said after its own failure message.
// backup holds what was being written, before what the radio held (when it was read first).
Outcome SayWriteCutShort(CloneProtocol& protocol, bool written, const QString& backup, const QString& before,
                         const QString& dataFolder, Outcome outcome)
{
    QString again = backup.isEmpty()
                        ? TransferRunTexts::tr("program it again before use.")
                        : TransferRunTexts::tr("program it again before use, e.g. from the backup of this write,\n%1")
                              .arg(QDir::toNativeSeparators(backup));
    again += PutBack(dataFolder, before);
    QString text;
    if (written)
        text = TransferRunTexts::tr("The write went through, but it was not verified: the radio may not hold what "
                                    "was written. Compare it with the data, or %1").arg(again);
    else if (protocol.WriteFramesSent() > 0)
        text = TransferRunTexts::tr("The radio now holds a partly written memory: %1").arg(again);
    else
        return outcome;
    return outcome.Say(ProgramTitle().toStdString(), text.toStdString(), MessageIcon::Exclamation);
}

// The radio's whole memory, kept before anything is written to it; the own
// MMSI guard and the change list then look at it. Anything but done ends the run.
Outcome RadioReadFirst(CloneProtocol& protocol, const OwnMmsiApproval& approve, const TransferSafety& safety,
                       QString& before)
{
    Model& model = protocol.link().model();
    Image radio{};
    protocol.AnnouncePass(TransferRunTexts::tr("Reading the radio"));
    const Outcome read = protocol.ReadBeforeWrite(radio);
    if (!read.done())
        return read;
    if (Outcome kept = KeepBeforeWrite(safety, model, radio, before); !kept.done())
        return kept;
    if (safety.approveChanges) {
        Model held = model;
        TakeRead(held, radio);
        held.MemoryImage = radio;
        if (!safety.approveChanges(held, model.MemoryImage))
            return Outcome::Cancelled();
    }
    if (approve && !OwnMmsiAllowedBy(model, radio, approve))
        return Outcome::Cancelled();
    return read;
}

}  // namespace

QString WritePass() { return TransferRunTexts::tr("Writing"); }

Outcome RunReadTransfer(CloneProtocol& protocol, const TransferSafety& safety)
{
    Model& model = protocol.link().model();
    Image scratch = model.MemoryImage;
    const BusyWhileRunning busy(protocol.link().state());
    if (Outcome checked = CheckModel(protocol); !checked.done())
        return checked;
    if (Outcome read = protocol.ReadData(scratch); !read.done())
        return read;
    Notes told;
    BackUpTransfer(safety, model, scratch, BackupKind::Read, told);
    if (safety.beforeReplacing && !safety.beforeReplacing())
        return Outcome::Cancelled().After(std::move(told));
    TakeRead(model, scratch);
    if (safety.received)
        safety.received(scratch);
    return Complete(TransferRunTexts::tr("Read from Radio")).After(std::move(told));
}

void TakeRead(Model& model, const Image& read)
{
    model.MemoryImage = read;
    Image defaults{};
    MakeDefaultImage(model, defaults);
    ApplyReadFixups(model, defaults);
    DecodeImage(model);
}

namespace {

// The write run; notes says which backups it kept and how it ended.
Outcome WriteNoted(CloneProtocol& protocol, const OwnMmsiApproval& approve, const TransferSafety& safety,
                   WriteNotes& notes)
{
    Model& model = protocol.link().model();
    if (const Fault fault = safety.sendImageAsIs ? Fault{} : EncodeImage(model)) {
        const QString text = QString::number(fault.number) + QStringLiteral("\n\n") + ModelText(fault.description);
        return Outcome::Failed().Say(ProgramTitle().toStdString(), text.toStdString(), MessageIcon::Critical);
    }
    if (safety.readFirst && safety.approveChanges)
        notes.data = model.MemoryImage;
    const BusyWhileRunning busy(protocol.link().state());
    if (Outcome checked = CheckModel(protocol); !checked.done())
        return checked;
    QString& before = notes.before;
    Outcome allowed = safety.readFirst ? RadioReadFirst(protocol, approve, safety, before)
                      : approve        ? OwnMmsiAllowed(protocol, approve)
                                       : Outcome::Done();
    if (!allowed.done())
        return allowed;
    notes.sent = BackUpTransfer(safety, model, model.MemoryImage, BackupKind::Write, notes.told);
    const QString& backup = notes.sent;
    protocol.AnnouncePass(WritePass());
    Outcome written = protocol.WriteData();
    if (!written.done()) {
        if (protocol.WriteFramesSent() > 0)
            notes.outcome = WriteOutcome::CutShort;
        return SayWriteCutShort(protocol, false, backup, before, safety.dataFolder, std::move(written));
    }
    notes.outcome = WriteOutcome::Complete;
    if (!safety.verifyAfterWriting)
        return Complete(ProgramTitle());
    protocol.AnnouncePass(TransferRunTexts::tr("Verifying"));
    WriteCheck check = VerifyWrite(protocol);
    if (check.verdict == Verification::Matched)
        return Complete(ProgramTitle());
    if (check.verdict == Verification::Differs) {
        notes.outcome = WriteOutcome::VerifyError;
        return check.outcome;
    }
    notes.outcome = WriteOutcome::Unverified;
    return SayWriteCutShort(protocol, true, backup, before, safety.dataFolder, std::move(check.outcome));
}

}  // namespace

Outcome RunWriteTransfer(CloneProtocol& protocol, const OwnMmsiApproval& approve, const TransferSafety& safety)
{
    WriteNotes notes;
    Outcome outcome = WriteNoted(protocol, approve, safety, notes);
    // Only some changes sent: the data keep their own bytes all the same.
    if (notes.data)
        protocol.link().model().MemoryImage = *notes.data;
    // A cancel before the first write frame leaves the radio as it was.
    if (notes.outcome == WriteOutcome::Failed && outcome.cancelled())
        notes.outcome = WriteOutcome::Cancelled;
    NoteWrite(safety, notes.outcome, notes.before, notes.sent, notes.told);
    return outcome.After(std::move(notes.told));
}

Outcome RunClearTransfer(CloneProtocol& protocol, const TransferSafety& safety)
{
    Model& model = protocol.link().model();
    const BusyWhileRunning busy(protocol.link().state());
    if (Outcome checked = CheckModel(protocol); !checked.done())
        return checked;
    std::uint8_t& count = model.MemoryImage[addr::UserMmsiCount];
    const std::uint8_t kept = count;
    count = 0;
    Outcome cleared = protocol.ClearData();
    if (cleared.done() && safety.verifyAfterWriting)
        cleared = VerifyClear(protocol).outcome;
    if (!cleared.done()) {
        count = kept;
        return cleared;
    }
    return Complete(TransferRunTexts::tr("Clear Data"));
}

}  // namespace quorlink
