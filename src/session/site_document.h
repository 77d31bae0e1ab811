#pragma once

#include "config/settings_backups.h"
#include "config/stored_settings.h"
#include "config/tanimlamalar.h"
#include "session/operator_dialogs.h"
#include "session/site_history.h"
#include "session/start_decision.h"
#include "site/settings_comparison.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <QList>
#include <functional>

#include <optional>

// The site as a document: the settings file that is open, its stored values as last read from
// or written to it, and the history of changes. Every save writes the open file. "Modified"
// is a comparison of the model's stored values with those of the file, so an edit undone or
// typed back is no change. The windows show it and turn the operator's clicks into its calls;
// boxes go through the dialog seam.
class SiteDocument : public QObject {
    Q_OBJECT
public:
    SiteDocument(Tanimlamalar &model, OperatorDialogs &dialogs, QObject *parent = nullptr);

    // The open file, absolute; the working settings file until another is opened.
    QString path() const;
    // The same as the operator's messages name it.
    QString shownPath() const;
    bool isModified() const;
    // Whether a transfer to the unit is running.
    bool transferRunning() const;

    // The start-up's read of the open file (dosyadan_oku), which starts the history.
    StartDecision readAtStart();
    // The history starts here, with the model as the panels left it.
    void startHistory();

    // Writes the open file; a failure is told. True when written.
    bool save();
    // Writes another file, which becomes the open one.
    bool saveAs(const QString &path);
    // Reads another settings file, which becomes the open one with a history of its own.
    bool open(const QString &path);
    // Reads a CSV into the site as one step.
    bool importCsv(const QString &path);
    // A change made by `edit` to the model, as one step named `name`; nothing when it
    // returns false.
    bool change(const QString &name, const std::function<bool(Tanimlamalar &)> &edit);

    // The model's stored values changed by an edit in a window: a step, named after what
    // changed. Clicks on one stepper within two seconds are one step.
    void record();
    // A value changed that is not a step yet (a COM port number being typed).
    void noteEdit();

    bool canUndo() const;
    bool canRedo() const;
    QString undoName() const;
    QString redoName() const;
    void undo();
    void redo();

    // The open file's backups, newest first, and their folder.
    QList<BackupCopy> backups() const;
    QString backupFolder() const;
    // Where a backup differs from the site as it is now; none when it cannot be read.
    std::optional<QList<SettingsDifference>> differencesFrom(const QString &backup) const;
    // Takes a backup's values into the site as one step; nothing is written until a save.
    bool restore(const QString &backup);

    // A session ended by the system cannot be asked: unsaved values are kept as a copy beside
    // the open file's backups, and the next start says where.
    void keepUnsavedValues();
    // What the last session left to say at this start, once; empty when nothing.
    static QString takeStartNotice();

    // Whether output (a report, a CSV) at `path` would replace the open or the working
    // settings file.
    bool isSettingsFile(const QString &path) const;

signals:
    // The open file, its modified mark or the history changed.
    void changed();
    // The stored values came from elsewhere (a file, the history): the panels are to show
    // them and the images to follow, as after start-up.
    void valuesReplaced();

private:
    void replaceValues(const StoredSettings &values);
    void refillPanels();
    void written(const QString &path);
    StoredSettings current() const;

    Tanimlamalar &model_;
    OperatorDialogs &dialogs_;
    QString path_;                         // empty: the working file, wherever the run's settings place it
    std::optional<StoredSettings> saved_;  // none while the file holds other values (read in part)
    SiteHistory history_;
    QElapsedTimer clock_;
    bool replacing_ = false;  // the panels are being filled from the model
};
