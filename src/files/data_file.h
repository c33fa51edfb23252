// The data file (.dat) and the default file (.def): the records, not the
// image, as INI-style text with CR LF line ends.
#pragma once

#include "fault.h"
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

// The commands. Each sets ErrorFlag (and CancelFlag on failure), logs and
// tells the user as the file commands do, and returns the file fault with
// the system's reason. A failed save leaves any previous file as it was; a
// file that cannot be opened, is no regular file or holds no data-file
// section changes nothing.
Fault SaveFileAs(Model& model, const QString& path, const FileContext& context);
Fault SaveFileAsDefault(Model& model, const QString& path, const FileContext& context);
Fault FileRead2(Model& model, const QString& path, const FileContext& context);

// "<folder>/MR7100A.def" or "<folder>/MR5100A.def".
QString DefaultFilePath(const QString& folder, const Model& model);

}  // namespace quorlink
