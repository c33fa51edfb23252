// SPDX-License-Identifier: GPL-3.0-or-later
// The data file (.dat) and the default file (.def): the records, not the
// image, as INI-style text with CR LF line ends.
#pragma once

#include "file_context.h"

#include <QByteArray>
#include <QString>

namespace quorlink {

struct Model;
class IniLookup;

enum class DataFileScope { Whole, DefaultOnly };  // DefaultOnly: MAIN, SETCOM, CHCOM

QByteArray FormatDataFile(const Model& model, DataFileScope scope);
// Sets every field the file has a readable value for; see ReadIniValue.
void ApplyDataFile(const IniLookup& file, Model& model);

// The commands. Each ends as every file command does (EndFileCommand) and
// returns its outcome; a failure carries the file fault with the system's
// reason. A failed save leaves any previous file as it was; a
// file that cannot be opened, is no regular file or holds no data-file
// section changes nothing.
Outcome SaveFileAs(Model& model, const QString& path, const FileContext& context);
Outcome SaveFileAsDefault(Model& model, const QString& path, const FileContext& context);
Outcome FileRead2(Model& model, const QString& path, const FileContext& context);

// "<folder>/MR7100A.def" or "<folder>/MR5100A.def".
QString DefaultFilePath(const QString& folder, const Model& model);

}  // namespace quorlink
