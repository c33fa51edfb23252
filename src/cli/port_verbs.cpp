// SPDX-License-Identifier: GPL-3.0-or-later
// The verbs that look at serial ports: ports, and doctor, which talks to a
// radio only when asked to probe.
#include "clone_protocol.h"
#include "error_log.h"
#include "file_path.h"
#include "latin1.h"
#include "model.h"
#include "model_probe.h"
#include "no_radio_help.h"
#include "open_failure.h"
#include "port_names.h"
#include "serial_port.h"
#include "serial_link.h"
#include "settings_store.h"
#include "terminal_text.h"
#include "verbs.h"
#include "file_fault.h"

#include <QCoreApplication>
#include <cstdio>
#include <vector>

namespace quorlink::cli {

namespace {

struct CliPortTexts {
    Q_DECLARE_TR_FUNCTIONS(CliPortTexts)
};

}  // namespace

namespace {

QByteArray OrDash(const QString& text) { return text.isEmpty() ? QByteArray("-") : EscapeControls(text).toLocal8Bit(); }

void PrintLine(std::FILE* to, const QString& line) { std::fprintf(to, "%s\n", qPrintable(EscapeControls(line))); }

// Asks the radio on the link's port for its model code and says what came
// back; true when a radio of a model this program knows answered.
bool Probe(const Call& call, SerialLink& link)
{
    const QString port = link.Target().label;
    PrintLine(call.io.out, CliPortTexts::tr("Asking the radio on %1 for its model code...").arg(port));
    std::fflush(call.io.out);
    CloneProtocol protocol(link);
    if (call.io.timings)
        protocol.Timings = *call.io.timings;
    const ModelProbe probe = AskModelCode(protocol);
    if (probe.fault) {
        PrintLine(call.io.out,
                  CliPortTexts::tr("%1 failed: %2").arg(port, FaultText(probe.fault)));
        return false;
    }
    if (!probe.answered) {
        PrintLine(call.io.out, NoRadioHelp(link));
        return false;
    }
    if (probe.model.empty()) {
        PrintLine(call.io.out, CliPortTexts::tr("A radio answered on %1, but with the model code %2 (%3 at the end of "
                                                "its memory), which is neither an MR7100A's nor an MR5100A's.")
                                   .arg(port)
                                   .arg(probe.head)
                                   .arg(probe.tail));
        return false;
    }
    PrintLine(call.io.out, CliPortTexts::tr("An %1 answered on %2 (model code %3).")
                               .arg(QString::fromStdString(probe.model), port).arg(probe.head));
    return true;
}

// The columns of the port list, named as scripts find them, in English. The
// first is the program's COM numbers; the by-id link is only where the
// system keeps such links (not on Windows, where the device is the COM name).
struct PortColumn {
    const char* header;
    QString (*value)(const PortInfo&);
    bool stableLinksOnly;
};

const PortColumn kPortColumns[] = {
    {"PORT", nullptr, false},
    {"DEVICE", [](const PortInfo& port) { return port.device; }, false},
    {"VID:PID", [](const PortInfo& port) { return port.VidPid(); }, false},
    {"MANUFACTURER", [](const PortInfo& port) { return port.manufacturer; }, false},
    {"DESCRIPTION", [](const PortInfo& port) { return port.description; }, false},
    {"BY-ID LINK", [](const PortInfo& port) { return port.byIdLink; }, true},
};

std::vector<const PortColumn*> ColumnsHere()
{
    const bool links = !StableLinkFolder().isEmpty();
    std::vector<const PortColumn*> columns;
    for (const PortColumn& column : kPortColumns)
        if (links || !column.stableLinksOnly)
            columns.push_back(&column);
    return columns;
}

}  // namespace

int RunPorts(const Call& call)
{
    const StoredDevices stored = SettingsStore::PortDevices();
    const QList<PortInfo> ports = SystemPortList().Ports();
    const std::vector<const PortColumn*> columns = ColumnsHere();
    QByteArray header;
    for (const PortColumn* column : columns)
        header += (header.isEmpty() ? "" : "\t") + QByteArray(column->header);
    std::fprintf(call.io.out, "%s\n", header.constData());
    for (const PortInfo& port : ports) {
        QStringList names;
        for (int number : NumbersOf(port, stored, ports))
            names << QStringLiteral("COM%1").arg(number);
        QByteArray row = OrDash(names.join(QLatin1Char(',')));
        for (std::size_t i = 1; i < columns.size(); ++i)
            row += '\t' + OrDash(columns[i]->value(port));
        std::fprintf(call.io.out, "%s\n", row.constData());
    }
    if (ports.isEmpty())
        std::fprintf(call.io.err, "%s\n", qPrintable(CliPortTexts::tr("No serial port is present.")));
    // Stored choices that name no listed port still decide what COMn means.
    for (int number = 1; number <= 4; ++number)
        if (!StoredDevice(stored, number).isEmpty() && !FindPort(ports, StoredDevice(stored, number)))
            PrintLine(call.io.out, PortHint(number, stored, ports));
    return ListWritten(call.io, kOk);
}

int RunDoctor(const Call& call)
{
    const StoredDevices stored = SettingsStore::PortDevices();
    const SystemPortList system;
    const QList<PortInfo> ports = system.Ports();
    std::optional<PortChoice> choice = call.args.port ? ParsePortChoice(PathOf(*call.args.port)) : std::nullopt;
    if (!choice) {
        Model settings;
        SettingsStore::Load(settings);
        choice = PortChoice{settings.PortNumber, {}};
    }
    const PortTarget target = ResolvePort(*choice, stored, ports);
    if (choice->number > 0)
        PrintLine(call.io.out, PortHint(choice->number, stored, ports));

    const std::unique_ptr<SerialPort> serial = NewSystemSerialPort();
    const ErrorLog noLog{QString()};
    SerialLink link(*serial, call.model, noLog);
    link.UsePort(*choice);
    link.UseDevices(stored, &system);
    const bool opened = link.PortOpen();
    link.ClosePort();
    bool ready = opened;
    if (!opened)
        PrintLine(call.io.out, link.OpenFailure());
    else if (!call.args.probe)
        PrintLine(call.io.out, CliPortTexts::tr("%1 opens: the port is ready. Nothing was sent to the radio.")
                                   .arg(target.device));
    else {
        PrintLine(call.io.out, CliPortTexts::tr("%1 opens: the port is ready.").arg(target.device));
        ready = Probe(call, link);
    }

    const DeviceFacts facts = LookAtDevice(target.device);
    const std::optional<PortInfo> port = FindPort(ports, target.device);
    if (facts.exists && port && port->usb && facts.modemManagerPid > 0 && !facts.modemManagerIgnores)
        PrintLine(call.io.out, CliPortTexts::tr("Note: ModemManager (process %1) runs and may probe %2 each time "
                                                "the cable is plugged in. The udev rule of the Debian package keeps it "
                                                "away.")
                                   .arg(facts.modemManagerPid)
                                   .arg(target.device));
    return ListWritten(call.io, ready ? kOk : kFailed);
}

}  // namespace quorlink::cli
