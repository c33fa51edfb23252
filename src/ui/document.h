// SPDX-License-Identifier: GPL-3.0-or-later
// The data the window edits, without the window: the records (in the Model
// main() made), the undo history, the state last opened, saved, read or made
// fresh, the recovery copies of edits about to be dropped, and the current
// file. Every change of them passes through here, so that what shows them
// (the "Modified" panel, the undo items) follows its signals.
#pragma once

#include "edit_history.h"
#include "record_set.h"

#include <QObject>
#include <QString>
#include <functional>

namespace quorlink {

struct Model;
class Prompt;

class Document : public QObject {
    Q_OBJECT

public:
    Document(Model& model, Prompt& prompt, QString dataFolder);

    Model& model() const { return model_; }
    // Where backups and recovery copies go: the program's own folder.
    const QString& DataFolder() const { return dataFolder_; }

    // Undo and redo.
    const EditHistory& History() const { return history_; }
    // The records were replaced as a whole (New, Open, a read, a model switch).
    void ClearHistory();
    // What a page puts right while it shows its values is no change of the user's.
    void Resync();
    void EndTyping(const void* field) { history_.EndTyping(field); }
    // A stored change, made on the page of node key: one undo step (see PageHost::StoreChange).
    void StoreChange(const QString& name, const QString& key, const void* typingField);
    // Puts back the records of the next undo or redo step, if there is one,
    // and has show show them; the pages store nothing while they do.
    void StepThroughHistory(bool undo, const std::function<void(const EditHistory::Step&)>& show);

    // Whether the records differ from those last opened, saved, read or made fresh.
    bool RecordsModified() const;
    void MarkRecordsClean(bool imageAsLoaded);
    // An opened backup goes back to the radio exactly as it was read, unless it was edited.
    bool SendImageAsIs() const { return imageAsLoaded_ && !RecordsModified(); }
    bool ImageAsLoaded() const { return imageAsLoaded_; }
    // False when the copy failed and the user chose to keep the edits.
    bool KeepDroppedEdits(const char* what);

    void SetCurrentFile(const QString& path);
    void ClearCurrentFile();

signals:
    // The records, their clean state or the current file changed.
    void Changed();
    // The steps of the history changed.
    void HistoryChanged();

private:
    Model& model_;
    Prompt& prompt_;
    QString dataFolder_;
    EditHistory history_;
    bool replaying_ = false;  // an undo or redo is putting records back
    RecordSet cleanRecords_;
    bool imageAsLoaded_ = false;  // MemoryImage is a raw image as opened, the records untouched since
};

}  // namespace quorlink
