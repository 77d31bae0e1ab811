#include "scripted_dialogs.h"

void ScriptedDialogs::inform(const QString &text)
{
    shown << text;
    if (whileBoxOpen)
        whileBoxOpen();
}

bool ScriptedDialogs::askOkCancel(const QString &text)
{
    shown << text;
    return answerYes;
}

SaveChoice ScriptedDialogs::askToSave(const QString &text)
{
    shown << text;
    return saveAnswer;
}

bool ScriptedDialogs::askYesNo(const QString &title, const QString &text)
{
    titles << title;
    shown << text;
    if (whileBoxOpen)
        whileBoxOpen();
    return answerYes;
}

QString ScriptedDialogs::chooseFileToOpen()
{
    return fileToOpen;
}

QString ScriptedDialogs::chooseSiteFileToOpen(SiteFile)
{
    return siteFileToOpen;
}

QString ScriptedDialogs::chooseSiteFileToSave(SiteFile, const QString &)
{
    return siteFileToSave;
}

std::optional<PortDescription> ScriptedDialogs::choosePort(const std::function<QList<PortRow>()> &listPorts)
{
    portRowsShown = listPorts();
    return portToChoose;
}
