// SPDX-License-Identifier: GPL-3.0-or-later
// Reads an INI-style data file once into a lookup: sections and keys compared
// without regard to case, the first occurrence of a section or key wins, the
// value is the text after the first "=" with surrounding blanks removed.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace quorlink {

class IniLookup {
public:
    // Keeps only the sections for which wanted(lower-cased name) is true, so a
    // huge or hostile file costs no more memory than a real one. Lines are read
    // in bounded pieces; a very long line is cut.
    using SectionFilter = std::function<bool(const QByteArray& lowerName)>;
    bool Load(QIODevice& device, const SectionFilter& wanted);

    std::optional<QByteArray> Value(const QByteArray& section, const QByteArray& key) const;
    // No wanted section was found.
    bool IsEmpty() const { return sections_.isEmpty(); }

private:
    void TakeLine(QByteArray line, const SectionFilter& wanted);

    QHash<QByteArray, QHash<QByteArray, QByteArray>> sections_;
    QHash<QByteArray, QByteArray>* current_ = nullptr;  // null: outside a wanted section
};

// The text of a key as the data file reader sees it: at most 127 characters,
// cut at the first NUL, empty when missing, one leading "#" removed.
QString ReadIniValue(const IniLookup& file, const QByteArray& section, const QByteArray& key);

}  // namespace quorlink
