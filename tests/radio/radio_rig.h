// SPDX-License-Identifier: GPL-3.0-or-later
// The program's link and protocol on the slave side of a pseudo-terminal, the
// radio emulator on its master side, both on this thread's event loop. Time
// limits are short so that a silent radio costs milliseconds.
#pragma once

#include "clone_protocol.h"
#include "error_log.h"
#include "model.h"
#include "qt_serial_port.h"
#include "radio_emulator.h"
#include "serial_link.h"
#include "support/exchanges.h"
#include "support/recording_prompt.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace quorlink::test {

constexpr int kReplyTimeoutMs = 300;
constexpr int kFrameTimeoutMs = 120;

// QSettings of this process go to folder, away from the user's own.
inline void UseSettingsFolder(const QString& folder)
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

// Every byte different from its neighbours, model code kept at both ends.
inline sim::Memory PatternMemory(std::uint16_t modelCode)
{
    sim::Memory memory = sim::RadioEmulator::BlankMemory(modelCode);
    for (int i = 2; i < sim::kMemorySize - 2; ++i)
        memory[i] = static_cast<std::uint8_t>((i * 7 + i / 256) & 0xFF);
    return memory;
}

// Paces the radio as a 9600-baud cable for the requests near address only:
// a fault there plays out as on a real line, and the rest of a run stays quick.
inline void PaceNear(sim::RadioEmulator& radio, int address)
{
    QObject::connect(&radio, &sim::RadioEmulator::requestLogged, &radio,
                     [&radio, address](const sim::LoggedRequest& entry) {
                         if (entry.kind == sim::LoggedRequest::Kind::Frame)
                             radio.SetPace(std::abs(entry.request.address - address) <= 0x40 ? 960 : 0);
                     });
}

class RadioRig {
public:
    explicit RadioRig(std::uint16_t radioCode = sim::kCode7100, int modelNumber = 1)
        : radio(radioCode)
    {
        model.ModelNumber = modelNumber;
        NewModel(model);
        started = radio.Start();
        link.UsePort(PortChoice{0, radio.SlavePath()});
        protocol.Timings = {kReplyTimeoutMs, kFrameTimeoutMs, 10, 0};
    }

    // Shows an outcome as the window would, one box a message, and keeps its
    // notes in notes; true when done.
    bool Shown(const Outcome& outcome)
    {
        for (const std::string& note : outcome.notes)
            notes << QString::fromStdString(note);
        return prompt.Show(outcome).done();
    }
    QStringList notes;

    QString LogText() const
    {
        QFile file(log.Path());
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }

    sim::RadioEmulator radio;
    bool started = false;
    QTemporaryDir folder;
    Model model;
    RecordingPrompt prompt;
    ErrorLog log{folder.path()};
    QtSerialPort port;
    SerialLink link{port, model, log};
    QList<int> progress;
    CloneProtocol protocol{link, TransferHooks{[this](int percent) { progress.append(percent); }, {}}};
};

}  // namespace quorlink::test
