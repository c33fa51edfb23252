// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_context.h"

#include "model.h"
#include "recovery_copies.h"
#include "whole_file.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace quorlink {

void Pause(int ms)
{
    if (ms <= 0)
        return;
    if (QCoreApplication::instance() == nullptr) {
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

Fault SaveWholeFile(const FileContext& context, const QString& path, const QByteArray& bytes)
{
    InPlaceSave inPlace{context.dataFolder.isEmpty() ? QString() : RecoveryFolder(context.dataFolder), QString()};
    const Fault fault = WriteWholeFile(path, bytes, &inPlace);
    if (!fault && !inPlace.keptAs.isEmpty())
        context.prompt.Message(QStringLiteral("Quorlink"), InPlaceNote(path, inPlace), MessageIcon::Information);
    return fault;
}

Outcome EndFileCommand(Model& model, const FileContext& context, const Outcome& outcome, const char* source,
                       const char* message, FlagsSet flags)
{
    LeaveFlags(model, outcome, flags);
    if (outcome.failed() && outcome.fault) {
        context.log.Write(model.DiagnosticMode, QString::fromLatin1(source), outcome.fault);
        context.prompt.Message(QStringLiteral("Quorlink"), QString::fromLatin1(message), MessageIcon::Warning);
    }
    return outcome;
}

}  // namespace quorlink
