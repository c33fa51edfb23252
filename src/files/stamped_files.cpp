// SPDX-License-Identifier: GPL-3.0-or-later
#include "stamped_files.h"

#include "latin1.h"
#include "whole_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <algorithm>

namespace quorlink {

namespace {
constexpr int kMostSameSecond = 1000;

// text is marked in StampedFileTexts; the error log keeps it in English.
StampedFile Failed(const char* text, const QString& folder)
{
    const QString shown = QDir::toNativeSeparators(folder);
    return {QString(), QCoreApplication::translate("StampedFileTexts", text).arg(shown),
            QString::fromLatin1(text).arg(shown)};
}
}  // namespace

StampedFile WriteStampedFile(const QString& folder, const QString& head, const QString& tail,
                             const QString& extension, const QByteArray& bytes, const QDateTime& when)
{
    if (!QDir().mkpath(folder))
        return Failed(QT_TRANSLATE_NOOP("StampedFileTexts", "cannot make the folder %1"), folder);
    const QString stem = folder + QLatin1Char('/') + head + when.toString(QStringLiteral("yyyyMMdd-HHmmss")) + tail;
    for (int n = 1; n <= kMostSameSecond; ++n) {
        const QString path = stem + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + extension;
        bool taken = false;
        const Fault fault = WriteNewWholeFile(path, bytes, taken);
        if (!fault)
            return {path, QString()};
        if (!taken) {
            const QString failure = ToQString(fault.description) + QStringLiteral(" (") +
                                    QDir::toNativeSeparators(path) + QLatin1Char(')');
            return {QString(), failure, failure};
        }
    }
    return Failed(QT_TRANSLATE_NOOP("StampedFileTexts", "too many files in one second in %1"), folder);
}

QStringList StampedFiles(const QString& folder, const QString& head, const QString& tailPattern,
                         const QString& extension)
{
    const QRegularExpression name(QStringLiteral("^%1(\\d{8}-\\d{6})(?:%2)(?:-(\\d+))?%3$")
                                      .arg(QRegularExpression::escape(head), tailPattern,
                                           QRegularExpression::escape(extension)));
    struct Found {
        QString stamp;
        int n;
        QString path;
    };
    std::vector<Found> found;
    const QDir dir(folder);
    for (const QString& file : dir.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file);
        if (match.hasMatch())
            found.push_back({match.captured(1), match.captured(2).isEmpty() ? 1 : match.captured(2).toInt(),
                             dir.filePath(file)});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.stamp != b.stamp ? a.stamp > b.stamp : a.n > b.n;
    });
    QStringList paths;
    for (const Found& f : found)
        paths.append(f.path);
    return paths;
}

}  // namespace quorlink
