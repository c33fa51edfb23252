// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_filters.h"

#include <QCoreApplication>

namespace quorlink {

namespace {

struct FileFilterTexts {
    Q_DECLARE_TR_FUNCTIONS(FileFilterTexts)
};

// "dat files" and "dat" -> "dat files(*.dat)|*.dat".
QString Entry(const QString& name, const char* extension)
{
    const QString pattern = QStringLiteral("*.") + QLatin1String(extension);
    return name + QLatin1Char('(') + pattern + QStringLiteral(")|") + pattern;
}

QString WithAllFiles(const QString& entries)
{
    return entries + QLatin1Char('|') + Entry(FileFilterTexts::tr("All files"), "*");
}

}  // namespace

QString DataFilter() { return WithAllFiles(Entry(FileFilterTexts::tr("dat files"), "dat")); }

QString OpenFilter()
{
    return DataFilter() + QLatin1Char('|') + Entry(FileFilterTexts::tr("Radio images") + QLatin1Char(' '), "hex");
}

QString HexFilter() { return WithAllFiles(Entry(FileFilterTexts::tr("hex files"), "hex")); }

QString CompareFilter()
{
    return WithAllFiles(Entry(FileFilterTexts::tr("dat files"), "dat") + QLatin1Char('|') +
                        Entry(FileFilterTexts::tr("hex files"), "hex"));
}

QString ListFilter() { return WithAllFiles(Entry(FileFilterTexts::tr("csv files"), "csv")); }

QString TextFilter() { return WithAllFiles(Entry(FileFilterTexts::tr("Text files"), "txt")); }

}  // namespace quorlink
