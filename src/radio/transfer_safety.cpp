// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer_safety.h"

#include "clone_protocol.h"
#include "latin1.h"
#include "model.h"

#include <QCoreApplication>
#include <QDir>

namespace quorlink {

namespace {

struct TransferSafetyTexts {
    Q_DECLARE_TR_FUNCTIONS(TransferSafetyTexts)
};

QString BackupName(BackupKind kind)
{
    switch (kind) {
    case BackupKind::Read: return TransferSafetyTexts::tr("The backup of this read");
    case BackupKind::BeforeWrite: return TransferSafetyTexts::tr("The before-write backup");
    case BackupKind::Write: break;
    }
    return TransferSafetyTexts::tr("The backup of this write");
}

}  // namespace

QString BackUpTransfer(const TransferSafety& safety, const Model& model, const Image& image, BackupKind kind,
                       Notes& notes)
{
    if (safety.dataFolder.isEmpty())
        return {};
    const StampedFile backup = SaveBackup(safety.dataFolder, model.ModelName(), image, kind);
    if (!backup.failure.isEmpty())
        notes.push_back(
            TransferSafetyTexts::tr("%1 could not be saved: %2").arg(BackupName(kind), backup.failure).toStdString());
    return backup.path;
}

Outcome KeepBeforeWrite(const TransferSafety& safety, const Model& model, const Image& radio, QString& path)
{
    if (safety.dataFolder.isEmpty())
        return Outcome::Done();
    const StampedFile backup = SaveBackup(safety.dataFolder, model.ModelName(), radio, BackupKind::BeforeWrite);
    path = backup.path;
    if (backup.failure.isEmpty())
        return Outcome::Done();
    const QString text = TransferSafetyTexts::tr("%1 could not be saved in %2: %3.\n\nWithout it, what the radio "
                                                 "holds now is kept nowhere once it is written.")
                             .arg(BackupName(BackupKind::BeforeWrite),
                                  QDir::toNativeSeparators(BackupsFolder(safety.dataFolder)), backup.failure);
    if (!safety.writeWithoutBackup)
        return Outcome::Failed().Say(ProgramTitle().toStdString(),
                                     TransferSafetyTexts::tr("%1 Nothing was written.").arg(text).toStdString(),
                                     MessageIcon::Critical);
    return safety.writeWithoutBackup(text) ? Outcome::Done() : Outcome::Cancelled();
}

void NoteWrite(const TransferSafety& safety, WriteOutcome outcome, const QString& before, const QString& sent,
               Notes& notes)
{
    if (safety.dataFolder.isEmpty() || (before.isEmpty() && sent.isEmpty()))
        return;
    if (const Fault fault = NoteWriteOutcome(safety.dataFolder, outcome, before, sent))
        notes.push_back(TransferSafetyTexts::tr("How this write ended could not be noted beside its backups: %1")
                            .arg(ToQString(fault.description))
                            .toStdString());
}

}  // namespace quorlink
