// SPDX-License-Identifier: GPL-3.0-or-later
// The verbs that look at serial ports without talking to a radio: ports and doctor.
#include "error_log.h"
#include "file_path.h"
#include "latin1.h"
#include "model.h"
#include "open_failure.h"
#include "port_names.h"
#include "serial_port.h"
#include "serial_link.h"
#include "settings_store.h"
#include "terminal_text.h"
#include "verbs.h"

#include <cstdio>

namespace quorlink::cli {

namespace {

QByteArray OrDash(const QString& text) { return text.isEmpty() ? QByteArray("-") : EscapeControls(text).toLocal8Bit(); }

void PrintLine(std::FILE* to, const QString& line) { std::fprintf(to, "%s\n", qPrintable(EscapeControls(line))); }

}  // namespace

int RunPorts(const Call& call)
{
    const StoredDevices stored = SettingsStore::PortDevices();
    const QList<PortInfo> ports = SystemPortList().Ports();
    std::fprintf(call.io.out, "PORT\tDEVICE\tVID:PID\tMANUFACTURER\tDESCRIPTION\tBY-ID LINK\n");
    for (const PortInfo& port : ports) {
        QStringList names;
        for (int number : NumbersOf(port, stored, ports))
            names << QStringLiteral("COM%1").arg(number);
        std::fprintf(call.io.out, "%s\t%s\t%s\t%s\t%s\t%s\n", OrDash(names.join(QLatin1Char(','))).constData(),
                     OrDash(port.device).constData(), OrDash(port.VidPid()).constData(),
                     OrDash(port.manufacturer).constData(), OrDash(port.description).constData(),
                     OrDash(port.byIdLink).constData());
    }
    if (ports.isEmpty())
        std::fprintf(call.io.err, "No serial port is present.\n");
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
    if (opened)
        PrintLine(call.io.out, QStringLiteral("%1 opens: the port is ready. Nothing was sent to the radio.")
                                   .arg(target.device));
    else
        PrintLine(call.io.out, link.OpenFailure());

    const DeviceFacts facts = LookAtDevice(target.device);
    const std::optional<PortInfo> port = FindPort(ports, target.device);
    if (facts.exists && port && port->usb && facts.modemManagerPid > 0 && !facts.modemManagerIgnores)
        PrintLine(call.io.out, QStringLiteral("Note: ModemManager (process %1) runs and may probe %2 each time the "
                                              "cable is plugged in. The udev rule of the Debian package keeps it away.")
                                   .arg(facts.modemManagerPid)
                                   .arg(target.device));
    return ListWritten(call.io, opened ? kOk : kFailed);
}

}  // namespace quorlink::cli
