#pragma once

#include "cli/send_options.h"
#include "config/tanimlamalar.h"

// Reads the settings file into the model and builds the images as the window's start-up
// does, then reads every layout file into its item: all before the port is opened, so that
// a fault sends nothing. The file is only read, never written, also when it is missing.
// Returns the first fault in the operator's words, or an empty text.
QString readInputs(const QString &settingsFile, QList<SendItem> &items, Tanimlamalar &model);
