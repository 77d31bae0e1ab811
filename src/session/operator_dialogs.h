#pragma once

#include <QString>

// The one seam through which the system talks to the operator: message boxes and the
// file-open dialog. Windows use the widget implementation; tests answer it themselves.
class OperatorDialogs {
public:
    virtual ~OperatorDialogs() = default;
    // A modal box with an OK button and no title of its own.
    virtual void inform(const QString &text) = 0;
    // A modal Yes/No box; true for Yes.
    virtual bool askYesNo(const QString &title, const QString &text) = 0;
    // The chosen file's path, or an empty text when none was chosen.
    virtual QString chooseFileToOpen() = 0;
};
