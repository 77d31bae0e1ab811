#pragma once

#include "config/tanimlamalar.h"
#include "session/operator_dialogs.h"

#include <QString>

#include <optional>

// The files of a site besides the working settings file, as the operator meets them: each
// failure told in a box naming the file, and the model changed only by what succeeded.

// The reader's words for another settings file: as at start-up, but a missing file is only
// not found (nothing is made in its place).
QString siteFileReadMessage(int code, const QString &path);
// The same, for a file of which nothing was taken.
QString nothingLoadedMessage(int code, const QString &path);

// Reads another settings file into the model by the reader's rules, its boxes naming that
// file. A file that is missing or cut short loads nothing; a file read in part leaves the later
// values as a fresh start has them, never the previous site's. The read's code when values
// were loaded (SettingsError::None when the file was read whole), nothing otherwise.
std::optional<int> openSettingsFile(Tanimlamalar &model, OperatorDialogs &dialogs, const QString &path);

// The settings as CSV, written to a file; and read back from one into the model (a refused
// value is told and changes nothing; an import that went through says how many values it
// changed). True on success.
bool exportSettingsCsv(const Tanimlamalar &model, OperatorDialogs &dialogs, const QString &path);
bool importSettingsCsv(Tanimlamalar &model, OperatorDialogs &dialogs, const QString &path);

// Other output must never replace a settings file: the operator's words when it would.
QString reportOverSettingsMessage(const QString &path);
QString csvOverSettingsMessage(const QString &path);
