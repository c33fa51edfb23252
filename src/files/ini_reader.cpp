// SPDX-License-Identifier: GPL-3.0-or-later
#include "ini_reader.h"

#include <QIODevice>

namespace quorlink {

namespace {

constexpr qsizetype kMaxLine = 4096;   // more than any real line; the rest is dropped
constexpr qsizetype kMaxValue = 127;
constexpr qint64 kChunk = 64 * 1024;

QByteArray TrimBlanks(const QByteArray& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && (text[first] == ' ' || text[first] == '\t'))
        ++first;
    while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t' || text[last - 1] == '\r'))
        --last;
    return text.mid(first, last - first);
}

}  // namespace

bool IniLookup::Load(QIODevice& device, const SectionFilter& wanted)
{
    sections_.clear();
    current_ = nullptr;
    QByteArray line;
    bool lineCut = false;
    while (!device.atEnd()) {
        const QByteArray chunk = device.read(kChunk);
        if (chunk.isEmpty())
            return device.atEnd();
        qsizetype from = 0;
        while (from < chunk.size()) {
            const qsizetype end = chunk.indexOf('\n', from);
            const qsizetype stop = end < 0 ? chunk.size() : end;
            if (!lineCut) {
                line.append(chunk.constData() + from, std::min(stop - from, kMaxLine - line.size()));
                lineCut = line.size() >= kMaxLine;
            }
            if (end < 0)
                break;
            TakeLine(line, wanted);
            line.clear();
            lineCut = false;
            from = end + 1;
        }
    }
    if (!line.isEmpty())
        TakeLine(line, wanted);
    return true;
}

void IniLookup::TakeLine(QByteArray line, const SectionFilter& wanted)
{
    line = TrimBlanks(line);
    if (line.startsWith('[')) {
        const qsizetype close = line.indexOf(']');
        const QByteArray name = TrimBlanks(line.mid(1, close < 0 ? -1 : close - 1)).toLower();
        // A repeated section is ignored as a whole: the first one wins.
        current_ = wanted(name) && !sections_.contains(name) ? &sections_[name] : nullptr;
        return;
    }
    const qsizetype equals = line.indexOf('=');
    if (current_ == nullptr || equals <= 0)
        return;
    const QByteArray key = TrimBlanks(line.left(equals)).toLower();
    if (!key.isEmpty() && !current_->contains(key))
        current_->insert(key, TrimBlanks(line.mid(equals + 1)));
}

std::optional<QByteArray> IniLookup::Value(const QByteArray& section, const QByteArray& key) const
{
    const auto s = sections_.constFind(section.toLower());
    if (s == sections_.constEnd())
        return std::nullopt;
    const auto k = s->constFind(key.toLower());
    if (k == s->constEnd())
        return std::nullopt;
    return *k;
}

QString ReadIniValue(const IniLookup& file, const QByteArray& section, const QByteArray& key)
{
    const std::optional<QByteArray> found = file.Value(section, key);
    if (!found)
        return {};
    QByteArray value = found->left(kMaxValue);
    const qsizetype nul = value.indexOf('\0');
    if (nul >= 0)
        value.truncate(nul);
    if (value == "<NONE>")  // the marker readers use for "missing"
        return {};
    if (value.startsWith('#'))
        value.remove(0, 1);
    return QString::fromLatin1(value);
}

}  // namespace quorlink
