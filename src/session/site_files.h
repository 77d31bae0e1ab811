#pragma once

#include "operator_dialogs.h"
#include "tanimlamalar.h"

#include <QString>

// The files of a site besides the working settings file, as the operator meets them: each
// failure told in a box naming the file, and the model changed only by what succeeded.

// The reader's words for another settings file: as at start-up, but a missing file is only
// not found (nothing is made in its place).
QString siteFileReadMessage(int code, const QString &path);

// Reads another settings file into the model by the reader's rules, its boxes naming that
// file. A file that is missing or cut short loads nothing. True when values were loaded.
bool openSettingsFile(Tanimlamalar &model, OperatorDialogs &dialogs, const QString &path);

// Writes the model and the COM port text to another file, in the settings file's format.
bool saveSettingsFileAs(const Tanimlamalar &model, OperatorDialogs &dialogs, const QString &path);

// The settings as CSV, written to a file; and read back from one into the model (a refused
// value is told and changes nothing). True on success.
bool exportSettingsCsv(const Tanimlamalar &model, OperatorDialogs &dialogs, const QString &path);
bool importSettingsCsv(Tanimlamalar &model, OperatorDialogs &dialogs, const QString &path);
