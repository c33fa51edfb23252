// SPDX-License-Identifier: GPL-3.0-or-later
#include "kept_copies.h"

#include "backups.h"
#include "codecs.h"
#include "ini_reader.h"
#include "latin1.h"
#include "mmsi.h"
#include "recovery_copies.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace quorlink {

namespace {

const QString kStamp = QStringLiteral("yyyyMMdd-HHmmss");

struct BackupTail {
    const char* tail;
    const char* kind;
};
// Longest first: "-before-write" also ends in "-write".
constexpr BackupTail kBackupTails[] = {{"-before-write", "before write"}, {"-write", "written"}, {"-read", "read"}};

QString MmsiText(const std::string& stored) { return ToQString(ShownMmsi(stored)); }

void AddBackups(const QString& dataFolder, QList<KeptCopy>& list)
{
    static const QRegularExpression name(QStringLiteral("^(MR\\d{4}A)-(\\d{8}-\\d{6})(-[a-z-]+?)(?:-\\d+)?\\.hex$"));
    const QDir dir(BackupsFolder(dataFolder));
    for (const QString& file : dir.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file);
        if (!match.hasMatch())
            continue;
        const auto tail = std::find_if(std::begin(kBackupTails), std::end(kBackupTails), [&](const BackupTail& t) {
            return match.captured(3) == QLatin1String(t.tail);
        });
        Image image{};
        if (tail == std::end(kBackupTails) || !ReadImageBytes(dir.filePath(file), image))
            continue;
        list.append({dir.filePath(file), QDateTime::fromString(match.captured(2), kStamp),
                     QLatin1String(tail->kind), match.captured(1), MmsiText(DecodeDigits(image, addr::UserMmsid))});
    }
}

void AddRecoveryCopies(const QString& dataFolder, QList<KeptCopy>& list)
{
    static const QRegularExpression name(QStringLiteral("^(\\d{8}-\\d{6})-([a-z-]+?)(?:-\\d+)?\\.dat$"));
    for (const QString& path : RecoveryCopies(dataFolder)) {
        const QRegularExpressionMatch match = name.match(QFileInfo(path).fileName());
        QFile file(path);
        IniLookup ini;
        if (!match.hasMatch() || !file.open(QIODevice::ReadOnly) ||
            !ini.Load(file, [](const QByteArray& section) { return section == "main" || section == "setcom"; }))
            continue;
        list.append({path, QDateTime::fromString(match.captured(1), kStamp),
                     QStringLiteral("dropped edits (%1)").arg(match.captured(2)), ReadIniValue(ini, "MAIN", "MODEL"),
                     MmsiText(ToStdString(ReadIniValue(ini, "SETCOM", "UserMmsid")))});
    }
}

}  // namespace

QList<KeptCopy> ListKeptCopies(const QString& dataFolder)
{
    QList<KeptCopy> list;
    AddBackups(dataFolder, list);
    AddRecoveryCopies(dataFolder, list);
    std::stable_sort(list.begin(), list.end(), [](const KeptCopy& a, const KeptCopy& b) { return a.when > b.when; });
    return list;
}

}  // namespace quorlink
