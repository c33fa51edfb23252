// SPDX-License-Identifier: GPL-3.0-or-later
#include "open_failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <grp.h>
#include <iterator>
#include <vector>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace quorlink {

namespace {

// USB serial bridges of programming cables that the braille service claims.
struct ClaimedBridge {
    int vendor;
    int product;
    const char* name;
};
// The groups distributions give serial ports to. Any other group (root,
// disk, shadow, tty ...) grants far more than a port: never advise joining it.
constexpr const char* kSerialPortGroups[] = {"dialout", "uucp"};

constexpr ClaimedBridge kBrlttyBridges[] = {
    {0x1a86, 0x7523, "CH340"},
    {0x1a86, 0x5523, "CH341"},
    {0x10c4, 0xea60, "CP210x"},
    {0x0403, 0x6001, "FTDI"},
};

QString ReadLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(file.readLine()).trimmed();
}

QString ModeText(mode_t mode)
{
    QString text = S_ISCHR(mode) ? QStringLiteral("c") : S_ISDIR(mode) ? QStringLiteral("d") : QStringLiteral("-");
    const char letters[] = "rwx";
    for (int bit = 8; bit >= 0; --bit)
        text += (mode & (1u << bit)) ? QLatin1Char(letters[(8 - bit) % 3]) : QLatin1Char('-');
    return text;
}

bool ProcessHasGroup(gid_t gid)
{
    if (getegid() == gid)
        return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(getgroups(0, nullptr), 0)));
    groups.resize(static_cast<std::size_t>(std::max(getgroups(static_cast<int>(groups.size()), groups.data()), 0)));
    return std::find(groups.begin(), groups.end(), gid) != groups.end();
}

bool UserListedIn(const struct group& entry)
{
    const struct passwd* user = getpwuid(getuid());
    if (user == nullptr)
        return false;
    if (entry.gr_gid == user->pw_gid)
        return true;
    for (char** member = entry.gr_mem; member && *member; ++member)
        if (qstrcmp(*member, user->pw_name) == 0)
            return true;
    return false;
}

void LookAtRights(const QString& device, const struct stat& node, DeviceFacts& facts)
{
    facts.accessible = ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0;
    facts.mode = ModeText(node.st_mode);
    if (const struct passwd* owner = getpwuid(node.st_uid))
        facts.owner = QString::fromLocal8Bit(owner->pw_name);
    else
        facts.owner = QString::number(node.st_uid);
    facts.inGroup = ProcessHasGroup(node.st_gid);
    if (const struct group* group = getgrgid(node.st_gid)) {
        facts.group = QString::fromLocal8Bit(group->gr_name);
        facts.joinedGroup = !facts.inGroup && UserListedIn(*group);
    } else {
        facts.group = QString::number(node.st_gid);
    }
}

QString ProcessName(const SystemView& view, qint64 pid)
{
    return ReadLine(QStringLiteral("%1/%2/comm").arg(view.proc).arg(pid));
}

// The lock file names the port as the serial library and the terminal
// programs write it: LCK.. and the device's path below /dev, '/' as '_'.
QStringList LockNames(const QString& device, const QString& canonical)
{
    QStringList names;
    for (const QString& path : {device, canonical}) {
        QString name = path.startsWith(QLatin1String("/dev/")) ? path.mid(5) : QFileInfo(path).fileName();
        names << QStringLiteral("LCK..") + name.replace(QLatin1Char('/'), QLatin1Char('_'));
    }
    names.removeDuplicates();
    return names;
}

// A holder is only believed while its process lives.
void FindHolder(const QString& device, const QString& canonical, const SystemView& view, DeviceFacts& facts)
{
    QStringList folders = view.lockFolders;
    folders << QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    for (const QString& folder : folders)
        for (const QString& name : LockNames(device, canonical)) {
            const qint64 pid = ReadLine(folder + QLatin1Char('/') + name).section(QLatin1Char(' '), 0, 0,
                                                                                 QString::SectionSkipEmpty).toLongLong();
            if (pid > 0 && QFileInfo::exists(QStringLiteral("%1/%2").arg(view.proc).arg(pid))) {
                facts.holderPid = pid;
                facts.holderName = ProcessName(view, pid);
                return;
            }
        }
    if (canonical.isEmpty())
        return;
    const QStringList pids = QDir(view.proc).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        if (pid.toLongLong() <= 0)
            continue;
        const QString fdFolder = QStringLiteral("%1/%2/fd").arg(view.proc, pid);
        for (const QFileInfo& fd : QDir(fdFolder).entryInfoList(QDir::System | QDir::Files))
            if (fd.symLinkTarget() == canonical) {
                facts.holderPid = pid.toLongLong();
                facts.holderName = ProcessName(view, facts.holderPid);
                return;
            }
    }
}

bool HasSerialPort(const QString& usbDevice)
{
    for (const QFileInfo& interface : QDir(usbDevice).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QStringList inside = QDir(interface.filePath()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& name : inside)
            if (name.startsWith(QLatin1String("ttyUSB")) || name == QLatin1String("tty"))
                return true;
    }
    return false;
}

QString ClaimedAdapter(const SystemView& view)
{
    bool brltty = false;
    for (const QString& program : view.brlttyPrograms)
        brltty = brltty || QFileInfo::exists(program);
    if (!brltty)
        return {};
    for (const QFileInfo& usb : QDir(view.usbDevices).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const int vendor = ReadLine(usb.filePath() + QStringLiteral("/idVendor")).toInt(nullptr, 16);
        const int product = ReadLine(usb.filePath() + QStringLiteral("/idProduct")).toInt(nullptr, 16);
        for (const ClaimedBridge& bridge : kBrlttyBridges)
            if (bridge.vendor == vendor && bridge.product == product && !HasSerialPort(usb.filePath()))
                return QStringLiteral("%1:%2 (%3)")
                    .arg(vendor, 4, 16, QLatin1Char('0'))
                    .arg(product, 4, 16, QLatin1Char('0'))
                    .arg(QLatin1String(bridge.name));
    }
    return {};
}

bool IsSerialPortGroup(const QString& group)
{
    return std::any_of(std::begin(kSerialPortGroups), std::end(kSerialPortGroups),
                       [&group](const char* name) { return group == QLatin1String(name); });
}

// "crw-rw----": the group's read and write bits.
bool GroupMayUse(const QString& mode) { return mode.size() == 10 && mode.mid(4, 2) == QLatin1String("rw"); }

// Why the device stays shut to this user, with the one fix that is safe.
QString RightsLine(const PortTarget& target, const DeviceFacts& facts)
{
    const QString node = OpenFailureTexts::tr("%1 belongs to the group \"%2\" (owner %3, mode %4)")
                             .arg(target.device, facts.group, facts.owner, facts.mode);
    const QString udevRule = OpenFailureTexts::tr(" Joining a group is not the fix: install the udev rule "
                                                  "70-quorlink-serial.rules (it comes with the Debian package), which "
                                                  "gives the cable to the user at the desktop, then plug the cable in "
                                                  "again.");
    if (!GroupMayUse(facts.mode))
        return OpenFailureTexts::tr("%1, which does not let its group read and write it.%2").arg(node, udevRule);
    if (!IsSerialPortGroup(facts.group))
        return OpenFailureTexts::tr("%1, a group meant for more than serial ports.%2").arg(node, udevRule);
    if (facts.joinedGroup)
        return OpenFailureTexts::tr("%1. You joined that group after you logged in: log out and in again.").arg(node);
    if (!facts.inGroup)
        return OpenFailureTexts::tr("%1, and you are not a member of it. Fix: sudo usermod -aG %2 $USER, "
                                    "then log out and in again.")
            .arg(node, facts.group);
    return OpenFailureTexts::tr("%1, and you are a member of it, yet it will not open for you.%2").arg(node, udevRule);
}

qint64 RunningProcess(const SystemView& view, const QString& name)
{
    for (const QString& pid : QDir(view.proc).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (pid.toLongLong() > 0 && ProcessName(view, pid.toLongLong()) == name)
            return pid.toLongLong();
    return 0;
}

bool UdevIgnoresForModems(const SystemView& view, const struct stat& node)
{
    QFile data(QStringLiteral("%1/c%2:%3").arg(view.udevData).arg(major(node.st_rdev)).arg(minor(node.st_rdev)));
    return data.open(QIODevice::ReadOnly) && data.readAll().contains("E:ID_MM_DEVICE_IGNORE=1");
}

}  // namespace

DeviceFacts LookAtDevice(const QString& device, const SystemView& view)
{
    DeviceFacts facts;
    facts.byIdLink = device.startsWith(QLatin1String("/dev/serial/by-id/"));
    struct stat node {};
    facts.exists = !device.isEmpty() && ::stat(QFile::encodeName(device).constData(), &node) == 0;
    if (!facts.exists) {
        facts.claimedAdapter = ClaimedAdapter(view);
        return facts;
    }
    LookAtRights(device, node, facts);
    FindHolder(device, QFileInfo(device).canonicalFilePath(), view, facts);
    facts.modemManagerPid = RunningProcess(view, QStringLiteral("ModemManager"));
    facts.modemManagerIgnores = S_ISCHR(node.st_mode) && UdevIgnoresForModems(view, node);
    return facts;
}

QStringList CauseLines(const PortTarget& target, const DeviceFacts& facts, bool refused)
{
    const QString listed = PortsListedHint();
    QStringList lines;
    if (!facts.claimedAdapter.isEmpty())
        lines << OpenFailureTexts::tr("The USB serial adapter %1 is plugged in but has no serial port: the braille "
                                      "display service brltty has claimed it. Unless you use a braille display, "
                                      "run: sudo systemctl mask brltty-udev.service brltty.service (or sudo apt "
                                      "remove brltty), then unplug the cable and plug it in again.")
                     .arg(facts.claimedAdapter);
    if (target.device.isEmpty())
        return lines << OpenFailureTexts::tr("No serial port is present for %1. Plug the cable in, or choose its "
                                             "port: %2").arg(target.label, listed);
    if (!facts.exists) {
        if (facts.byIdLink)
            return lines << OpenFailureTexts::tr("The cable is unplugged: %1 is there only while it is plugged in. "
                                                 "Plug it in and try again.")
                                .arg(target.device);
        return lines << OpenFailureTexts::tr("There is no device %1. Plug the cable in, or choose its port: %2")
                               .arg(target.device, listed);
    }
    if (!facts.accessible)
        return lines << RightsLine(target, facts);
    // Many programs hold a node that is no serial port (a shell holds
    // /dev/null): only a refused opening makes a holder the cause.
    if (!refused)
        return lines;
    if (facts.holderPid > 0 && facts.holderName == QLatin1String("ModemManager"))
        return lines << OpenFailureTexts::tr("ModemManager (process %1) is probing %2 for a modem. Wait a few "
                                             "seconds and try again. To stop it for good, install the udev rule of "
                                             "the Debian package, or run: sudo systemctl stop ModemManager")
                            .arg(facts.holderPid).arg(target.device);
    if (facts.holderPid > 0)
        return lines << OpenFailureTexts::tr("%1 is in use by %2 (process %3). Close that program and try again.")
                            .arg(target.device, facts.holderName).arg(facts.holderPid);
    return lines << OpenFailureTexts::tr("%1 is in use by another program. Close it and try again.")
                        .arg(target.device);
}

}  // namespace quorlink
