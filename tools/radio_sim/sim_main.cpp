// SPDX-License-Identifier: GPL-3.0-or-later
// quorlink-radio-sim: a radio on a pseudo-terminal for demos, manual runs and
// the transfer benchmark. Point the program at the --link path (or at the
// device it prints) and read, write or clear as with a real radio.
#include "image_layout.h"
#include "model.h"
#include "radio_emulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <sys/signalfd.h>
#include <unistd.h>

using namespace quorlink::sim;

namespace {

std::optional<std::uint16_t> ModelCodeFromText(const QString& text)
{
    const QString model = text.trimmed().toUpper();
    if (model == QLatin1String("1") || model == QLatin1String("7100") || model == QLatin1String("MR7100A"))
        return kCode7100;
    if (model == QLatin1String("0") || model == QLatin1String("2") || model == QLatin1String("5100") ||
        model == QLatin1String("MR5100A"))
        return kCode5100;
    return std::nullopt;
}

// kind[,cmd=0x14][,addr=0x0100][,times=N][,ms=N]
std::optional<FaultRule> FaultFromText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    const std::optional<FaultKind> kind = FaultKindFromName(parts.value(0));
    if (!kind)
        return std::nullopt;
    FaultRule rule;
    rule.kind = *kind;
    for (const QString& part : parts.mid(1)) {
        const QString key = part.section(QLatin1Char('='), 0, 0);
        bool ok = false;
        const int value = part.section(QLatin1Char('='), 1).toInt(&ok, 0);
        int* field = key == QLatin1String("cmd")     ? &rule.command
                     : key == QLatin1String("addr")  ? &rule.address
                     : key == QLatin1String("times") ? &rule.times
                     : key == QLatin1String("ms")    ? &rule.delayMs
                                                     : nullptr;
        if (!ok || !field)
            return std::nullopt;
        *field = value;
    }
    return rule;
}

bool LoadMemory(const QString& path, Memory& memory)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(kMemorySize + 1);
    if (bytes.size() != kMemorySize)
        return false;
    std::copy(bytes.begin(), bytes.end(), memory.begin());
    return true;
}

bool SaveMemory(const QString& path, const Memory& memory)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(memory.data()), kMemorySize) == kMemorySize;
}

// Replaces an old link of ours, never a file of somebody else's.
bool MakeLink(const QString& linkPath, const QString& target)
{
    const QFileInfo existing(linkPath);
    if (existing.isSymLink())
        QFile::remove(linkPath);
    else if (existing.exists())
        return false;
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(linkPath).constData()) == 0;
}

QString Describe(const LoggedRequest& entry)
{
    switch (entry.kind) {
    case LoggedRequest::Kind::Cancel: return QStringLiteral("CAN");
    case LoggedRequest::Kind::Junk: return QStringLiteral("junk %1").arg(QLatin1String(entry.raw.toHex(' ')));
    case LoggedRequest::Kind::Frame: break;
    }
    const RadioRequest& request = entry.request;
    if (!request.valid)
        return QStringLiteral("unreadable frame %1").arg(QLatin1String(entry.raw.toHex(' ')));
    QString line = QStringLiteral("%1 %2")
                       .arg(request.command, 2, 16, QLatin1Char('0'))
                       .arg(request.address, 4, 16, QLatin1Char('0'));
    if (!request.data.isEmpty())
        line += QLatin1Char(' ') + QLatin1String(request.data.toHex());
    line = line.toUpper();
    if (!entry.fault.isEmpty())
        line += QStringLiteral("  [%1]").arg(entry.fault);
    return line;
}

// SIGINT and SIGTERM end the event loop, so the link is removed on the way out.
void QuitOnSignals(QCoreApplication& app)
{
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    const int fd = signalfd(-1, &stopSignals, SFD_NONBLOCK | SFD_CLOEXEC);
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
}

int Fail(const QString& text)
{
    std::fprintf(stderr, "quorlink-radio-sim: %s\n", qPrintable(text));
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A radio on a pseudo-terminal that answers the clone protocol."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("model"), QStringLiteral("1 or MR7100A, 0 or MR5100A."), QStringLiteral("M")},
        {QStringLiteral("image"), QStringLiteral("Raw 8192-byte memory to start from."), QStringLiteral("FILE")},
        {QStringLiteral("link"), QStringLiteral("Symlink to the pty's device."), QStringLiteral("PATH")},
        {QStringLiteral("pace"), QStringLiteral("Bytes per second on the line (960 = 9600 baud)."), QStringLiteral("BPS")},
        {QStringLiteral("fault"),
         QStringLiteral("Spoil answers: kind[,cmd=0x14][,addr=0x0100][,times=N][,ms=N]; kinds: no-answer (a lost request), "
                        "lower-case-sum, bad-sum, wrong-command, missing-cr, extra-bytes, truncated, split, "
                        "delay, other-model, hang-up, mis-store (acknowledges a write, stores a wrong byte), repeat (sends its answer twice; with ms=N the copy N ms after it). "
                        "Repeatable."),
         QStringLiteral("FAULT")},
        {QStringLiteral("save"), QStringLiteral("Write the memory to FILE on exit."), QStringLiteral("FILE")},
        {QStringLiteral("quiet"), QStringLiteral("Do not print the requests.")},
    });
    parser.process(app);

    const std::optional<std::uint16_t> code = ModelCodeFromText(parser.value(QStringLiteral("model")));
    if (!code)
        return Fail(QStringLiteral("--model must be 1, 0, MR7100A or MR5100A"));
    RadioEmulator radio(*code);
    if (parser.isSet(QStringLiteral("image"))) {
        if (!LoadMemory(parser.value(QStringLiteral("image")), radio.memory()))
            return Fail(QStringLiteral("cannot read 8192 bytes from %1").arg(parser.value(QStringLiteral("image"))));
    } else {
        quorlink::Image image;
        quorlink::FillDefaultImage(image, *code == kCode7100 ? 1 : 0);
        std::copy(image.begin(), image.end(), radio.memory().begin());
    }
    radio.SetPace(parser.value(QStringLiteral("pace")).toInt());
    for (const QString& text : parser.values(QStringLiteral("fault"))) {
        const std::optional<FaultRule> rule = FaultFromText(text);
        if (!rule)
            return Fail(QStringLiteral("not a fault: %1").arg(text));
        radio.AddFault(*rule);
    }

    QString error;
    if (!radio.Start(&error))
        return Fail(error);
    const QString linkPath = parser.value(QStringLiteral("link"));
    if (!linkPath.isEmpty() && !MakeLink(linkPath, radio.SlavePath()))
        return Fail(QStringLiteral("cannot make the link %1").arg(linkPath));
    std::printf("%s on %s%s\n", *code == kCode7100 ? "MR7100A" : "MR5100A", qPrintable(radio.SlavePath()),
                linkPath.isEmpty() ? "" : qPrintable(QStringLiteral(" (linked at %1)").arg(linkPath)));
    std::fflush(stdout);
    if (!parser.isSet(QStringLiteral("quiet")))
        QObject::connect(&radio, &RadioEmulator::requestLogged, [](const LoggedRequest& entry) {
            std::printf("%s\n", qPrintable(Describe(entry)));
            std::fflush(stdout);
        });

    QuitOnSignals(app);
    const int status = app.exec();
    if (!linkPath.isEmpty())
        QFile::remove(linkPath);
    if (parser.isSet(QStringLiteral("save")) && !SaveMemory(parser.value(QStringLiteral("save")), radio.memory()))
        return Fail(QStringLiteral("cannot save %1").arg(parser.value(QStringLiteral("save"))));
    return status;
}
