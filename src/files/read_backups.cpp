#include "read_backups.h"

#include "codecs.h"
#include "latin1.h"
#include "model.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace quorlink {

namespace {

// The user MMSI stored in a backup, or nothing when the file cannot be read.
std::optional<std::string> UserMmsiOf(const QString& path)
{
    Image image{};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) ||
        file.read(reinterpret_cast<char*>(image.data()), kImageSize) != kImageSize)
        return std::nullopt;
    return DecodeDigits(image, addr::UserMmsid);
}

}  // namespace

QList<ReadBackup> ListReadBackups(const QString& dataFolder, const QString& modelName)
{
    const QRegularExpression pattern(QStringLiteral("^%1-(\\d{8}-\\d{6})-read\\.hex$")
                                         .arg(QRegularExpression::escape(modelName)));
    QList<ReadBackup> backups;
    const QDir folder(dataFolder + QStringLiteral("/backups"));
    for (const QFileInfo& info : folder.entryInfoList(QDir::Files | QDir::NoSymLinks)) {
        const QRegularExpressionMatch match = pattern.match(info.fileName());
        if (!match.hasMatch() || !info.isFile() || info.size() != kImageSize)
            continue;
        const QDateTime taken = QDateTime::fromString(match.captured(1), QStringLiteral("yyyyMMdd-HHmmss"));
        if (taken.isValid())
            backups.append({info.filePath(), taken});
    }
    std::sort(backups.begin(), backups.end(),
              [](const ReadBackup& a, const ReadBackup& b) { return a.taken > b.taken; });
    return backups;
}

QString LastReadOfRadio(const QString& dataFolder, const Model& model)
{
    for (const ReadBackup& backup : ListReadBackups(dataFolder, ToQString(model.ModelName())))
        if (UserMmsiOf(backup.path) == model.Settings.UserMmsid)
            return backup.path;
    return {};
}

}  // namespace quorlink
