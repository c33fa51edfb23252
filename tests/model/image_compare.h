// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for tests that compare memory images.
#pragma once

#include "image_layout.h"

#include <QByteArray>
#include <QString>

namespace quorlink::test {

// Writes hex digits (blanks allowed) into the image from address on.
inline void PutHex(Image& image, int address, const char* hex)
{
    const QByteArray bytes = QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
    for (int i = 0; i < bytes.size(); ++i)
        image.at(address + i) = static_cast<std::uint8_t>(bytes[i]);
}

inline QByteArray Hex(const Image& image, int address, int count)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()) + address, count).toHex(' ').toUpper();
}

// Empty when equal, else the first few differing addresses with both values.
inline QString Differences(const Image& got, const Image& expected)
{
    QString text;
    int shown = 0;
    for (int i = 0; i < kImageSize && shown < 8; ++i) {
        if (got[i] != expected[i]) {
            text += QStringLiteral("byte %1: got %2, expected %3; ")
                        .arg(i)
                        .arg(got[i], 2, 16, QLatin1Char('0'))
                        .arg(expected[i], 2, 16, QLatin1Char('0'));
            ++shown;
        }
    }
    return text;
}

}  // namespace quorlink::test
