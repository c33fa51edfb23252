// SPDX-License-Identifier: GPL-3.0-or-later
// The data the window edits, without the window: the records (in the Model
// main() made), the undo history, the state last opened, saved, read or made
// fresh, the recovery copies of edits about to be dropped, and the current
// file. Every change of them passes through here, as an Edit (one undo
// step) or a ReplaceRecords (a new start), so that what shows them (the
// "Modified" panel, the undo items) follows its signals; the rest of the
// window reads them.
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

    // The records, to read.
    const Model& Records() const { return model_; }
    // Where backups and recovery copies go: the program's own folder.
    const QString& DataFolder() const { return dataFolder_; }

    // Undo and redo.
    const EditHistory& History() const { return history_; }
    void EndTyping(const void* field) { history_.EndTyping(field); }
    // The one way to change the records: change runs on them, made on the page
    // of node key, and becomes one undo step named name (see PageHost::Edit).
    // While an undo or redo puts records back, the pages store nothing.
    void Edit(const QString& name, const QString& key, const void* typingField,
              const std::function<void(Model&)>& change);

    // Where records replaced as a whole came from, and what they leave behind.
    struct Source {
        enum class File { Keep, Clear, Set };
        File file = File::Clear;
        QString path;             // with File::Set
        bool clean = true;        // they are the state Modified compares with
        bool imageAsLoaded = false;
    };
    // The records were replaced as a whole (New, Open, a restore, a read, a
    // hex import, a model switch): replace puts them in (it may do nothing
    // when they were put in already), they are put right once (see
    // RepairLoadedRecords), the current file follows source, the history
    // starts again and, when source says so, they are the clean state.
    void ReplaceRecords(const std::function<void(Model&)>& replace, const Source& source);
    // Puts back the records of the next undo or redo step, if there is one,
    // and has show show them; the pages store nothing while they do.
    void StepThroughHistory(bool undo, const std::function<void(const EditHistory::Step&)>& show);

    // A save, or a write to the radio, hands the records on with the image it
    // encodes them into: what it writes in the model is the image's, never a record's.
    template <typename Save>
    auto WriteOut(Save&& save) const
    {
        return save(model_);
    }
    // The COM port transfers use: a program-wide value the model carries, not a record.
    void SetPortNumber(int number);

    // Whether the records differ from those last opened, saved, read or made fresh.
    bool RecordsModified() const;
    void MarkRecordsClean(bool imageAsLoaded);
    // An opened backup goes back to the radio exactly as it was read, unless it was edited.
    bool SendImageAsIs() const { return imageAsLoaded_ && !RecordsModified(); }
    bool ImageAsLoaded() const { return imageAsLoaded_; }
    // False when the copy failed and the user chose to keep the edits.
    bool KeepDroppedEdits(const char* what);

    // Saved under path.
    void SetCurrentFile(const QString& path);

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
