#pragma once

#include "tanimlamalar.h"

#include <QString>

// Where the engine writes the progress caption of each transfer kind
// (Label18, Label19, Label20 on the main window, Label1 on the editor).
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    virtual void showProgress(TransferMode kind, const QString &caption) = 0;
};
