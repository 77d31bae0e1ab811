#include "session/site_document.h"

#include "config/platform_paths.h"
#include "config/recent_files.h"
#include "config/same_file.h"
#include "config/settings_backups.h"
#include "config/settings_file.h"
#include "config/working_file.h"
#include "session/settings_messages.h"
#include "session/site_files.h"
#include "session/step_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

SiteDocument::SiteDocument(Tanimlamalar &model, OperatorDialogs &dialogs, QObject *parent)
    : QObject(parent), model_(model), dialogs_(dialogs)
{
    clock_.start();
}

QString SiteDocument::path() const
{
    return path_.isEmpty() ? QFileInfo(workingSettingsFile()).absoluteFilePath() : path_;
}

QString SiteDocument::shownPath() const
{
    return shownPathOf(path());
}

bool SiteDocument::isModified() const
{
    return !saved_ || current() != *saved_;
}

bool SiteDocument::transferRunning() const
{
    return !model_.TransferFinished && model_.CurrentTransferMode != TransferMode::None;
}

StartDecision SiteDocument::readAtStart()
{
    int code = SettingsError::None;
    const StartDecision decision = dosyadan_oku(model_, dialogs_, &code);
    // A missing file has just been written from the model; a file read in part holds more.
    if (code == SettingsError::None || code == SettingsError::FileNotFound)
        saved_ = current();
    else
        saved_.reset();
    history_.reset(current());
    return decision;
}

void SiteDocument::startHistory()
{
    history_.reset(current());
    emit changed();
}

bool SiteDocument::save()
{
    if (!dosyaya_kaydet(model_, dialogs_, path()))
        return false;
    written(path());
    return true;
}

bool SiteDocument::saveAs(const QString &path)
{
    if (!dosyaya_kaydet(model_, dialogs_, path))
        return false;
    written(path);
    rememberFile(path);
    return true;
}

void SiteDocument::written(const QString &path)
{
    path_ = QFileInfo(path).absoluteFilePath();
    saved_ = current();
    history_.endMerging();
    emit changed();
}

bool SiteDocument::open(const QString &path)
{
    const auto read = std::make_unique<Tanimlamalar>();
    const std::optional<int> code = openSettingsFile(*read, dialogs_, path);
    if (!code)
        return false;
    path_ = QFileInfo(path).absoluteFilePath();
    rememberFile(path);
    replaceValues(storedSettingsOf(*read));
    if (*code == SettingsError::None)
        saved_ = storedSettingsOf(*read);
    else
        saved_.reset();
    history_.reset(current());
    emit changed();
    return true;
}

bool SiteDocument::importCsv(const QString &path)
{
    return change(csvImportStepName(),
                  [this, &path](Tanimlamalar &model) { return importSettingsCsv(model, dialogs_, path); });
}

bool SiteDocument::change(const QString &name, const std::function<bool(Tanimlamalar &)> &edit)
{
    if (!edit(model_))
        return false;
    refillPanels();
    history_.record(current(), name, {}, clock_.elapsed());
    emit changed();
    return true;
}

void SiteDocument::record()
{
    if (replacing_)
        return;
    const StoredSettings now = current();
    const StepName step = stepName(history_.current(), now);
    if (history_.record(now, step.name, step.key, clock_.elapsed()))
        emit changed();
}

void SiteDocument::noteEdit()
{
    emit changed();
}

bool SiteDocument::canUndo() const
{
    return history_.canUndo();
}

bool SiteDocument::canRedo() const
{
    return history_.canRedo();
}

QString SiteDocument::undoName() const
{
    return history_.undoName();
}

QString SiteDocument::redoName() const
{
    return history_.redoName();
}

void SiteDocument::undo()
{
    if (!history_.canUndo())
        return;
    replaceValues(history_.undo());
    emit changed();
}

void SiteDocument::redo()
{
    if (!history_.canRedo())
        return;
    replaceValues(history_.redo());
    emit changed();
}

QList<BackupCopy> SiteDocument::backups() const
{
    return backupsOf(path());
}

QString SiteDocument::backupFolder() const
{
    return backupFolderOf(path());
}

std::optional<QList<SettingsDifference>> SiteDocument::differencesFrom(const QString &backup) const
{
    const auto read = std::make_unique<Tanimlamalar>();
    if (loadSettingsFile(*read, backup) != SettingsError::None)
        return std::nullopt;
    return compareSettings(model_, *read);
}

bool SiteDocument::restore(const QString &backup)
{
    const auto read = std::make_unique<Tanimlamalar>();
    const int code = loadSettingsFile(*read, backup);
    if (code != SettingsError::None) {
        dialogs_.inform(nothingLoadedMessage(code, backup));
        return false;
    }
    return change(restoreStepName(), [&read](Tanimlamalar &model) {
        applyStoredSettings(model, storedSettingsOf(*read));
        return true;
    });
}

namespace {

// Where the next start learns of a copy of unsaved values: beside the settings file.
QString noticeFile()
{
    return QDir(settingsFolder()).filePath(QStringLiteral("son-oturum.txt"));
}

}  // namespace

void SiteDocument::keepUnsavedValues()
{
    if (!isModified())
        return;
    const Backup copy = keepUnsavedCopy(path(), settingsFileBytes(model_));
    if (copy.path.isEmpty())
        return;
    QSaveFile notice(noticeFile());
    if (notice.open(QIODevice::WriteOnly)) {
        notice.write(QDir::toNativeSeparators(copy.path).toUtf8());
        notice.commit();
    }
}

QString SiteDocument::takeStartNotice()
{
    QFile notice(noticeFile());
    if (!notice.open(QIODevice::ReadOnly))
        return {};
    const QString copy = QString::fromUtf8(notice.read(4096));
    notice.close();
    notice.remove();
    return copy.isEmpty() ? QString() : QStringLiteral("Son oturumun kaydedilmemiş değişiklikleri yedeklendi: ") + copy;
}

bool SiteDocument::isSettingsFile(const QString &path) const
{
    return sameFile(path, this->path()) || sameFile(path, workingSettingsFile());
}

// The panels refill and capture again; what they cannot show (an enable value of 7) they
// change, and the history keeps what they left.
void SiteDocument::replaceValues(const StoredSettings &values)
{
    applyStoredSettings(model_, values);
    refillPanels();
    history_.settle(current());
}

void SiteDocument::refillPanels()
{
    replacing_ = true;
    emit valuesReplaced();
    replacing_ = false;
}

StoredSettings SiteDocument::current() const
{
    return storedSettingsOf(model_);
}
