// SPDX-License-Identifier: GPL-3.0-or-later
// The undo and redo steps of the window. Each step keeps the records from
// before and after one stored change; steps share the records between them,
// so the history costs one record set per step.
#pragma once

#include "record_set.h"

#include <QString>
#include <deque>
#include <memory>

namespace quorlink {

class EditHistory {
public:
    static constexpr std::size_t kMaxSteps = 200;

    struct Step {
        QString name;  // "CH16 name", "Delete Individual ID3"
        QString key;   // node of the page the change was made on
        std::shared_ptr<const RecordSet> before;
        std::shared_ptr<const RecordSet> after;
    };

    // Drops every step; the records of now are where the next step starts.
    void Clear(const Model& model);
    // Takes the records of now as the start of the next step without making a
    // step of whatever changed since the last one (a page showing its values).
    void Resync(const Model& model);
    // Makes a step when the records differ from the last ones seen. A change
    // from the same typing field as the step before joins that step until
    // EndTyping; a step typed back to the records before it is dropped (a
    // step never changes nothing). False when the history stays as it was.
    bool Record(const Model& model, const QString& name, const QString& key, const void* typingField);
    void EndTyping(const void* field);

    const Step* NextUndo() const { return done_ > 0 ? &steps_[done_ - 1] : nullptr; }
    const Step* NextRedo() const { return done_ < steps_.size() ? &steps_[done_] : nullptr; }
    // Puts the records of the step back into model; null when there is none.
    const Step* Undo(Model& model);
    const Step* Redo(Model& model);
    std::size_t size() const { return steps_.size(); }

private:
    std::deque<Step> steps_;
    std::size_t done_ = 0;
    std::shared_ptr<const RecordSet> current_;
    const void* typing_ = nullptr;
};

}  // namespace quorlink
