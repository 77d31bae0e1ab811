#pragma once

#include "ports/port_choice.h"

#include <QString>

#include <functional>
#include <optional>

// The answers to the question asked before unsaved work would be dropped.
enum class SaveChoice { Save, Discard, Cancel };

// The files an operator picks for the site beside the settings file's own place.
enum class SiteFile { Settings, Csv, Report };

// The one seam through which the system talks to the operator: message boxes, the
// file-open dialog and the port picker. Windows use the widget implementation; tests answer
// it themselves.
class OperatorDialogs {
public:
    virtual ~OperatorDialogs() = default;
    // A modal box with an OK button and no title of its own.
    virtual void inform(const QString &text) = 0;
    // A modal Yes/No box; true for Yes.
    virtual bool askYesNo(const QString &title, const QString &text) = 0;
    // A modal box with "Tamam" and "İptal"; true for "Tamam", closing it is "İptal".
    virtual bool askOkCancel(const QString &text) = 0;
    // A modal box with "Kaydet", "Kaydetme" and "İptal"; closing it is "İptal".
    virtual SaveChoice askToSave(const QString &text) = 0;
    // The chosen file's path, or an empty text when none was chosen.
    virtual QString chooseFileToOpen() = 0;
    // The same for a file of the site, and the path to save one to (suggestedName first
    // shown); an empty text when the operator cancelled.
    virtual QString chooseSiteFileToOpen(SiteFile kind) = 0;
    virtual QString chooseSiteFileToSave(SiteFile kind, const QString &suggestedName) = 0;
    // The port picker over the rows `listPorts` gives (again for "Yenile"); the chosen port,
    // or none when the operator cancelled.
    virtual std::optional<PortDescription> choosePort(const std::function<QList<PortRow>()> &listPorts) = 0;
};
