#include "session/site_history.h"

SiteHistory::SiteHistory(int limit) : limit_(limit)
{
    reset({});
}

void SiteHistory::reset(const StoredSettings &now)
{
    states_.assign(1, now);
    steps_.clear();
    at_ = 0;
    mayMerge_ = false;
}

bool SiteHistory::record(const StoredSettings &now, const QString &name, const QString &key, qint64 atMs)
{
    if (now == states_[at_])
        return false;
    states_.resize(at_ + 1);
    steps_.resize(at_);
    const bool merges = mayMerge_ && at_ > 0 && !key.isEmpty() && steps_.back().key == key &&
                        atMs - steps_.back().atMs <= kMergeWindowMs;
    if (merges) {
        states_.back() = now;
        steps_.back().atMs = atMs;
        if (states_[at_ - 1] == now) {
            states_.pop_back();
            steps_.pop_back();
            --at_;
        }
        return true;
    }
    states_.push_back(now);
    steps_.push_back({name, key, atMs});
    ++at_;
    mayMerge_ = true;
    if (static_cast<int>(steps_.size()) > limit_) {
        states_.pop_front();
        steps_.pop_front();
        --at_;
    }
    return true;
}

void SiteHistory::settle(const StoredSettings &now)
{
    states_[at_] = now;
}

void SiteHistory::endMerging()
{
    mayMerge_ = false;
}

bool SiteHistory::canUndo() const
{
    return at_ > 0;
}

bool SiteHistory::canRedo() const
{
    return at_ + 1 < states_.size();
}

QString SiteHistory::undoName() const
{
    return canUndo() ? steps_[at_ - 1].name : QString();
}

QString SiteHistory::redoName() const
{
    return canRedo() ? steps_[at_].name : QString();
}

const StoredSettings &SiteHistory::undo()
{
    if (canUndo())
        --at_;
    mayMerge_ = false;
    return states_[at_];
}

const StoredSettings &SiteHistory::redo()
{
    if (canRedo())
        ++at_;
    mayMerge_ = false;
    return states_[at_];
}

const StoredSettings &SiteHistory::current() const
{
    return states_[at_];
}

int SiteHistory::steps() const
{
    return static_cast<int>(steps_.size());
}
