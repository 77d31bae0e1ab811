#pragma once

#include "session/operator_dialogs.h"

class QFileDialog;

// The operator's boxes as Qt message boxes and the file-open dialog. The boxes carry no
// title of their own and show the application's display name, as the operator's system did.
class WidgetDialogs : public OperatorDialogs {
public:
    void inform(const QString &text) override;
    bool askYesNo(const QString &title, const QString &text) override;
    bool askOkCancel(const QString &text) override;
    SaveChoice askToSave(const QString &text) override;
    QString chooseFileToOpen() override;
    QString chooseSiteFileToOpen(SiteFile kind) override;
    QString chooseSiteFileToSave(SiteFile kind, const QString &suggestedName) override;
    std::optional<PortDescription> choosePort(const std::function<QList<PortRow>()> &listPorts) override;

private:
    QString startFolder() const;
    QString runFileDialog(QFileDialog &dialog);

    QString chosenFolder_;  // where the operator last chose a file in this run
};
