#pragma once

#include "cli/error_output.h"
#include "session/operator_dialogs.h"

// The session's boxes without a window: each text becomes a line of the error output and
// the transfer goes on at once. The one question, the ticket number's confirmation, was
// answered by the command line.
class StderrDialogs : public OperatorDialogs {
public:
    explicit StderrDialogs(ErrorOutput &out);

    void inform(const QString &text) override;
    bool askYesNo(const QString &title, const QString &text) override;
    bool askOkCancel(const QString &text) override;
    SaveChoice askToSave(const QString &text) override;
    QString chooseFileToOpen() override;
    QString chooseSiteFileToOpen(SiteFile kind) override;
    QString chooseSiteFileToSave(SiteFile kind, const QString &suggestedName) override;
    std::optional<PortDescription> choosePort(const std::function<QList<PortRow>()> &listPorts) override;

private:
    ErrorOutput &out_;
};
