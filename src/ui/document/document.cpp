// SPDX-License-Identifier: GPL-3.0-or-later
#include "document.h"

#include "file_path.h"
#include "loaded_records.h"
#include "model.h"
#include "prompt.h"
#include "recovery_copies.h"

namespace quorlink {

Document::Document(Model& model, Prompt& prompt, QString dataFolder)
    : model_(model), prompt_(prompt), dataFolder_(std::move(dataFolder))
{
}

void Document::ReplaceRecords(const std::function<void(Model&)>& replace, const Source& source)
{
    replace(model_);
    RepairLoadedRecords(model_);
    if (source.file == Source::File::Set)
        model_.CurrentFilePath = PathText(source.path);
    else if (source.file == Source::File::Clear)
        model_.CurrentFilePath.clear();
    history_.Clear(model_);
    if (source.clean) {
        cleanRecords_ = RecordSet::Of(model_);
        imageAsLoaded_ = source.imageAsLoaded;
    }
    emit HistoryChanged();
    emit Changed();
}

void Document::Edit(const QString& name, const QString& key, const void* typingField,
                    const std::function<void(Model&)>& change)
{
    change(model_);
    if (replaying_)
        return;
    if (history_.Record(model_, name, key, typingField))
        emit HistoryChanged();
    emit Changed();
}

void Document::SetPortNumber(int number) { model_.PortNumber = static_cast<std::int16_t>(number); }

void Document::StepThroughHistory(bool undo, const std::function<void(const EditHistory::Step&)>& show)
{
    replaying_ = true;
    const EditHistory::Step* step = undo ? history_.Undo(model_) : history_.Redo(model_);
    emit Changed();
    if (step)
        show(*step);
    replaying_ = false;
    emit HistoryChanged();
}

bool Document::RecordsModified() const { return RecordSet::Of(model_) != cleanRecords_; }

void Document::MarkRecordsClean(bool imageAsLoaded)
{
    cleanRecords_ = RecordSet::Of(model_);
    imageAsLoaded_ = imageAsLoaded;
    emit Changed();
}

// No question is asked while the copy can be kept: the commands that drop
// edits never asked one. Only a copy that failed leaves the choice to the user.
bool Document::KeepDroppedEdits(const char* what)
{
    if (!RecordsModified())
        return true;
    const StampedFile copy = SaveRecoveryCopy(model_, DataFolder(), QString::fromLatin1(what));
    if (copy.failure.isEmpty())
        return true;
    return prompt_.Message(tr("Recovery Copy"),
                           tr("The edits not yet saved could not be kept as a recovery copy:\n%1\n\n"
                              "Press OK to go on and drop them, Cancel to keep them.")
                               .arg(copy.failure),
                           MessageIcon::Warning, MessageButtons::OkCancelSafe) == Answer::Ok;
}

void Document::SetCurrentFile(const QString& path)
{
    model_.CurrentFilePath = PathText(path);
    emit Changed();
}

}  // namespace quorlink
