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

Outcome SaveWholeFile(const FileContext& context, const QString& path, const QByteArray& bytes)
{
    InPlaceSave inPlace{context.dataFolder.isEmpty() ? QString() : RecoveryFolder(context.dataFolder), QString()};
    Fault fault = WriteWholeFile(path, bytes, &inPlace);
    if (fault)
        return Outcome::Failed(std::move(fault));
    Outcome saved = Outcome::Done();
    if (!inPlace.keptAs.isEmpty())
        saved.Say("Quorlink", InPlaceNote(path, inPlace).toStdString(), MessageIcon::Information);
    return saved;
}

Outcome EndFileCommand(const Model& model, const FileContext& context, Outcome outcome, const char* source,
                       const char* message)
{
    if (outcome.failed() && outcome.fault) {
        context.log.Write(model.DiagnosticMode, QString::fromLatin1(source), outcome.fault);
        outcome.Say("Quorlink", QCoreApplication::translate("FileContextTexts", message).toStdString(),
                    MessageIcon::Warning);
    }
    return outcome;
}

}  // namespace quorlink
