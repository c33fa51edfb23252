// SPDX-License-Identifier: GPL-3.0-or-later
// backups: what the program keeps of radios and of dropped edits.
#include "kept_copies.h"
#include "terminal_text.h"
#include "verbs.h"

#include <QDir>
#include <cstdio>

namespace quorlink::cli {

int RunBackups(const Call& call)
{
    for (const KeptCopy& copy : ListKeptCopies(DataFolderOf(call.io)))
        std::fprintf(call.io.out, "%s\t%s\t%s\t%s\t%s\n",
                     EscapeControls(QDir::toNativeSeparators(copy.path)).toLocal8Bit().constData(),
                     copy.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1().constData(),
                     copy.kind.toLatin1().constData(), copy.model.isEmpty() ? "-" : copy.model.toLatin1().constData(),
                     copy.mmsi.isEmpty() ? "-" : copy.mmsi.toLatin1().constData());
    return ListWritten(call.io, kOk);
}

}  // namespace quorlink::cli
