#pragma once

#include "config/stored_settings.h"

#include <QString>

#include <deque>

// The undo history of one site: the stored values after each step, oldest first, and where
// the site stands in it. Copies rather than commands: a whole site is some 9 KB, so even the
// longest history is a few megabytes, and a step brings back exactly what was there.
class SiteHistory {
public:
    static constexpr int kLimit = 200;
    // Clicks on the same stepper this close together are one step.
    static constexpr qint64 kMergeWindowMs = 2000;

    explicit SiteHistory(int limit = kLimit);

    // A new history that starts at these values.
    void reset(const StoredSettings &now);
    // The site changed to `now`. A change with the key of the last step, within the merge
    // window, joins that step; one that brings the values back to where that step began
    // removes it. Steps that could be redone are dropped. False when nothing changed.
    bool record(const StoredSettings &now, const QString &name, const QString &key, qint64 atMs);
    // The values as they stand replace the current step's without a step of their own: what
    // filling the panels did to values they cannot show.
    void settle(const StoredSettings &now);
    // The next change starts a step of its own (after a save).
    void endMerging();

    bool canUndo() const;
    bool canRedo() const;
    QString undoName() const;
    QString redoName() const;
    // The values to bring back, and the history one step back or on.
    const StoredSettings &undo();
    const StoredSettings &redo();
    const StoredSettings &current() const;
    int steps() const;

private:
    struct Step {
        QString name;
        QString key;
        qint64 atMs = 0;
    };

    int limit_;
    std::deque<StoredSettings> states_;  // states_[k + 1] is the site after steps_[k]
    std::deque<Step> steps_;
    size_t at_ = 0;  // index into states_
    bool mayMerge_ = false;
};
