// SPDX-License-Identifier: GPL-3.0-or-later
// Whole files as bytes, for tests that compare what was written.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace quorlink::test {

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// False when the file could not be written whole.
inline bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace quorlink::test
