#pragma once

#include "config/tanimlamalar.h"
#include "config/working_file.h"
#include "session/operator_dialogs.h"
#include "session/start_decision.h"

// The settings file as the operator meets it: failures told in a box, each operation
// returning normally but for a file cut short.

// Reads the settings file into the model; a missing file is written from the model.
// EndApplication when the file is cut short: the caller ends the application. `readCode`,
// where given, gets the read's code (SettingsError).
StartDecision dosyadan_oku(Tanimlamalar &model, OperatorDialogs &dialogs, int *readCode = nullptr);

// Writes the whole model to the settings file at `path`, its messages naming it as the
// operator knows it. True when the file was written.
bool dosyaya_kaydet(const Tanimlamalar &model, OperatorDialogs &dialogs, const QString &path = workingSettingsFile());

// A file read only in part would lose the rest at the next save: a copy of it as it was
// found comes first, and this line for the box that tells of the fault names it. Empty where
// nothing was kept.
QString asFoundNote(int code, const QString &path);

// The reader's and the writer's words for a failure code, naming the file as shown.
QString readFailureMessage(int code, const QString &shownPath = shownSettingsFile());
// Code 53 as the reader words it; at start-up it goes on to say a new file is written.
QString notFoundMessage(const QString &shownPath);
QString writeFailureMessage(int code, const QString &shownPath = shownSettingsFile());
