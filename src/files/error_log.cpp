// SPDX-License-Identifier: GPL-3.0-or-later
#include "error_log.h"

#include "fault.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>

namespace quorlink {

ErrorLog::ErrorLog(QString folder) : folder_(std::move(folder)) {}

QString ErrorLog::Path() const { return QDir(folder_).filePath(QStringLiteral("err.log")); }

void ErrorLog::Write(bool diagnosticMode, const QString& source, const Fault& fault) const
{
    if (!diagnosticMode)
        return;
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));  // no time zone
    const QString line = locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(',') +
                         locale.toString(now.time(), timeFormat.trimmed()) + QLatin1Char(':') + source +
                         QStringLiteral(" -> ") + QString::number(fault.number) +
                         QString::fromStdString(fault.description) + QStringLiteral("\r\n");
    QFile file(Path());
    if (file.open(QIODevice::Append))
        file.write(line.toLatin1());
}

}  // namespace quorlink
