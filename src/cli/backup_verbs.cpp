// SPDX-License-Identifier: GPL-3.0-or-later
// backups: what the program keeps of radios and of dropped edits.
#include "kept_copies.h"
#include "terminal_text.h"
#include "verbs.h"

#include <QDir>
#include <cstdio>

namespace quorlink::cli {

namespace {

QByteArray Column(const QString& text) { return text.isEmpty() ? QByteArray("-") : EscapeControls(text).toLocal8Bit(); }

}  // namespace

int RunBackups(const Call& call)
{
    const KeptCopies kept = ListKeptCopies(DataFolderOf(call.io));
    for (const KeptCopy& copy : kept.copies)
        std::fprintf(call.io.out, "%s\t%s\t%s\t%s\t%s\t%s\t%s\n",
                     Column(QDir::toNativeSeparators(copy.path)).constData(),
                     copy.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1().constData(),
                     Column(copy.kind).constData(), Column(copy.model).constData(), Column(copy.mmsi).constData(),
                     Column(copy.outcome).constData(), Column(copy.radio).constData());
    if (!kept.backupsNote.isEmpty())
        std::fprintf(call.io.err, "quorlink-cli: %s\n", Column(kept.backupsNote).constData());
    return ListWritten(call.io, kept.backupsFolderBroken ? kFailed : kOk);
}

}  // namespace quorlink::cli
