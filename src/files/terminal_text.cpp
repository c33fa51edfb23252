// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminal_text.h"

#include <algorithm>

namespace quorlink {

namespace {

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

QString Escaped(unsigned code)
{
    return QStringLiteral("\\x") + QString::number(code, 16).toUpper().rightJustified(2, u'0');
}

// How many bytes a UTF-8 character that begins with lead has; 0 for a byte no character begins with.
qsizetype LeadLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
}

// The bytes of one character beginning at bytes[0] when they are UTF-8; 0 when not.
qsizetype Utf8Length(QByteArrayView bytes)
{
    const qsizetype length = LeadLength(static_cast<unsigned char>(bytes.front()));
    if (length == 0 || length > bytes.size())
        return 0;
    // Decoding and encoding again spots overlong forms, surrogates and bad continuation bytes.
    const QByteArrayView one = bytes.first(length);
    return QString::fromUtf8(one).toUtf8() == one ? length : 0;
}

QString Escape(const QString& text, bool keepLineEnds)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const bool lineEnd = c == u'\n' || c == u'\t' || (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n');
        if (IsControl(c) && !(keepLineEnds && lineEnd))
            shown += Escaped(c);
        else
            shown += text.at(i);
    }
    return shown;
}

}  // namespace

QString EscapeControls(const QString& text) { return Escape(text, true); }

QString EscapeControlsOnOneLine(const QString& text) { return Escape(text, false); }

QString EscapeControls(QByteArrayView bytes)
{
    // A byte that does not decode becomes the text \xHH, which holds no control character.
    QString decoded;
    while (!bytes.isEmpty()) {
        const qsizetype length = Utf8Length(bytes);
        decoded += length == 0 ? Escaped(static_cast<unsigned char>(bytes.front()))
                               : QString::fromUtf8(bytes.first(length));
        bytes = bytes.sliced(std::max<qsizetype>(length, 1));
    }
    return EscapeControls(decoded);
}

}  // namespace quorlink
