#pragma once

#include "session/operator_dialogs.h"

#include <QStringList>

#include <functional>

// Answers the operator's boxes for a test and keeps every text shown.
class ScriptedDialogs : public OperatorDialogs {
public:
    QStringList shown;   // every box's text, in order
    QStringList titles;  // the title of every Yes/No box
    bool answerYes = true;
    SaveChoice saveAnswer = SaveChoice::Cancel;
    QString fileToOpen;
    QString siteFileToOpen;
    QString siteFileToSave;
    std::optional<PortDescription> portToChoose;
    QList<PortRow> portRowsShown;        // what the picker listed last
    std::function<void()> whileBoxOpen;  // runs while a box is "open", e.g. to deliver serial data

    void inform(const QString &text) override;
    bool askYesNo(const QString &title, const QString &text) override;
    bool askOkCancel(const QString &text) override;
    SaveChoice askToSave(const QString &text) override;
    QString chooseFileToOpen() override;
    QString chooseSiteFileToOpen(SiteFile kind) override;
    QString chooseSiteFileToSave(SiteFile kind, const QString &suggestedName) override;
    std::optional<PortDescription> choosePort(const std::function<QList<PortRow>()> &listPorts) override;
};
