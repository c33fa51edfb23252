// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit_history.h"

namespace quorlink {

void EditHistory::Clear(const Model& model)
{
    steps_.clear();
    done_ = 0;
    typing_ = nullptr;
    Resync(model);
}

void EditHistory::Resync(const Model& model)
{
    if (!current_ || *current_ != RecordSet::Of(model))
        current_ = std::make_shared<const RecordSet>(RecordSet::Of(model));
}

bool EditHistory::Record(const Model& model, const QString& name, const QString& key, const void* typingField)
{
    if (!current_)
        Resync(model);
    auto now = std::make_shared<const RecordSet>(RecordSet::Of(model));
    if (*now == *current_)
        return false;
    const bool joins = typingField && typingField == typing_ && done_ == steps_.size() && done_ > 0;
    if (joins && *now == *steps_.back().before) {
        // Typed back to what it was: the step changes nothing and goes.
        current_ = steps_.back().before;
        steps_.pop_back();
        done_ = steps_.size();
        typing_ = nullptr;
        return true;
    }
    if (joins) {
        steps_.back().after = now;
    } else {
        steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
        steps_.push_back({name, key, current_, now});
        if (steps_.size() > kMaxSteps)
            steps_.pop_front();
        done_ = steps_.size();
    }
    current_ = now;
    typing_ = typingField;
    return true;
}

void EditHistory::EndTyping(const void* field)
{
    if (field == typing_)
        typing_ = nullptr;
}

const EditHistory::Step* EditHistory::Undo(Model& model)
{
    if (done_ == 0)
        return nullptr;
    const Step& step = steps_[--done_];
    step.before->PutInto(model);
    current_ = step.before;
    typing_ = nullptr;
    return &step;
}

const EditHistory::Step* EditHistory::Redo(Model& model)
{
    if (done_ == steps_.size())
        return nullptr;
    const Step& step = steps_[done_++];
    step.after->PutInto(model);
    current_ = step.after;
    typing_ = nullptr;
    return &step;
}

}  // namespace quorlink
