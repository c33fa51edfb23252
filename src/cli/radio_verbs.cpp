// SPDX-License-Identifier: GPL-3.0-or-later
// The verbs that talk to a radio: read, write and clear.
#include "backups.h"
#include "chosen_changes.h"
#include "clone_protocol.h"
#include "comparison.h"
#include "error_log.h"
#include "file_path.h"
#include "latin1.h"
#include "memory_map.h"
#include "model.h"
#include "model_files.h"
#include "outcome_report.h"
#include "port_names.h"
#include "program_folder.h"
#include "prompt.h"
#include "serial_port.h"
#include "serial_link.h"
#include "settings_store.h"
#include "transfer_runs.h"
#include "verbs.h"
#include "whole_file.h"
#include "file_fault.h"

#include <QCoreApplication>

#include <algorithm>
#include <csignal>
#include <functional>
#include <cstdio>
#include <unistd.h>

namespace quorlink::cli {

namespace {

struct CliRadioTexts {
    Q_DECLARE_TR_FUNCTIONS(CliRadioTexts)
};

// During a transfer Ctrl+C (or SIGTERM) cancels it the way the dialog's
// Cancel button does: the handler only sets a flag, which the waits look at
// on every turn. Outside a transfer, or a second time, the signal ends the
// program at once as it would without the handler; a save cut short that way
// leaves its target as it was.
volatile std::sig_atomic_t interrupted = 0;
volatile std::sig_atomic_t transferRunning = 0;

class TransferRunning {
public:
    TransferRunning()
    {
        interrupted = 0;
        transferRunning = 1;
    }
    ~TransferRunning() { transferRunning = 0; }
};

const ErrorLog kNoLog{QString()};

class ProgressBar {
public:
    // The caption takes eight columns at least, so that the bars of a read and a write line up.
    ProgressBar(std::FILE* to, const QString& what)
        : to_(to), what_(what.leftJustified(8).toLocal8Bit()), shown_(isatty(fileno(to)) != 0)
    {
    }
    ~ProgressBar()
    {
        if (shown_ && drawn_)
            std::fputc('\n', to_);
    }
    void Show(int percent)
    {
        if (!shown_ || percent == last_)
            return;
        last_ = percent;
        drawn_ = true;
        const int filled = percent * 30 / 100;
        std::fprintf(to_, "\r%s [%.*s%*s] %3d%%", what_.constData(), filled, "##############################",
                     30 - filled, "", percent);
        std::fflush(to_);
    }

private:
    std::FILE* to_;
    const QByteArray what_;
    bool shown_;
    bool drawn_ = false;
    int last_ = -1;
};

using Run = std::function<Outcome(CloneProtocol&)>;

// Backups go to the data folder; one that fails is among the run's notes.
TransferSafety SafetyOf(const Call& call) { return {DataFolderOf(call.io), !call.args.noVerify}; }

// The model gets the image as the radio sent it, not as the read fix-up
// leaves it: what the command line compares and keeps is the radio's memory.
Outcome ReadRun(const Call& call, CloneProtocol& protocol)
{
    TransferSafety safety = SafetyOf(call);
    Model& model = protocol.link().model();
    safety.received = [&model](const Image& image) { model.MemoryImage = image; };
    return RunReadTransfer(protocol, safety);
}

// A read OUT could not take (a full disk) lives on in its backup: the one
// not there before the read. Says where, or that there is none.
void PointToBackup(const Call& call, const QStringList& before)
{
    const QString folder = SafetyOf(call).dataFolder;
    const std::string model = call.model.ModelName();
    for (const QString& backup : ReadBackups(folder, model))
        if (!before.contains(backup)) {
            call.prompt.Message(CliRadioTexts::tr("Read from Radio"),
                                CliRadioTexts::tr("What was read is kept in the backup %1; quorlink-cli convert "
                                                  "--model %2 %1 OUT makes the file from it.")
                                    .arg(backup, QString::fromStdString(model)),
                                MessageIcon::Information);
            return;
        }
    call.prompt.Message(CliRadioTexts::tr("Read from Radio"),
                        CliRadioTexts::tr("No backup of this read could be kept either: read the radio again."),
                        MessageIcon::Warning);
}

// Opens the port and runs one whole transfer on the given model, and says
// how it ended while its bar is still up. A cancelled one says so.
bool Transfer(const Call& call, Model& model, const std::string& portText, const QString& what, const Run& run)
{
    const std::optional<PortChoice> port = ParsePortChoice(PathOf(portText));
    const std::unique_ptr<SerialPort> serial = NewSystemSerialPort();
    SerialLink link(*serial, model, kNoLog);
    link.UsePort(*port);
    link.UseDevices(SettingsStore::PortDevices());
    bool done = false;
    {
        ProgressBar bar(call.io.err, what);
        const TransferRunning running;
        CloneProtocol protocol(link, {[&](int percent) { bar.Show(percent); }, [] { return interrupted != 0; }});
        if (call.io.timings)
            protocol.Timings = *call.io.timings;
        done = ReportOutcome(call.prompt, run(protocol));
    }
    // A write cut short has said what the radio holds now.
    if (!done && interrupted != 0)
        std::fprintf(call.io.err, "%s\n", qPrintable(CliRadioTexts::tr("Cancelled.")));
    return done;
}

bool Transfer(const Call& call, const QString& what, const Run& run)
{
    return Transfer(call, call.model, *call.args.port, what, run);
}

}  // namespace

bool TakeInterruptAsCancel()
{
    if (transferRunning == 0 || interrupted != 0)
        return false;
    interrupted = 1;
    return true;
}

bool TransferStillRunning() { return transferRunning != 0; }

bool IsPort(const std::string& text) { return ParsePortChoice(PathOf(text)).has_value(); }

bool ReadRadioInto(const Call& call, Model& model, const std::string& port)
{
    return Transfer(call, model, port, CliRadioTexts::tr("Reading"),
                    [&call](CloneProtocol& protocol) { return ReadRun(call, protocol); });
}

int RunRead(const Call& call)
{
    // A failed or cancelled read writes no file; an OUT that cannot be
    // written is found before the radio is read, not 25 seconds after.
    if (const Fault fault = ProbeWholeFile(PathOf(call.args.positional[0]))) {
        ReportSaveFailure(call, FaultText(fault));
        return kFailed;
    }
    const QStringList before = ReadBackups(SafetyOf(call).dataFolder, call.model.ModelName());
    const auto read = [&call](CloneProtocol& protocol) { return ReadRun(call, protocol); };
    if (!Transfer(call, CliRadioTexts::tr("Reading"), read))
        return kFailed;
    if (SaveModelFile(call.prompt, call.model, call.args.positional[0], FileContext{kNoLog, 0}, true))
        return kOk;
    PointToBackup(call, before);
    return kFailed;
}

bool ParseParts(const std::string& text, std::vector<std::string>& parts)
{
    const QStringList names = QString::fromStdString(text).split(QLatin1Char(','));
    for (const QString& name : names) {
        const std::string part = name.trimmed().toLower().toStdString();
        const std::vector<std::string>& known = PartNames();
        if (std::find(known.begin(), known.end(), part) == known.end())
            return false;
        parts.push_back(part);
    }
    return !parts.empty();
}

namespace {

// The parts whose changes a write sends: those of --only, or all but those of --keep.
std::vector<std::string> PartsSent(const Arguments& args)
{
    std::vector<std::string> named;
    ParseParts(args.only ? args.only.value_or("") : args.keep.value_or(""), named);
    if (args.only)
        return named;
    std::vector<std::string> sent;
    for (const std::string& part : PartNames())
        if (std::find(named.begin(), named.end(), part) == named.end())
            sent.push_back(part);
    return sent;
}

}  // namespace

int RunWrite(const Call& call)
{
    if (!LoadModelFile(call.prompt, call.model, call.args.positional[0], FileContext{kNoLog, 0}))
        return kFailed;
    // A .hex backup goes back to the radio byte for byte, as loaded: bits the records
    // would tidy up included.
    TransferSafety safety = SafetyOf(call);
    safety.sendImageAsIs = KindOf(call.args.positional[0]) == FileKind::Hex;
    // Nobody is there to ask: a change of the radio's own MMSI needs the option.
    const OwnMmsiApproval approve = [&call](const QString& radioMmsi, const QString& newMmsi) {
        if (call.args.allowMmsiChange)
            return true;
        // The box's first two paragraphs, without its buttons' advice.
        QString warning = OwnMmsiWarning(radioMmsi, newMmsi).section(QStringLiteral("\n\n"), 0, 1);
        warning.replace(QStringLiteral("\n\n"), QStringLiteral(" "));
        call.prompt.Message(ProgramTitle(),
                            CliRadioTexts::tr("%1 Nothing was written; give --allow-mmsi-change to write anyway.")
                                .arg(warning),
                            MessageIcon::Warning);
        return false;
    };
    // What the write changes, listed as diff lists it, before anything is sent.
    safety.readFirst = !call.args.noReadFirst;
    bool listed = false;
    const SideKind sent = safety.sendImageAsIs ? SideKind::Image : SideKind::Data;
    const std::vector<std::string> parts = PartsSent(call.args);
    safety.approveChanges = [&call, &listed, sent, &parts](const Model& radio, Image& image) {
        std::vector<Difference> changes = CompareModels({radio, SideKind::Image}, {call.model, sent});
        if (call.args.only || call.args.keep) {
            // What goes out is the radio's memory with the chosen changes in: listed as the radio would take it.
            Model narrowed = radio;
            narrowed.MemoryImage = WithParts(radio.MemoryImage, image, changes, parts);
            image = narrowed.MemoryImage;
            changes = CompareModels({radio, SideKind::Image}, {narrowed, SideKind::Image});
        }
        PrintDifferences(call.io, changes, false);
        std::fflush(call.io.out);
        listed = true;
        return !call.args.dryRun;
    };
    const bool done = Transfer(call, CliRadioTexts::tr("Writing"), [&approve, &safety](CloneProtocol& protocol) {
        return RunWriteTransfer(protocol, approve, safety);
    });
    return done || (call.args.dryRun && listed) ? kOk : kFailed;
}

int RunClear(const Call& call)
{
    const TransferSafety safety = SafetyOf(call);
    const auto clear = [&safety](CloneProtocol& protocol) { return RunClearTransfer(protocol, safety); };
    return Transfer(call, CliRadioTexts::tr("Clearing"), clear) ? kOk : kFailed;
}

}  // namespace quorlink::cli
