#pragma once

#include "session/operator_dialogs.h"

// For runs without an operator (the demo's screenshot): every box is written to the error
// output and answered at once with OK or No; no file and no port is chosen.
class UnattendedDialogs : public OperatorDialogs {
public:
    void inform(const QString &text) override;
    bool askYesNo(const QString &title, const QString &text) override;
    bool askOkCancel(const QString &text) override;
    SaveChoice askToSave(const QString &text) override;
    QString chooseFileToOpen() override;
    QString chooseSiteFileToOpen(SiteFile kind) override;
    QString chooseSiteFileToSave(SiteFile kind, const QString &suggestedName) override;
    std::optional<PortDescription> choosePort(const std::function<QList<PortRow>()> &listPorts) override;
};
